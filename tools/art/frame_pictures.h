// Pictures every screen shares: the frame buttons along the bottom edge, the hints, the
// advert button, the exit dialog and the game-over picture.
#pragma once

#include "icons.h"
#include "picture.h"

#include <string_view>

namespace art {

void PaintFrameButton(const Cell& cell, Icon icon);
// The width a hint picture needs for its text.
int HintWidth(std::string_view text);
void PaintHint(const Cell& cell, std::string_view text);
// The sound switch of the bottom bar: frame 0 muted, frames 1 to 4 that many volume bars lit;
// row 0 normal, row 1 under the pointer.
void PaintSoundControl(const Cell& cell);
void PaintAdvertButton(const Cell& cell);
void PaintExitDialog(const Cell& cell);
void PaintExitButton(const Cell& cell, bool yes);
void PaintGameOver(const Cell& cell);

}  // namespace art
