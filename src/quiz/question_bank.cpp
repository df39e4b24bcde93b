#include "question_bank.h"

#include "../platform/platform.h"
#include "question_file_check.h"
#include "topic_index.h"

#include <cstring>
#include <string>

namespace quiz {

namespace {
// The name as the message box shows it: Windows-1250, while a Linux path is UTF-8.
std::string NameForMessage(std::string_view fileName) {
    return platform::Utf8ToCp1250(fileName);
}
}  // namespace

QuestionBank::QuestionBank() : records(kBankSize) {}

bool QuestionBank::Load(std::string_view fileName) {
    std::memset(records.data(), 0, records.size() * sizeof(Question));
    count_ = 0;
    digest_ = 0;
    failure_.clear();
    if (!file_.Open(fileName, "rb", kQuestionFileKey)) {
        return Refuse("Nelze otevrit datovy soubor " + NameForMessage(fileName));
    }
    const std::string_view plain(reinterpret_cast<const char*>(file_.Data()),
                                 static_cast<std::size_t>(file_.Length()));
    if (const std::string damage = QuestionFileDamage(plain); !damage.empty()) {
        file_.Close();
        return Refuse(platform::Utf8ToCp1250("Poškozený datový soubor ") +
                      NameForMessage(fileName) + ": " + platform::Utf8ToCp1250(damage));
    }
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
