// The table of every question the game knows, read once at start-up from the scrambled
// question file and only read afterwards.
#pragma once

#include "file_buffer.h"
#include "question.h"

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

    // Fills the records from the question file. A file that cannot be read is reported in a
    // message box and leaves every record empty (false). Lines beyond the last record are
    // ignored; a field keeps at most 500 bytes of its line.
    bool Load(std::string_view fileName = kQuestionFileName);

    const Question* First() const { return records.data(); }

    std::vector<Question> records;  // kBankSize records, zeroed until loaded

private:
    FileBuffer file_;
};

}  // namespace quiz
