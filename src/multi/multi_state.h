// The buzzer game's values shared by its set-up, its rules and its screen builder.
#pragma once

#include "platform/tick_clock.h"
#include "quiz/question.h"

#include <cstdint>
#include <string>

namespace multi {

// Control ids of the multiplayer screens.
enum MultiId : int32_t {
    kFirstSwitchHint = 74,  // hints of the select switches, one a row
    kFirstSelectSwitch = 517,
    kBackButton = 525,
    kNextButton = 526,
    kFirstAnswerText = 532,
    kFirstAnswerButton = 535,
    kQuestionText = 538,
    kMessageLine = 539,
    kStatusLine = 540,
    kFirstScoreLabel = 541,
    kFirstAvatar = 548,
    kFirstKeyButton = 553,
    kFirstNameField = 558,
    kTimerPicture = 566,
    kFirstKeyPicture = 568,
    kKeyboard = 573,
    kScheduler = 574,
    kFirstNameLabel = 575,
    kFirstPointPicture = 580,  // 579 + N shows N points
    kFirstMarker = 590,
    kStartButton = 593,
    kStopButton = 594,
    kFirstPanelKey = 596,
    kGameOver = 601,
    kFirstKeyHint = 602,
    kShowAnswerSwitch = 607,
    kSwitchOnHint = 608,
    kSwitchOffHint = 609,
    kNextHint = 67,
};

// Codes the scheduler delivers.
enum MultiEvent : int32_t {
    kCloseKeyboard = 1,
    kFinishQuestion = 2,
    kReopenClaims = 3,
    kEndGame = 4,
    kRevealAnswer1 = 5,
    kRevealAnswer2 = 6,
    kRevealAnswer3 = 7,
    kClockToZero = 8,
    kOpenClaims = 9,
};

constexpr int kRows = 5;
constexpr int32_t kEscScanCode = 1;
constexpr int kNameBytes = 28;
constexpr int kIdleClockFrame = 11;
constexpr int32_t kClaimSeconds = 12;  // the claim clock runs out at this second
constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kYellow = 0x00FFFF;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kGrey = 0x4B4B4B;

// One player: a row of the set-up screen and, after confirmation, a player of the game.
// Stored as 44 bytes a record in users2.dat.
struct Player {
    char name[kNameBytes] = {};  // Windows-1250, zero-terminated
    int32_t key = -1;            // buzzer key: scan code (pads later use 512 and up); -1 none
    int32_t keyPicture = -1;     // frame of the key-picture strip; -1 none
    int32_t score = 0;
    uint8_t active = 0;
    uint8_t reserved[3] = {};
};

extern Player players[kRows];
extern int32_t playerCount;
extern int32_t answeringPlayer;
extern int32_t failedPlayer;
extern int32_t chosenAnswer;
extern bool claimOpen;
// The last question ended with the claim clock; phones say so until the next one is read out.
extern bool claimTimedOut;
extern bool answerOpen;
// Both clocks count whole seconds of the tick count and survive its wrap.
extern platform::SecondsClock claimStart;
extern int32_t claimElapsed;
extern platform::SecondsClock answerStart;
extern int32_t answerElapsed;
extern bool awaitingContinue;
extern int32_t showCorrectAnswer;
extern int32_t questionsShown;
extern int32_t questionLimit;
extern bool stopArmed;
extern int32_t keyboardPlayer;
// The last answer judged in this question, for the phones: who gave it, whether it was right
// and the points it won or lost; player -1 when none was judged yet.
struct Verdict {
    int32_t player = -1;
    bool right = false;
    int32_t points = 0;
};
extern Verdict lastVerdict;
extern quiz::Question currentQuestion;

// Copies `text` into a player's name, cut to the field's 27 bytes.
void CopyName(Player& player, const char* text);

// users2.dat and ini2.dat.
void MpLoadPlayers();
void MpSavePlayers();
void ReadShowAnswerSwitch();
void WriteShowAnswerSwitch();

// Screen builders.
void BuildSetUp();
void BuildGame();
// The set-up screen's rows, once its controls exist.
void RestoreRows();
void MpShowRow(int row);
void MpHideRow(int row, bool leaving);

// Rules.
void SetUpOnControlEvent(int32_t id, int32_t event);
// A key pressed on the set-up screen: Esc closes the keyboard, a taken key is named.
void SetUpKeyDown(int32_t key);
// A phone was renamed: the row whose buzzer it is takes the new name (Windows-1250).
void RenamePhoneRow(int32_t buzzerKey, const std::string& name);
// `name` as row `row` may have it: with " 2", " 3"… when another row already has it.
std::string UniqueRowName(int row, const std::string& name);
void GameOnControlEvent(int32_t id, int32_t event);
void MpNextQuestion();
void MpResetNameColours();

}  // namespace multi
