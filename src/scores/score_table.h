// A score table: ten rows, best first, and the operations on its in-memory image.
#pragma once

#include "score_record.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace scores {

using ScoreTableBytes = std::array<uint8_t, kScoreTableSize>;

// One game's result for one player, as it goes into a table.
struct ScoreEntry {
    std::string name;  // Windows-1250; cut to 27 bytes when stored
    int32_t points = 0;
    int32_t answered = 0;
    int32_t wrong = 0;
    int32_t right = 0;
};

// The keys the scores screen sorts by. 2 is not a key.
enum class SortKey { Points = 0, Answered = 1, Percentage = 3 };

struct ScoreTable {
    std::array<ScoreRecord, kScoreRows> rows;  // every row empty at first

    // Reads a stored table. Bytes beyond `size` are those of an empty table, so a short
    // file leaves its missing rows empty; anything past 640 bytes is ignored.
    static ScoreTable FromBytes(const uint8_t* bytes, std::size_t size);
    ScoreTableBytes ToBytes() const;

    // Puts the entry above the first row whose points are strictly smaller, moving the rows
    // below it down one and dropping the last. Returns the row taken, or -1 when the entry
    // did not make the table (nothing changes then). `date` is stored as given.
    int Insert(const ScoreEntry& entry, std::string_view date);

    // Stores in each row's percentage field the right-answer percentage the screen shows.
    void CachePercentages();
    // Orders the rows by `key`, largest first, by pairwise exchange. Percentages are cached
    // first, so the order matches what the screen shows. `rowBits`, when given, holds a bit
    // a row and has its bits moved with the rows.
    void Sort(SortKey key, uint32_t* rowBits = nullptr);
};

// Right answers as a percentage of the questions answered; 0 for an empty row, a row with no
// right answers, or a row that claims answers without any questions.
float RightPercentage(const ScoreRecord& row);

}  // namespace scores
