#include "icons.h"

#include "shapes.h"
#include "text.h"

#include <cmath>

namespace art {
namespace {

void Stroke(cairo_t* cr, const Rgb& colour, double width) {
    SetColour(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void Fill(cairo_t* cr, const Rgb& colour) {
    SetColour(cr, colour);
    cairo_fill(cr);
}

void PersonPath(cairo_t* cr, double cx, double cy, double s) {
    CirclePath(cr, cx, cy - s * 0.2, s * 0.19);
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx - s * 0.36, cy + s * 0.42);
    cairo_curve_to(cr, cx - s * 0.36, cy + s * 0.02, cx - s * 0.2, cy + s * 0.02, cx, cy + s * 0.02);
    cairo_curve_to(cr, cx + s * 0.2, cy + s * 0.02, cx + s * 0.36, cy + s * 0.02, cx + s * 0.36, cy + s * 0.42);
    cairo_close_path(cr);
}

// A phone showing three answer bars between two pupils' heads and shoulders.
void DrawPhones(cairo_t* cr, double cx, double cy, double s, const Rgb& colour) {
    PersonPath(cr, cx - s * 0.38, cy + s * 0.08, s * 0.5);
    PersonPath(cr, cx + s * 0.38, cy + s * 0.08, s * 0.5);
    Fill(cr, colour);
    const Box body{cx - s * 0.15, cy - s * 0.32, s * 0.3, s * 0.62};
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    RoundedRectPath(cr, body, s * 0.05);
    RoundedRectPath(cr, body.Inset(s * 0.04), s * 0.02);
    Fill(cr, colour);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    for (int k = 0; k < 3; ++k) {
        RoundedRectPath(cr, {body.x + s * 0.07, body.y + s * (0.1 + 0.15 * k), body.width - s * 0.14, s * 0.09},
                        s * 0.02);
        Fill(cr, colour);
    }
}

void ArrowPath(cairo_t* cr, double cx, double cy, double s, int direction) {
    const double d = direction;
    cairo_move_to(cr, cx + d * s * 0.38, cy);
    cairo_line_to(cr, cx - d * s * 0.05, cy - s * 0.36);
    cairo_line_to(cr, cx - d * s * 0.05, cy - s * 0.14);
    cairo_line_to(cr, cx - d * s * 0.38, cy - s * 0.14);
    cairo_line_to(cr, cx - d * s * 0.38, cy + s * 0.14);
    cairo_line_to(cr, cx - d * s * 0.05, cy + s * 0.14);
    cairo_line_to(cr, cx - d * s * 0.05, cy + s * 0.36);
    cairo_close_path(cr);
}

void DrawTrophy(cairo_t* cr, double cx, double cy, double s, const Rgb& colour) {
    cairo_move_to(cr, cx - s * 0.3, cy - s * 0.38);
    cairo_line_to(cr, cx + s * 0.3, cy - s * 0.38);
    cairo_curve_to(cr, cx + s * 0.3, cy + s * 0.02, cx + s * 0.15, cy + s * 0.1, cx, cy + s * 0.1);
    cairo_curve_to(cr, cx - s * 0.15, cy + s * 0.1, cx - s * 0.3, cy + s * 0.02, cx - s * 0.3, cy - s * 0.38);
    cairo_close_path(cr);
    Fill(cr, colour);
    for (int side : {-1, 1}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx + side * s * 0.3, cy - s * 0.22, s * 0.13, side > 0 ? -M_PI / 2 : M_PI / 2,
                  side > 0 ? M_PI / 2 : 3 * M_PI / 2);
        Stroke(cr, colour, s * 0.07);
    }
    cairo_rectangle(cr, cx - s * 0.06, cy + s * 0.08, s * 0.12, s * 0.16);
    cairo_rectangle(cr, cx - s * 0.22, cy + s * 0.24, s * 0.44, s * 0.12);
    Fill(cr, colour);
}

void DrawClock(cairo_t* cr, double cx, double cy, double s, const Rgb& colour) {
    CirclePath(cr, cx, cy, s * 0.4);
    Stroke(cr, colour, s * 0.09);
    cairo_move_to(cr, cx, cy - s * 0.25);
    cairo_line_to(cr, cx, cy);
    cairo_line_to(cr, cx + s * 0.18, cy + s * 0.1);
    Stroke(cr, colour, s * 0.08);
    for (int tick = 0; tick < 12; tick += 3) {
        const double angle = tick * M_PI / 6;
        cairo_move_to(cr, cx + std::sin(angle) * s * 0.3, cy - std::cos(angle) * s * 0.3);
        cairo_line_to(cr, cx + std::sin(angle) * s * 0.34, cy - std::cos(angle) * s * 0.34);
        Stroke(cr, colour, s * 0.05);
    }
}

void DrawReplay(cairo_t* cr, double cx, double cy, double s, const Rgb& colour) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, s * 0.3, -M_PI * 0.35, M_PI * 1.45);
    Stroke(cr, colour, s * 0.1);
    const double ax = cx + std::cos(-M_PI * 0.35) * s * 0.3;
    const double ay = cy + std::sin(-M_PI * 0.35) * s * 0.3;
    cairo_move_to(cr, ax + s * 0.17, ay - s * 0.02);
    cairo_line_to(cr, ax - s * 0.05, ay - s * 0.16);
    cairo_line_to(cr, ax - s * 0.03, ay + s * 0.12);
    cairo_close_path(cr);
    Fill(cr, colour);
}

