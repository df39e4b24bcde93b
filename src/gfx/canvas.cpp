#include "canvas.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace gfx {

namespace {
Rect Intersect(const Rect& a, const Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}
}  // namespace

void Canvas::FillRect(const Rect& rect, uint32_t color) {
    if (target_.IsEmpty()) return;
    const Rect area = Intersect(rect, Bounds());
    if (area.left >= area.right || area.top >= area.bottom) return;
    const uint32_t pixel = ColorToPixel(target_.layout, color & 0xFFFFFF);
    // The top row's bytes written in place, every other row a copy of it: list faces and
    // rounded boxes fill large areas, the boxes row by row.
    const int bytes = platform::BytesPerPixel(target_.layout);
    const std::size_t rowBytes = static_cast<std::size_t>(area.right - area.left) * bytes;
    uint8_t* top = target_.PixelAt(area.left, area.top);
    for (std::size_t at = 0; at < rowBytes; at += bytes) {
        for (int i = 0; i < bytes; ++i) top[at + i] = static_cast<uint8_t>(pixel >> (8 * i));
    }
    for (int y = area.top + 1; y < area.bottom; ++y) {
        std::memcpy(target_.PixelAt(area.left, y), top, rowBytes);
    }
    target_.Touch();
}

void Canvas::PlotPixel(int x, int y, uint32_t color) {
    if (x < 0 || y < 0 || x >= target_.width || y >= target_.height) return;
    target_.WritePixel(x, y, ColorToPixel(target_.layout, color));
}

void Canvas::LineTo(int x, int y) {
    if (!target_.IsEmpty()) {
        // Bresenham from the current position; the end point itself is not drawn.
        const int dx = std::abs(x - x_), dy = -std::abs(y - y_);
        const int sx = x_ < x ? 1 : -1, sy = y_ < y ? 1 : -1;
        int err = dx + dy, px = x_, py = y_;
        while (px != x || py != y) {
            PlotPixel(px, py, pen_);
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                px += sx;
            }
            if (e2 <= dx) {
                err += dx;
                py += sy;
            }
        }
    }
    MoveTo(x, y);
}

void Canvas::BlendPixel(int x, int y, uint8_t coverage) {
    if (coverage == 0) return;
    const uint32_t key = ColorToPixel(target_.layout, kKeyColor);
    const uint32_t under = target_.ReadPixel(x, y);
    // Over the key colour, text stays aliased so a keyed copy leaves no pink fringe.
    if (under == key) {
        if (coverage >= 128) target_.WritePixel(x, y, ColorToPixel(target_.layout, textColor_));
        return;
    }
    const uint32_t base = PixelToColor(target_.layout, under);
    uint32_t mixed = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t a = textColor_ >> shift & 0xFF, b = base >> shift & 0xFF;
        mixed |= ((a * coverage + b * (255 - coverage) + 127) / 255) << shift;
    }
    target_.WritePixel(x, y, ColorToPixel(target_.layout, mixed));
}

void Canvas::TextLine(int x, int y, std::string_view text, const Rect& clip) {
    const Font& font = CurrentFont();
    if (mode_ == BackgroundMode::Opaque) {
        FillRect(Intersect({x, y, x + font.TextWidth(text), y + font.Height()}, clip),
                 backgroundColor_);
    }
    int penX = x;
    const int baseline = y + font.Ascent();
    for (char c : text) {
        const Glyph& glyph = font.GlyphOf(static_cast<uint8_t>(c));
        for (int row = 0; row < glyph.rows; ++row) {
            const int py = baseline - glyph.top + row;
            if (py < clip.top || py >= clip.bottom) continue;
            for (int col = 0; col < glyph.width; ++col) {
                const int px = penX + glyph.left + col;
                if (px < clip.left || px >= clip.right) continue;
                BlendPixel(px, py, glyph.coverage[static_cast<std::size_t>(row) * glyph.width + col]);
            }
        }
        penX += glyph.advance;
    }
}

void Canvas::TextOut(int x, int y, std::string_view text) {
    if (!target_.IsEmpty()) TextLine(x, y, text, Bounds());
}

void Canvas::DrawText(std::string_view text, const Rect& rect) {
    if (target_.IsEmpty()) return;
    const Rect clip = Intersect(rect, Bounds());
    const int lineHeight = CurrentFont().Height();
    int y = rect.top;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        TextLine(rect.left, y, text.substr(start, end - start), clip);
        if (end == text.size()) break;
        // A pair of different break characters counts as one break.
        std::size_t next = end + 1;
        if (next < text.size() && (text[next] == '\r' || text[next] == '\n') &&
            text[next] != text[end]) {
            ++next;
        }
        start = next;
        y += lineHeight;
        if (y >= clip.bottom) break;
    }
}

Size Canvas::TextExtent(std::string_view text) const {
    const Font& font = CurrentFont();
    return {font.TextWidth(text), font.Height()};
}

}  // namespace gfx
