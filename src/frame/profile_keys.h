// Single "Key=value" lines of the game's section in the profile in the user folder, for
// settings a screen keeps between runs. Rewriting a line keeps every other line as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace profile {

// The value after `key` (which ends in '=') in the game's section, without the line end;
// none when the profile, the section or the line is missing.
std::optional<std::string> ReadValue(std::string_view key);
// Replaces the key's line in the section, or adds it (with the section when there is none).
// False when the profile cannot be rewritten.
bool WriteValue(std::string_view key, std::string_view value);

// The same on a profile's text.
std::optional<std::string> FindValue(std::string_view profile, std::string_view title,
                                     std::string_view key);
std::string WithValue(std::string_view profile, std::string_view title, std::string_view key,
                      std::string_view value);

}  // namespace profile
