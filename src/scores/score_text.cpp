#include "score_text.h"

#include "score_files.h"

#include "platform/platform.h"

#include <cstdio>

namespace scores {

namespace {

std::string Decimal(int32_t value) { return std::to_string(value); }

std::string OneDecimal(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// A hand-made row may claim points without questions; it shows 0.0 rather than a division
// by zero.
std::string PointsPerQuestion(const ScoreRecord& row) {
    if (row.points == 0 || row.answered == 0) return "0.0";
    return OneDecimal(static_cast<double>(row.points) / row.answered);
}

std::string Percentage(const ScoreRecord& row) {
    if (row.right == 0 || row.answered == 0) return "0";
    return OneDecimal(RightPercentage(row));
}

}  // namespace

std::string FormatScoreDate(const std::tm& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d", date.tm_mday % 100,
                  (date.tm_mon + 1) % 100, date.tm_year % 100);
    return text;
}

std::string TodayScoreDate() { return FormatScoreDate(platform::LocalTime(platform::Time())); }

std::string RankText(int row) { return std::to_string(row + 1) + "."; }

ScoreRowTexts FormatScoreRow(const ScoreRecord& row, int tableNo) {
    if (row.IsEmpty()) return {"", "0", "0", "0", "0", "0", kEmptyRowDate};
    ScoreRowTexts texts;
    texts.name = row.name;
    texts.points = Decimal(row.points);
    texts.percentage = Percentage(row);
    texts.answered = Decimal(row.answered);
    texts.wrongOrRight = Decimal(tableNo == kTableMulti ? row.right : row.wrong);
    texts.pointsPerQuestion = PointsPerQuestion(row);
    texts.date = row.date;
    return texts;
}

std::array<ScoreRowTexts, kScoreRows> FormatScoreTable(ScoreTable& table, int tableNo) {
    table.CachePercentages();
    std::array<ScoreRowTexts, kScoreRows> texts;
    for (int i = 0; i < kScoreRows; ++i) texts[i] = FormatScoreRow(table.rows[i], tableNo);
    return texts;
}

}  // namespace scores
