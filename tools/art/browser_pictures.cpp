#include "browser_pictures.h"

#include "buttons.h"
#include "menu_pictures.h"
#include "shapes.h"
#include "text.h"

namespace art {

void PaintBrowserMark(const Cell& cell) {
    using namespace palette;
    cairo_t* cr = cell.cr;
    const double cx = cell.width / 2.0, cy = 22, r = 20;
    Halo(cr, cx, cy, r, 6, kGreen, 0.5);
    Disc(cr, cx, cy, r, kGreen, kWhite, 2.5);
    DrawIcon(cr, Icon::Check, cx, cy, 26, kWhite);
    FillRoundedRect(cr, Box{2, 44, cell.width - 4.0, 15}, 7.5, kGreenDark);
    DrawCentred(cr, "správně", 2, 44, cell.width - 4.0, 15, Font{11, Weight::Bold}, kWhite);
}

void PaintQuizSwitch(const Cell& cell) {
    using namespace palette;
    const double on = double(cell.frame) / (cell.frames - 1);
    DrawCentred(cell.cr, "Kvíz", 0, 2, cell.width, 22, Font{17, Weight::Bold}, Mix(kMuted, kWhite, on));
    PaintToggle(cell.cr, Box{14, 27, cell.width - 28.0, 28}, on, true);
    DrawCentred(cell.cr, on >= 0.5 ? "odpověď skrytá" : "odpověď hned", 0, 58, cell.width, 18, Font{12},
                Mix(kMuted, kGoldLight, on));
}

void PaintBrowserButton(const Cell& cell, Icon icon, std::string_view caption) {
    PaintRoundButton(cell, ButtonStyle{icon == Icon::Home ? palette::kSky : palette::kTeal, icon, caption, 0});
}

}  // namespace art
