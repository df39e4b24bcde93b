// The question compiler: any bytes as a UTF-8 source file. A source it accepts is compiled,
// and the file the game then reads holds exactly the texts that were checked.
#include "fuzz_support.h"
#include "qbank/checks.h"
#include "qbank/decompile.h"
#include "qbank/question_file.h"
#include "qbank/source.h"
#include "quiz/question_bank.h"


extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzzing::UseHeadless();
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<qbank::SourceFile> files = {qbank::ParseSource("fuzz.txt", text)};
    qbank::CheckOptions options;
    options.fit = false;  // the text measure needs fonts and is not what is fuzzed here
    const qbank::CheckedQuestions checked = qbank::CheckSources(files, options);
    if (!checked.problems.empty() || checked.questions.empty()) return 0;

    const auto ordered = qbank::OrderQuestions(checked.questions, false);
    const std::string bytes = qbank::BuildQuestionFile(ordered);
    const std::string path = fuzzing::WriteInput(
        "compiled.crp", reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    quiz::QuestionBank bank;
    fuzzing::Require(bank.Load(path), "a compiled file loads");
    for (std::size_t i = 0; i < ordered.size() && i < bank.records.size(); ++i) {
        for (int field = 0; field < quiz::kFieldsPerQuestion; ++field) {
            fuzzing::Require(quiz::FieldOf(bank.records[i], field) == ordered[i]->fields[field],
                             "the game reads back every compiled text");
        }
    }
    std::vector<std::string> lines;
    fuzzing::Require(qbank::ReadQuestionFile(path, lines), "the compiler reads its own file");
    // Decompiled and compiled again, the sources give the same texts in the same order.
    const qbank::Decompiled back = qbank::DecompileLines(lines, path);
    const std::vector<qbank::SourceFile> again = {qbank::ParseSource("back.txt", back.source)};
    const qbank::CheckedQuestions rechecked = qbank::CheckSources(again, options);
    fuzzing::Require(rechecked.problems.empty(), "decompiled sources compile");
    fuzzing::Require(rechecked.questions.size() == ordered.size(), "no question is lost");
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        fuzzing::Require(rechecked.questions[i].fields == ordered[i]->fields,
                         "decompiling keeps every text");
    }
    return 0;
}
