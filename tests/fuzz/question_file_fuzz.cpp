// The game's question file reader: any bytes as Data\otazky4.crp.
#include "fuzz_support.h"
#include "quiz/question_bank.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzzing::UseHeadless();
    const std::string path = fuzzing::WriteInput("otazky4.crp", data, size);
    quiz::QuestionBank bank;
    bank.Load(path);
    return 0;
}
