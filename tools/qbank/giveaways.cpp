#include "giveaways.h"

#include "encoding.h"
#include "numeric.h"
#include "platform/platform.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace qbank {

namespace {
using Words = std::vector<std::string>;

struct Place {
    std::size_t question;
    std::size_t word;
};

// Where each word of the question texts stands, so an answer is looked up by its first word.
using WordIndex = std::unordered_map<std::string, std::vector<Place>>;

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

bool HoldsAt(const Words& text, std::size_t start, const Words& answer) {
    if (start + answer.size() > text.size()) return false;
    return std::equal(answer.begin(), answer.end(), text.begin() + start);
}

std::string Utf8(const std::string& cp1250) { return platform::Cp1250ToUtf8(cp1250); }
}  // namespace

void CheckGiveaways(const std::vector<EncodedQuestion>& questions, std::vector<Problem>& warnings) {
    std::vector<Words> texts;
    texts.reserve(questions.size());
    WordIndex index;
    for (std::size_t q = 0; q < questions.size(); ++q) {
        texts.push_back(FoldedWords(questions[q].fields[0]));
        for (std::size_t w = 0; w < texts.back().size(); ++w)
            index[texts.back()[w]].push_back({q, w});
    }
    for (std::size_t q = 0; q < questions.size(); ++q) {
        if (questions[q].source->reviewed) continue;
        const Words answer = FoldedWords(questions[q].fields[1]);
        if (answer.empty() || TellsLittle(answer)) continue;
        const auto places = index.find(answer.front());
        if (places == index.end()) continue;
        std::vector<std::size_t> holders;
        for (const Place& place : places->second) {
            const bool another = place.question != q;
            const bool counted = !holders.empty() && holders.back() == place.question;
            if (another && !counted && HoldsAt(texts[place.question], place.word, answer))
                holders.push_back(place.question);
        }
        if (holders.empty()) continue;
        const SourceQuestion& first = *questions[holders.front()].source;
        std::string message = "warning: the correct answer \"" +
                              Utf8(questions[q].fields[1]) + "\" stands in the question at " +
                              first.file + ":" + std::to_string(first.lines[0]);
        if (holders.size() > 1)
            message += " (and " + std::to_string(holders.size() - 1) + " more)";
        const SourceQuestion& source = *questions[q].source;
        warnings.push_back({source.file, source.lines[1], std::move(message)});
    }
}

}  // namespace qbank
