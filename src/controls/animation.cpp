#include "animation.h"

#include <algorithm>
#include <cmath>

int32_t Animation::PeriodMs(float seconds) {
    const double ms = std::trunc(static_cast<double>(seconds) * 1000.0);
    if (!(ms >= 1.0)) return 1;  // also catches NaN
    return static_cast<int32_t>(std::min(ms, 2147483647.0));
}

int32_t Animation::FrameAt(uint32_t elapsed, bool& finished) const {
    const int64_t n = Frames();
    int64_t e = elapsed;
    switch (mode) {
        case kAnimationBackward:
            if (!loop && e >= n) {
                finished = true;
                e = n - 1;
            }
            return static_cast<int32_t>(n - e % n - 1);
        case kAnimationPingPong: {
            // A single frame has no way back: it shows frame 0 and ends at once.
            const int64_t cycle = n >= 2 ? 2 * n - 2 : 1;
            if (!loop && e >= cycle) {
                finished = true;
                e = cycle;
            }
            e %= cycle;
            return static_cast<int32_t>(e < n ? e : 2 * n - e - 2);
        }
        default:
            if (!loop && e >= n) {
                finished = true;
                return static_cast<int32_t>(n - 1);
            }
            return static_cast<int32_t>(e % n);
    }
}

Animation::Step Animation::Advance(uint32_t now) {
    Step step;
    if (running) {
        const uint32_t elapsed = (now - startTick) / static_cast<uint32_t>(std::max(periodMs, 1));
        const int32_t frame = FrameAt(elapsed, step.finished);
        if (step.finished) running = false;
        if (frame == currentFrame && frame == shownFrame) return step;
        shownFrame = currentFrame = frame;
        step.redraw = true;
        return step;
    }
    if (currentFrame == shownFrame) return step;
    shownFrame = currentFrame;
    step.redraw = true;
    return step;
}
