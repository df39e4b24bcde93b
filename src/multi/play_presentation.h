// What the players see of the buzzer game beyond its rules: the claimer's name in large type
// in their colour, a panel with points readable across a room, the leader and the players
// locked out of the question marked, the seconds left to claim, and lines that say what
// happens next.
#pragma once

#include "gfx/font.h"
#include "multi_state.h"

#include <cstdint>
#include <string>

namespace multi {

enum PresentationId : int32_t {
    kClaimerBanner = 611,
    kGoOnLine = 613,
    kFirstRowMark = 614,  // one a panel row: the leader or a locked-out player
    kQuestionCounter = 619,
    kFirstLeaderOutMark = 620,  // one a panel row: the × beside a leader who is out
};

// The marks beside a panel row.
constexpr uint32_t kLeaderColour = 0x00FFFF;
constexpr uint32_t kLockedOutColour = 0x0000FF;
constexpr char kLeaderMark[] = "\xBB";     // »
constexpr char kLockedOutMark[] = "\xD7";  // ×
constexpr char kDroppedMark[] = "!";        // the player's phone is not connected
constexpr uint32_t kDroppedColour = 0x0080FF;

// The set-up row each player of the game came from; their colour follows the row.
extern int32_t playerRows[kRows];
uint32_t ColourOfPlayer(int player);
// The player's name as the panel shows it before the points: shrunk to fit, and cut with an
// ellipsis only where even the smallest size would reach the points.
std::string PanelName(int player);
const gfx::Font& PanelNameFont(int player);

bool IsLeader(int player);
// Failed on this question: may not claim it again.
bool IsLockedOut(int player);

// Adds the controls beyond the panel; the game screen calls it once its panel exists.
void AddPlayPresentation();
// Points laid out, names fitted beside them, marks of the leader and the locked-out.
void RefreshPanel();
// A new question: nobody is locked out, nobody's name is shown big.
void BeginQuestionPresentation();
void ShowClaimer(int player);
void HideClaimer();
void MarkLockedOut(int player);
// Beside the clock's points: the seconds left to claim, as large as the points.
void ShowClaimClock(int32_t elapsed);
// In the band under the last answer, as large as the answers: the seconds left to answer.
void ShowAnswerCountdown(int seconds);
// Neither clock runs: the line is emptied and goes back beside the clock, off the band where
// the verdicts are written.
void ClearStatusLine();
// "Otázka 3 / 10", or "Otázka 3" in a game without a chosen length.
void ShowQuestionCounter(int number);
// "3 / 10", or "3".
std::string QuestionNumberText(int number);
void ShowGoOn();

// The lines in the players' language (Windows-1250).
std::string VerdictRightText();
std::string VerdictFirstWrongText();
std::string VerdictSecondWrongText();
std::string TimeOutFirstText();
std::string TimeOutSecondText();
std::string AnswerCountdownText(int seconds);

}  // namespace multi
