// The buzzer game's board in the side bands of a wide screen: the question counter on the
// left, every player's name and points on the right in their colours, with the panel's marks.
// Drawn large, at the screen's own resolution, to be read across a room; the panel in the
// play area stays as it is.
#pragma once

#include "platform/platform.h"

namespace multi {

// Sizes on a screen 1080 lines high.
constexpr int kBoardNameHeight = 48;
constexpr int kBoardPointsHeight = 84;
constexpr int kBoardCounterHeight = 84;

// A new game: no question counted yet.
void ResetSideBoard();
// The board as the players and the panel stand now.
void ShowSideBoard();
// The counter moves on to question `number`.
void ShowSideBoardQuestion(int number);
// What the bands show: the counter's lines and the players' lines.
platform::SideBands SideBoard(int questionNumber);

}  // namespace multi
