// A block of text word-wrapped into a rectangle: questions and answers.
#pragma once

#include "frame/control.h"
#include "gfx/text_wrap.h"

class WrappedText : public Control {
public:
    static constexpr uint32_t kSoft = 0x1000000;  // the face is blurred after drawing

    explicit WrappedText(int32_t id);

    int SetUp(int x, int y, int width, int height, const char* text, const gfx::Font* font,
              uint32_t flags);
    // Wraps the text to the control's size and renders it. Words that would fall below the
    // height, or beyond the text buffer, are left out whole. No text keeps the shown one.
    void SetText(const char* text);
    // The wrapped text, with LF CR at each inserted break.
    const char* Text() const { return text_; }
    int WrapCount() const { return wrapCount_; }

    void Render() override;

private:
    // Wraps `text` into width x height and keeps it; false (keeping the old text) for none.
    bool Wrap(const char* text, int width, int height);

    int32_t wrapCount_ = 0;
    char text_[gfx::kWrappedTextCapacity + 1] = "";
    const gfx::Font* font_ = nullptr;
};
