// Builds scrambled question files for the reader tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quiz_testing {

inline std::string Scrambled(std::string_view plain) {
    std::string bytes(plain);
    for (char& c : bytes) c = static_cast<char>(c ^ 0xA7);
    return bytes;
}

// Every line followed by CR LF.
inline std::string CrLfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace quiz_testing
