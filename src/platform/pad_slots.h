// The numbers pads get while they are plugged in: the lowest free one, so a pad pulled out
// and plugged in again gets its number (and its players' buzzer keys) back.
#pragma once

#include "pad_keys.h"

#include <array>

namespace platform {

class PadSlots {
public:
    // The lowest free slot, now taken; -1 when every slot is in use.
    int Take();
    void Release(int slot);
    bool InUse(int slot) const;

private:
    std::array<bool, kPadSlots> used_{};
};

}  // namespace platform
