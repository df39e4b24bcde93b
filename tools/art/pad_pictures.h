// The pictures of game-pad buttons chosen as buzzer keys: frames of the "keys" strip after
// the keyboard's labels, one for each pad number and button (platform/pad_keys.h).
#pragma once

#include "picture.h"

#include <string>

namespace art {

// The label a 30 x 24 key picture has room for: the button's name, or "T" and the number
// of a plain joystick's button ("Tlačítko 3" is too long for it).
std::string PadLabel(int button);
// Frame `cell.frame` of the strip when it shows a pad key; false (nothing drawn) otherwise.
bool PaintPadKeyLabel(const Cell& cell);
// Frame `cell.frame` of the strip when it shows a phone's buzzer (platform/phone_keys.h);
// false (nothing drawn) otherwise.
bool PaintPhoneKeyLabel(const Cell& cell);

}  // namespace art
