// Telling whether the next frame would look different from the last one presented.
#include "frame/control.h"
#include "frame_state.h"

#include <cstdio>

namespace Interface::detail {

namespace {

DrawnControl Describe(const Control& control) {
    DrawnControl drawn;
    drawn.control = &control;
    drawn.flags = control.GetFlags() & (Control::kHidden | Control::kTransparent);
    const gfx::Surface* face = control.Picture();
    // A hidden control draws nothing, whatever its face does.
    if ((drawn.flags & Control::kHidden) || !face) return drawn;
    drawn.x = control.X();
    drawn.y = control.Y();
    drawn.picture = face;
    drawn.version = face->Version();
    drawn.keyColor = face->keyColor;
    return drawn;
}

}  // namespace

ScreenContents DescribeScreen(const char* hintText) {
    const FrameState& s = State();
    ScreenContents contents;
    if (s.background) {
        contents.background = s.background.get();
        contents.backgroundVersion = s.background->Version();
    }
    contents.controls.reserve(kControlSlots);
    for (const Control* control : s.controls) {
        if (!control) break;
        contents.controls.push_back(Describe(*control));
    }
    if (hintText) {
        const HintState& hint = s.hint;
        contents.hintShown = true;
        contents.hintText = hintText;
        contents.hintX = hint.x;
        contents.hintY = hint.y;
        contents.hintWidth = hint.extent.width;
        contents.hintHeight = hint.extent.height;
        contents.hintColors[0] = hint.textColor;
        contents.hintColors[1] = hint.backgroundColor;
        contents.hintColors[2] = hint.borderColor;
    }
    if (s.properties->showFps) {
        char text[32];
        std::snprintf(text, sizeof text, "FPS: (%d)", s.fpsShown);
        contents.fpsText = text;
    }
    if (s.properties->showStatusLine) contents.statusLine = s.statusLine;
    return contents;
}

}  // namespace Interface::detail
