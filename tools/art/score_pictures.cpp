#include "score_pictures.h"

#include "buttons.h"
#include "icons.h"
#include "look.h"
#include "shapes.h"
#include "text.h"

namespace art {

void PaintSortButton(const Cell& cell, std::string_view label) {
    using namespace palette;
    cairo_t* cr = cell.cr;
    const Look look = LookOf(cell);
    Box face{2, 4, cell.width - 4.0, cell.height - 9.0};
    if (look.pressed) face = face.Moved(0, 1.5);
    else FillRoundedRect(cr, face.Moved(0, 2), 8, kGoldDark, 0.6);
    const Rgb fill = look.disabled ? Greyed(kGoldLight) : Mix(kGoldLight, kGold, look.hover);
    FillPlate(cr, face, 8, Lighter(fill, 0.25), fill, look.disabled ? kGrey : kGoldDark, 1.5);
    const Rgb ink = look.disabled ? kGrey : kNightTop;
    DrawCentred(cr, label, face.x + 2, face.y, face.width - 18, face.height, Font{15, Weight::Bold}, ink);
    DrawIcon(cr, Icon::SortDown, face.Right() - 10, face.CentreY() + 1, 12, ink);
}

void PaintPlayAgain(const Cell& cell) {
    PaintPillButton(cell, ButtonStyle{palette::kGreen, Icon::Replay, "Hrát znovu", 21});
}

void PaintTableArrow(const Cell& cell, bool next) {
    const Look look = LookOf(cell);
    const ButtonStyle style{palette::kTeal, next ? Icon::ArrowRight : Icon::ArrowLeft, "", 0};
    PaintRound(cell.cr, cell.width / 2.0, cell.height / 2.0 - 1, cell.height / 2.0 - 3, style, look);
}

void PaintMenuRoundButton(const Cell& cell, std::string_view caption) {
    PaintRoundButton(cell, ButtonStyle{palette::kSky, Icon::Home, caption, 0});
}

}  // namespace art
