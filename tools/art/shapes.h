// Drawing primitives shared by all painters: paths, fills, plates, discs and glows.
#pragma once

#include "style.h"

#include <cairo.h>

namespace art {

struct Box {
    double x = 0, y = 0, width = 0, height = 0;
    double Right() const { return x + width; }
    double Bottom() const { return y + height; }
    double CentreX() const { return x + width / 2; }
    double CentreY() const { return y + height / 2; }
    Box Inset(double by) const { return {x + by, y + by, width - 2 * by, height - 2 * by}; }
    Box Moved(double dx, double dy) const { return {x + dx, y + dy, width, height}; }
};

void SetColour(cairo_t* cr, const Rgb& colour, double alpha = 1.0);

void RoundedRectPath(cairo_t* cr, const Box& box, double radius);
void CirclePath(cairo_t* cr, double cx, double cy, double radius);

void FillRoundedRect(cairo_t* cr, const Box& box, double radius, const Rgb& colour, double alpha = 1.0);
// A rounded rectangle with a top-to-bottom gradient and an outline.
void FillPlate(cairo_t* cr, const Box& box, double radius, const Rgb& top, const Rgb& bottom,
               const Rgb& border, double borderWidth);
// A soft shadow under a rounded rectangle, offset down and right.
void DropShadow(cairo_t* cr, const Box& box, double radius, double offset, double alpha);
// A lit disc: a radial gradient from a light spot at the top left, with a rim.
void Disc(cairo_t* cr, double cx, double cy, double radius, const Rgb& colour, const Rgb& rim,
          double rimWidth);
// A soft halo around a circle, fading out over `spread` pixels.
void Halo(cairo_t* cr, double cx, double cy, double radius, double spread, const Rgb& colour,
          double alpha);
// A vertical gradient filling the box.
void VerticalGradient(cairo_t* cr, const Box& box, const Rgb& top, const Rgb& bottom);
// A faint white sheen over the top half of a rounded box, for a glossy look.
void Sheen(cairo_t* cr, const Box& box, double radius, double alpha);

}  // namespace art
