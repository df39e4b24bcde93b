// What the scores screen is asked to show, and the operations the games and the scores
// screen call, which keep that state right.
#pragma once

#include "score_files.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace scores {

// The state words that pick a table.
constexpr uint32_t kStateForP = 0x0104;
constexpr uint32_t kStateForR = 0x0103;
constexpr uint32_t kStateMultiGame = 0x0203;

// Which table the scores screen shows and why: a game's state word (that game just ended:
// its table with its play-again button), -2 or -3 (browse table 2 or 3), anything else
// (browse table 1). Reset to -1 whenever the main menu is built.
extern int32_t scoreViewRequest;
// Row 0..9 of a just-inserted single-player result whose name is still to be typed; -1 none.
extern int32_t newScoreRow;
// The table on the scores screen: 1, 2 or 3.
extern int32_t scoreTableNo;
// The rows of the multiplayer table that the last buzzer game put in, one bit a row (bit 0 =
// the top row); they follow the rows that later players of the same game push down.
extern uint32_t gameRows;

// Back to no request, no pending name and no table, as a fresh start has them.
void ResetScoreState();

// The table a game's state word fills: 0x0104 -> 1, 0x0103 -> 2, 0x0203 -> 3; 0 otherwise.
int TableNoForStateWord(uint32_t stateWord);
// The table the scores screen shows for a `scoreViewRequest` value.
int TableNoForViewRequest(int32_t viewRequest);
// The arrows' order: 1 -> 3 -> 2 -> 1 backwards, 1 -> 2 -> 3 -> 1 forwards; a number that
// is not a table gives 1.
int PreviousTableNo(int tableNo);
int NextTableNo(int tableNo);

// A single-player game's result into the table of its state word (0x0104 or 0x0103), with an
// empty name for the player to type. `newScoreRow` becomes the row taken, or -1.
InsertOutcome InsertSingleScore(uint32_t stateWord, const ScoreEntry& entry);
// One multiplayer player's result into the multiplayer table. `newScoreRow` becomes -1; the
// row taken joins `gameRows`.
InsertOutcome InsertMultiScore(const ScoreEntry& entry);
// A new buzzer game's results are about to go in: no row is the game's yet.
void ForgetGameRows();

// The folder of a table that a result or a typed name could not be written to since the
// last ForgetUnsavedResult; empty when everything was stored. The scores screen tells the
// player once per start, and `unsavedResultTold` records that it has.
extern std::string unsavedResultFolder;
extern bool unsavedResultTold;
// Forgets both, at start-up.
void ForgetUnsavedResult();

// Stores the typed name into row `newScoreRow` of the single-player table that
// `scoreViewRequest` names, then clears `newScoreRow`. False, and nothing changes, when no
// name is pending or the file cannot be rewritten.
bool CommitScoreName(std::string_view name);

}  // namespace scores
