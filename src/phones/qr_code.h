// A QR code of a short text (the join address), as a square of dark and light modules.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace phones {

struct QrCode {
    int size = 0;                // modules on a side, without the quiet zone
    std::vector<uint8_t> dark;   // size * size, row by row: 1 dark, 0 light
    bool Dark(int x, int y) const { return dark[static_cast<std::size_t>(y) * size + x] != 0; }
};

// Nothing when the text cannot be encoded (empty, or too long for a QR code).
std::optional<QrCode> EncodeQr(const std::string& text);

}  // namespace phones
