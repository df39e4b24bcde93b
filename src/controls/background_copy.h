// The text controls draw over the screen background: their face starts as the piece of the
// frame's background picture that lies under them.
#pragma once

#include "frame/control.h"
#include "gfx/canvas.h"

// Copies the background under `control` into its face. A screen that shows such a control
// without a background cannot be drawn, so the program stops ("Can`t get background!").
void CopyBackgroundUnder(const Control& control, gfx::Surface& face);

// Readies a see-through text control's face and a canvas on it: the background under the
// control, then text in the control's colour in `font` with nothing painted behind it.
void PrepareSeeThroughText(const Control& control, gfx::Surface& face, gfx::Canvas& canvas,
                           const gfx::Font* font);
