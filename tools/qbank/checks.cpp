#include "checks.h"

#include "encoding.h"
#include "giveaways.h"
#include "numeric.h"
#include "gfx/font.h"
#include "gfx/text_wrap.h"
#include "platform/platform.h"
#include "quiz/topic_index.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

namespace qbank {

namespace {
struct Block {
    int width;
    int height;
};
constexpr Block kQuestionBlock = {500, 110};
constexpr Block kAnswerBlock = {490, 80};

const gfx::Font& QuestionFont() {
    static const gfx::Font font({"Arial", 26, 700, 238});
    return font;
}

std::string Excerpt(std::string_view cp1250) {
    constexpr std::size_t kLongest = 40;
    std::string text = platform::Cp1250ToUtf8(cp1250.substr(0, kLongest));
    if (cp1250.size() > kLongest) text += "...";
    return "\"" + text + "\"";
}

std::string_view WidestWord(std::string_view text, const gfx::Font& font) {
    std::string_view widest;
    int widestWidth = -1;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(" \t", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view word = text.substr(start, end - start);
        if (const int width = font.TextWidth(word); width > widestWidth) {
            widest = word;
            widestWidth = width;
        }
        start = end + 1;
    }
    return widest;
}

Problem At(const EncodedQuestion& question, int field, std::string message) {
    return {question.source->file, question.source->lines[field], std::move(message)};
}

EncodedQuestion Encode(const SourceQuestion& source, int fileIndex,
                       std::vector<Problem>& problems) {
    EncodedQuestion question;
    question.source = &source;
    question.fileIndex = fileIndex;
    for (int field = 0; field < kFields; ++field) {
        Encoded encoded = EncodeLine(source.fields[field]);
        question.fields[field] = std::move(encoded.text);
        const std::string& text = question.fields[field];
        if (!encoded.error.empty()) {
            problems.push_back(At(question, field, encoded.error));
        } else if (text.empty()) {
            problems.push_back(At(question, field, FieldName(field) + " is empty"));
        } else if (text.size() > kMaxFieldBytes) {
            problems.push_back(At(question, field,
                                  FieldName(field) + " is " + std::to_string(text.size()) +
                                      " bytes in Windows-1250; a line holds at most " +
                                      std::to_string(kMaxFieldBytes)));
        }
    }
    return question;
}

void CheckEqualAnswers(const EncodedQuestion& question, std::vector<Problem>& problems) {
    for (int later = 2; later < kFields; ++later) {
        for (int earlier = 1; earlier < later; ++earlier) {
            const std::string a = FoldForComparison(question.fields[earlier]);
            const std::string b = FoldForComparison(question.fields[later]);
            const bool same = a.empty() || b.empty()
                                  ? question.fields[earlier] == question.fields[later]
                                  : a == b;
            if (!same) continue;
            problems.push_back(At(question, later,
                                  FieldName(later) + " is the same as " + FieldName(earlier) +
                                      " (line " + std::to_string(question.source->lines[earlier]) +
                                      ")"));
            break;
        }
    }
}

void CheckDuplicates(const std::vector<EncodedQuestion>& questions,
                     std::vector<Problem>& problems) {
    std::map<std::string, const EncodedQuestion*> seen;
    for (const EncodedQuestion& question : questions) {
        const std::string key = FoldForComparison(question.fields[0]);
        if (key.empty()) continue;
        const auto [first, inserted] = seen.emplace(key, &question);
        if (inserted) continue;
        const SourceQuestion& earlier = *first->second->source;
        problems.push_back(At(question, 0,
                              "the question repeats the one at " + earlier.file + ":" +
                                  std::to_string(earlier.lines[0])));
    }
}

void CheckCount(std::size_t count, CheckedQuestions& result) {
    const std::string counted = std::to_string(count) + " questions";
    if (count > kMaxQuestions) {
        result.problems.push_back(
            {"", 0, counted + "; the game holds at most " + std::to_string(kMaxQuestions)});
    } else if (count < kQuestionsDrawn) {
        result.warnings.push_back({"", 0,
                                   "warning: only " + counted + "; a game draws " +
                                       std::to_string(kQuestionsDrawn) +
                                       ", so each game plays them all"});
    }
}

std::string Quoted(const SourceQuestion& question, int field) {
    return "\"" + question.fields[field] + "\"";
}

std::string AnswersOf(const SourceQuestion& source) {
    return "the answers " + Quoted(source, 1) + ", " + Quoted(source, 2) + " and " +
           Quoted(source, 3);
}

void CheckNumericPatterns(const std::vector<EncodedQuestion>& questions,
                          std::vector<Problem>& warnings) {
    for (const EncodedQuestion& question : questions) {
        const SourceQuestion& source = *question.source;
        if (const auto values = NumericValues(source.fields)) {
            if (EvenlySpaced(*values)) {
                warnings.push_back(At(question, 1,
                                      "warning: " + AnswersOf(source) +
                                          " are evenly spaced; the middle one stands out"));
            } else if (TenfoldLadder(*values)) {
                warnings.push_back(At(question, 1,
                                      "warning: " + AnswersOf(source) +
                                          " climb by tens; the middle one stands out"));
            }
        } else if (const auto words = NumberWordValues(source.fields);
                   words && EvenlySpaced(*words)) {
            warnings.push_back(At(question, 1,
                                  "warning: " + AnswersOf(source) +
                                      " count evenly; the middle one stands out"));
        }
    }
}

void CheckFit(const std::vector<EncodedQuestion>& questions, std::vector<Problem>& problems) {
    if (!QuestionFont().IsLoaded()) {
        problems.push_back({"", 0,
                            "the fit check needs the Liberation Sans font "
                            "(fonts-liberation2); --no-fit skips it"});
        return;
    }
    for (const EncodedQuestion& question : questions) {
        for (int field = 0; field < kFields; ++field) {
            const std::string problem = FitProblem(question.fields[field], field);
            if (!problem.empty()) problems.push_back(At(question, field, problem));
        }
    }
}

std::string EncodeTopic(const SourceFile& file, std::vector<Problem>& problems) {
    Encoded encoded = EncodeLine(file.topic);
    std::string problem = encoded.error;
    if (problem.empty()) problem = quiz::TopicNameProblem(encoded.text);
    if (!problem.empty()) problems.push_back({file.path, file.topicLine, "the topic: " + problem});
    return std::move(encoded.text);
}

void CheckTopicCount(const std::vector<SourceFile>& files, CheckedQuestions& result) {
    std::set<std::string> topics;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!files[i].questions.empty()) topics.insert(result.topics[i]);
    }
    if (topics.size() > quiz::kMaxTopics) {
        result.problems.push_back({"", 0,
                                   std::to_string(topics.size()) + " topics; the game holds at most " +
                                       std::to_string(quiz::kMaxTopics)});
    }
}

