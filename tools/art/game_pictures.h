// The pictures of the game screens: the clock, the lives, the points, the answer markers
// and buttons, Start and Stop.
#pragma once

#include "picture.h"

namespace art {

// Twelve frames: 0..10 whole seconds gone, 11 idle.
void PaintTimer(const Cell& cell);
// Seven frames: frame n shows n + 1 lives.
void PaintLives(const Cell& cell);
// Six frames: frame n shows n + 1 lives and the life a premium question can win.
void PaintPremiumLives(const Cell& cell);
// Four frames of a burst showing the points just won.
void PaintPoints(const Cell& cell, int points);
// Frame 0 right, frame 1 wrong.
void PaintAnswerMarker(const Cell& cell);
void PaintAnswerButton(const Cell& cell, int answer);
void PaintStartButton(const Cell& cell);
void PaintStopButton(const Cell& cell);

}  // namespace art
