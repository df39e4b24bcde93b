#include "phone_roster.h"

#include "phones/phone_protocol.h"
#include "platform/phone_keys.h"
#include "platform/platform.h"

#include <charconv>
#include <cstdio>

namespace room {

namespace {

std::string RosterPath() { return platform::UserFolder() + "\\System\\phones.txt"; }

}  // namespace

std::vector<std::string> ParsePhoneRoster(std::string_view text) {
    std::vector<std::string> ids(platform::kPhoneSlots);
    text = text.substr(0, kMaxRosterBytes);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        int slot = 0;
        const auto [rest, error] = std::from_chars(line.data(), line.data() + line.size(), slot);
        if (error != std::errc() || rest == line.data() + line.size() || *rest != ' ') continue;
        const std::string_view id = line.substr(static_cast<std::size_t>(rest - line.data()) + 1);
        if (slot < 1 || slot > platform::kPhoneSlots || !phones::IsPhoneId(id)) continue;
        ids[static_cast<std::size_t>(slot - 1)] = std::string(id);
    }
    return ids;
}

std::string FormatPhoneRoster(const std::vector<std::string>& ids) {
    std::string text;
    for (std::size_t slot = 0; slot < ids.size() && slot < platform::kPhoneSlots; ++slot) {
        if (phones::IsPhoneId(ids[slot])) text += std::to_string(slot + 1) + " " + ids[slot] + "\n";
    }
    return text;
}

std::vector<std::string> LoadPhoneRoster() {
    std::FILE* file = platform::OpenFile(RosterPath(), "rb");
    if (!file) return ParsePhoneRoster({});
    std::string text(kMaxRosterBytes, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    return ParsePhoneRoster(text);
}

bool SavePhoneRoster(const std::vector<std::string>& ids) {
    const std::string text = FormatPhoneRoster(ids);
    if (FormatPhoneRoster(LoadPhoneRoster()) == text) return true;
    return platform::WriteFileAtomically(RosterPath(), text.data(), text.size());
}

}  // namespace room
