// How many questions a buzzer game has: 10, 20 or 30, or no limit (the default, a game that
// runs until it is stopped). Chosen on the set-up screen and kept in the profile as
// "Buzzer questions=".
#pragma once

#include <cstdint>

namespace multi {

// The choice's line (a ChoiceLine: its second line is the set-up guide's).
constexpr int32_t kGameLengthChoice = 1360;
constexpr int kGameLengthChoices = 4;
constexpr int32_t kGameLengths[kGameLengthChoices] = {10, 20, 30, 0};

// Questions of the game chosen; 0 means no limit.
extern int32_t gameLength;

// From the profile; anything but 10, 20 or 30 there means no limit.
void ReadGameLength();
// The choice's title and words on the set-up screen, the chosen one lit.
void AddGameLengthChoice();
// A click on one of the words: chosen and stored. False for any other control.
bool GameLengthEvent(int32_t id, int32_t event);
// Whether a game of a chosen length has had its last question.
bool GameLengthReached(int32_t questionsFinished);

}  // namespace multi
