// The big menu buttons (a round icon with a label beside it) of the main menu and the
// single-player variant choice, the back button and the show-the-answer switch.
#pragma once

#include "icons.h"
#include "picture.h"
#include "shapes.h"
#include "style.h"

#include <string_view>

namespace art {

struct MenuButton {
    Icon icon;
    Rgb colour;
    std::string_view label;
};

void PaintMenuButton(const Cell& cell, const MenuButton& button);
void PaintBackButton(const Cell& cell);
// Eight frames from off (0) to on (7).
void PaintAnswerSwitch(const Cell& cell);
// A sliding switch in `track`, `on` from 0 (knob left, grey) to 1 (knob right, green).
void PaintToggle(cairo_t* cr, const Box& track, double on, bool labelled);

}  // namespace art
