// One line of text over the screen background: scores, counters, percentages. It grows to
// fit its text and never shrinks while the text fits.
#pragma once

#include "frame/control.h"

class Label : public Control {
public:
    static constexpr uint32_t kSoft = 0x1000000;  // the face is blurred after drawing
    static constexpr int kTextCapacity = 255;

    explicit Label(int32_t id);

    int SetUp(int x, int y, const char* text, const gfx::Font* font, uint32_t flags);
    // 0 when the text is the one shown already, 1 otherwise. Keeps the first 255 characters.
    int SetText(const char* text);
    const char* Text() const { return text_; }
    // Before SetText: the size follows the text, and a label never shrinks.
    void SetFont(const gfx::Font* font) { font_ = font; }

    void Render() override;

private:
    char text_[kTextCapacity + 1] = "";
    const gfx::Font* font_ = nullptr;
};
