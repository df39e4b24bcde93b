#include "question_file.h"

#include "quiz/file_buffer.h"
#include "quiz/question_bank.h"

#include <map>

namespace qbank {

std::string Scramble(std::string_view bytes) {
    std::string scrambled(bytes);
    for (char& c : scrambled) c = static_cast<char>(c ^ quiz::kQuestionFileKey);
    return scrambled;
}

std::vector<const EncodedQuestion*> OrderQuestions(const std::vector<EncodedQuestion>& questions,
                                                   bool interleave) {
    std::vector<const EncodedQuestion*> ordered;
    ordered.reserve(questions.size());
    if (!interleave) {
        for (const EncodedQuestion& question : questions) ordered.push_back(&question);
        return ordered;
    }
    std::map<int, std::vector<const EncodedQuestion*>> byFile;
    for (const EncodedQuestion& question : questions)
        byFile[question.fileIndex].push_back(&question);
    for (std::size_t round = 0; ordered.size() < questions.size(); ++round) {
        for (const auto& [file, list] : byFile) {
            if (round < list.size()) ordered.push_back(list[round]);
        }
    }
    return ordered;
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
