// The buzzer test before Start: on the game screen, until the game starts, a player's press
// lights their row of the panel and shows their name large for a moment, with their claim
// sound, so that everyone knows their key works.
#pragma once

#include <cstdint>

namespace multi {

constexpr uint32_t kBuzzerCheckLitMs = 800;
constexpr uint32_t kBuzzerCheckColour = 0x00FFFF;  // yellow, 0x00BBGGRR

// A key-down on the game screen: true when it was a player's buzzer pressed before Start
// (the row is lit), false for anything the game should handle itself.
bool BuzzerCheckPress(int32_t key);
// Puts lit rows back once their moment has passed.
void BuzzerCheckTick(uint32_t now);
// Forgets lit rows, when the game screen is built.
void ResetBuzzerCheck();

}  // namespace multi
