// Everything the game's question file cannot hold, found in the sources before a file is
// written: bad characters, over-long or empty fields, duplicates, equal answers, too many
// questions, and texts that do not fit their blocks on screen. Warnings point at what a game
// can still play but players would notice: a set smaller than a game draws, and numeric
// answers whose evenly spaced values give the right one away.
#pragma once

#include "problem.h"
#include "source.h"

#include <array>
#include <string>
#include <vector>

namespace qbank {

constexpr int kMaxFieldBytes = 498;
constexpr int kMaxQuestions = 1500;
constexpr int kQuestionsDrawn = 1000;

struct CheckOptions {
    bool fit = true;  // every text must show whole in its block
};

struct EncodedQuestion {
    const SourceQuestion* source = nullptr;
    int fileIndex = 0;                        // which source file it came from
    std::array<std::string, kFields> fields;  // Windows-1250
};

struct CheckedQuestions {
    std::vector<EncodedQuestion> questions;  // in file order
    std::vector<std::string> topics;         // each file's topic, Windows-1250
    std::vector<Problem> problems;           // in file and line order
    std::vector<Problem> warnings;           // the same, for what does not stop a compile
};

// `files` must outlive the result, whose questions point into it.
CheckedQuestions CheckSources(const std::vector<SourceFile>& files, const CheckOptions& options);

// The question text block is 500 x 110 pixels, the answer blocks 490 x 80, all at Arial 26 px
// bold. Empty when the text shows whole, else what is wrong.
std::string FitProblem(const std::string& cp1250, int field);

}  // namespace qbank
