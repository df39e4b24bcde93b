// The clock of a frame strip: which frame a running animation shows now, shared by the
// animated buttons and the animated pictures.
#pragma once

#include <cstdint>

enum AnimationMode : int32_t {
    kAnimationForward = 1,
    kAnimationBackward = 2,
    kAnimationPingPong = 3,
};

struct Animation {
    // What one look at the clock asks of the face.
    struct Step {
        bool redraw = false;    // the current frame changed (or was never shown)
        bool finished = false;  // a run that does not loop has just ended
    };

    // The frame period from the set-up's seconds; at least 1 ms so the clock never divides
    // by zero.
    static int32_t PeriodMs(float seconds);

    // Moves the current frame on by the tick count `now`. A face that does not show the
    // current frame (shown frame -1 after a refresh) is redrawn even while running.
    Step Advance(uint32_t now);
    // The frame shown `elapsed` periods after the start; sets `finished` when a run that does
    // not loop is over.
    int32_t FrameAt(uint32_t elapsed, bool& finished) const;
    int32_t Frames() const { return frames > 1 ? frames : 1; }

    int32_t frames = 0;
    int32_t periodMs = 100;
    int32_t shownFrame = -1;
    int32_t currentFrame = -1;
    bool running = false;
    bool loop = false;
    int32_t mode = kAnimationForward;
    uint32_t startTick = 0;
};
