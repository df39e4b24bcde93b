#include "scores/score_files.h"
#include "scores/score_text.h"

#include <gtest/gtest.h>

namespace {

using scores::FormatScoreRow;
using scores::ScoreRecord;
using scores::ScoreRowTexts;

ScoreRecord Row(const char* name, int32_t points, int32_t answered, int32_t wrong, int32_t right) {
    ScoreRecord row;
    row.SetName(name);
    row.points = points;
    row.answered = answered;
    row.wrong = wrong;
    row.right = right;
    row.SetDate("07/03/25");
    return row;
}

TEST(ScoreDate, IsDayMonthYearTwoDigitsEach) {
    std::tm date{};
    date.tm_mday = 5;
    date.tm_mon = 0;
    date.tm_year = 100;
    EXPECT_EQ(scores::FormatScoreDate(date), "05/01/00");
    date.tm_mday = 31;
    date.tm_mon = 11;
    date.tm_year = 125;
    EXPECT_EQ(scores::FormatScoreDate(date), "31/12/25");
}

TEST(ScoreRowText, AFilledRowShowsItsFields) {
    const ScoreRowTexts texts = FormatScoreRow(Row("Eva", 57, 16, 3, 13), scores::kTableForP);
    EXPECT_EQ(texts.name, "Eva");
    EXPECT_EQ(texts.points, "57");
    EXPECT_EQ(texts.answered, "16");
    EXPECT_EQ(texts.wrongOrRight, "3");
    EXPECT_EQ(texts.pointsPerQuestion, "3.6");  // 3.5625
    EXPECT_EQ(texts.percentage, "81.2");        // 81.25 is exact; printf rounds it to even
    EXPECT_EQ(texts.date, "07/03/25");
}

TEST(ScoreRowText, TheMultiplayerTableShowsRightAnswersInsteadOfWrong) {
    EXPECT_EQ(FormatScoreRow(Row("Ota", 40, 30, 2, 5), scores::kTableMulti).wrongOrRight, "5");
    EXPECT_EQ(FormatScoreRow(Row("Ota", 40, 30, 2, 5), scores::kTableForR).wrongOrRight, "2");
}

TEST(ScoreRowText, AnEmptyRowShowsPlaceholders) {
    ScoreRecord empty;
    empty.SetName("left over");
    const ScoreRowTexts texts = FormatScoreRow(empty, scores::kTableForP);
    EXPECT_EQ(texts.name, "");
    EXPECT_EQ(texts.points, "0");
    EXPECT_EQ(texts.percentage, "0");
    EXPECT_EQ(texts.answered, "0");
    EXPECT_EQ(texts.wrongOrRight, "0");
    EXPECT_EQ(texts.pointsPerQuestion, "0");
    EXPECT_EQ(texts.date, "1/1/00");
}

TEST(ScoreRowText, ZeroesAndImpossibleRowsShowNoDivisionResult) {
    EXPECT_EQ(FormatScoreRow(Row("", 0, 10, 10, 0), 1).pointsPerQuestion, "0.0");
    EXPECT_EQ(FormatScoreRow(Row("", 0, 10, 10, 0), 1).percentage, "0");
    // Hand-made rows that claim points or right answers without questions.
    EXPECT_EQ(FormatScoreRow(Row("", 15, 0, 0, 3), 1).pointsPerQuestion, "0.0");
    EXPECT_EQ(FormatScoreRow(Row("", 15, 0, 0, 3), 1).percentage, "0");
    EXPECT_EQ(FormatScoreRow(Row("", -7, 2, 2, 0), 3).pointsPerQuestion, "-3.5");
}

TEST(ScoreTableText, ShowingCachesThePercentagesSortingReads) {
    scores::ScoreTable table;
    table.rows[0] = Row("a", 30, 8, 7, 1);
    table.rows[1] = Row("b", 20, 4, 1, 3);
    table.rows[2].percentage = 55.0f;  // an empty row caches 0
    const auto texts = scores::FormatScoreTable(table, scores::kTableForP);
    EXPECT_EQ(texts[0].percentage, "12.5");
    EXPECT_EQ(texts[1].percentage, "75.0");
    EXPECT_FLOAT_EQ(table.rows[0].percentage, 12.5f);
    EXPECT_FLOAT_EQ(table.rows[1].percentage, 75.0f);
    EXPECT_EQ(table.rows[2].percentage, 0.0f);
    EXPECT_EQ(texts[9].date, "1/1/00");
}

}  // namespace
