// What the players hear: the game's sound effects, played by what happens in a game. The
// effects are loaded once at start-up; playing one never reads or decodes anything. One
// volume and a mute switch, kept in the profile, apply to all of them.
#pragma once

#include <cstdint>

namespace sound {

enum class SoundId {
    Click,         // a push button released
    AnswerShown1,  // the answers appearing, one a second
    AnswerShown2,
    AnswerShown3,
    Right,
    Wrong,
    TimeOut,
    ClockTick,  // each of a clock's last three seconds
    Points,     // the points picture
    Premium,    // the premium question comes up
    LifeWon,
    LifeLost,
    GameOver,
    NewEntry,  // a new row in a score table
    Claim1,    // the buzzer game: player 1 claimed the question, and so on
    Claim2,
    Claim3,
    Claim4,
    Claim5,
};
constexpr int kSoundCount = static_cast<int>(SoundId::Claim5) + 1;
constexpr int kPlayers = 5;

// Opens the sound output, reads the profile's volume and mute switch and loads every effect.
// Without a device the game stays silent and Debug.log says so once; a missing effect is
// logged once and stays silent.
void StartUp();
void ShutDown();

void PlaySound(SoundId id);
// Answer 0, 1 or 2 appearing.
void PlayAnswerShown(int answer);
// The buzzer game: player 0..4 was first to claim the question.
void PlayClaimSound(int player);
void PlayClockTick();
// Plays the tick when a clock's whole seconds move from `before` to `now` and at most three
// seconds are left before `limitSeconds`, the second the clock runs out.
void TickLastSeconds(int32_t before, int32_t now, int32_t limitSeconds);

// The volume moves in steps of a quarter; 0 is not a step (that is what mute is for).
constexpr int kVolumeStep = 25;
constexpr int kDefaultVolume = 75;
int Volume();
void SetVolume(int percent);
bool Muted();
void SetMuted(bool muted);
void ToggleMute();

// F12 mutes and unmutes on every screen; no buzzer key can take it, as the on-screen
// keyboard players pick their keys from has no function keys.
constexpr int32_t kMuteKey = 0x58;
void OnInput(int32_t code, int32_t value);

}  // namespace sound
