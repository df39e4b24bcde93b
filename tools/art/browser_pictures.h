// Pictures of the question browser: the right-answer mark, the quiz switch and the two
// round buttons.
#pragma once

#include "icons.h"
#include "picture.h"

#include <string_view>

namespace art {

void PaintBrowserMark(const Cell& cell);
// Eight frames from off (0) to on (7).
void PaintQuizSwitch(const Cell& cell);
void PaintBrowserButton(const Cell& cell, Icon icon, std::string_view caption);

}  // namespace art
