// The numbers pads get while they are plugged in. A pad is known by its identity (the kind of
// pad and, where it has one, its serial number): it gets back the number it had before, even
// after a restart and whatever order the pads are found in, so the buzzer keys stored with
// that number stay its own. A new pad takes the lowest number no known pad had, then the
// lowest free one.
#pragma once

#include "pad_keys.h"

#include <array>
#include <string>
#include <string_view>

namespace platform {

class PadSlots {
public:
    static constexpr std::size_t kMaxIdentity = 128;
    static constexpr std::size_t kMaxRememberedText = 4096;

    // A pad without an identity: the lowest free slot, now taken; -1 when every slot is in use.
    int Take();
    // The pad's own slot when it is free, else as above; the slot remembers the pad.
    int Take(std::string_view identity);
    void Release(int slot);
    bool InUse(int slot) const;

    // Which pad had which slot, one "slot identity" a line, to keep across restarts.
    std::string Remembered() const;
    // Takes back what Remembered wrote; lines that do not read as such are skipped.
    void Recall(std::string_view text);

private:
    int TakeFree(std::string_view identity);

    std::array<bool, kPadSlots> used_{};
    std::array<std::string, kPadSlots> identities_{};
};

}  // namespace platform
