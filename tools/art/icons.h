// Vector symbols for buttons and pictures. Each is drawn centred on (cx, cy) to fit a
// square of side `size`, in one colour.
#pragma once

#include "style.h"

#include <cairo.h>

namespace art {

enum class Icon {
    Person,     // one player
    People,     // several players
    Trophy,     // score tables
    Question,   // the question browser
    Clock,      // the clock game
    Heart,      // the lives game
    Check,
    Cross,
    ArrowLeft,
    ArrowRight,
    Back,       // a curved arrow back
    Home,
    Play,
    Replay,
    Info,
    Minimise,
    Close,
    SortDown,
    Star,
    Key,
    Phones,     // the class game: a phone with three answers before a row of pupils
};

void DrawIcon(cairo_t* cr, Icon icon, double cx, double cy, double size, const Rgb& colour);

// A heart shape path of the given width, centred on (cx, cy).
void HeartPath(cairo_t* cr, double cx, double cy, double width);
// A five-pointed star path.
void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner);

// The game's emblem: a gold speech bubble with a question mark.
void DrawEmblem(cairo_t* cr, double cx, double cy, double size);
// The word "Brellik" in the title style, centred on (cx, cy), `height` pixels tall.
void DrawWordmark(cairo_t* cr, double cx, double cy, double height);

}  // namespace art
