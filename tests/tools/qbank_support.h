// Question sources for the qbank tests.
#pragma once

#include <string>

namespace qbank_testing {

// `count` distinct, well-formed questions, numbered from `first`.
inline std::string NumberedSource(int count, int first = 0) {
    std::string text;
    for (int i = first; i < first + count; ++i) {
        const std::string n = std::to_string(i);
        text += "Kolik je " + n + " + 1?\n" + std::to_string(i + 1) + "\n" + std::to_string(i + 2) +
                "\n" + std::to_string(i + 3) + "\n\n";
    }
    return text;
}

}  // namespace qbank_testing
