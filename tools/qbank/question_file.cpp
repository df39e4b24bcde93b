#include "question_file.h"

#include "quiz/file_buffer.h"
#include "quiz/question_bank.h"
#include "quiz/topic_index.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>

namespace qbank {

std::string Scramble(std::string_view bytes) {
    std::string scrambled(bytes);
    for (char& c : scrambled) c = static_cast<char>(c ^ quiz::kQuestionFileKey);
    return scrambled;
}

namespace {
using QuestionList = std::vector<const EncodedQuestion*>;

// FNV-1a of a source file's name (not its folder): the seed of its fixed order.
uint32_t NameSeed(const std::string& path) {
    uint32_t hash = 2166136261u;
    for (const char c : std::filesystem::path(path).filename().string()) {
        hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
    }
    return hash;
}

// A Fisher-Yates shuffle driven by our own generator, so that every build and every standard
// library gives the same order.
void ShuffleFixed(QuestionList& list, uint32_t seed) {
    uint32_t state = seed;
    for (std::size_t i = list.size(); i > 1; --i) {
        state = state * 1664525u + 1013904223u;
        const auto j = static_cast<std::size_t>((static_cast<uint64_t>(state) * i) >> 32);
        std::swap(list[i - 1], list[j]);
    }
}

struct Placed {
    const EncodedQuestion* question;
    uint64_t slot;   // the question's place in its file, 2k + 1 ...
    uint64_t count;  // ... over twice the file's question count
    int file;
};

// Each file's questions sit evenly over the whole file, at (2k + 1) / 2n of its length.
QuestionList Spread(const std::map<int, QuestionList>& byFile) {
    std::vector<Placed> placed;
    for (const auto& [file, list] : byFile) {
        for (std::size_t k = 0; k < list.size(); ++k) {
            placed.push_back({list[k], 2 * k + 1, 2 * list.size(), file});
        }
    }
    std::sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        const uint64_t left = a.slot * b.count, right = b.slot * a.count;
        return left != right ? left < right : a.file < b.file;
    });
    QuestionList ordered;
    for (const Placed& p : placed) ordered.push_back(p.question);
    return ordered;
}
}  // namespace

QuestionList OrderQuestions(const std::vector<EncodedQuestion>& questions, bool interleave) {
    QuestionList ordered;
    if (!interleave) {
        for (const EncodedQuestion& question : questions) ordered.push_back(&question);
        return ordered;
    }
    std::map<int, QuestionList> byFile;
    for (const EncodedQuestion& question : questions)
        byFile[question.fileIndex].push_back(&question);
    for (auto& [file, list] : byFile) ShuffleFixed(list, NameSeed(list.front()->source->file));
    return Spread(byFile);
}

std::string BuildQuestionFile(const std::vector<const EncodedQuestion*>& ordered) {
    std::string plain;
    for (const EncodedQuestion* question : ordered) {
        for (const std::string& field : question->fields) {
            plain += field;
            plain += "\r\n";
        }
    }
    return Scramble(plain);
}

std::string BuildTopicIndex(const std::vector<const EncodedQuestion*>& ordered,
                            const std::vector<std::string>& topics, std::string_view scrambled) {
    // Topics are numbered in file order, whatever order the questions were put in.
    std::vector<bool> used(topics.size());
    for (const EncodedQuestion* question : ordered) used.at(question->fileIndex) = true;
    quiz::TopicIndex index;
    std::map<std::string, uint8_t> numbers;
    std::vector<uint8_t> numberOfFile(topics.size());
    for (std::size_t file = 0; file < topics.size(); ++file) {
        if (!used[file]) continue;
        const auto [entry, added] =
            numbers.emplace(topics[file], static_cast<uint8_t>(index.names.size()));
        if (added) index.names.push_back(topics[file]);
        numberOfFile[file] = entry->second;
    }
    for (const EncodedQuestion* question : ordered)
        index.topicOf.push_back(numberOfFile[question->fileIndex]);
    return quiz::FormatTopicIndex(index, quiz::QuestionFileDigest(Scramble(scrambled)));
}

bool ReadQuestionFile(const std::string& path, std::vector<std::string>& lines) {
    quiz::FileBuffer file;
    if (!file.Open(path, "rb", quiz::kQuestionFileKey)) return false;
    std::string line(static_cast<std::size_t>(file.Length()), '\0');
    lines.clear();
    for (;;) {
        const int length = file.ReadLine(line.data(), file.Length());
        if (length == quiz::FileBuffer::kEndOfData) break;
        lines.emplace_back(line.data(), static_cast<std::size_t>(length));
    }
    file.Close();
    return true;
}

}  // namespace qbank
