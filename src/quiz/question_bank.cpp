#include "question_bank.h"

#include "../platform/platform.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace quiz {

namespace {
void ReportMissingFile(std::string_view fileName) {
    char message[50];
    const std::string name(fileName);
    std::snprintf(message, sizeof message, "Nelze otevrit datovy soubor %s", name.c_str());
    platform::ShowMessageBox(message, "Chyba", platform::BoxIcon::Error);
}
}  // namespace

QuestionBank::QuestionBank() : records(kBankSize) {}

bool QuestionBank::Load(std::string_view fileName) {
    std::memset(records.data(), 0, records.size() * sizeof(Question));
    if (!file_.Open(fileName, "rb", kQuestionFileKey)) {
        ReportMissingFile(fileName);
        return false;
    }
    // Every field is zero, so copying at most kFieldSize - 1 bytes leaves it terminated.
    int line = 0;
    while (line < kBankSize * kFieldsPerQuestion) {
        Question& record = records[line / kFieldsPerQuestion];
        char* field = FieldOf(record, line % kFieldsPerQuestion);
        if (file_.ReadLine(field, kFieldSize - 1) == FileBuffer::kEndOfData) break;
        ++line;
    }
    file_.Close();
    return true;
}

}  // namespace quiz
