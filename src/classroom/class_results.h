// A class game's results as two CSV files for a spreadsheet: the pupils (place, name, points,
// right answers, then each question right, wrong or none) and the questions (the right answer
// and how many chose each answer). UTF-8 with a byte-order mark and ';' between fields, as a
// Czech spreadsheet opens them without asking.
#pragma once

#include "class_game.h"

#include <array>
#include <ctime>
#include <string>
#include <vector>

namespace classroom {

struct AskedQuestion {
    std::string text;                        // UTF-8
    std::array<std::string, kAnswers> answers;  // UTF-8, in the order shown
};

std::string PupilsCsv(const ClassGame& game);
std::string QuestionsCsv(const ClassGame& game, const std::vector<AskedQuestion>& asked);

// Where the files went, or why they did not.
struct SavedResults {
    bool saved = false;
    std::string folder;  // Linux paths, UTF-8
    std::string pupilsFile;
    std::string questionsFile;
    std::string why;     // the system's reason, when not saved
};

// Writes both files into `Výsledky` in the user folder (made when missing), named by `when`.
SavedResults SaveResults(const ClassGame& game, const std::vector<AskedQuestion>& asked,
                         std::time_t when);

}  // namespace classroom
