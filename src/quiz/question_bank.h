// The table of every question the game knows, read once at start-up from the scrambled
// question file and only read afterwards.
#pragma once

#include "file_buffer.h"
#include "question.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quiz {

// Relative to the working directory, the game folder.
constexpr const char* kQuestionFileName = "Data\\otazky4.crp";
constexpr int kQuestionFileKey = 0xA7;

class QuestionBank {
public:
    QuestionBank();
    QuestionBank(const QuestionBank&) = delete;
    QuestionBank& operator=(const QuestionBank&) = delete;
    virtual ~QuestionBank() = default;

    // Fills the records from the question file. A file that cannot be read, or that is not
    // made of whole questions (see QuestionFileDamage), is reported in a message box naming
    // it and leaves every record empty (false), as is a file larger than kBankSize questions
    // of the longest lines can fill, before it is read. Questions beyond the last record are
    // ignored.
    bool Load(std::string_view fileName = kQuestionFileName);

    const Question* First() const { return records.data(); }
    // The questions the last load filled: 0 after a failed one, at most kBankSize.
    int Count() const { return count_; }
    // The questions the last good load's file holds: more than Count() when it was cut.
    int FileCount() const { return fileCount_; }
    // The message the last failed load showed (Windows-1250); empty after a good one.
    const std::string& Failure() const { return failure_; }
    // The digest of the last loaded file's unscrambled bytes, which its topic index names.
    uint64_t Digest() const { return digest_; }

    std::vector<Question> records;  // kBankSize records, zeroed until loaded

private:
    bool Refuse(std::string message);
    void ReadRecords();

    FileBuffer file_;
    int count_ = 0;
    uint64_t digest_ = 0;
    int fileCount_ = 0;
    std::string failure_;
};

}  // namespace quiz
