#include "giveaways.h"

#include "encoding.h"
#include "numeric.h"
#include "platform/platform.h"
#include "stems.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>

namespace qbank {

namespace {
using Words = std::vector<std::string>;

struct Place {
    std::size_t question;
    std::size_t word;
};

// The stems of every question's text, and where each stem stands, so that an answer is
// looked up by its first stem.
struct TextIndex {
    std::vector<Words> words;    // every word, folded
    std::vector<Words> texts;    // every word's stem
    std::vector<Words> content;  // the words that say something
    std::unordered_map<std::string, std::vector<Place>> places;
};

bool IsNumber(std::string_view word) {
    return std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= '0' && c <= '9') || c == ',' || c == '.';
    });
}

bool TellsLittle(const Words& answer) {
    std::size_t length = 0;
    bool numeric = true;
    for (const std::string& word : answer) {
        length += word.size();
        numeric = numeric && IsNumber(word);
    }
    if (length < kShortestTellingAnswer) return true;
    if (numeric) return length < kShortestTellingNumber;
    return answer.size() == 1 && IsNumberWord(answer.front());
}

bool HoldsAt(const Words& text, std::size_t start, const Words& stems) {
    if (start + stems.size() > text.size()) return false;
    return std::equal(stems.begin(), stems.end(), text.begin() + start);
}

bool HoldsAll(const Words& text, const Words& stems) {
    return !stems.empty() && std::all_of(stems.begin(), stems.end(), [&text](const auto& stem) {
        return std::find(text.begin(), text.end(), stem) != text.end();
    });
}

// The first of the stems that the text holds too; empty when none.
std::string SharedStem(const Words& text, const Words& stems) {
    for (const std::string& stem : stems) {
        if (std::find(text.begin(), text.end(), stem) != text.end()) return stem;
    }
    return {};
}

// The word of a Windows-1250 text whose stem this is, in UTF-8.
std::string WordWithStem(const std::string& cp1250, const std::string& stem) {
    for (const std::string& word : FoldedWords(cp1250)) {
        if (WordStem(word) == stem) return platform::Cp1250ToUtf8(word);
    }
    return platform::Cp1250ToUtf8(stem);
}

std::string Utf8(const std::string& cp1250) { return platform::Cp1250ToUtf8(cp1250); }

std::string LineOf(const SourceQuestion& question) {
    return question.file + ":" + std::to_string(question.lines[0]);
}

Problem AtRightAnswer(const EncodedQuestion& question, const std::string& message) {
    const SourceQuestion& source = *question.source;
    return {source.file, source.lines[1],
            "warning: the correct answer \"" + Utf8(question.fields[1]) + "\" " + message};
}

// The right answer standing in its own question, or alone in sharing a word with it.
void CheckOwnQuestion(const EncodedQuestion& question, const Words& text,
                      std::vector<Problem>& found) {
    std::array<Words, 3> answers;
    for (int i = 0; i < 3; ++i) answers[i] = ContentStems(question.fields[i + 1]);
    const std::string line = std::to_string(question.source->lines[0]);
    if (HoldsAll(text, answers[0])) {
        if (HoldsAll(text, answers[1]) || HoldsAll(text, answers[2])) return;
        found.push_back(AtRightAnswer(question, "stands in its question (line " + line + ")"));
        return;
    }
    const std::string shared = SharedStem(text, answers[0]);
    if (shared.empty() || !SharedStem(text, answers[1]).empty() ||
        !SharedStem(text, answers[2]).empty())
        return;
    found.push_back(AtRightAnswer(question, "is the only answer that shares a word (\"" +
                                                WordWithStem(question.fields[1], shared) +
                                                "\") with its question (line " + line + ")"));
}

// An answer's words without the prepositions it starts with: "ve vile Tugendhat" is told by
// "navrhl vilu Tugendhat".
Words TellingWords(const std::string& cp1250) {
    Words words = FoldedWords(cp1250);
    const auto first = std::find_if_not(words.begin(), words.end(), IsFunctionWord);
    words.erase(words.begin(), first);
    return words;
}

// The right answer standing, stem by stem, in another question's text.
void CheckOtherQuestions(const std::vector<EncodedQuestion>& questions, std::size_t q,
                         const TextIndex& index, std::vector<Problem>& found) {
    const Words words = TellingWords(questions[q].fields[1]);
    if (words.empty() || TellsLittle(words)) return;
    Words stems;
    for (const std::string& word : words) stems.push_back(WordStem(word));
    // One short word must stand there in the same form.
    const bool exact = words.size() == 1 && words.front().size() < kShortestStemmedAnswer;
    const auto places = index.places.find(stems.front());
    if (places == index.places.end()) return;
    std::vector<std::size_t> holders;
    for (const Place& place : places->second) {
        const bool another = place.question != q;
        const bool counted = !holders.empty() && holders.back() == place.question;
        const Words& text = exact ? index.words[place.question] : index.texts[place.question];
        if (another && !counted && HoldsAt(text, place.word, exact ? words : stems))
            holders.push_back(place.question);
    }
    if (holders.empty()) return;
    std::string message = "stands in the question at " + LineOf(*questions[holders.front()].source);
    if (holders.size() > 1) message += " (and " + std::to_string(holders.size() - 1) + " more)";
    found.push_back(AtRightAnswer(questions[q], message));
}

TextIndex IndexTexts(const std::vector<EncodedQuestion>& questions) {
    TextIndex index;
    index.texts.reserve(questions.size());
    for (std::size_t q = 0; q < questions.size(); ++q) {
        index.content.push_back(ContentStems(questions[q].fields[0]));
        index.words.push_back(FoldedWords(questions[q].fields[0]));
        index.texts.push_back(WordStems(questions[q].fields[0]));
        const Words& text = index.texts.back();
        for (std::size_t w = 0; w < text.size(); ++w) index.places[text[w]].push_back({q, w});
    }
    return index;
}
}  // namespace

void CheckGiveaways(const std::vector<EncodedQuestion>& questions, std::vector<Problem>& warnings) {
    const TextIndex index = IndexTexts(questions);
    for (std::size_t q = 0; q < questions.size(); ++q) {
        std::vector<Problem> found;
        CheckOwnQuestion(questions[q], index.content[q], found);
        CheckOtherQuestions(questions, q, index, found);
        const SourceQuestion& source = *questions[q].source;
        if (source.reviewedLine == 0) {
            warnings.insert(warnings.end(), found.begin(), found.end());
        } else if (found.empty()) {
            warnings.push_back({source.file, source.reviewedLine,
                                "warning: \"" + std::string(kReviewedMark) +
                                    "\" marks a question that gives nothing away; remove it"});
        }
    }
}

}  // namespace qbank
