// The text controls draw over the screen background: their face starts as the piece of the
// frame's background picture that lies under them.
#pragma once

#include "control.h"

// Copies the background under `control` into its face. A screen that shows such a control
// without a background cannot be drawn, so the program stops ("Can`t get background!").
void CopyBackgroundUnder(const Control& control, gfx::Surface& face);
