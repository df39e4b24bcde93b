// The buzzer game: its start-up, its state and the routing of its screens.
#include "multi_player.h"

#include "frame/interface.h"
#include "game_length.h"
#include "multi_state.h"
#include "phone_buzzers.h"
#include "play_presentation.h"
#include "results_screen.h"
#include "screens/screen_tools.h"
#include "screens/state_words.h"

#include <new>

quiz::QuizState* multiQuiz = nullptr;
gfx::Font* MpFontSmall = nullptr;
gfx::Font* MpFontName = nullptr;
gfx::Font* MpFontQuestion = nullptr;

namespace multi {

Player players[kRows];
int32_t playerCount = 2;
int32_t answeringPlayer = -1;
int32_t failedPlayer = -1;
int32_t chosenAnswer = -1;
Verdict lastVerdict;
bool claimOpen = false;
bool claimTimedOut = false;
bool answerOpen = false;
platform::SecondsClock claimStart;
int32_t claimElapsed = 0;
platform::SecondsClock answerStart;
int32_t answerElapsed = 0;
bool awaitingContinue = false;
int32_t showCorrectAnswer = 0;
int32_t questionsShown = 0;
int32_t questionLimit = 1000;
bool stopArmed = false;
int32_t keyboardPlayer = -1;
quiz::Question currentQuestion{};

}  // namespace multi

void MpStartUp() {
    multiQuiz = new (std::nothrow) quiz::QuizState();
    MpFontSmall = new gfx::Font({"Arial", 13, 700, 238});
    MpFontName = new gfx::Font({"Arial", 20, 700, 238});
    MpFontQuestion = new gfx::Font({"Arial", 26, 700, 238});
}

void MpShutDown() {
    delete multiQuiz;
    multiQuiz = nullptr;
    for (gfx::Font** font : {&MpFontSmall, &MpFontName, &MpFontQuestion}) {
        delete *font;
        *font = nullptr;
    }
}

void MpAttachQuestionBank(const quiz::Question* records, int count) {
    if (multiQuiz) multiQuiz->SetBank(records, count);
}

void MpResetState() {
    using namespace multi;
    for (Player& player : players) player = Player{};
    for (int row = 0; row < kRows; ++row) playerRows[row] = row;
    ForgetPhoneSwitch();
    playerCount = 2;
    answeringPlayer = -1;
    failedPlayer = -1;
    chosenAnswer = -1;
    lastVerdict = Verdict{};
    claimOpen = false;
    claimTimedOut = false;
    answerOpen = false;
    claimStart.Stop();
    claimElapsed = 0;
    answerStart.Stop();
    answerElapsed = 0;
    awaitingContinue = false;
    showCorrectAnswer = 0;
    questionsShown = 0;
    questionLimit = 1000;
    stopArmed = false;
    keyboardPlayer = -1;
    currentQuestion = quiz::Question{};
    gameLength = 0;
}

void MpBuildScreen() {
    Interface::SetFillColor(0xFF0000);
    Interface::RemoveAllControls(false);
    multi::stopArmed = false;
    switch (Interface::GetState()) {
        case StateMultiSetUp: multi::BuildSetUp(); break;
        case StateMultiGame: multi::BuildGame(); break;
        case StateMultiUsedUp:
        case StateMultiResults: multi::BuildResults(); break;
        default: break;
    }
}

void MpOnControlEvent(int32_t id, int32_t event, int32_t value) {
    if (value == 0) return;
    switch (Interface::GetState()) {
        case StateMultiSetUp: multi::SetUpOnControlEvent(id, event); break;
        case StateMultiGame: multi::GameOnControlEvent(id, event); break;
        case StateMultiUsedUp:
        case StateMultiResults: multi::ResultsOnControlEvent(id, event); break;
        default: break;
    }
}