void DrawBack(cairo_t* cr, double cx, double cy, double s, const Rgb& colour) {
    cairo_move_to(cr, cx + s * 0.3, cy + s * 0.3);
    cairo_curve_to(cr, cx + s * 0.34, cy - s * 0.1, cx + s * 0.1, cy - s * 0.12, cx - s * 0.12, cy - s * 0.12);
    Stroke(cr, colour, s * 0.12);
    cairo_move_to(cr, cx - s * 0.38, cy - s * 0.12);
    cairo_line_to(cr, cx - s * 0.1, cy - s * 0.36);
    cairo_line_to(cr, cx - s * 0.1, cy + s * 0.12);
    cairo_close_path(cr);
    Fill(cr, colour);
}

void DrawHome(cairo_t* cr, double cx, double cy, double s, const Rgb& colour) {
    cairo_move_to(cr, cx, cy - s * 0.4);
    cairo_line_to(cr, cx + s * 0.4, cy - s * 0.02);
    cairo_line_to(cr, cx + s * 0.28, cy - s * 0.02);
    cairo_line_to(cr, cx + s * 0.28, cy + s * 0.36);
    cairo_line_to(cr, cx + s * 0.08, cy + s * 0.36);
    cairo_line_to(cr, cx + s * 0.08, cy + s * 0.12);
    cairo_line_to(cr, cx - s * 0.08, cy + s * 0.12);
    cairo_line_to(cr, cx - s * 0.08, cy + s * 0.36);
    cairo_line_to(cr, cx - s * 0.28, cy + s * 0.36);
    cairo_line_to(cr, cx - s * 0.28, cy - s * 0.02);
    cairo_line_to(cr, cx - s * 0.4, cy - s * 0.02);
    cairo_close_path(cr);
    Fill(cr, colour);
}

// A key cap with a question mark cut out of it.
void DrawKey(cairo_t* cr, double cx, double cy, double s, const Rgb& colour) {
    cairo_push_group(cr);
    const Box cap{cx - s * 0.44, cy - s * 0.4, s * 0.88, s * 0.8};
    RoundedRectPath(cr, cap, s * 0.14);
    Fill(cr, colour);
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    RoundedRectPath(cr, Box{cap.x + s * 0.1, cap.Bottom() - s * 0.14, cap.width - s * 0.2, s * 0.05}, s * 0.02);
    Fill(cr, colour);
    DrawCentred(cr, "?", cap.x, cap.y - s * 0.04, cap.width, cap.height, Font{s * 0.62, Weight::Bold}, colour);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}

}  // namespace

