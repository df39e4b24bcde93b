#include "style.h"

#include <algorithm>

namespace art {

Rgb Mix(const Rgb& a, const Rgb& b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Lighter(const Rgb& colour, double amount) { return Mix(colour, palette::kWhite, amount); }

Rgb Darker(const Rgb& colour, double amount) { return Mix(colour, Rgb{0, 0, 0}, amount); }

Rgb Greyed(const Rgb& colour) {
    const double luma = 0.3 * colour.r + 0.59 * colour.g + 0.11 * colour.b;
    const double level = std::clamp(0.35 + luma * 0.35, 0.0, 1.0);
    return Mix(Rgb{level, level, level + 0.04}, palette::kSlate, 0.15);
}

Rgb PlayerColour(int player) {
    switch (player) {
        case 0: return palette::kGold;
        case 1: return palette::kTeal;
        case 2: return palette::kCoral;
        case 3: return palette::kSky;
        default: return palette::kGreen;
    }
}

}  // namespace art
