// The phones seen in earlier games, so that a phone that comes back finds its slot, and with
// it its row (a row keeps the phone's key in users2.dat). Kept in the user folder as
// System\phones.txt, one "<slot 1..16> <phone id>" a line; anything else in it is ignored.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace room {

constexpr std::size_t kMaxRosterBytes = 4096;

// Phone ids by slot (kPhoneSlots entries, empty where none); malformed lines are skipped.
std::vector<std::string> ParsePhoneRoster(std::string_view text);
std::string FormatPhoneRoster(const std::vector<std::string>& ids);

std::vector<std::string> LoadPhoneRoster();
// Writes the file when `ids` differ from what it holds; false when it could not be written.
bool SavePhoneRoster(const std::vector<std::string>& ids);

}  // namespace room
