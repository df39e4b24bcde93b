// Pictures of the score tables: the sort buttons in the table head, play again, the
// arrows between the tables and the way back to the menu.
#pragma once

#include "picture.h"

#include <string_view>

namespace art {

void PaintSortButton(const Cell& cell, std::string_view label);
void PaintPlayAgain(const Cell& cell);
void PaintTableArrow(const Cell& cell, bool next);
void PaintMenuRoundButton(const Cell& cell, std::string_view caption);

}  // namespace art
