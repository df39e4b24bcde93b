#include "panel_drawing.h"

#include "frame/interface.h"
#include "platform/platform.h"
#include "shared_fonts.h"
#include "sound/sound.h"

#include <algorithm>
#include <cmath>

namespace screens {

std::string Cp(const char* utf8) { return platform::Utf8ToCp1250(utf8); }
std::string Cp(const std::string& utf8) { return platform::Utf8ToCp1250(utf8); }

std::string Questions(int count) {
    const char* word = count == 1 ? "otázka" : count >= 2 && count <= 4 ? "otázky" : "otázek";
    return std::to_string(count) + " " + Cp(word);
}

void FillRounded(gfx::Canvas& canvas, const gfx::Rect& box, int radius, uint32_t color) {
    radius = std::min({radius, box.Width() / 2, box.Height() / 2});
    for (int y = box.top; y < box.bottom; ++y) {
        const int fromEdge = std::min(y - box.top, box.bottom - 1 - y);
        int inset = 0;
        if (fromEdge < radius) {
            const double dy = radius - fromEdge - 0.5;
            inset = radius - static_cast<int>(std::lround(std::sqrt(radius * radius - dy * dy)));
        }
        canvas.FillRect({box.left + inset, y, box.right - inset, y + 1}, color);
    }
}

void DrawBox(gfx::Canvas& canvas, const gfx::Rect& box, int radius, uint32_t rim, uint32_t fill) {
    FillRounded(canvas, box, radius, rim);
    FillRounded(canvas, {box.left + 2, box.top + 2, box.right - 2, box.bottom - 2}, radius - 2,
                fill);
}

void DrawCentred(gfx::Canvas& canvas, const gfx::Rect& box, const std::string& text) {
    const gfx::Size size = canvas.TextExtent(text);
    canvas.TextOut(box.left + (box.Width() - size.width) / 2,
                   box.top + (box.Height() - size.height) / 2, text);
}

void DrawButton(gfx::Canvas& canvas, const gfx::Rect& box, const std::string& label,
                uint32_t fill) {
    DrawBox(canvas, box, box.Height() / 2, kButtonRimColor, fill);
    canvas.SetTextColor(kTextColor);
    canvas.SelectFont(FontBold20);
    DrawCentred(canvas, box, label);
}

void DrawSwitch(gfx::Canvas& canvas, const gfx::Rect& track, bool on) {
    const int height = track.Height();
    FillRounded(canvas, track, height / 2, on ? kOnColor : kOffColor);
    const int knobLeft = on ? track.right - height + 2 : track.left + 2;
    FillRounded(canvas, {knobLeft, track.top + 2, knobLeft + height - 4, track.bottom - 2},
                height / 2 - 2, kKnobColor);
}

bool Contains(const gfx::Rect& rect, int x, int y) {
    return rect.left <= x && x < rect.right && rect.top <= y && y < rect.bottom;
}

TextButton::TextButton(int32_t id, void (*clicked)()) : Control(id), clicked_(clicked) {
    SetFlags(kTransparent);
}

void TextButton::SetLabel(std::string label) {
    label_ = std::move(label);
    Render();
}

void TextButton::Render() {
    if (!Picture()) return;
    gfx::Canvas canvas(*Picture());
    canvas.FillRect({0, 0, Width(), Height()}, gfx::kKeyColor);
    canvas.SetBackgroundMode(gfx::BackgroundMode::Transparent);
    DrawButton(canvas, {0, 0, Width(), Height()}, label_);
}

void TextButton::HandleInput(int32_t code, int32_t, int32_t* handled) {
    if (controlsFrozen || (GetFlags() & (kHidden | kDisabled)) || !*handled) return;
    if (code != Interface::kInputLeftDown || !IsPointerIn(Bounds())) return;
    *handled = 0;
    sound::PlaySound(sound::SoundId::Click);
    clicked_();
}

}  // namespace screens
