// One quiz question as the game keeps it: four zero-terminated Windows-1250 text fields,
// the correct answer first. Stored byte for byte, so the layout is fixed.
#pragma once

#include <cstddef>

namespace quiz {

constexpr int kFieldSize = 501;  // 500 characters and the terminator
constexpr int kAnswerCount = 3;
constexpr int kFieldsPerQuestion = 1 + kAnswerCount;
constexpr int kBankSize = 1500;  // records in the bank
constexpr int kDeckSize = 1000;  // questions every game draws from

struct Question {
    char question[kFieldSize];
    char answers[kAnswerCount][kFieldSize];  // answers[0] is the correct one in the file
};
static_assert(sizeof(Question) == 2004, "the question record is 2004 bytes");

// Field 0 is the question, fields 1 to 3 the answers.
inline char* FieldOf(Question& record, int field) {
    return field == 0 ? record.question : record.answers[field - 1];
}
inline const char* FieldOf(const Question& record, int field) {
    return field == 0 ? record.question : record.answers[field - 1];
}

}  // namespace quiz