void HeartPath(cairo_t* cr, double cx, double cy, double width) {
    const double w = width / 2;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy + w * 0.85);
    cairo_curve_to(cr, cx - w * 0.2, cy + w * 0.6, cx - w, cy + w * 0.2, cx - w, cy - w * 0.3);
    cairo_curve_to(cr, cx - w, cy - w * 0.85, cx - w * 0.2, cy - w * 1.0, cx, cy - w * 0.5);
    cairo_curve_to(cr, cx + w * 0.2, cy - w * 1.0, cx + w, cy - w * 0.85, cx + w, cy - w * 0.3);
    cairo_curve_to(cr, cx + w, cy + w * 0.2, cx + w * 0.2, cy + w * 0.6, cx, cy + w * 0.85);
    cairo_close_path(cr);
}

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner) {
    cairo_new_sub_path(cr);
    for (int point = 0; point < 10; ++point) {
        const double angle = -M_PI / 2 + point * M_PI / 5;
        const double radius = point % 2 == 0 ? outer : inner;
        const double x = cx + std::cos(angle) * radius, y = cy + std::sin(angle) * radius;
        if (point == 0) {
            cairo_move_to(cr, x, y);
        } else {
            cairo_line_to(cr, x, y);
        }
    }
    cairo_close_path(cr);
}

void DrawIcon(cairo_t* cr, Icon icon, double cx, double cy, double s, const Rgb& colour) {
    cairo_save(cr);
    switch (icon) {
        case Icon::Person:
            PersonPath(cr, cx, cy, s);
            Fill(cr, colour);
            break;
        case Icon::People:
            PersonPath(cr, cx - s * 0.25, cy + s * 0.02, s * 0.7);
            PersonPath(cr, cx + s * 0.25, cy + s * 0.02, s * 0.7);
            Fill(cr, colour);
            PersonPath(cr, cx, cy + s * 0.08, s * 0.8);
            SetColour(cr, colour);
            cairo_fill_preserve(cr);
            break;
        case Icon::Trophy: DrawTrophy(cr, cx, cy, s, colour); break;
        case Icon::Phones: DrawPhones(cr, cx, cy, s, colour); break;
        case Icon::Question:
            DrawCentred(cr, "?", cx - s / 2, cy - s / 2, s, s, Font{s * 0.9, Weight::Bold}, colour);
            break;
        case Icon::Clock: DrawClock(cr, cx, cy, s, colour); break;
        case Icon::Heart:
            HeartPath(cr, cx, cy + s * 0.04, s * 0.86);
            Fill(cr, colour);
            break;
        case Icon::Check:
            cairo_move_to(cr, cx - s * 0.32, cy + s * 0.02);
            cairo_line_to(cr, cx - s * 0.08, cy + s * 0.26);
            cairo_line_to(cr, cx + s * 0.34, cy - s * 0.24);
            Stroke(cr, colour, s * 0.16);
            break;
        case Icon::Cross:
            cairo_move_to(cr, cx - s * 0.26, cy - s * 0.26);
            cairo_line_to(cr, cx + s * 0.26, cy + s * 0.26);
            cairo_move_to(cr, cx + s * 0.26, cy - s * 0.26);
            cairo_line_to(cr, cx - s * 0.26, cy + s * 0.26);
            Stroke(cr, colour, s * 0.16);
            break;
        case Icon::ArrowLeft:
            ArrowPath(cr, cx, cy, s, -1);
            Fill(cr, colour);
            break;
        case Icon::ArrowRight:
            ArrowPath(cr, cx, cy, s, 1);
            Fill(cr, colour);
            break;
        case Icon::Back: DrawBack(cr, cx, cy, s, colour); break;
        case Icon::Home: DrawHome(cr, cx, cy, s, colour); break;
        case Icon::Play:
            cairo_move_to(cr, cx - s * 0.24, cy - s * 0.34);
            cairo_line_to(cr, cx + s * 0.36, cy);
            cairo_line_to(cr, cx - s * 0.24, cy + s * 0.34);
            cairo_close_path(cr);
            SetColour(cr, colour);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_set_line_width(cr, s * 0.08);
            cairo_stroke_preserve(cr);
            cairo_fill(cr);
            break;
        case Icon::Replay: DrawReplay(cr, cx, cy, s, colour); break;
        case Icon::Info:
            CirclePath(cr, cx, cy - s * 0.3, s * 0.09);
            Fill(cr, colour);
            cairo_move_to(cr, cx, cy - s * 0.08);
            cairo_line_to(cr, cx, cy + s * 0.34);
            Stroke(cr, colour, s * 0.17);
            break;
        case Icon::Minimise:
            cairo_move_to(cr, cx - s * 0.28, cy + s * 0.2);
            cairo_line_to(cr, cx + s * 0.28, cy + s * 0.2);
            Stroke(cr, colour, s * 0.16);
            break;
        case Icon::Close:
            cairo_move_to(cr, cx - s * 0.24, cy - s * 0.24);
            cairo_line_to(cr, cx + s * 0.24, cy + s * 0.24);
            cairo_move_to(cr, cx + s * 0.24, cy - s * 0.24);
            cairo_line_to(cr, cx - s * 0.24, cy + s * 0.24);
            Stroke(cr, colour, s * 0.15);
            break;
        case Icon::SortDown:
            cairo_move_to(cr, cx - s * 0.3, cy - s * 0.15);
            cairo_line_to(cr, cx + s * 0.3, cy - s * 0.15);
            cairo_line_to(cr, cx, cy + s * 0.22);
            cairo_close_path(cr);
            Fill(cr, colour);
            break;
        case Icon::Star:
            StarPath(cr, cx, cy + s * 0.03, s * 0.46, s * 0.2);
            Fill(cr, colour);
            break;
        case Icon::Key: DrawKey(cr, cx, cy, s, colour); break;
    }
    cairo_new_path(cr);
    cairo_restore(cr);
}

