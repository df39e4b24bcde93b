// An invisible control that reports events after scheduled delays; the games run all their
// timed steps through it.
#pragma once

#include "frame/control.h"

#include <array>

class EventTimer : public Control {
public:
    static constexpr int kMaxPending = 10;

    explicit EventTimer(int32_t id) : Control(id) {}

    // Reports `eventCode` with value 1 once `delaySeconds` have passed. Ignored while ten
    // events are pending.
    void Schedule(float delaySeconds, int32_t eventCode);
    void CancelAll() { count_ = 0; }
    bool IsPending() const { return count_ > 0; }
    int PendingCount() const { return count_; }

    void Update() override;

private:
    struct Entry {
        uint32_t startTick = 0;
        uint32_t dueTick = 0;
        int32_t eventCode = 0;
    };
    void RemoveAt(int index);

    // The pending entries, packed, in the order they were scheduled.
    std::array<Entry, kMaxPending> entries_{};
    int count_ = 0;
};
