// The state a button frame shows: how far the pointer's highlight has come in, pressed,
// disabled. Button pictures draw their four rows and their hover strips from it, so a
// strip's first frame matches the normal row and its last the focused one.
#pragma once

#include "picture.h"

namespace art {

struct Look {
    double hover = 0;  // 0 normal .. 1 focused
    bool pressed = false;
    bool disabled = false;
};

Look LookOf(const Cell& cell);

}  // namespace art
