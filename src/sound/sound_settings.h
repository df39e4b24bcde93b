// The volume and the mute switch in the profile: "Sound volume=" (0..100) and "Sound muted="
// (0 or 1) in the game's section. Rewriting them keeps every other line of the file.
#pragma once

#include <string>
#include <string_view>

namespace sound {

struct SoundSettings {
    int volume = 75;
    bool muted = false;
};

// The settings found in `profile`'s section `title`; defaults for what is missing or bad.
SoundSettings ParseSoundSettings(std::string_view profile, std::string_view title);
// `profile` with the section's two sound lines replaced, or added (with the section when
// there is none).
std::string WithSoundSettings(std::string_view profile, std::string_view title,
                              const SoundSettings& settings);

// The same on the profile file in the user folder.
SoundSettings ReadSoundSettings();
bool WriteSoundSettings(const SoundSettings& settings);

}  // namespace sound
