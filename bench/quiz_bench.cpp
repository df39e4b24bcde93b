// What starting the game and starting a game cost: reading a full question file, drawing the
// order of 1000 questions, fetching a question, and wrapping a question into its block.
#include "gfx/font.h"
#include "gfx/text_wrap.h"
#include "platform/headless/headless.h"
#include "quiz/question_bank.h"
#include "quiz/quiz_state.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

// A scrambled file of 1500 questions with fields of typical length, written once and removed
// when the benchmarks end.
class TempQuestionFile {
public:
    TempQuestionFile()
        : path_(std::filesystem::temp_directory_path() /
                ("brellik-bench-" + std::to_string(::getpid()) + ".crp")) {
        std::string plain;
        for (int i = 0; i < quiz::kBankSize; ++i) {
            plain += "Kter\xE9 m\xECsto bylo v roce " + std::to_string(i) +
                     " hlavn\xEDm m\xECstem \xE8"
                     "esk\xE9ho kr\xE1lovstv\xED?\r\n";
            plain += "Praha " + std::to_string(i) + "\r\nBrno\r\nOlomouc\r\n";
        }
        for (char& c : plain) c = static_cast<char>(c ^ quiz::kQuestionFileKey);
        std::ofstream(path_, std::ios::binary) << plain;
    }
    ~TempQuestionFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

std::string FullQuestionFile() {
    static const TempQuestionFile file;
    return file.Path();
}

void LoadFullQuestionFile(benchmark::State& state) {
    headless::Install();
    auto bank = std::make_unique<quiz::QuestionBank>();
    for (auto _ : state) {
        bank->Load(FullQuestionFile());
        benchmark::DoNotOptimize(bank->records.data());
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(FullQuestionFile())));
}

// 1000 questions drawn from a full bank of 1500, the most rejected draws a game can take.
void ShuffleDeckOf1000(benchmark::State& state) {
    headless::Install();
    const std::vector<quiz::Question> bank(quiz::kBankSize);
    auto quizState = std::make_unique<quiz::QuizState>();
    quizState->SetBank(bank.data(), quiz::kBankSize);
    std::time_t now = 1767225600;
    for (auto _ : state) {
        headless::SetTime(++now);  // a new seed every game
        benchmark::DoNotOptimize(quizState->Shuffle(quiz::kDeckSize));
    }
}

void FetchShuffledQuestion(benchmark::State& state) {
    headless::Install();
    auto bank = std::make_unique<quiz::QuestionBank>();
    bank->Load(FullQuestionFile());
    auto quizState = std::make_unique<quiz::QuizState>();
    quizState->SetBank(bank->First(), bank->Count());
    quizState->Shuffle(quiz::kDeckSize);
    int k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(quizState->GetQuestion(k, true));
        k = (k + 1) % quiz::kDeckSize;
    }
}

void WrapQuestionText(benchmark::State& state) {
    const gfx::Font font({"Arial", 26, 700, 238});
    const std::string text =
        "Jak se naz\xFDv\xE1 d\xECj, p\xF8i kter\xE9m rostliny za pomoci sv\xECtla vyr\xE1"
        "b\xECj\xED "
        "cukry z oxidu uhli\xE8it\xE9ho a vody?";
    for (auto _ : state) benchmark::DoNotOptimize(gfx::WrapText(text, font, 500, 110));
}

BENCHMARK(LoadFullQuestionFile)->Unit(benchmark::kMillisecond);
BENCHMARK(ShuffleDeckOf1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(FetchShuffledQuestion);
BENCHMARK(WrapQuestionText);

}  // namespace
