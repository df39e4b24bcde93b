// Each buzzer-game row has a colour of its own, shown on the set-up rows, in the panel, for
// the claimer's name and on the results, so a player is recognised at a glance.
#pragma once

#include <cstdint>

namespace multi {

constexpr int kColouredRows = 5;

// 0x00BBGGRR colours, bright enough for the dark screens and never the key colour magenta.
constexpr uint32_t kPlayerColours[kColouredRows] = {
    0x4646FF,  // red
    0xFFA03C,  // blue
    0x46D25A,  // green
    0x00C8FF,  // amber
    0xE66ED2,  // violet
};

// The colour of set-up row `row` (0..4); rows out of range get white.
constexpr uint32_t PlayerColour(int row) {
    return row >= 0 && row < kColouredRows ? kPlayerColours[row] : 0xFFFFFFu;
}

}  // namespace multi
