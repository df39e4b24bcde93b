// A problem found in the question sources, with the place it was found.
#pragma once

#include <string>
#include <vector>

namespace qbank {

struct Problem {
    std::string file;  // empty for a problem of the whole set of questions
    int line = 0;      // 1-based; 0 for the whole file
    std::string message;
};

// "file:line: message", "file: message" or "qbank: message".
std::string Describe(const Problem& problem);

}  // namespace qbank
