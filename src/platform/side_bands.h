// What both backends share about the side bands: where they lie beside the play area, and
// the game's description and painter behind SetSideBands and SetBandPainter.
#pragma once

#include "platform.h"
#include "play_area_fit.h"

#include <cstdint>

namespace platform {

// Narrower bands (in pixels of a screen 1080 lines high) stay black: no name would be read.
constexpr int kNarrowestBand = 100;

struct BandRects {
    PictureRect left;
    PictureRect right;
    bool operator==(const BandRects&) const = default;
};

// The bands of a window of `width` x `height` showing the play area at `playArea`: the full
// height beside it; empty rectangles on a screen of 4:3 or narrower, and when they are too
// narrow to carry anything.
BandRects SideBandRects(int width, int height, const PictureRect& playArea);

// Moves on each time the description changes.
uint64_t SideBandsVersion();

// One band's picture at `width` x `height` from `lines`; false (and `picture` left empty)
// when there is nothing to draw or no painter.
bool PaintSideBand(const std::vector<BandLine>& lines, int width, int height,
                   BandPicture& picture);

}  // namespace platform
