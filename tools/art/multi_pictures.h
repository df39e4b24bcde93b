// Pictures of the multiplayer set-up: the players' avatars, their on/off switches, the
// key buttons and the button that starts the game.
#pragma once

#include "picture.h"

namespace art {

void PaintAvatar(const Cell& cell, int player);
// Seven frames from on (0) to off (6).
void PaintSelectSwitch(const Cell& cell);
void PaintKeyButton(const Cell& cell, int player);
void PaintNextButton(const Cell& cell);

}  // namespace art
