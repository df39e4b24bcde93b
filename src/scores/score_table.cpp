#include "score_table.h"

#include <algorithm>
#include <utility>

namespace scores {

namespace {

double KeyOf(const ScoreRecord& row, SortKey key) {
    switch (key) {
        case SortKey::Points: return row.points;
        case SortKey::Answered: return row.answered;
        case SortKey::Percentage: return row.percentage;
    }
    return 0;
}

}  // namespace

ScoreTable ScoreTable::FromBytes(const uint8_t* bytes, std::size_t size) {
    ScoreTableBytes image = ScoreTable{}.ToBytes();
    std::copy_n(bytes, std::min(size, image.size()), image.begin());
    ScoreTable table;
    for (int i = 0; i < kScoreRows; ++i) {
        table.rows[i] = DecodeScoreRecord(image.data() + i * kScoreRecordSize);
    }
    return table;
}

ScoreTableBytes ScoreTable::ToBytes() const {
    ScoreTableBytes image{};
    for (int i = 0; i < kScoreRows; ++i) {
        EncodeScoreRecord(rows[i], image.data() + i * kScoreRecordSize);
    }
    return image;
}

int ScoreTable::Insert(const ScoreEntry& entry, std::string_view date) {
    const auto place = std::find_if(rows.begin(), rows.end(), [&](const ScoreRecord& row) {
        return row.points < entry.points;
    });
    if (place == rows.end()) return -1;
    std::copy_backward(place, rows.end() - 1, rows.end());
    // The row keeps the bytes it held beyond the fields it is given, as the file always has.
    place->SetName(entry.name);
    place->points = entry.points;
    place->answered = entry.answered;
    place->wrong = entry.wrong;
    place->right = entry.right;
    place->SetDate(date);
    return static_cast<int>(place - rows.begin());
}

void ScoreTable::CachePercentages() {
    for (ScoreRecord& row : rows) row.percentage = RightPercentage(row);
}

void ScoreTable::Sort(SortKey key, uint32_t* rowBits) {
    if (key == SortKey::Percentage) CachePercentages();
    for (int i = 0; i < kScoreRows - 1; ++i) {
        for (int j = i + 1; j < kScoreRows; ++j) {
            if (KeyOf(rows[i], key) >= KeyOf(rows[j], key)) continue;
            std::swap(rows[i], rows[j]);
            if (rowBits && (((*rowBits >> i) ^ (*rowBits >> j)) & 1u)) {
                *rowBits ^= (1u << i) | (1u << j);
            }
        }
    }
}

float RightPercentage(const ScoreRecord& row) {
    if (row.IsEmpty() || row.right == 0 || row.answered == 0) return 0.0f;
    return static_cast<float>(static_cast<double>(row.right) / row.answered * 100.0);
}

}  // namespace scores
