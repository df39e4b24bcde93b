// Time measured from the 32-bit millisecond tick count, which wraps every 49.7 days. Every
// clock of the game (the event timer, the clock game's clock, the buzzer game's claim and
// answer clocks) goes through these, so the wrap changes nothing anywhere.
#pragma once

#include <cstdint>

namespace platform {

// Whether `now` has reached `due`; both within 2^31 ms of each other.
inline bool TickReached(uint32_t due, uint32_t now) {
    return static_cast<int32_t>(now - due) >= 0;
}

// Whole seconds of the tick count begun since `start`: now/1000 - start/1000 while no wrap
// lies between them, and counted straight on across the wrap.
inline int32_t TickSecondsSince(uint32_t start, uint32_t now) {
    const uint64_t end = uint64_t{start} + static_cast<uint32_t>(now - start);
    return static_cast<int32_t>(end / 1000 - start / 1000);
}

// A game clock that shows whole seconds. It starts at 0 and can be resumed at an earlier
// reading, as the buzzer game's claim clock is after a failed answer.
struct SecondsClock {
    bool running = false;
    uint32_t startTick = 0;

    void Start(uint32_t now) { ResumeAt(0, now); }
    void ResumeAt(int32_t seconds, uint32_t now) {
        running = true;
        startTick = now - static_cast<uint32_t>(seconds) * 1000u;
    }
    void Stop() { running = false; }
    int32_t Elapsed(uint32_t now) const { return running ? TickSecondsSince(startTick, now) : 0; }
};

}  // namespace platform
