// The one look of the game: its palette and its type. Every painter takes its colours and
// fonts from here, so the screens stay coherent.
#pragma once

#include <cstdint>

namespace art {

// A colour with components 0..1, the way cairo takes them.
struct Rgb {
    double r = 0, g = 0, b = 0;
};

constexpr Rgb Hex(uint32_t rgb) {
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}
// t = 0 gives a, t = 1 gives b.
Rgb Mix(const Rgb& a, const Rgb& b, double t);
Rgb Lighter(const Rgb& colour, double amount);  // towards white
Rgb Darker(const Rgb& colour, double amount);   // towards black
Rgb Greyed(const Rgb& colour);                  // the washed-out look of a disabled control

namespace palette {
// The night-blue stage every screen stands on.
constexpr Rgb kNightTop = Hex(0x0E1D44);
constexpr Rgb kNightMiddle = Hex(0x173472);
constexpr Rgb kNightBottom = Hex(0x0A1533);
constexpr Rgb kGlow = Hex(0x3A68C4);
// The strip along the bottom edge that carries the frame buttons and the hints.
constexpr Rgb kBar = Hex(0x07102A);
constexpr Rgb kBarLine = Hex(0x2B4C8F);
// Accents.
constexpr Rgb kGold = Hex(0xF6B929);
constexpr Rgb kGoldDark = Hex(0xB57A0A);
constexpr Rgb kGoldLight = Hex(0xFFE28C);
constexpr Rgb kTeal = Hex(0x1FB5A5);
constexpr Rgb kTealDark = Hex(0x0F7269);
constexpr Rgb kCoral = Hex(0xEC5A3F);
constexpr Rgb kCoralDark = Hex(0xA3311C);
constexpr Rgb kGreen = Hex(0x3FBF55);
constexpr Rgb kGreenDark = Hex(0x217F38);
constexpr Rgb kSky = Hex(0x3D9BE9);
constexpr Rgb kSkyDark = Hex(0x1D5BA4);
// Plates that carry black text (questions, answers, tables, overlays).
constexpr Rgb kCream = Hex(0xFFF8E8);
constexpr Rgb kPaper = Hex(0xFFFFFF);
constexpr Rgb kPlateBorder = Hex(0xF0C75E);
constexpr Rgb kHeaderBand = Hex(0xF9E3A4);
// Dark panels that carry white text.
constexpr Rgb kSlate = Hex(0x1B2E5C);
constexpr Rgb kSlateLight = Hex(0x2A4581);
constexpr Rgb kSlateBorder = Hex(0x4767AA);
// Text.
constexpr Rgb kInk = Hex(0x1B2030);
constexpr Rgb kWhite = Hex(0xFFFFFF);
constexpr Rgb kMuted = Hex(0x9AA6C2);
constexpr Rgb kGrey = Hex(0x7D8597);
constexpr Rgb kGreyLight = Hex(0xC3C8D2);
// Key caps of the on-screen keyboard.
constexpr Rgb kKeyCap = Hex(0xEEF1F7);
constexpr Rgb kKeyCapOff = Hex(0x8890A3);
constexpr Rgb kKeyEdge = Hex(0x5C6680);
}  // namespace palette

// The five players' colours, row 1 to 5 of the set-up screen.
Rgb PlayerColour(int player);

// One type family: Liberation Sans, regular and bold.
enum class Weight { Regular, Bold };

}  // namespace art
