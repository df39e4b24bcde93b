// Colours, pens, the fill brush, the status line and text measuring.
#include "frame_state.h"

#include <cstring>

namespace Interface {

using detail::State;

namespace {
// Pen colours carry a value in their top byte; the platform's pen creation reads such a
// value as red, green, blue and a spare low byte, so 0xFFFFFF00 is white and 0xA0A0A000 grey.
uint32_t PenColorOf(uint32_t value) {
    if ((value & 0xFF000000u) == 0) return value;
    const uint32_t r = value >> 24, g = value >> 16 & 0xFF, b = value >> 8 & 0xFF;
    return b << 16 | g << 8 | r;
}
}  // namespace

gfx::Surface& BackBuffer() { return *State().backBuffer; }

gfx::PixelLayout Layout() {
    return State().backBuffer ? State().backBuffer->layout : gfx::PixelLayout::Bgrx32;
}

void SetFillColor(uint32_t color) { State().fillColor = color & 0xFFFFFF; }
uint32_t FillColor() { return State().fillColor; }

void SetHintStyle(uint32_t textColor, uint32_t backgroundColor, uint32_t borderColor) {
    detail::HintState& hint = State().hint;
    hint.textColor = textColor & 0xFFFFFF;
    hint.backgroundColor = backgroundColor & 0xFFFFFF;
    hint.borderColor = borderColor & 0xFFFFFF;
}

uint32_t LightPenColor() { return PenColorOf(0xFFFFFF00u); }
uint32_t DarkPenColor() { return PenColorOf(0xA0A0A000u); }

void SetStatusLine(const char* text) {
    std::snprintf(State().statusLine, sizeof State().statusLine, "%s", text ? text : "");
}

uint32_t ColorToPixel(uint32_t color) { return gfx::ColorToPixel(Layout(), color); }

int BlitKeyed(gfx::Surface& target, int x, int y, const gfx::Surface& source,
              const gfx::Rect& rect) {
    return gfx::BlitKeyed(target, x, y, source, rect);
}

void BlurSurface(gfx::Surface& surface) { gfx::BlurSurface(surface); }

int MeasureText(const char* text, const gfx::Font* font, gfx::Size* out) {
    if (!text || !out || !platform::MainWindowExists()) return 0;
    const gfx::Font& used = font ? *font : gfx::DefaultFont();
    out->width = used.TextWidth(text);
    out->height = used.Height();
    return 1;
}

}  // namespace Interface
