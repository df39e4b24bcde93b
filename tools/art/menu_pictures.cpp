#include "menu_pictures.h"

#include "buttons.h"
#include "look.h"
#include "shapes.h"
#include "text.h"

#include <cmath>

namespace art {
namespace {

// The icon sits in (0, 0, 110, 100) and the label in (67, 51, 273, 97): the areas the
// screens hit-test.
constexpr double kIconX = 54, kIconY = 50, kIconRadius = 43;
constexpr Box kLabel{70, 56, 199, 38};

bool IsLight(const Rgb& colour) { return 0.3 * colour.r + 0.59 * colour.g + 0.11 * colour.b > 0.62; }

}  // namespace

void PaintMenuButton(const Cell& cell, const MenuButton& button) {
    using namespace palette;
    cairo_t* cr = cell.cr;
    const Look look = LookOf(cell);
    const double dy = look.pressed ? 2 : 0;
    // Label pill first: the icon overlaps its left end. The pointer lights its rim and
    // turns the label gold; the pill stays dark so the label reads in every frame.
    const Box label = kLabel.Moved(0, dy);
    if (!look.pressed) FillRoundedRect(cr, kLabel.Moved(0, 3), kLabel.height / 2, Darker(kSlate, 0.5), 0.8);
    if (!look.disabled && look.hover > 0) {
        for (int ring = 4; ring >= 1; --ring) {
            FillRoundedRect(cr, label.Inset(-ring), label.height / 2 + ring, kGoldLight, 0.14 * look.hover);
        }
    }
    const Rgb pillTop = look.disabled ? Greyed(kSlateLight) : Mix(kSlateLight, Lighter(kSlateLight, 0.18), look.hover);
    const Rgb pillBottom = look.disabled ? Greyed(kSlate) : Mix(kSlate, kSlateLight, look.hover);
    const Rgb pillRim = look.disabled ? kGrey : Mix(kGold, kGoldLight, look.hover);
    FillPlate(cr, label, label.height / 2, pillTop, pillBottom, pillRim, 2 + look.hover);
    Sheen(cr, label.Inset(2), label.height / 2 - 2, 0.18);
    const Rgb text = look.disabled ? kGreyLight : Mix(kWhite, kGoldLight, look.hover);
    DrawCentred(cr, button.label, label.x + 36, label.y, label.width - 44, label.height,
                Font{21, Weight::Bold}, text);
    // The icon: a halo while highlighted, and a little swell half-way through the hover.
    const double swell = 1 + 0.4 * look.hover * (1 - look.hover);
    const double radius = kIconRadius * (0.96 + 0.04 * look.hover) * swell;
    if (!look.disabled) Halo(cr, kIconX, kIconY + dy, radius - 2, 8, kGoldLight, 0.55 * look.hover);
    if (!look.pressed) {
        CirclePath(cr, kIconX, kIconY + 3, radius);
        SetColour(cr, Darker(kSlate, 0.5), 0.7);
        cairo_fill(cr);
    }
    const Rgb face = FaceColour(button.colour, look);
    const Rgb rim = look.disabled ? kGrey : Mix(kWhite, kGoldLight, look.hover);
    Disc(cr, kIconX, kIconY + dy, radius, face, rim, 3);
    const Rgb ink = look.disabled ? kGreyLight : IsLight(button.colour) ? kNightTop : kWhite;
    DrawIcon(cr, button.icon, kIconX, kIconY + dy, radius * 1.15, ink);
}

void PaintBackButton(const Cell& cell) {
    PaintRoundButton(cell, ButtonStyle{palette::kSky, Icon::Back, "", 0});
}

void PaintToggle(cairo_t* cr, const Box& track, double on, bool labelled) {
    using namespace palette;
    const double radius = track.height / 2;
    FillRoundedRect(cr, track.Moved(0, 2), radius, Darker(kSlate, 0.5), 0.8);
    const Rgb fill = Mix(kGrey, kGreen, on);
    FillPlate(cr, track, radius, Darker(fill, 0.15), Lighter(fill, 0.1), Mix(kSlateBorder, kGreenDark, on), 2);
    if (labelled) {
        const Font font{11, Weight::Bold};
        const Box left{track.x + 4, track.y, track.width / 2 - 2, track.height};
        const Box right{track.CentreX() - 2, track.y, track.width / 2 - 2, track.height};
        cairo_push_group(cr);
        DrawCentred(cr, "ZAP", left.x, left.y, left.width, left.height, font, kWhite);
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, on);
        cairo_push_group(cr);
        DrawCentred(cr, "VYP", right.x, right.y, right.width, right.height, font, kWhite);
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, 1 - on);
    }
    const double knobRadius = radius - 3;
    const double knobX = track.x + radius + on * (track.width - 2 * radius);
    Disc(cr, knobX, track.CentreY(), knobRadius, kWhite, Mix(kGreyLight, kGold, on), 1.5);
}

void PaintAnswerSwitch(const Cell& cell) {
    using namespace palette;
    const double on = double(cell.frame) / (cell.frames - 1);
    const Box track{6, 17, 66, 30};
    PaintToggle(cell.cr, track, on, true);
    const Rgb text = Mix(kMuted, kWhite, on);
    DrawText(cell.cr, "Ukázat správnou\nodpověď", 82, 12, Font{16, Weight::Bold}, text);
}

}  // namespace art
