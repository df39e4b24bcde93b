// The question sets: the questions the game ships (or a player's own compiled file, which
// stands in for them) and every file in the user folder's "Sady otázek" (our text format,
// .csv, .xlsx, .ods). The profile's "Question sets=" names the sets switched on (file names,
// UTF-8, split by "|"; the shipped set by its own name); without the line the shipped set
// alone plays, as it always has.
#pragma once

#include "quiz/question_bank.h"

#include <string>
#include <vector>

namespace screens {

constexpr const char* kSetsFolderName = "Sady otázek";
constexpr const char* kShippedSetName = "Otázky Brelliku";

std::string SetsFolder();
// Whether a file of this name is a set: our text format or a spreadsheet.
bool IsSetFileName(const std::string& path);
// The set files in the folder, by name.
std::vector<std::string> SetFileNames();

// Writes "Šablona.xlsx" and "Šablona.ods" into the folder (made when missing): the header
// row and two example questions, to fill in a spreadsheet. Empty when written, else why not.
std::string WriteTemplates();

std::vector<std::string> ChosenSetNames();
bool WriteChosenSetNames(const std::vector<std::string>& names);

struct SetsOutcome {
    int questions = 0;    // what the bank holds afterwards
    bool refused = false;  // the chosen sets were too few questions; the shipped ones play
    std::string notice;    // for the player (UTF-8, Czech): a refusal or a cut; else empty
};

// When the profile switches on any set besides the shipped one, refills the bank with the
// chosen sets' good questions (the shipped set's first `shippedCount` records when it is
// chosen, then each set in file-name order, up to kBankSize) and sets their topics: each
// set's own, else its name. The outcome holds `shippedCount` when nothing changed: also when
// the chosen sets hold fewer than kSmallestChoice questions. Each set's problems and any cut
// go to the log.
SetsOutcome PlayChosenSets(quiz::QuestionBank& bank, int shippedCount);
// The shipped set's questions, as the last PlayChosenSets was given them.
int ShippedQuestionCount();

// The game's way of reading the questions afresh after the choice of sets changed: it reloads
// the shipped file, plays the chosen sets and hands the bank to every mode.
using SetsReloader = SetsOutcome (*)();
void SetSetsReloader(SetsReloader reloader);
SetsOutcome ReloadSets();

}  // namespace screens
