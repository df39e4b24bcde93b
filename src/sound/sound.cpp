#include "sound.h"

#include "frame/interface.h"
#include "platform/platform.h"
#include "sound_settings.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace sound {
namespace {

// File names under Sounds\, in the order of SoundId.
constexpr std::array<const char*, kSoundCount> kFileNames = {
    "click",  "reveal1", "reveal2", "reveal3",  "right",     "wrong",     "timeout",
    "tick",   "points",  "premium", "life_won", "life_lost", "game_over", "new_entry",
    "claim1", "claim2",  "claim3",  "claim4",   "claim5",
};
constexpr int kTickedSeconds = 3;

struct Mixer {
    std::array<int, kSoundCount> handles{};
    SoundSettings settings;
};

Mixer& TheMixer() {
    static Mixer mixer;
    return mixer;
}

void LoadEffects() {
    Mixer& mixer = TheMixer();
    for (int i = 0; i < kSoundCount; ++i) {
        char name[64], path[260];
        std::snprintf(name, sizeof name, "Sounds\\%s.wav", kFileNames[static_cast<std::size_t>(i)]);
        Interface::MakePath(name, path, Interface::kPathData);
        const int handle = platform::LoadSound(path);
        mixer.handles[static_cast<std::size_t>(i)] = handle;
        if (handle < 0) {
            char line[300];
            std::snprintf(line, sizeof line, "Sound \"%s\" cannot be loaded; it stays silent",
                          path);
            Interface::Log(line, false);
        }
    }
}

void Store() {
    if (!WriteSoundSettings(TheMixer().settings)) {
        Interface::Log("The sound settings cannot be written to the profile", false);
    }
}

}  // namespace

void StartUp() {
    Mixer& mixer = TheMixer();
    mixer.handles.fill(-1);
    mixer.settings = ReadSoundSettings();
    if (!platform::OpenSound()) {
        Interface::Log("No audio device: the game is silent", false);
        return;
    }
    LoadEffects();
    platform::SetSoundVolume(mixer.settings.volume);
}

void ShutDown() {
    platform::CloseSound();
    TheMixer().handles.fill(-1);
}

void PlaySound(SoundId id) {
    const Mixer& mixer = TheMixer();
    const auto index = static_cast<std::size_t>(id);
    if (mixer.settings.muted || index >= mixer.handles.size()) return;
    platform::PlaySound(mixer.handles[index]);
}

void PlayAnswerShown(int answer) {
    if (answer < 0 || answer > 2) return;
    PlaySound(static_cast<SoundId>(static_cast<int>(SoundId::AnswerShown1) + answer));
}

void PlayClaimSound(int player) {
    if (player < 0 || player >= kPlayers) return;
    PlaySound(static_cast<SoundId>(static_cast<int>(SoundId::Claim1) + player));
}

void PlayClockTick() { PlaySound(SoundId::ClockTick); }

void TickLastSeconds(int32_t before, int32_t now, int32_t limitSeconds) {
    if (now != before && now < limitSeconds && now >= limitSeconds - kTickedSeconds) {
        PlayClockTick();
    }
}

int Volume() { return TheMixer().settings.volume; }

void SetVolume(int percent) {
    TheMixer().settings.volume = std::clamp(percent, 0, 100);
    platform::SetSoundVolume(TheMixer().settings.volume);
    Store();
}

bool Muted() { return TheMixer().settings.muted; }

void SetMuted(bool muted) {
    TheMixer().settings.muted = muted;
    Store();
}

void ToggleMute() { SetMuted(!Muted()); }

void OnInput(int32_t code, int32_t value) {
    if (code == Interface::kInputKeyDown && value == kMuteKey) ToggleMute();
}

}  // namespace sound
