#include "band_painter.h"

#include "gfx/canvas.h"
#include "gfx/font_fit.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace Interface {

namespace {

constexpr int kScreenLines = 1080;
constexpr int kMarkGap = 8;  // between the marks and the text

int Scaled(int size, double scale) { return static_cast<int>(std::lround(size * scale)); }

gfx::Font FontOf(const platform::BandLine& line, double scale) {
    return gfx::Font({"Arial", std::max(1, Scaled(line.height, scale)), line.bold ? 700 : 400, 238});
}

int MarksWidth(const platform::BandLine& line, const gfx::Font& font, double scale) {
    if (line.marks.empty()) return 0;
    int width = Scaled(kMarkGap, scale);
    for (const platform::BandPiece& mark : line.marks) width += font.TextWidth(mark.text);
    return width;
}

// `text` split before byte `at`, a space there dropped.
std::vector<std::string> SplitAt(const std::string& text, std::size_t at) {
    const std::size_t next = text[at] == ' ' ? at + 1 : at;
    return {text.substr(0, at), text.substr(next)};
}

int WidestRow(const gfx::Font& font, const std::vector<std::string>& rows) {
    int widest = 0;
    for (const std::string& row : rows) widest = std::max(widest, font.TextWidth(row));
    return widest;
}

// The line's text in one row or, when it is too wide for `width` and may take two rows,
// broken where the wider half is narrowest: at a space, or inside a name of one word only when
// one row would have to shrink below half its size.
std::vector<std::string> RowsOf(const platform::BandLine& line, const gfx::Font& font,
                                int width) {
    const std::string& text = line.text.text;
    std::vector<std::string> rows{text};
    if (line.rows < 2 || text.size() < 2 || font.TextWidth(text) <= width) return rows;
    const bool anywhere = text.find(' ') == std::string::npos &&
                          gfx::FontToFit(font, text, width).Height() * 2 < font.Height();
    int widest = font.TextWidth(text);
    for (std::size_t at = 1; at + 1 < text.size(); ++at) {
        if (text[at] != ' ' && !anywhere) continue;
        std::vector<std::string> split = SplitAt(text, at);
        if (split[0].empty() || split[1].empty() || WidestRow(font, split) >= widest) continue;
        widest = WidestRow(font, split);
        rows = std::move(split);
    }
    return rows;
}

// The room the line's text has beside its marks, at `scale`.
int TextRoom(const platform::BandLine& line, int width, double scale) {
    return width - 2 * Scaled(kBandMargin, scale) - MarksWidth(line, FontOf(line, scale), scale);
}

// How much the sizes shrink so that every line fits the band's height.
double ScaleFor(const std::vector<platform::BandLine>& lines, int width, int height) {
    const double scale = static_cast<double>(height) / kScreenLines;
    int column = kBandTop * 2;
    for (const platform::BandLine& line : lines) {
        const int rows = static_cast<int>(
            RowsOf(line, FontOf(line, scale), TextRoom(line, width, scale)).size());
        column += line.spaceAbove + line.height * rows;
    }
    return column <= kScreenLines ? scale : scale * kScreenLines / column;
}

int AlignedX(platform::BandAlign align, int left, int right, int textWidth) {
    switch (align) {
        case platform::BandAlign::Left: return left;
        case platform::BandAlign::Centre: return left + (right - left - textWidth) / 2;
        case platform::BandAlign::Right: return right - textWidth;
    }
    return left;
}

// One line with its cell's top at `top`: marks first, then the text in its rows, shrunk into
// what is left. Returns the height the line took.
int DrawLine(gfx::Canvas& canvas, const platform::BandLine& line, int width, int top,
             double scale) {
    const gfx::Font font = FontOf(line, scale);
    int left = Scaled(kBandMargin, scale);
    const int right = width - Scaled(kBandMargin, scale);
    canvas.SelectFont(&font);
    for (const platform::BandPiece& mark : line.marks) {
        canvas.SetTextColor(mark.colour);
        canvas.TextOut(left, top, mark.text);
        left += font.TextWidth(mark.text);
    }
    if (!line.marks.empty()) left += Scaled(kMarkGap, scale);
    const int room = std::max(0, right - left);
    const std::vector<std::string> rows = RowsOf(line, font, room);
    const std::string& widest = *std::max_element(
        rows.begin(), rows.end(), [&](const std::string& a, const std::string& b) {
            return font.TextWidth(a) < font.TextWidth(b);
        });
    const gfx::Font& fitted = gfx::FontToFit(font, widest, room);
    canvas.SelectFont(&fitted);
    canvas.SetTextColor(line.text.colour);
    // Shrunk rows stay together on the middle of the room the line was given.
    const int taken = font.Height() * static_cast<int>(rows.size());
    int rowTop = top + (taken - fitted.Height() * static_cast<int>(rows.size())) / 2;
    for (const std::string& row : rows) {
        canvas.TextOut(AlignedX(line.align, left, right, fitted.TextWidth(row)), rowTop, row);
        rowTop += fitted.Height();
    }
    return taken;
}

}  // namespace

void PaintBand(const std::vector<platform::BandLine>& lines, platform::BandPicture& picture) {
    gfx::Surface surface;
    if (!surface.Create(platform::PixelLayout::Bgrx32, picture.width, picture.height)) return;
    gfx::Canvas canvas(surface);
    canvas.SetBackgroundMode(gfx::BackgroundMode::Transparent);
    const double scale = ScaleFor(lines, picture.width, picture.height);
    int top = Scaled(kBandTop, scale);
    for (const platform::BandLine& line : lines) {
        top += Scaled(line.spaceAbove, scale);
        top += DrawLine(canvas, line, picture.width, top, scale);
    }
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t bgr = gfx::PixelToColor(surface.layout, surface.ReadPixel(x, y));
            picture.pixels[static_cast<std::size_t>(y) * picture.width + x] =
                (bgr & 0xFF) << 16 | (bgr & 0xFF00) | (bgr >> 16 & 0xFF);
        }
    }
}

}  // namespace Interface
