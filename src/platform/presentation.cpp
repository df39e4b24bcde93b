// The presentation choices shared by both backends: fullscreen or a window, the scale mode,
// and the window size asked for at start.
#include "backend.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

struct PresentationState {
    Presentation presentation;
    bool windowAsked = false;
    int windowWidth = 0;
    int windowHeight = 0;
};

PresentationState& State() {
    static PresentationState state;
    return state;
}

bool ParseSize(const char* text, int& width, int& height) {
    if (!text) return false;
    int w = 0, h = 0;
    char rest = 0;
    if (std::sscanf(text, "%dx%d%c", &w, &h, &rest) != 2) return false;
    if (w <= 0 || h <= 0 || w > 16384 || h > 16384) return false;
    width = w;
    height = h;
    return true;
}

}  // namespace

void SetPresentation(const Presentation& presentation) {
    State().presentation = presentation;
    if (HasBackend()) CurrentBackend().ApplyPresentation();
}

Presentation GetPresentation() { return State().presentation; }

void SetFullscreen(bool fullscreen) {
    Presentation presentation = State().presentation;
    presentation.fullscreen = fullscreen;
    SetPresentation(presentation);
}

bool StartInWindow(const char* sizeText) {
    PresentationState& s = State();
    if (!ParseSize(sizeText, s.windowWidth, s.windowHeight)) return false;
    s.windowAsked = true;
    return true;
}

bool WindowedStartSize(int& width, int& height) {
    const PresentationState& s = State();
    if (s.windowAsked) {
        width = s.windowWidth;
        height = s.windowHeight;
        return true;
    }
    return ParseSize(std::getenv("BRELLIK_WINDOW"), width, height);
}

}  // namespace platform
