#include "pad_pictures.h"

#include "platform/pad_keys.h"
#include "platform/phone_keys.h"
#include "shapes.h"
#include "style.h"
#include "text.h"

namespace art {

namespace {

// A, B, X and Y in the colours pads print them in; every other label in ink.
Rgb LabelColour(int button) {
    using namespace palette;
    switch (button) {
        case 0: return kGreenDark;
        case 1: return kCoralDark;
        case 2: return kSkyDark;
        case 3: return Darker(kGoldDark, 0.6);
        default: return kInk;
    }
}

// The largest bold size, up to `largest`, at which the label fits the width.
Font FittingFont(const std::string& label, double width, double largest) {
    Font font{largest, Weight::Bold};
    while (font.size > 5 && MeasureText(label, font).width > width) font.size -= 0.5;
    return font;
}

}  // namespace

std::string PadLabel(int button) {
    if (platform::IsJoystickButton(button)) {
        return "T" + std::to_string(button - platform::kJoystickButtonBase + 1);
    }
    return platform::PadButtonName(button);
}

// The keyboard labels' cap in the pads' gold, the pad's number on a teal badge at the left
// and the button's name beside it.
bool PaintPadKeyLabel(const Cell& cell) {
    using namespace palette;
    const int32_t key = platform::PadKeyOfFrame(cell.frame);
    if (key == 0) return false;
    cairo_t* cr = cell.cr;
    const Box cap{1, 1, cell.width - 2.0, cell.height - 4.0};
    FillRoundedRect(cr, cap.Moved(0, 2), 5, kGoldDark);
    FillPlate(cr, cap, 5, kGoldLight, kGold, kGoldDark, 1);
    const Box badge{cap.x + 1, cap.y + 1, 10, cap.height - 2};
    FillRoundedRect(cr, badge, 4, kTealDark);
    DrawCentred(cr, std::to_string(platform::PadSlotOf(key) + 1), badge.x, badge.y, badge.width,
                badge.height, Font{10, Weight::Bold}, kWhite);
    const int button = platform::PadButtonOf(key);
    const std::string label = PadLabel(button);
    // A letter or an arrow (three bytes of UTF-8) is drawn large, longer names smaller.
    const bool oneGlyph = label.size() == 1 || (label.size() == 3 && label[0] & 0x80);
    const double left = badge.Right(), width = cap.Right() - left;
    DrawCentred(cr, label, left, cap.y, width, cap.height,
                FittingFont(label, width - 2, oneGlyph ? 14 : 10), LabelColour(button));
    return true;
}

// A teal cap with a small phone at the left and the phone's slot number beside it.
bool PaintPhoneKeyLabel(const Cell& cell) {
    using namespace palette;
    const int32_t key = platform::PhoneKeyOfFrame(cell.frame);
    if (key == 0) return false;
    cairo_t* cr = cell.cr;
    const Box cap{1, 1, cell.width - 2.0, cell.height - 4.0};
    FillRoundedRect(cr, cap.Moved(0, 2), 5, kTealDark);
    FillPlate(cr, cap, 5, kWhite, kTeal, kTealDark, 1);
    const Box phone{cap.x + 3, cap.y + 2, 8, cap.height - 4};
    FillRoundedRect(cr, phone, 2, kInk);
    FillRoundedRect(cr, Box{phone.x + 1.5, phone.y + 2, phone.width - 3, phone.height - 5}, 1,
                    kSky);
    const double left = phone.Right() + 1, width = cap.Right() - left;
    DrawCentred(cr, std::to_string(platform::PhoneSlotOf(key) + 1), left, cap.y, width,
                cap.height, Font{12, Weight::Bold}, kInk);
    return true;
}

}  // namespace art
