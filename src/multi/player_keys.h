// Which player owns which buzzer key. Every question about keys goes through here, so that
// other kinds of buzzer (game-pad buttons, stored as values of 512 and up in the same field)
// need no change elsewhere.
#pragma once

#include "multi_state.h"

#include <cstdint>

namespace multi {

// Whether the record holds a buzzer key (0 and -1 mean none).
bool HasKey(const Player& player);
// The player in the game whose buzzer is `key`, or -1.
int PlayerWithKey(int32_t key);
// Whether a row other than `row` holds `key`.
bool KeyHeldByOtherRow(int row, int32_t key);
// Gives `row` the key and the frame of the key-picture strip that shows it. False, and
// nothing changes, when the key is none or another row holds it.
bool AssignKey(int row, int32_t key, int32_t keyPicture);
void ClearKey(int row);
// A key that an earlier row already holds is taken from the later row: one key, one player.
void DropDuplicateKeys();

}  // namespace multi
