// Draws a side band's lines with the game's fonts at the band's real size: the painter the
// frame hands the platform at start-up.
#pragma once

#include "platform/platform.h"

#include <vector>

namespace Interface {

// Layout, in pixels of a screen 1080 lines high: the text keeps this far from the band's
// edges, and the first line starts this far down.
constexpr int kBandMargin = 16;
constexpr int kBandTop = 24;

void PaintBand(const std::vector<platform::BandLine>& lines, platform::BandPicture& picture);

}  // namespace Interface
