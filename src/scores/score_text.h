// The texts the scores screen shows for a table's rows, and the date a new row gets.
#pragma once

#include "score_table.h"

#include <array>
#include <ctime>
#include <string>

namespace scores {

// The date of an empty row.
constexpr const char* kEmptyRowDate = "1/1/00";

// "DD/MM/YY": day first, two digits each.
std::string FormatScoreDate(const std::tm& date);
// Today in local time, as FormatScoreDate.
std::string TodayScoreDate();

// "1." .. "10." for rows 0..9.
std::string RankText(int row);

// One row's text in each column of the scores screen.
struct ScoreRowTexts {
    std::string name;               // name fields 782..791
    std::string points;             // column 776 (not built for table 2)
    std::string percentage;         // column 778
    std::string answered;           // column 779
    std::string wrongOrRight;       // column 780: right for table 3, wrong for tables 1 and 2
    std::string pointsPerQuestion;  // column 781 (not built for table 2)
    std::string date;               // column 777
};

ScoreRowTexts FormatScoreRow(const ScoreRecord& row, int tableNo);

// Caches every row's percentage (which sorting by percentage reads) and formats the rows, as
// showing a table does.
std::array<ScoreRowTexts, kScoreRows> FormatScoreTable(ScoreTable& table, int tableNo);

}  // namespace scores
