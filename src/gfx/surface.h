// Pixel memory in the back buffer's format: bottom-up rows with the classic DIB strides.
#pragma once

#include "../platform/platform.h"

#include <cstdint>
#include <vector>

namespace gfx {

using platform::PixelLayout;

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

constexpr uint32_t kKeyColor = 0xFF00FF;  // magenta, 0x00BBGGRR
constexpr int kMaxSurfaceSide = 16384;

int StrideOf(PixelLayout layout, int width);

class Surface {
public:
    Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    virtual ~Surface() = default;

    // Allocates zeroed pixels; false (and the surface stays empty) for a size the platform
    // would refuse.
    bool Create(PixelLayout layout, int width, int height);
    void Reset();

    bool IsEmpty() const { return bits == nullptr; }
    int Stride() const { return StrideOf(layout, width); }
    // Address of pixel (x, y), y counted from the top of the picture.
    uint8_t* PixelAt(int x, int y);
    const uint8_t* PixelAt(int x, int y) const;
    uint32_t ReadPixel(int x, int y) const;
    void WritePixel(int x, int y, uint32_t pixel);

    // A number that moves on whenever the pixels may have changed: every write made through
    // this file and the canvas moves it, and code that writes to `bits` itself calls Touch.
    // No two surfaces share a version, so the frame can tell whether a picture it showed has
    // changed since.
    uint64_t Version() const { return version_; }
    void Touch();

    PixelLayout layout = PixelLayout::Bgrx32;
    uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    int32_t keyColor = -1;  // 0x00BBGGRR, or -1 for none

private:
    std::vector<uint8_t> memory_;
    uint64_t version_ = 0;
};

// The pixel value of a 0x00BBGGRR colour.
uint32_t ColorToPixel(PixelLayout layout, uint32_t color);
// The 0x00BBGGRR colour a pixel shows.
uint32_t PixelToColor(PixelLayout layout, uint32_t pixel);

// Copies `source` (left, top, right, bottom) to `target` at (x, y), skipping pixels equal
// to the source's key. No clipping: the caller keeps both rectangles inside the surfaces.
int BlitKeyed(Surface& target, int x, int y, const Surface& source, const Rect& rect);
// An opaque block copy of `width` x `height` from (sx, sy) to (x, y), clipped to both.
void CopyOpaque(Surface& target, int x, int y, int width, int height, const Surface& source,
                int sx, int sy);
// Softens a surface in place: each pixel becomes the average of its 2 x 2 block.
void BlurSurface(Surface& surface);

// The surface as bottom-up 24-bit rows (blue, green, red), stride (width * 3 + 3) & ~3.
std::vector<uint8_t> ReadRows24(const Surface& surface);
void WriteRows24(Surface& surface, const std::vector<uint8_t>& rows);

}  // namespace gfx
