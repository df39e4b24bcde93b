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

namespace {

// Averages each pixel of rows of `Bytes`-byte blue-green-red pixels with its right neighbour
// and the two in the next memory row; the last column and memory row keep their colour.
// Forward through memory: those neighbours are still unchanged when a pixel is averaged.
// A fourth byte is cleared everywhere, as a round trip through 24-bit rows clears it.
template <int Bytes>
void BlurRows(uint8_t* rows, int stride, int width, int height) {
    for (int i = 0; i < height; ++i) {
        uint8_t* row = rows + static_cast<std::size_t>(i) * stride;
        const uint8_t* next = row + stride;
        const int averaged = i + 1 < height ? width - 1 : 0;
        for (int j = 0; j < averaged; ++j) {
            for (int c = 0; c < 3; ++c) {
                const int k = j * Bytes + c;
                row[k] = static_cast<uint8_t>(
                    (row[k] + row[k + Bytes] + next[k] + next[k + Bytes]) >> 2);
            }
        }
        if (Bytes == 4) {
            for (int j = 0; j < width; ++j) row[j * Bytes + 3] = 0;
        }
    }
}

}  // namespace

void BlurSurface(Surface& surface) {
    if (surface.IsEmpty()) return;
    // Pixels that hold blue, green and red bytes are averaged where they are; the 16-bit
    // layouts go through 24-bit rows, as their channels share bytes.
    if (surface.layout == PixelLayout::Bgrx32) {
        surface.Touch();
        BlurRows<4>(surface.bits, surface.Stride(), surface.width, surface.height);
        return;
    }
    if (surface.layout == PixelLayout::Bgr24) {
        surface.Touch();
        BlurRows<3>(surface.bits, surface.Stride(), surface.width, surface.height);
        return;
    }
    std::vector<uint8_t> rows = ReadRows24(surface);
    BlurRows<3>(rows.data(), (surface.width * 3 + 3) & ~3, surface.width, surface.height);
    WriteRows24(surface, rows);
}

std::vector<uint8_t> ReadRows24(const Surface& surface) {
    const int stride = (surface.width * 3 + 3) & ~3;
    std::vector<uint8_t> rows(static_cast<std::size_t>(stride) * surface.height, 0);
    if (surface.IsEmpty() || surface.width <= 0) return rows;
    const int bytes = platform::BytesPerPixel(surface.layout);
    const bool wide = bytes >= 3;  // blue, green, red in the first three bytes already
    for (int y = 0; y < surface.height; ++y) {
        // Memory row i holds picture row height - 1 - i in both buffers.
        uint8_t* out = rows.data() + static_cast<std::size_t>(surface.height - 1 - y) * stride;
        const uint8_t* in = surface.PixelAt(0, y);
        for (int x = 0; x < surface.width; ++x, in += bytes, out += 3) {
            if (wide) {
                std::memcpy(out, in, 3);
                continue;
            }
            const uint32_t rgb = platform::RgbOfPixel(surface.layout, in);
            out[0] = static_cast<uint8_t>(rgb);
            out[1] = static_cast<uint8_t>(rgb >> 8);
            out[2] = static_cast<uint8_t>(rgb >> 16);
        }
    }
    return rows;
}

void WriteRows24(Surface& surface, const std::vector<uint8_t>& rows) {
    const int stride = (surface.width * 3 + 3) & ~3;
    if (rows.size() < static_cast<std::size_t>(stride) * surface.height) return;
    if (surface.IsEmpty() || surface.width <= 0) return;
    surface.Touch();
    const int bytes = platform::BytesPerPixel(surface.layout);
    for (int y = 0; y < surface.height; ++y) {
        const uint8_t* in =
            rows.data() + static_cast<std::size_t>(surface.height - 1 - y) * stride;
        uint8_t* out = surface.PixelAt(0, y);
        for (int x = 0; x < surface.width; ++x, in += 3, out += bytes) {
            if (bytes >= 3) {
                std::memcpy(out, in, 3);
                if (bytes == 4) out[3] = 0;
                continue;
            }
            const uint32_t color = in[2] | in[1] << 8 | in[0] << 16;
            const uint32_t pixel = ColorToPixel(surface.layout, color);
            out[0] = static_cast<uint8_t>(pixel);
            out[1] = static_cast<uint8_t>(pixel >> 8);
        }
    }
}

}  // namespace gfx
