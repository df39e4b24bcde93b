// The single-player mode's values shared by its builder and its rules.
#pragma once

#include "platform/tick_clock.h"
#include "quiz/question.h"

#include <cstdint>

namespace single {

// Control ids of the single-player screens.
enum SingleId : int32_t {
    kStartForP = 257,
    kStartForR = 258,
    kBackToMenu = 259,
    kAnswer1 = 262,
    kAnswer2 = 263,
    kAnswer3 = 264,
    kChoose1 = 265,
    kChoose2 = 266,
    kChoose3 = 267,
    kQuestionText = 268,
    kScoreLabel = 270,
    kForPHint = 271,
    kForRHint = 272,
    kClock = 273,
    kLives = 274,
    kMarker1 = 276,
    kMarker2 = 277,
    kMarker3 = 278,
    kFirstPointPicture = 280,  // 279 + K shows K points
    kTimer = 290,
    kStartButton = 291,
    kStopButton = 292,
    kHelp = 293,
    kPremiumBlink = 296,
    kGameOver = 297,
    kShowAnswerSwitch = 298,
    kSwitchOnHint = 299,
    kSwitchOffHint = 300,
};

// Timer event codes.
enum SingleEvent : int32_t {
    kGameEnd = 1,
    kAfterAnswer = 2,
    kRevealAnswer1 = 3,
    kRevealAnswer2 = 4,
    kRevealAnswer3 = 5,
    kOpenAnswers = 6,
    kStartClock = 7,
    kPremiumBlinkStep = 8,
};

constexpr int kIdleClockFrame = 11;
constexpr int kMaxLives = 7;

extern int32_t singleShowAnswer;
extern bool singleAnswerOpen;
extern bool waitForContinue;
extern bool premiumActive;
extern bool gameStarted;
extern int32_t singleChosenAnswer;
// The clock game's clock: when it started, in ticks, so it survives the tick count's wrap.
extern platform::SecondsClock clockStart;
extern int32_t clockElapsed;
extern quiz::Question currentQuestion;

void ReadShowAnswerSwitch();
void WriteShowAnswerSwitch();

// Screen builders.
void BuildVariantChoice();
void BuildForR();
void BuildForP();

void NextQuestion();

}  // namespace single
