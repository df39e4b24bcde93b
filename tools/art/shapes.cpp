#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace art {

void SetColour(cairo_t* cr, const Rgb& colour, double alpha) {
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

void RoundedRectPath(cairo_t* cr, const Box& box, double radius) {
    const double r = std::min({radius, box.width / 2, box.height / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, box.Right() - r, box.y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, box.Right() - r, box.Bottom() - r, r, 0, M_PI / 2);
    cairo_arc(cr, box.x + r, box.Bottom() - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, box.x + r, box.y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void CirclePath(cairo_t* cr, double cx, double cy, double radius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_close_path(cr);
}

void FillRoundedRect(cairo_t* cr, const Box& box, double radius, const Rgb& colour, double alpha) {
    RoundedRectPath(cr, box, radius);
    SetColour(cr, colour, alpha);
    cairo_fill(cr);
}

void FillPlate(cairo_t* cr, const Box& box, double radius, const Rgb& top, const Rgb& bottom,
               const Rgb& border, double borderWidth) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, box.y, 0, box.Bottom());
    cairo_pattern_add_color_stop_rgb(gradient, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(gradient, 1, bottom.r, bottom.g, bottom.b);
    RoundedRectPath(cr, box, radius);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
    if (borderWidth > 0) {
        RoundedRectPath(cr, box.Inset(borderWidth / 2), radius - borderWidth / 2);
        SetColour(cr, border);
        cairo_set_line_width(cr, borderWidth);
        cairo_stroke(cr);
    }
}

void DropShadow(cairo_t* cr, const Box& box, double radius, double offset, double alpha) {
    // Stacked, widening outlines make a cheap blur that stays deterministic.
    constexpr int kSteps = 6;
    for (int step = kSteps; step >= 1; --step) {
        const double grow = step * 1.5;
        Box shadow{box.x - grow + offset, box.y - grow + offset * 1.4, box.width + 2 * grow,
                   box.height + 2 * grow};
        FillRoundedRect(cr, shadow, radius + grow, Rgb{0, 0, 0.05}, alpha / kSteps);
    }
}

void Disc(cairo_t* cr, double cx, double cy, double radius, const Rgb& colour, const Rgb& rim,
          double rimWidth) {
    cairo_pattern_t* light = cairo_pattern_create_radial(cx - radius * 0.35, cy - radius * 0.4,
                                                         radius * 0.1, cx, cy, radius);
    const Rgb spot = Lighter(colour, 0.35);
    const Rgb edge = Darker(colour, 0.18);
    cairo_pattern_add_color_stop_rgb(light, 0, spot.r, spot.g, spot.b);
    cairo_pattern_add_color_stop_rgb(light, 0.7, colour.r, colour.g, colour.b);
    cairo_pattern_add_color_stop_rgb(light, 1, edge.r, edge.g, edge.b);
    CirclePath(cr, cx, cy, radius);
    cairo_set_source(cr, light);
    cairo_fill(cr);
    cairo_pattern_destroy(light);
    if (rimWidth > 0) {
        CirclePath(cr, cx, cy, radius - rimWidth / 2);
        SetColour(cr, rim);
        cairo_set_line_width(cr, rimWidth);
        cairo_stroke(cr);
    }
}

void Halo(cairo_t* cr, double cx, double cy, double radius, double spread, const Rgb& colour,
          double alpha) {
    if (alpha <= 0) return;
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, radius, cx, cy, radius + spread);
    cairo_pattern_add_color_stop_rgba(glow, 0, colour.r, colour.g, colour.b, alpha);
    cairo_pattern_add_color_stop_rgba(glow, 1, colour.r, colour.g, colour.b, 0);
    CirclePath(cr, cx, cy, radius + spread);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
}

void VerticalGradient(cairo_t* cr, const Box& box, const Rgb& top, const Rgb& bottom) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, box.y, 0, box.Bottom());
    cairo_pattern_add_color_stop_rgb(gradient, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(gradient, 1, bottom.r, bottom.g, bottom.b);
    cairo_rectangle(cr, box.x, box.y, box.width, box.height);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
}

void Sheen(cairo_t* cr, const Box& box, double radius, double alpha) {
    cairo_save(cr);
    RoundedRectPath(cr, box, radius);
    cairo_clip(cr);
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, box.y, 0, box.CentreY());
    cairo_pattern_add_color_stop_rgba(gradient, 0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(gradient, 1, 1, 1, 1, 0);
    cairo_rectangle(cr, box.x, box.y, box.width, box.height / 2);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
    cairo_restore(cr);
}

}  // namespace art
