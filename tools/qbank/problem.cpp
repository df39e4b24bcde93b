#include "problem.h"

namespace qbank {

std::string Describe(const Problem& problem) {
    if (problem.file.empty()) return "qbank: " + problem.message;
    if (problem.line == 0) return problem.file + ": " + problem.message;
    return problem.file + ":" + std::to_string(problem.line) + ": " + problem.message;
}

}  // namespace qbank
