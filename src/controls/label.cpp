#include "label.h"

#include "background_copy.h"
#include "frame/interface.h"

#include <cstdio>
#include <cstring>

Label::Label(int32_t id) : Control(id) {}

int Label::SetUp(int x, int y, const char* text, const gfx::Font* font, uint32_t flags) {
    SetPosition(x, y);
    SetFlags(flags);
    if (font) font_ = font;
    SetText(text);
    return 1;
}

int Label::SetText(const char* text) {
    const char* wanted = text ? text : "";
    if (std::strncmp(text_, wanted, kTextCapacity) == 0) return 0;
    std::snprintf(text_, sizeof text_, "%s", wanted);
    gfx::Size extent;
    Interface::MeasureText(text_, font_, &extent);
    if (Width() < extent.width || Height() < extent.height) {
        SetSize(extent.width, extent.height);
    } else {
        Render();
    }
    return 1;
}

void Label::Render() {
    gfx::Surface* face = Picture();
    if (!face) return;
    gfx::Canvas canvas(*face);
    PrepareSeeThroughText(*this, *face, canvas, font_);
    canvas.TextOut(0, 0, text_);
    if (GetFlags() & kSoft) Interface::BlurSurface(*face);
    if (GetFlags() & kFramed) DrawFrame(canvas);
}
