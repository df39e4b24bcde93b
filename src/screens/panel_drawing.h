// The look the set-up panels share (topics, question sets): navy cards with rounded corners,
// round-ended buttons, switches, and a text button control drawn the same way.
#pragma once

#include "frame/control.h"
#include "gfx/canvas.h"

#include <cstdint>
#include <string>

namespace screens {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }

// The colours of the game's cards and buttons: navy cards with a light blue rim and gold
// headings, blue buttons and the green of the play button.
constexpr uint32_t kPanelColor = Rgb(0x16, 0x2C, 0x6E);
constexpr uint32_t kRimColor = Rgb(0x5B, 0x7F, 0xD0);
constexpr uint32_t kHeadingColor = Rgb(0xF7, 0xC9, 0x48);
constexpr uint32_t kTextColor = Rgb(0xFF, 0xFF, 0xFF);
constexpr uint32_t kCountColor = Rgb(0xC8, 0xD6, 0xF0);
constexpr uint32_t kButtonColor = Rgb(0x2A, 0x5C, 0xC0);
constexpr uint32_t kButtonRimColor = Rgb(0x9F, 0xC0, 0xF0);
constexpr uint32_t kOnColor = Rgb(0x3C, 0xB0, 0x4A);
constexpr uint32_t kOffColor = Rgb(0x6A, 0x78, 0x96);
constexpr uint32_t kKnobColor = Rgb(0xFF, 0xFF, 0xFF);
constexpr uint32_t kRefusalColor = Rgb(0xFF, 0x9A, 0x8A);
constexpr uint32_t kRefusalButtonColor = Rgb(0xB0, 0x3A, 0x3A);
constexpr int kPanelRadius = 14;

std::string Cp(const char* utf8);
std::string Cp(const std::string& utf8);
// "1 otázka", "3 otázky", "12 otázek" (Windows-1250).
std::string Questions(int count);

// A rectangle with corners rounded by `radius`, filled row by row.
void FillRounded(gfx::Canvas& canvas, const gfx::Rect& box, int radius, uint32_t color);
// A rounded box with a two-pixel rim.
void DrawBox(gfx::Canvas& canvas, const gfx::Rect& box, int radius, uint32_t rim, uint32_t fill);
void DrawCentred(gfx::Canvas& canvas, const gfx::Rect& box, const std::string& text);
void DrawButton(gfx::Canvas& canvas, const gfx::Rect& box, const std::string& label,
                uint32_t fill = kButtonColor);
// An on/off switch in `track`.
void DrawSwitch(gfx::Canvas& canvas, const gfx::Rect& track, bool on);
bool Contains(const gfx::Rect& rect, int x, int y);

// A text button drawn like the panels', which runs `clicked` when pressed.
class TextButton : public Control {
public:
    TextButton(int32_t id, void (*clicked)());

    void SetLabel(std::string label);
    void Render() override;
    void HandleInput(int32_t code, int32_t value, int32_t* handled) override;

private:
    void (*clicked_)();
    std::string label_;
};

}  // namespace screens
