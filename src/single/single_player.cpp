// The single-player mode: its start-up, its switch file and the routing of its screens.
#include "single_player.h"

#include "frame/interface.h"
#include "screens/screen_tools.h"
#include "screens/state_words.h"
#include "single_state.h"

#include <new>

quiz::QuizState* singleQuiz = nullptr;
gfx::Font* SingleFontScore = nullptr;
gfx::Font* SingleFontText = nullptr;
gfx::Font* SingleFontSmall = nullptr;

namespace single {

int32_t singleShowAnswer = 0;
bool singleAnswerOpen = false;
bool waitForContinue = false;
bool premiumActive = false;
bool gameStarted = false;
int32_t singleChosenAnswer = -1;
platform::SecondsClock clockStart;
int32_t clockElapsed = 0;
quiz::Question currentQuestion{};

namespace {
constexpr int32_t kScoresHint = 819;

// "System\ini2.dat": the show-the-answer switch as one little-endian 32-bit value, shared
// with the multiplayer set-up.
std::string SwitchFile() { return platform::UserFolder() + "\\System\\ini2.dat"; }
}  // namespace

void ReadShowAnswerSwitch() {
    std::FILE* file = platform::OpenFile(SwitchFile(), "rb");
    if (!file) return;
    uint8_t bytes[4];
    if (std::fread(bytes, 1, 4, file) == 4) {
        const uint32_t value = bytes[0] | bytes[1] << 8 | bytes[2] << 16 |
                               static_cast<uint32_t>(bytes[3]) << 24;
        singleShowAnswer = value == 1 ? 1 : 0;
    }
    std::fclose(file);
}

void WriteShowAnswerSwitch() {
    const uint8_t bytes[4] = {static_cast<uint8_t>(singleShowAnswer == 1 ? 1 : 0), 0, 0, 0};
    platform::WriteFileAtomically(SwitchFile(), bytes, sizeof bytes);
}

}  // namespace single

void SingleResetState() {
    using namespace single;
    singleShowAnswer = 0;
    singleAnswerOpen = false;
    waitForContinue = false;
    premiumActive = false;
    gameStarted = false;
    singleChosenAnswer = -1;
    clockStart = {};
    clockElapsed = 0;
    currentQuestion = {};
}

void SingleStartUp() {
    singleQuiz = new (std::nothrow) quiz::QuizState();
    SingleFontScore = new gfx::Font({"Arial", 20, 700, 0});
    SingleFontText = new gfx::Font({"Arial", 26, 700, 238});
    SingleFontSmall = new gfx::Font({"Arial", 15, 700, 238});
}

void SingleShutDown() {
    delete singleQuiz;
    singleQuiz = nullptr;
    for (gfx::Font** font : {&SingleFontScore, &SingleFontText, &SingleFontSmall}) {
        delete *font;
        *font = nullptr;
    }
}

void SingleAttachQuestionBank(const quiz::Question* records, int count) {
    if (singleQuiz) singleQuiz->SetBank(records, count);
}

void SingleBuildScreen() {
    Interface::SetFillColor(0xFF0000);
    Interface::SetBackground("Bitmaps\\OneP\\bg", false);
    Interface::RemoveAllControls(false);
    single::gameStarted = false;
    screens::HideControl(single::kScoresHint);
    switch (Interface::GetState()) {
        case StateSingleMenu: single::BuildVariantChoice(); break;
        case StateForR: single::BuildForR(); break;
        case StateForP: single::BuildForP(); break;
        default: break;
    }
}
