#include "side_bands.h"

#include "backend.h"

#include <algorithm>

namespace platform {

namespace {

struct BandState {
    SideBands bands;
    uint64_t version = 0;
    BandPainter painter = nullptr;
};

BandState& State() {
    static BandState state;
    return state;
}

}  // namespace

BandRects SideBandRects(int width, int height, const PictureRect& playArea) {
    const int leftWidth = playArea.x;
    const int rightWidth = width - playArea.x - playArea.width;
    // Only a screen wider than 4:3 has bands; the bars of a 4:3 one in whole steps do not count.
    const bool wide = static_cast<long long>(width) * kPlayAreaHeight >
                      static_cast<long long>(height) * kPlayAreaWidth;
    if (!wide || height <= 0 ||
        std::min(leftWidth, rightWidth) * 1080LL < kNarrowestBand * 1LL * height) {
        return {};
    }
    return {{0, 0, leftWidth, height}, {playArea.x + playArea.width, 0, rightWidth, height}};
}

void SetSideBands(const SideBands& bands) {
    BandState& s = State();
    if (bands == s.bands) return;
    s.bands = bands;
    ++s.version;
    if (HasBackend()) CurrentBackend().SideBandsChanged();
}

const SideBands& CurrentSideBands() { return State().bands; }

uint64_t SideBandsVersion() { return State().version; }

void SetBandPainter(BandPainter painter) {
    State().painter = painter;
    ++State().version;
}

bool PaintSideBand(const std::vector<BandLine>& lines, int width, int height,
                   BandPicture& picture) {
    picture = BandPicture{};
    if (lines.empty() || !State().painter || width <= 0 || height <= 0) return false;
    picture.width = width;
    picture.height = height;
    picture.pixels.assign(static_cast<std::size_t>(width) * height, 0);
    State().painter(lines, picture);
    return true;
}

}  // namespace platform
