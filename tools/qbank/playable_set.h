// A question set as the game plays it: one file's questions that pass every check, in the
// game's encoding, with their topics, and the problems of the rows or lines left out.
#pragma once

#include "checks.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qbank {

struct PlayableSet {
    std::string path;
    std::vector<std::array<std::string, kFields>> questions;  // Windows-1250, at most kMaxQuestions
    std::vector<std::string> topics;                          // Windows-1250
    std::vector<uint8_t> topicOf;                             // one per question
    std::vector<Problem> problems;  // of the file, its rows or lines, and of a cut
    bool cut = false;               // it held more good questions than kMaxQuestions
};

// Reads and checks one set file (our text format or a spreadsheet). `fit` also checks that
// every text shows whole, which needs the game's font.
PlayableSet ReadPlayableSet(const std::string& path, bool fit);

}  // namespace qbank
