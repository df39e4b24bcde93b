// The full-screen backgrounds, one per screen. Each fills the 1024 x 768 back buffer:
// the 800 x 600 play area at its top left, black beyond it like the window around.
#pragma once

#include "picture.h"

namespace art {

void PaintMainBackground(const Cell& cell);
void PaintSingleMenuBackground(const Cell& cell);
void PaintClockGameBackground(const Cell& cell);
void PaintLivesGameBackground(const Cell& cell);
void PaintPremiumBackground(const Cell& cell);
void PaintMultiSetupBackground(const Cell& cell);
void PaintMultiGameBackground(const Cell& cell);
// The results of a buzzer game: a dark card with a title band; the game writes the rows.
void PaintMultiResultsBackground(const Cell& cell);
// Table 1 (clock game), 2 (lives game) or 3 (multiplayer).
void PaintScoresBackground(const Cell& cell, int table);
void PaintBrowserBackground(const Cell& cell);

}  // namespace art
