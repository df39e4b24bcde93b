// Painting a push button's face: one cell of its picture, or its name as text when the
// picture is missing.
#pragma once

#include "frame/control.h"

#include <cstdint>

namespace button_face {

// The picture row for the button's look: 0 normal, 1 focused, 2 focused and pressed,
// 3 disabled.
int RowFor(const Control& button, int32_t pressedBy);
// Copies the cell (column, row) of a picture cut into cells of the control's size into the
// face, then the bevel frame when the control is framed.
void PaintCell(Control& button, const gfx::Surface& strip, int column, int row);
// Fills the face with the frame's fill colour, writes `text` at (4, 4) in the control's text
// colour and draws the bevel frame.
void PaintText(Control& button, const char* text);

}  // namespace button_face
