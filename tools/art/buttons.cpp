#include "buttons.h"

#include "text.h"

#include <algorithm>

namespace art {

Rgb FaceColour(const Rgb& colour, const Look& look) {
    if (look.disabled) return Greyed(colour);
    const Rgb lit = Mix(colour, Lighter(colour, 0.28), look.hover);
    return look.pressed ? Darker(lit, 0.18) : lit;
}

Rgb InkColour(const Look& look) { return look.disabled ? palette::kGreyLight : palette::kWhite; }

void PaintPill(cairo_t* cr, const Box& box, const ButtonStyle& style, const Look& look) {
    using namespace palette;
    const double radius = box.height / 2;
    const Box face = look.pressed ? box.Moved(0, 1.5) : box;
    if (look.hover > 0 && !look.disabled) {
        for (int ring = 3; ring >= 1; --ring) {
            FillRoundedRect(cr, face.Inset(-ring), radius + ring, kGoldLight, 0.16 * look.hover);
        }
    }
    if (!look.pressed) FillRoundedRect(cr, box.Moved(0, 2), radius, Darker(style.colour, 0.55), 0.8);
    const Rgb fill = FaceColour(style.colour, look);
    const Rgb rim = look.disabled ? kGrey : Mix(Darker(style.colour, 0.3), kGold, look.hover);
    FillPlate(cr, face, radius, Lighter(fill, 0.12), Darker(fill, 0.08), rim, 2);
    if (!look.disabled) Sheen(cr, face.Inset(2), radius - 2, 0.22);
    double textX = face.x + radius * 0.6;
    if (style.icon) {
        const double iconSize = face.height * 0.55;
        DrawIcon(cr, *style.icon, face.x + radius * 0.35 + iconSize / 2 + 2, face.CentreY(), iconSize,
                 InkColour(look));
        textX = face.x + radius * 0.35 + iconSize + 6;
    }
    DrawCentred(cr, style.label, textX, face.y, face.Right() - radius * 0.6 - textX, face.height,
                Font{style.fontSize, Weight::Bold}, InkColour(look));
}

void PaintRound(cairo_t* cr, double cx, double cy, double radius, const ButtonStyle& style,
                const Look& look) {
    using namespace palette;
    const double dy = look.pressed ? 1.5 : 0;
    if (look.hover > 0 && !look.disabled) Halo(cr, cx, cy + dy, radius - 1, 4, kGoldLight, 0.6 * look.hover);
    if (!look.pressed) {
        CirclePath(cr, cx, cy + 2, radius);
        SetColour(cr, Darker(style.colour, 0.55), 0.8);
        cairo_fill(cr);
    }
    const Rgb fill = FaceColour(style.colour, look);
    const Rgb rim = look.disabled ? kGrey : Mix(Darker(style.colour, 0.3), kGold, look.hover);
    Disc(cr, cx, cy + dy, radius, fill, rim, std::max(1.5, radius * 0.09));
    if (style.icon) {
        DrawIcon(cr, *style.icon, cx, cy + dy, radius * 1.15, InkColour(look));
    } else {
        DrawCentred(cr, style.label, cx - radius, cy + dy - radius, 2 * radius, 2 * radius,
                    Font{style.fontSize, Weight::Bold}, InkColour(look));
    }
}

void PaintPillButton(const Cell& cell, const ButtonStyle& style) {
    const Box box{3, 2, cell.width - 6.0, cell.height - 6.0};
    PaintPill(cell.cr, box, style, LookOf(cell));
}

void PaintRoundButton(const Cell& cell, const ButtonStyle& style) {
    const Look look = LookOf(cell);
    const bool captioned = style.icon && !style.label.empty();
    const double captionHeight = captioned ? 16 : 0;
    const double radius = std::min(cell.width, int(cell.height - captionHeight)) / 2.0 - 4;
    const double cx = cell.width / 2.0, cy = 3 + radius;
    PaintRound(cell.cr, cx, cy, radius, style, look);
    if (captioned) {
        const Rgb ink = look.disabled ? palette::kGrey : Mix(palette::kWhite, palette::kGoldLight, look.hover);
        DrawCentredWithShadow(cell.cr, style.label, 0, cell.height - captionHeight - 1, cell.width,
                              captionHeight, Font{13, Weight::Bold}, ink);
    }
}

}  // namespace art
