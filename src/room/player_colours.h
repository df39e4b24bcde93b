// Each player has a colour of its own, shown on the set-up rows, in the lists of who joined,
// for the claimer's name, on the boards and results and on the player's phone, so a player is
// recognised at a glance. The buzzer game's five rows take the first five; the class game's
// seats go round all ten.
#pragma once

#include <cstdint>

namespace room {

constexpr int kColouredRows = 5;
constexpr int kSeatColourCount = 10;

// 0x00BBGGRR colours; the first five are the rows' avatars and key buttons
// (tools/art/style.cpp). Bright enough for the dark screens and never the key colour magenta.
constexpr uint32_t kPlayerColours[kSeatColourCount] = {
    0x29B9F6,  // gold
    0xA5B51F,  // teal
    0x3F5AEC,  // coral
    0xE99B3D,  // sky blue
    0x55BF3F,  // green
    0xD070C0,  // violet
    0x40A0FF,  // orange
    0xC0C0C0,  // silver
    0x80E0E0,  // pale yellow
    0xFF9080,  // light blue
};

// The colour of set-up row `row` (0..4); rows out of range get white.
constexpr uint32_t PlayerColour(int row) {
    return row >= 0 && row < kColouredRows ? kPlayerColours[row] : 0xFFFFFFu;
}

// The colour of a class seat: the ten colours in turn.
constexpr uint32_t SeatColour(int seat) {
    return kPlayerColours[(seat % kSeatColourCount + kSeatColourCount) % kSeatColourCount];
}

// A screen colour (0x00BBGGRR) as a phone's page writes it, 0xRRGGBB.
constexpr uint32_t PhoneRgb(uint32_t bgr) {
    return (bgr & 0xFF) << 16 | (bgr & 0xFF00) | (bgr >> 16 & 0xFF);
}

}  // namespace room