void DrawEmblem(cairo_t* cr, double cx, double cy, double size) {
    const double r = size * 0.42;
    cairo_save(cr);
    // The bubble's tail, then the bubble over it.
    cairo_move_to(cr, cx - r * 0.55, cy + r * 0.55);
    cairo_line_to(cr, cx - r * 0.95, cy + r * 1.12);
    cairo_line_to(cr, cx - r * 0.05, cy + r * 0.8);
    cairo_close_path(cr);
    SetColour(cr, palette::kGoldDark);
    cairo_fill(cr);
    Disc(cr, cx, cy, r, palette::kGold, palette::kGoldDark, std::max(1.0, size * 0.04));
    DrawCentred(cr, "?", cx - r, cy - r * 0.92, 2 * r, 2 * r, Font{r * 1.55, Weight::Bold},
                palette::kNightTop);
    cairo_restore(cr);
}

void DrawWordmark(cairo_t* cr, double cx, double cy, double height) {
    const Font font{height, Weight::Bold};
    const Extent extent = MeasureText("Brellik", font);
    const double x = cx - extent.width / 2, y = cy - extent.height / 2;
    // Outline in dark gold, then the gold letters with a light top.
    cairo_save(cr);
    for (int dx = -2; dx <= 2; ++dx) {
        for (int dy = -2; dy <= 3; ++dy) {
            if (dx * dx + dy * dy > 6) continue;
            DrawText(cr, "Brellik", x + dx * height / 40, y + dy * height / 40, font, palette::kGoldDark);
        }
    }
    cairo_push_group(cr);
    DrawText(cr, "Brellik", x, y, font, palette::kGold);
    cairo_pattern_t* shine = cairo_pattern_create_linear(0, y + extent.height * 0.2, 0, y + extent.height * 0.8);
    cairo_pattern_add_color_stop_rgba(shine, 0, 1, 1, 0.9, 0.75);
    cairo_pattern_add_color_stop_rgba(shine, 1, 1, 1, 0.9, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    cairo_set_source(cr, shine);
    cairo_paint(cr);
    cairo_pattern_destroy(shine);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    cairo_restore(cr);
}

}  // namespace art
