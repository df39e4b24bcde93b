#include "play_area_fit.h"

#include <algorithm>

namespace platform {

namespace {

PictureRect Centred(int windowWidth, int windowHeight, int width, int height) {
    return {(windowWidth - width) / 2, (windowHeight - height) / 2, width, height};
}

PictureRect SmoothFit(int width, int height) {
    // Width-bound when the window is narrower than 4:3, else height-bound.
    if (static_cast<long long>(width) * kPlayAreaHeight <=
        static_cast<long long>(height) * kPlayAreaWidth) {
        return Centred(width, height, width, width * kPlayAreaHeight / kPlayAreaWidth);
    }
    return Centred(width, height, height * kPlayAreaWidth / kPlayAreaHeight, height);
}

// Floor division, so points left of or above the picture map to negative coordinates.
int FloorDiv(long long a, long long b) {
    return static_cast<int>(a >= 0 ? a / b : -((-a + b - 1) / b));
}

// The source pixel whose span holds the centre of window pixel `offset`.
int SourcePixel(int offset, int shown, int source) {
    if (shown <= 0) return -1;
    return FloorDiv((2LL * offset + 1) * source, 2LL * shown);
}

}  // namespace

PictureRect FitPlayArea(int width, int height, ScaleMode mode) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (mode == ScaleMode::Integer) {
        const int factor = std::min(width / kPlayAreaWidth, height / kPlayAreaHeight);
        if (factor >= 1) {
            return Centred(width, height, factor * kPlayAreaWidth, factor * kPlayAreaHeight);
        }
    }
    return SmoothFit(width, height);
}

bool FitWindowToDisplay(int& width, int& height, int displayWidth, int displayHeight) {
    // A display that tells no size gets one no desktop of today exceeds.
    constexpr int kLargestUnknownSide = 8192;
    const int mostWidth = displayWidth > 0 ? displayWidth : kLargestUnknownSide;
    const int mostHeight = displayHeight > 0 ? displayHeight : kLargestUnknownSide;
    if (width <= mostWidth && height <= mostHeight) return false;
    width = std::min(width, mostWidth);
    height = std::min(height, mostHeight);
    return true;
}

PlayAreaPoint WindowToPlayArea(const PictureRect& picture, int x, int y) {
    return {SourcePixel(x - picture.x, picture.width, kPlayAreaWidth),
            SourcePixel(y - picture.y, picture.height, kPlayAreaHeight)};
}

}  // namespace platform
