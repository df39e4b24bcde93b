// The window icon (resource 101) and the two cursors (103 busy, 104 arrow) as pictures.
#pragma once

#include "picture.h"

namespace art {

void PaintWindowIcon(const Cell& cell);
// The arrow's hot spot is its tip at (1, 1); the busy cursor's is its centre (15, 15).
void PaintArrowCursor(const Cell& cell);
void PaintBusyCursor(const Cell& cell);

}  // namespace art