// Problems of the whole set come last; the others by file, then line.
void SortProblems(const std::vector<SourceFile>& files, std::vector<Problem>& problems) {
    auto fileOrder = [&files](const Problem& problem) {
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (files[i].path == problem.file) return i;
        }
        return files.size();
    };
    std::stable_sort(problems.begin(), problems.end(), [&](const Problem& a, const Problem& b) {
        const std::size_t fileA = fileOrder(a), fileB = fileOrder(b);
        return fileA != fileB ? fileA < fileB : a.line < b.line;
    });
}
}  // namespace

std::string FitProblem(const std::string& text, int field) {
    const Block block = field == 0 ? kQuestionBlock : kAnswerBlock;
    const gfx::Font& font = QuestionFont();
    const gfx::WrapResult wrapped = gfx::WrapText(text, font, block.width, block.height);
    const std::string where = FieldName(field) + " does not fit its " +
                              std::to_string(block.width) + " x " + std::to_string(block.height) +
                              " block: ";
    if (wrapped.dropped) {
        const std::size_t kept =
            wrapped.text.size() - 2 * static_cast<std::size_t>(wrapped.wrapCount);
        return where + Excerpt(std::string_view(text).substr(kept)) + " would not show";
    }
    if (wrapped.clipped)
        return where + "the word " + Excerpt(WidestWord(text, font)) + " is too wide";
    return {};
}

CheckedQuestions CheckSources(const std::vector<SourceFile>& files, const CheckOptions& options) {
    CheckedQuestions result;
    std::size_t total = 0;
    for (const SourceFile& file : files) total += file.questions.size();
    result.questions.reserve(total);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const SourceFile& file = files[i];
        result.problems.insert(result.problems.end(), file.problems.begin(), file.problems.end());
        result.topics.push_back(EncodeTopic(file, result.problems));
        for (const SourceQuestion& source : file.questions) {
            result.questions.push_back(Encode(source, static_cast<int>(i), result.problems));
            CheckEqualAnswers(result.questions.back(), result.problems);
        }
    }
    CheckDuplicates(result.questions, result.problems);
    CheckTopicCount(files, result);
    if (options.fit) CheckFit(result.questions, result.problems);
    CheckNumericPatterns(result.questions, result.warnings);
    CheckGiveaways(result.questions, result.warnings);
    SortProblems(files, result.problems);
    SortProblems(files, result.warnings);
    CheckCount(result.questions.size(), result);
    return result;
}

}  // namespace qbank
