#include "profile_keys.h"

#include "platform/platform.h"
#include "startup_properties.h"

#include <cstdio>
#include <vector>

namespace profile {
namespace {

// A profile is a few lines; a bigger file is neither read nor rewritten, so nothing is lost.
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

// As the frame reads the profile: a section starts at a line whose text from its second
// character begins with the title.
bool IsSectionHeader(std::string_view line, std::string_view title) {
    return line.size() > title.size() && line[0] == '[' && line.substr(1, title.size()) == title;
}

std::string_view WithoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

const StartupProperties& Defaults() {
    static const StartupProperties defaults;
    return defaults;
}

std::string ProfileName() {
    return platform::UserFolder() + "\\" + Defaults().profileName + ".ini";
}

// False when the profile is too big to be one; a missing profile reads as empty.
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

std::optional<std::string> FindValue(std::string_view profile, std::string_view title,
                                     std::string_view key) {
    bool inSection = false;
    for (std::string_view line : SplitLines(profile)) {
        if (!inSection) {
            inSection = IsSectionHeader(line, title);
            continue;
        }
        if (line.starts_with('[')) break;
        if (line.starts_with(key)) return std::string(WithoutLineEnd(line.substr(key.size())));
    }
    return std::nullopt;
}

std::string WithValue(std::string_view profile, std::string_view title, std::string_view key,
                      std::string_view value) {
    const std::vector<std::string_view> lines = SplitLines(profile);
    const std::string eol = !lines.empty() && lines[0].ends_with("\r\n") ? "\r\n" : "\n";
    const std::string ours = std::string(key) + std::string(value) + eol;
    std::string out;
    bool inSection = false, written = false;
    for (std::string_view line : lines) {
        if (inSection && line.starts_with('[')) inSection = false;
        if (inSection && line.starts_with(key)) continue;
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

std::optional<std::string> ReadValue(std::string_view key) {
    std::string text;
    if (!ReadProfileText(text)) return std::nullopt;
    return FindValue(text, Defaults().title, key);
}

bool WriteValue(std::string_view key, std::string_view value) {
    std::string text;
    if (!ReadProfileText(text)) return false;
    const std::string updated = WithValue(text, Defaults().title, key, value);
    return platform::WriteFileAtomically(ProfileName(), updated.data(), updated.size());
}

}  // namespace profile
