#include "multi_pictures.h"

#include "buttons.h"
#include "icons.h"
#include "menu_pictures.h"
#include "shapes.h"
#include "text.h"

#include <cmath>
#include <string>

namespace art {

void PaintAvatar(const Cell& cell, int player) {
    using namespace palette;
    cairo_t* cr = cell.cr;
    const Rgb colour = PlayerColour(player);
    const Box tag{2, 3, cell.width - 4.0, cell.height - 6.0};
    FillPlate(cr, tag, tag.height / 2, Lighter(colour, 0.1), Darker(colour, 0.2), Darker(colour, 0.4), 1.5);
    Sheen(cr, tag.Inset(1.5), tag.height / 2 - 1.5, 0.25);
    // A round face on the left end.
    const double cx = tag.x + tag.height / 2, cy = tag.CentreY(), r = tag.height / 2 - 3;
    Disc(cr, cx, cy, r, kCream, Darker(colour, 0.4), 1.5);
    for (int eye : {-1, 1}) {
        CirclePath(cr, cx + eye * r * 0.35, cy - r * 0.2, r * 0.13);
        SetColour(cr, kInk);
        cairo_fill(cr);
    }
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy + r * 0.05, r * 0.5, M_PI * 0.15, M_PI * 0.85);
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 1.8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    DrawCentred(cr, "Hráč " + std::to_string(player + 1), cx + r + 2, tag.y, tag.Right() - cx - r - 6, tag.height,
                Font{15, Weight::Bold}, kNightTop);
}

void PaintSelectSwitch(const Cell& cell) {
    const double on = 1 - double(cell.frame) / (cell.frames - 1);
    PaintToggle(cell.cr, Box{3, 6, cell.width - 6.0, cell.height - 12.0}, on, true);
}

void PaintKeyButton(const Cell& cell, int player) {
    PaintRoundButton(cell, ButtonStyle{Darker(PlayerColour(player), 0.1), Icon::Key, "", 0});
}

void PaintNextButton(const Cell& cell) {
    PaintPillButton(cell, ButtonStyle{palette::kGreen, Icon::Play, "Hrát", 24});
}

}  // namespace art
