#include "resources.h"

#include "icons.h"
#include "shapes.h"

#include <cmath>

namespace art {

void PaintWindowIcon(const Cell& cell) {
    DrawEmblem(cell.cr, cell.width / 2.0 + 2, cell.height / 2.0 - 2, cell.width * 0.98);
}

void PaintArrowCursor(const Cell& cell) {
    cairo_t* cr = cell.cr;
    cairo_move_to(cr, 1, 1);
    cairo_line_to(cr, 1, 23);
    cairo_line_to(cr, 7, 18);
    cairo_line_to(cr, 11, 27);
    cairo_line_to(cr, 15, 25);
    cairo_line_to(cr, 11, 17);
    cairo_line_to(cr, 18, 17);
    cairo_close_path(cr);
    SetColour(cr, palette::kGold);
    cairo_fill_preserve(cr);
    SetColour(cr, palette::kNightTop);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_stroke(cr);
}

void PaintBusyCursor(const Cell& cell) {
    cairo_t* cr = cell.cr;
    Disc(cr, 15, 15, 13, palette::kGold, palette::kNightTop, 2);
    DrawIcon(cr, Icon::Clock, 15, 15, 22, palette::kNightTop);
}

}  // namespace art
