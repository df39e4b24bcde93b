// The set-up screen's guide line: who is choosing a key on the on-screen keyboard, a key
// that another player already has, and why Next did not start the game.
#pragma once

#include <cstdint>
#include <string>

namespace multi {

// The guide is the second line of the game-length choice (one control slot for both).
void SayChoosing(int row);
// `key` was pressed for `row` while the keyboard is open: says so when another row holds it.
void SayIfKeyTaken(int row, int32_t key);
// `key` is one the game answers to itself (Esc, the answer keys, F11, F12).
void SayKeyReserved();
// Another row has the name that was typed.
void SayNameTaken(int otherRow);
// Why the rows as they stand cannot start a game; empty when they can.
std::string NextRefusal();
// What the host should know before a game whose rows have phones: a phone that is not
// connected, or phones switched off; empty when every phone row can play.
std::string PhoneRowsWarning();
void SayWarning(const std::string& cp1250);
// The guide shows this text now.
bool Saying(const std::string& cp1250);
// Shows the reason Next was refused.
void SayWhyNotNext();
// The rows changed: a refusal shown that no longer holds is taken away.
void ForgetStaleRefusal();
void ClearGuide();

}  // namespace multi
