#include "event_timer.h"

#include "frame/interface.h"
#include "platform/platform.h"
#include "platform/tick_clock.h"

#include <algorithm>
#include <cmath>

namespace {
// The longest delay the due test can tell from the past across the tick count's wrap.
constexpr double kMaxDelayMs = 2147483647.0;
}  // namespace

void EventTimer::Schedule(float delaySeconds, int32_t eventCode) {
    if (count_ >= kMaxPending) return;
    const double ms = std::trunc(static_cast<double>(delaySeconds) * 1000.0);
    const uint32_t delay = ms >= 1.0 ? static_cast<uint32_t>(std::min(ms, kMaxDelayMs)) : 0;
    Entry& entry = entries_[count_++];
    entry.startTick = platform::GetTickCount();
    entry.dueTick = entry.startTick + delay;
    entry.eventCode = eventCode;
}

void EventTimer::RemoveAt(int index) {
    for (int i = index; i + 1 < count_; ++i) entries_[i] = entries_[i + 1];
    --count_;
}

void EventTimer::Update() {
    // Reporting may schedule or cancel entries, so the table is read afresh after each
    // report; an entry stops being pending before its event is reported. A report that
    // tears the screen down takes the timer off the list: its other entries belong to the
    // old screen and are dropped.
    int i = 0;
    while (i < count_) {
        const uint32_t now = platform::GetTickCount();
        if (!platform::TickReached(entries_[i].dueTick, now)) {
            ++i;
            continue;
        }
        const int32_t code = entries_[i].eventCode;
        RemoveAt(i);
        Interface::ReportControlEvent(this, code, 1);
        if (!Interface::HasControl(this)) return;
    }
}
