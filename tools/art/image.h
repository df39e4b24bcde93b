// A picture in memory: 0x00RRGGBB pixels, top row first. The key colour (magenta) marks
// the pixels a keyed copy skips.
#pragma once

#include <cstdint>
#include <vector>

namespace art {

constexpr uint32_t kMagenta = 0xFF00FF;

struct Image {
    Image() = default;
    Image(int w, int h, uint32_t fill = 0) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

    uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    uint32_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }

    // The w x h piece at (x, y); parts outside the picture come out black.
    Image Crop(int x, int y, int w, int h) const;

    bool operator==(const Image& other) const = default;

    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

}  // namespace art
