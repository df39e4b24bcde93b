// Text through pango on the game's one type family. The fonts come from a private
// fontconfig set holding only Liberation Sans, with fixed rendering options, so the
// pictures do not change with the fonts or settings of the machine that builds them.
#pragma once

#include "style.h"

#include <cairo.h>

#include <string_view>

namespace art {

enum class Align { Left, Centre, Right };

struct Font {
    double size = 16;  // pixels
    Weight weight = Weight::Regular;
};

struct Extent {
    double width = 0;
    double height = 0;
};

// The size of `utf8` set in one line (or in lines of at most `wrapWidth` when above 0).
Extent MeasureText(std::string_view utf8, const Font& font, double wrapWidth = 0);

// Draws `utf8` with its top-left corner at (x, y); with `wrapWidth` above 0 the text is
// broken into lines of that width and aligned within it. Returns the height used.
double DrawText(cairo_t* cr, std::string_view utf8, double x, double y, const Font& font,
                const Rgb& colour, double wrapWidth = 0, Align align = Align::Left);

// Centres `utf8` in the box, shrinking the font until it fits the box's width (and height
// when the text wraps). Lines are broken at '\n' only.
void DrawCentred(cairo_t* cr, std::string_view utf8, double x, double y, double width,
                 double height, Font font, const Rgb& colour);

// The same, with a soft dark shadow under the letters for text over busy backgrounds.
void DrawCentredWithShadow(cairo_t* cr, std::string_view utf8, double x, double y,
                           double width, double height, const Font& font, const Rgb& colour);

}  // namespace art
