#include "surface.h"

#include <algorithm>
#include <cstring>

namespace gfx {

int StrideOf(PixelLayout layout, int width) {
    switch (layout) {
        case PixelLayout::Rgb565:
        case PixelLayout::Rgb555: return (width * 2 + 3) & ~3;
        case PixelLayout::Bgr24: return (width * 3 + 3) & ~3;
        case PixelLayout::Bgrx32: return width * 4;
    }
    return 0;
}

void Surface::Touch() {
    static uint64_t lastVersion = 0;
    version_ = ++lastVersion;
}

bool Surface::Create(PixelLayout newLayout, int newWidth, int newHeight) {
    Reset();
    if (newWidth <= 0 || newHeight <= 0 || newWidth > kMaxSurfaceSide ||
        newHeight > kMaxSurfaceSide) {
        return false;
    }
    layout = newLayout;
    width = newWidth;
    height = newHeight;
    memory_.assign(static_cast<std::size_t>(Stride()) * height, 0);
    bits = memory_.data();
    Touch();
    return true;
}

void Surface::Reset() {
    memory_.clear();
    memory_.shrink_to_fit();
    bits = nullptr;
    width = height = 0;
    keyColor = -1;
    Touch();
}

uint8_t* Surface::PixelAt(int x, int y) {
    return bits + static_cast<std::size_t>(height - 1 - y) * Stride() +
           x * platform::BytesPerPixel(layout);
}

const uint8_t* Surface::PixelAt(int x, int y) const {
    return const_cast<Surface*>(this)->PixelAt(x, y);
}

uint32_t Surface::ReadPixel(int x, int y) const {
    const uint8_t* p = PixelAt(x, y);
    switch (layout) {
        case PixelLayout::Rgb565:
        case PixelLayout::Rgb555: return p[0] | p[1] << 8;
        case PixelLayout::Bgr24: return p[0] | p[1] << 8 | p[2] << 16;
        case PixelLayout::Bgrx32:
            return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
    }
    return 0;
}

void Surface::WritePixel(int x, int y, uint32_t pixel) {
    Touch();
    uint8_t* p = PixelAt(x, y);
    const int bytes = platform::BytesPerPixel(layout);
    for (int i = 0; i < bytes; ++i) p[i] = static_cast<uint8_t>(pixel >> (8 * i));
}

uint32_t ColorToPixel(PixelLayout layout, uint32_t color) {
    const uint32_t r = color & 0xFF, g = color >> 8 & 0xFF, b = color >> 16 & 0xFF;
    switch (layout) {
        case PixelLayout::Rgb565: return (r >> 3) << 11 | (g >> 2) << 5 | (b >> 3);
        case PixelLayout::Rgb555: return (r >> 3) << 10 | (g >> 3) << 5 | (b >> 3);
        case PixelLayout::Bgr24:
        case PixelLayout::Bgrx32: return r << 16 | g << 8 | b;
    }
    return 0;
}

uint32_t PixelToColor(PixelLayout layout, uint32_t pixel) {
    const uint8_t bytes[4] = {static_cast<uint8_t>(pixel), static_cast<uint8_t>(pixel >> 8),
                              static_cast<uint8_t>(pixel >> 16), 0};
    const uint32_t rgb = platform::RgbOfPixel(layout, bytes);
    return (rgb & 0xFF) << 16 | (rgb & 0xFF00) | rgb >> 16;
}

namespace {

// Copies one row of `count` pixels of `Bytes` bytes, skipping those equal to `key`. Pixels
// are compared as little-endian values, as ReadPixel reads them.
template <int Bytes>
void CopyRowKeyed(uint8_t* to, const uint8_t* from, int count, uint32_t key) {
    for (int i = 0; i < count; ++i, to += Bytes, from += Bytes) {
        uint32_t pixel = 0;
        std::memcpy(&pixel, from, Bytes);
        if (pixel != key) std::memcpy(to, from, Bytes);
    }
}

}  // namespace

int BlitKeyed(Surface& target, int x, int y, const Surface& source, const Rect& rect) {
    const bool keyed = source.keyColor != -1;
    const uint32_t key = keyed ? ColorToPixel(source.layout, static_cast<uint32_t>(source.keyColor))
                               : 0;
    const int bytes = platform::BytesPerPixel(source.layout);
    const int count = rect.right - rect.left;
    if (count <= 0) return 1;
    target.Touch();
    for (int row = rect.top; row < rect.bottom; ++row) {
        uint8_t* to = target.PixelAt(x, y + row - rect.top);
        const uint8_t* from = source.PixelAt(rect.left, row);
        if (!keyed) {
            std::memcpy(to, from, static_cast<std::size_t>(count) * bytes);
        } else if (bytes == 4) {
            CopyRowKeyed<4>(to, from, count, key);
        } else if (bytes == 3) {
            CopyRowKeyed<3>(to, from, count, key);
        } else {
            CopyRowKeyed<2>(to, from, count, key);
        }
    }
    return 1;
}

void CopyOpaque(Surface& target, int x, int y, int width, int height, const Surface& source,
                int sx, int sy) {
    if (target.IsEmpty() || source.IsEmpty()) return;
    // Clip against the source, then against the target, moving both corners together.
    if (sx < 0) { x -= sx; width += sx; sx = 0; }
    if (sy < 0) { y -= sy; height += sy; sy = 0; }
    if (x < 0) { sx -= x; width += x; x = 0; }
    if (y < 0) { sy -= y; height += y; y = 0; }
    width = std::min({width, source.width - sx, target.width - x});
    height = std::min({height, source.height - sy, target.height - y});
    if (width <= 0 || height <= 0) return;
    target.Touch();
    const std::size_t rowBytes =
        static_cast<std::size_t>(width) * platform::BytesPerPixel(source.layout);
    for (int row = 0; row < height; ++row) {
        std::memcpy(target.PixelAt(x, y + row), source.PixelAt(sx, sy + row), rowBytes);
    }
}

void BlurSurface(Surface& surface) {
    if (surface.IsEmpty()) return;
    std::vector<uint8_t> rows = ReadRows24(surface);
    const int stride = (surface.width * 3 + 3) & ~3;
    // Forward through memory: the neighbours to the right and in the next memory row are
    // still unchanged when a pixel is averaged.
    for (int i = 0; i + 1 < surface.height; ++i) {
        uint8_t* row = rows.data() + static_cast<std::size_t>(i) * stride;
        uint8_t* next = row + stride;
        for (int j = 0; j + 1 < surface.width; ++j) {
            for (int c = 0; c < 3; ++c) {
                const int k = j * 3 + c;
                row[k] = static_cast<uint8_t>((row[k] + row[k + 3] + next[k] + next[k + 3]) >> 2);
            }
        }
    }
    WriteRows24(surface, rows);
}

std::vector<uint8_t> ReadRows24(const Surface& surface) {
    const int stride = (surface.width * 3 + 3) & ~3;
    std::vector<uint8_t> rows(static_cast<std::size_t>(stride) * surface.height, 0);
    for (int y = 0; y < surface.height; ++y) {
        // Memory row i holds picture row height - 1 - i in both buffers.
        uint8_t* out = rows.data() + static_cast<std::size_t>(surface.height - 1 - y) * stride;
        for (int x = 0; x < surface.width; ++x) {
            const uint32_t rgb = platform::RgbOfPixel(surface.layout, surface.PixelAt(x, y));
            out[x * 3] = static_cast<uint8_t>(rgb);
            out[x * 3 + 1] = static_cast<uint8_t>(rgb >> 8);
            out[x * 3 + 2] = static_cast<uint8_t>(rgb >> 16);
        }
    }
    return rows;
}

void WriteRows24(Surface& surface, const std::vector<uint8_t>& rows) {
    const int stride = (surface.width * 3 + 3) & ~3;
    if (rows.size() < static_cast<std::size_t>(stride) * surface.height) return;
    for (int y = 0; y < surface.height; ++y) {
        const uint8_t* in =
            rows.data() + static_cast<std::size_t>(surface.height - 1 - y) * stride;
        for (int x = 0; x < surface.width; ++x) {
            const uint32_t color = in[x * 3 + 2] | in[x * 3 + 1] << 8 | in[x * 3] << 16;
            surface.WritePixel(x, y, ColorToPixel(surface.layout, color));
        }
    }
}

}  // namespace gfx
