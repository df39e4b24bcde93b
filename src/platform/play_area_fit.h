// Where the play area sits in a window of any size, and the way back from a window point to
// a play-area point.
//
// Design notes: what the engine is told about the screen.
// The engine was written for a screen it covers with one window, the 800 x 600 play area
// centred on it and drawn from a 1024 x 768 back buffer in the display's own format. Here
// the play area is instead scaled to the largest 4:3 rectangle of the window (bars around
// it), so the SDL backend reports a screen of exactly 800 x 600 at the desktop's depth:
//  - the start-up check (at least 800 pixels wide) passes on every desktop that is at least
//    800 pixels wide; a narrower desktop is reported as it is, so the check still refuses it;
//  - the depth check and the green probe still see the desktop's real format, and the back
//    buffer stays 1024 x 768 in that format, which is also the streaming texture's format,
//    so presenting converts nothing;
//  - the play-area origin (screen size - 800 x 600) / 2 becomes (0, 0): the engine's mouse
//    positions are play-area points, which the backend computes from window points with
//    WindowToPlayArea, so every hit test stays as it is;
//  - the engine presents its back buffer at that origin; the top-left 800 x 600 of it is
//    what a real 800 x 600 screen would show, and that is what gets scaled.
#pragma once

namespace platform {

constexpr int kPlayAreaWidth = 800;
constexpr int kPlayAreaHeight = 600;

// Smooth: the largest 4:3 size that fits, with linear filtering. Integer: the largest whole
// multiple of 800 x 600 that fits, for crisp pixels (the smooth fit when not even one fits).
enum class ScaleMode { Smooth, Integer };

struct PictureRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PictureRect&) const = default;
};

// The play area's rectangle in a window of `width` x `height`, centred.
PictureRect FitPlayArea(int width, int height, ScaleMode mode);

// A window size asked for (WxH) cut to the display's size, side by side: no larger window
// can be seen whole, and the window's pixels cost memory. True when it was cut.
bool FitWindowToDisplay(int& width, int& height, int displayWidth, int displayHeight);

struct PlayAreaPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PlayAreaPoint&) const = default;
};

// The play-area pixel under window pixel (x, y) of a window showing the play area at
// `picture`. Points on the bars fall outside 0..799 x 0..599 (negative on the left and top).
PlayAreaPoint WindowToPlayArea(const PictureRect& picture, int x, int y);

}  // namespace platform
