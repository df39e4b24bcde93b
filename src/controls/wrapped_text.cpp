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
    // Wrapped before the face is made, so that the face is drawn once: a soft face is costly.
    const bool resized = width != Width() || height != Height();
    const bool hasText = Wrap(text, width, height);
    SetSize(width, height);
    if (hasText && !resized) Render();
    return 1;
}

void WrappedText::SetText(const char* text) {
    if (Wrap(text, Width(), Height())) Render();
}

bool WrappedText::Wrap(const char* text, int width, int height) {
    wrapCount_ = 0;
    if (!text) return false;
    const gfx::WrapResult wrapped =
        gfx::WrapText(text, font_ ? *font_ : gfx::DefaultFont(), width, height);
    wrapCount_ = wrapped.wrapCount;
    const std::size_t length = std::min(wrapped.text.size(), gfx::kWrappedTextCapacity);
    std::memcpy(text_, wrapped.text.data(), length);
    text_[length] = '\0';
    return true;
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
