#include "sound_settings.h"

#include "frame/profile_keys.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace sound {
namespace {

constexpr std::string_view kVolumeKey = "Sound volume=";
constexpr std::string_view kMutedKey = "Sound muted=";

// A whole number, spaces after it allowed; none for anything else.
std::optional<int> ParseNumber(const std::optional<std::string>& value) {
    if (!value) return std::nullopt;
    std::string_view text = *value;
    while (text.ends_with(' ')) text.remove_suffix(1);
    int number = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, number);
    if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
    return number;
}

SoundSettings FromValues(const std::optional<std::string>& volume,
                         const std::optional<std::string>& muted) {
    SoundSettings settings;
    if (const auto number = ParseNumber(volume)) settings.volume = std::clamp(*number, 0, 100);
    if (const auto number = ParseNumber(muted)) settings.muted = *number != 0;
    return settings;
}

std::string VolumeText(const SoundSettings& settings) { return std::to_string(settings.volume); }
std::string MutedText(const SoundSettings& settings) { return settings.muted ? "1" : "0"; }

}  // namespace

SoundSettings ParseSoundSettings(std::string_view profile, std::string_view title) {
    return FromValues(profile::FindValue(profile, title, kVolumeKey),
                      profile::FindValue(profile, title, kMutedKey));
}

// The muted line first: each line goes in right under the section's title, so the volume
// line ends up above it.
std::string WithSoundSettings(std::string_view profile, std::string_view title,
                              const SoundSettings& settings) {
    const std::string muted = profile::WithValue(profile, title, kMutedKey, MutedText(settings));
    return profile::WithValue(muted, title, kVolumeKey, VolumeText(settings));
}

SoundSettings ReadSoundSettings() {
    return FromValues(profile::ReadValue(kVolumeKey), profile::ReadValue(kMutedKey));
}

bool WriteSoundSettings(const SoundSettings& settings) {
    return profile::WriteValue(kMutedKey, MutedText(settings)) &&
           profile::WriteValue(kVolumeKey, VolumeText(settings));
}

}  // namespace sound
