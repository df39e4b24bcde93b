// Each buzzer-game row has a colour of its own, shown on the set-up rows, in the panel, for
// the claimer's name and on the results, so a player is recognised at a glance.
#pragma once

#include <cstdint>

namespace multi {

constexpr int kColouredRows = 5;

// 0x00BBGGRR colours, the same as the rows' avatars and key buttons (tools/art/style.cpp),
// bright enough for the dark screens and never the key colour magenta.
constexpr uint32_t kPlayerColours[kColouredRows] = {
    0x29B9F6,  // gold
    0xA5B51F,  // teal
    0x3F5AEC,  // coral
    0xE99B3D,  // sky blue
    0x55BF3F,  // green
};

// The colour of set-up row `row` (0..4); rows out of range get white.
constexpr uint32_t PlayerColour(int row) {
    return row >= 0 && row < kColouredRows ? kPlayerColours[row] : 0xFFFFFFu;
}

}  // namespace multi
