#include "sound_settings.h"

#include "frame/startup_properties.h"
#include "platform/platform.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <vector>

namespace sound {
namespace {

constexpr std::string_view kVolumeKey = "Sound volume=";
constexpr std::string_view kMutedKey = "Sound muted=";
constexpr std::size_t kMaxProfileBytes = 1 << 20;

// Lines with their endings, so a rewrite leaves the others byte for byte.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return lines;
}

// The frame reads the profile the same way: a section starts at a line whose text from its
// second character begins with the title.
bool IsSectionHeader(std::string_view line, std::string_view title) {
    return line.size() > title.size() && line[0] == '[' && line.substr(1, title.size()) == title;
}

std::string_view Trimmed(std::string_view value) {
    while (!value.empty() &&
           (value.back() == '\n' || value.back() == '\r' || value.back() == ' ')) {
        value.remove_suffix(1);
    }
    return value;
}

bool ParseNumber(std::string_view text, int& out) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, out);
    return result.ec == std::errc() && result.ptr == end;
}

void ReadLine(std::string_view line, SoundSettings& settings) {
    int number = 0;
    if (line.starts_with(kVolumeKey) &&
        ParseNumber(Trimmed(line.substr(kVolumeKey.size())), number)) {
        settings.volume = std::clamp(number, 0, 100);
    } else if (line.starts_with(kMutedKey) &&
               ParseNumber(Trimmed(line.substr(kMutedKey.size())), number)) {
        settings.muted = number != 0;
    }
}

std::string ProfileName() {
    const StartupProperties defaults;
    return platform::UserFolder() + "\\" + defaults.profileName + ".ini";
}

std::string_view Title() {
    static const StartupProperties defaults;
    return defaults.title;
}

// The whole profile; false when it is too big to be one (it is then left alone). A missing
// profile reads as empty.
bool ReadProfileText(std::string& text) {
    text.clear();
    std::FILE* file = platform::OpenFile(ProfileName(), "rb");
    if (!file) return true;
    text.resize(kMaxProfileBytes + 1);
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    return text.size() <= kMaxProfileBytes;
}

}  // namespace

SoundSettings ParseSoundSettings(std::string_view profile, std::string_view title) {
    SoundSettings settings;
    bool inSection = false;
    for (std::string_view line : SplitLines(profile)) {
        if (!inSection) {
            inSection = IsSectionHeader(line, title);
            continue;
        }
        if (line.starts_with('[')) break;
        ReadLine(line, settings);
    }
    return settings;
}

std::string WithSoundSettings(std::string_view profile, std::string_view title,
                              const SoundSettings& settings) {
    const std::vector<std::string_view> lines = SplitLines(profile);
    const std::string eol = !lines.empty() && lines[0].ends_with("\r\n") ? "\r\n" : "\n";
    const std::string ours = std::string(kVolumeKey) + std::to_string(settings.volume) + eol +
                             std::string(kMutedKey) + (settings.muted ? "1" : "0") + eol;
    std::string out;
    bool inSection = false, written = false;
    for (std::string_view line : lines) {
        if (inSection && line.starts_with('[')) inSection = false;
        if (inSection && (line.starts_with(kVolumeKey) || line.starts_with(kMutedKey))) continue;
        out += line;
        if (!written && IsSectionHeader(line, title)) {
            if (!line.ends_with('\n')) out += eol;
            out += ours;
            inSection = written = true;
        }
    }
    if (!written) {
        if (!out.empty() && !out.ends_with('\n')) out += eol;
        out += "[" + std::string(title) + "]" + eol + ours;
    }
    return out;
}

SoundSettings ReadSoundSettings() {
    std::string text;
    if (!ReadProfileText(text)) return {};
    return ParseSoundSettings(text, Title());
}

bool WriteSoundSettings(const SoundSettings& settings) {
    std::string text;
    if (!ReadProfileText(text)) return false;
    const std::string updated = WithSoundSettings(text, Title(), settings);
    return platform::WriteFileAtomically(ProfileName(), updated.data(), updated.size());
}

}  // namespace sound
