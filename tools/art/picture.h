// What the generator knows about one picture the screens load: its name, its geometry
// (frames side by side, rows one under another), how the game copies it, where the
// control stands on which screen, and the painter that draws one frame of it.
#pragma once

#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

namespace art {

class Library;

enum class Role {
    Background,  // a whole back buffer, copied by the frame every frame
    Button,      // four rows: normal, focused, pressed, disabled
    Animation,   // the hover strip of an animated button
    Picture,     // an animated picture: frames side by side
    Hint,        // a one-line hint at the bottom edge
    Overlay,     // a help, credits or advert picture over the screen
    Fade,        // one of the two pictures a fade picture blends
    Resource,    // the window icon and the cursors
};

// How the game copies the picture: opaque, or keyed (magenta pixels are skipped).
enum class Copy { Opaque, Keyed };

// Edges of keyed pictures: blended into the one background they sit on, or hard
// (aliased) where they sit on several different ones.
enum class Edge { Blend, Hard };

// How an animation strip is played: once forwards when the pointer enters (its last
// frame is the hover look), or looping while the pointer stays.
enum class Motion { None, Forward, Loop };

// Where the control stands: the picture's top-left corner at (x, y) of the host, a
// background or another picture. The first placement is the one the picture is painted on.
struct Placement {
    std::string host;
    int x = 0;
    int y = 0;
};

struct Cell {
    cairo_t* cr;
    int frame;
    int row;
    int width;
    int height;
    int frames;
    int rows;
    Motion motion;
    Library& library;
};

using Painter = std::function<void(const Cell&)>;

struct PictureSpec {
    std::string name;  // as the screens name it, below "Bitmaps\", without extension
    Role role = Role::Picture;
    int width = 0;     // one frame
    int height = 0;    // one row
    int frames = 1;
    int rows = 1;
    Copy copy = Copy::Opaque;
    Edge edge = Edge::Blend;
    Motion motion = Motion::None;
    std::vector<Placement> placements;
    Painter paint;

    int StripWidth() const { return width * frames; }
    int StripHeight() const { return height * rows; }
    // Keyed pictures and the resources are BMP files (the only format that keeps the key
    // colour through the loaders); everything else is PNG.
    bool IsBmp() const { return copy == Copy::Keyed || role == Role::Resource; }
};

}  // namespace art
