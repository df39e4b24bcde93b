#include "wrapped_text.h"

#include "background_copy.h"
#include "frame/interface.h"

#include <algorithm>
#include <cstring>

WrappedText::WrappedText(int32_t id) : Control(id) {}

int WrappedText::SetUp(int x, int y, int width, int height, const char* text,
                       const gfx::Font* font, uint32_t flags) {
    SetFlags(flags);
    SetPosition(x, y);
    font_ = font;
    SetSize(width, height);
    SetText(text);
    return 1;
}

void WrappedText::SetText(const char* text) {
    wrapCount_ = 0;
    if (!text) return;
    const gfx::WrapResult wrapped =
        gfx::WrapText(text, font_ ? *font_ : gfx::DefaultFont(), Width(), Height());
    wrapCount_ = wrapped.wrapCount;
    const std::size_t length = std::min(wrapped.text.size(), gfx::kWrappedTextCapacity);
    std::memcpy(text_, wrapped.text.data(), length);
    text_[length] = '\0';
    Render();
}

void WrappedText::Render() {
    gfx::Surface* face = Picture();
    if (!face) return;
    gfx::Canvas canvas(*face);
    PrepareSeeThroughText(*this, *face, canvas, font_);
    canvas.DrawText(text_, {0, 0, Width(), Height()});
    if (GetFlags() & kSoft) Interface::BlurSurface(*face);
    if (GetFlags() & kFramed) DrawFrame(canvas);
}
