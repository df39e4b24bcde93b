// Software drawing on a surface, standing in for the classic GDI calls the game makes:
// solid fills, one-pixel pens, text out, multi-line text and text extents.
#pragma once

#include "font.h"
#include "surface.h"

#include <string_view>

namespace gfx {

struct Size {
    int width = 0;
    int height = 0;
};

enum class BackgroundMode { Opaque, Transparent };

class Canvas {
public:
    explicit Canvas(Surface& target) : target_(target) {}

    // Colours are 0x00BBGGRR; bits above 24 are ignored.
    void FillRect(const Rect& rect, uint32_t color);

    void SetPen(uint32_t color) { pen_ = color & 0xFFFFFF; }
    void MoveTo(int x, int y) {
        x_ = x;
        y_ = y;
    }
    // Draws from the current position to (x, y), leaving the end point out, and moves there.
    void LineTo(int x, int y);

    void SelectFont(const Font* font) { font_ = font; }
    const Font& CurrentFont() const { return font_ ? *font_ : DefaultFont(); }
    void SetTextColor(uint32_t color) { textColor_ = color & 0xFFFFFF; }
    void SetBackgroundColor(uint32_t color) { backgroundColor_ = color & 0xFFFFFF; }
    void SetBackgroundMode(BackgroundMode mode) { mode_ = mode; }

    // One line of Windows-1250 text with its cell's top-left corner at (x, y).
    void TextOut(int x, int y, std::string_view text);
    // Text into a rectangle, left-aligned from the top, a new line at each line break
    // (CR, LF, CR LF or LF CR), clipped to the rectangle.
    void DrawText(std::string_view text, const Rect& rect);
    Size TextExtent(std::string_view text) const;

private:
    void TextLine(int x, int y, std::string_view text, const Rect& clip);
    void PlotPixel(int x, int y, uint32_t color);
    void BlendPixel(int x, int y, uint8_t coverage);
    Rect Bounds() const { return {0, 0, target_.width, target_.height}; }

    Surface& target_;
    uint32_t pen_ = 0;
    int x_ = 0;
    int y_ = 0;
    const Font* font_ = nullptr;
    uint32_t textColor_ = 0;
    uint32_t backgroundColor_ = 0xFFFFFF;
    BackgroundMode mode_ = BackgroundMode::Opaque;
};

}  // namespace gfx
