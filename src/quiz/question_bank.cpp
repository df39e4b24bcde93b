#include "question_bank.h"

#include "../platform/platform.h"
#include "question_file_check.h"
#include "topic_index.h"

#include <cstring>
#include <string>

namespace quiz {

namespace {
// The largest file that kBankSize questions of the longest lines, each ending in CR LF, make.
constexpr int64_t kLargestFile = int64_t{kBankSize} * kFieldsPerQuestion * (kFieldSize - 1 + 2);

// The questions in a checked file: every line ends in CR LF, four lines to a question.
int QuestionsIn(std::string_view plain) {
    int lines = 0;
    for (std::size_t at = plain.find("\r\n"); at != std::string_view::npos;
         at = plain.find("\r\n", at + 2)) {
        ++lines;
    }
    return lines / kFieldsPerQuestion;
}

// The name as the message box shows it: Windows-1250, while a Linux path is UTF-8.
std::string NameForMessage(std::string_view fileName) {
    return platform::Utf8ToCp1250(fileName);
}

// The box text for a damaged file; `fault` is UTF-8.
std::string Damaged(std::string_view fileName, std::string_view fault) {
    return platform::Utf8ToCp1250("Poškozený datový soubor ") + NameForMessage(fileName) + ": " +
           platform::Utf8ToCp1250(fault);
}
}  // namespace

QuestionBank::QuestionBank() : records(kBankSize) {}

bool QuestionBank::Load(std::string_view fileName) {
    std::memset(records.data(), 0, records.size() * sizeof(Question));
    count_ = 0;
    digest_ = 0;
    fileCount_ = 0;
    failure_.clear();
    if (FileBuffer::SizeOf(fileName) > kLargestFile) {
        return Refuse(Damaged(fileName, "soubor je větší než " + std::to_string(kLargestFile) +
                                            " bajtů, víc, než pojme " +
                                            std::to_string(kBankSize) + " otázek"));
    }
    if (!file_.Open(fileName, "rb", kQuestionFileKey)) {
        return Refuse("Nelze otevrit datovy soubor " + NameForMessage(fileName));
    }
    const std::string_view plain(reinterpret_cast<const char*>(file_.Data()),
                                 static_cast<std::size_t>(file_.Length()));
    if (const std::string damage = QuestionFileDamage(plain); !damage.empty()) {
        file_.Close();
        return Refuse(Damaged(fileName, damage));
    }
    fileCount_ = QuestionsIn(plain);
    ReadRecords();
    digest_ = QuestionFileDigest(plain);
    file_.Close();
    return true;
}

bool QuestionBank::Refuse(std::string message) {
    failure_ = std::move(message);
    platform::ShowMessageBox(failure_.c_str(), "Chyba", platform::BoxIcon::Error);
    return false;
}

// The file has been checked: every line is a whole field, four to a question.
void QuestionBank::ReadRecords() {
    int line = 0;
    while (line < kBankSize * kFieldsPerQuestion) {
        Question& record = records[line / kFieldsPerQuestion];
        char* field = FieldOf(record, line % kFieldsPerQuestion);
        if (file_.ReadLine(field, kFieldSize - 1) == FileBuffer::kEndOfData) break;
        ++line;
    }
    count_ = line / kFieldsPerQuestion;
}

}  // namespace quiz
