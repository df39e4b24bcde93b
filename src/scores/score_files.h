// The three score-table files in the System folder of the user folder, and the whole-file
// operations on them. A file is only ever replaced whole, so it holds either the old table or
// the new one, never a mix.
#pragma once

#include "score_table.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace scores {

// Table numbers, as the scores screen counts them.
constexpr int kTableForP = 1;   // sp_fp2.sco, the clock game
constexpr int kTableForR = 2;   // sp_fr2.sco, the lives game
constexpr int kTableMulti = 3;  // mp2.sco
bool IsTableNo(int tableNo);

// "sp_fp2.sco", "sp_fr2.sco", "mp2.sco"; "" for a number that is not a table.
const char* ScoreFileName(int tableNo);
// "<user folder>\System\<file name>"; "" for a number that is not a table.
std::string ScoreFilePath(int tableNo);

// Fills `table` from the table's file. A missing, unreadable or short file leaves the rows it
// does not supply empty. True when the file was read.
bool LoadScoreTable(int tableNo, ScoreTable& table);

struct InsertOutcome {
    bool ok = false;  // false: the file could not be read or written; it is as it was
    int row = -1;     // the row the entry took, -1 when it did not make the table or !ok
};

// Inserts the entry, dated today ("DD/MM/YY", local time), and rewrites the file whole. A
// missing file starts as an empty table; a short or damaged one is written back whole and
// valid even when the entry does not make it. A file that exists but cannot be read is left
// alone.
InsertOutcome InsertScore(int tableNo, const ScoreEntry& entry);

// Stores `name` into `row` of the table's file and rewrites it whole. False when the file is
// missing or unreadable, the row is not 0..9, or the file cannot be written.
bool StoreScoreName(int tableNo, int row, std::string_view name);

}  // namespace scores
