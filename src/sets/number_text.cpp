#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace sets {

std::string NumberAsShown(std::string_view stored) {
    double value = 0;
    const auto [end, error] = std::from_chars(stored.data(), stored.data() + stored.size(), value);
    if (error != std::errc() || end != stored.data() + stored.size() || !std::isfinite(value)) {
        return std::string(stored);
    }
    // 15 significant digits, as a spreadsheet shows a general number: the binary noise of
    // the stored 17 goes.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string shown = buffer;
    for (char& c : shown) {
        if (c == '.') c = ',';
    }
    return shown;
}

}  // namespace sets
