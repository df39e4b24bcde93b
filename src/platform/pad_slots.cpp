#include "pad_slots.h"

namespace platform {

int PadSlots::Take() {
    for (int slot = 0; slot < kPadSlots; ++slot) {
        if (!used_[slot]) {
            used_[slot] = true;
            return slot;
        }
    }
    return -1;
}

void PadSlots::Release(int slot) {
    if (slot >= 0 && slot < kPadSlots) used_[slot] = false;
}

bool PadSlots::InUse(int slot) const { return slot >= 0 && slot < kPadSlots && used_[slot]; }

}  // namespace platform
