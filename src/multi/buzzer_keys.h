// Which codes can be a player's buzzer: a key the on-screen keyboard offers, a pad button, or
// a phone's buzzer.
// Keys the game itself answers to (Esc, the answer keys, the sound and screen switches) and
// codes no key sends can never be buzzers, whatever users2.dat holds.
#pragma once

#include <cstdint>

namespace multi {

// Reads the keys the on-screen keyboard offers from its layout file.
void LoadOfferedKeys();
bool IsBuzzerKey(int32_t key);
// Esc, the answer keys, F11 and F12: keys the game answers to itself.
bool IsGameKey(int32_t key);

}  // namespace multi
