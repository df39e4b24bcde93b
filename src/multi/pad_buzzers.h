// Game-pad buttons as buzzers in the buzzer game: a pad button chosen as a row's key on the
// set-up screen, its own picture, and the face buttons that answer for the player who
// claimed with that pad. Keys and their codes are described in platform/pad_keys.h.
#pragma once

#include <cstdint>

class KeyboardPicker;

namespace multi {

// The frame of the key-picture strip for the row's key: a pad button's own picture, or the
// keyboard's frame for a keyboard key.
int32_t KeyPictureOf(const KeyboardPicker& keyboard, int row);

// The answer (0..2) that `key` gives while the answer clock runs: a face button of the pad
// the answering player claimed with, unless it is some player's buzzer. -1 for any other key.
int PadAnswerFor(int32_t key);

// Set-up: a pad button pressed while the on-screen keyboard is open becomes the row's key,
// unless another row holds it.
void SetUpPadPressed(int32_t key);

}  // namespace multi
