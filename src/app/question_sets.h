// The question sets: the questions the game ships (or a player's own compiled file, which
// stands in for them) and every file in the user folder's "Sady otázek" (our text format,
// .csv, .xlsx, .ods). The profile's "Question sets=" names the sets switched on (file names,
// UTF-8, split by "|"; the shipped set by its own name); without the line the shipped set
// alone plays, as it always has.
#pragma once

#include "quiz/question_bank.h"

#include <string>
#include <vector>

namespace app {

constexpr const char* kSetsFolderName = "Sady otázek";
constexpr const char* kShippedSetName = "Otázky Brelliku";

std::string SetsFolder();
// The set files in the folder, by name.
std::vector<std::string> SetFileNames();

// Writes "Šablona.xlsx" and "Šablona.ods" into the folder (made when missing): the header
// row and two example questions, to fill in a spreadsheet. Empty when written, else why not.
std::string WriteTemplates();

std::vector<std::string> ChosenSetNames();
bool WriteChosenSetNames(const std::vector<std::string>& names);

// When the profile switches on any set besides the shipped one, refills the bank with the
// chosen sets' good questions (the shipped set's first `shippedCount` records when it is
// chosen, then each set in file-name order, up to kBankSize) and sets their topics: each
// set's own, else its name. Returns the questions the bank then holds, or `shippedCount` when
// nothing changed: also when the chosen sets hold fewer than kSmallestChoice questions. Each
// set's problems and any cut go to the log.
int PlayChosenSets(quiz::QuestionBank& bank, int shippedCount);

}  // namespace app
