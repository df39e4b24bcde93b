#include "scores/score_table.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

using scores::kEmptyRowPoints;
using scores::ScoreEntry;
using scores::ScoreRecord;
using scores::ScoreTable;
using scores::ScoreTableBytes;
using scores::SortKey;
using Points = std::vector<int32_t>;

uint32_t Le32(const ScoreTableBytes& bytes, std::size_t at) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
    return value;
}

ScoreTable TableWithPoints(std::initializer_list<int32_t> points) {
    ScoreTable table;
    int i = 0;
    for (int32_t p : points) {
        table.rows[i].points = p;
        table.rows[i].SetName("row" + std::to_string(i));
        ++i;
    }
    return table;
}

std::vector<int32_t> PointsOf(const ScoreTable& table) {
    std::vector<int32_t> out;
    for (const ScoreRecord& row : table.rows) out.push_back(row.points);
    return out;
}

TEST(ScoreRecordBytes, EveryFieldSitsAtItsOffsetLittleEndian) {
    ScoreTable table;
    ScoreRecord& row = table.rows[1];
    row.SetName("Ji\xF8\xED");  // Windows-1250
    row.points = 0x01020304;
    row.answered = -2;
    row.wrong = 7;
    row.right = 300;
    row.SetDate("07/03/25");
    row.reserved[6] = 0xAB;
    row.percentage = 42.5f;
    const ScoreTableBytes bytes = table.ToBytes();
    const std::size_t base = 64;
    EXPECT_EQ(std::memcmp(&bytes[base], "Ji\xF8\xED", 5), 0);
    EXPECT_EQ(bytes[base + 28], 0x04);
    EXPECT_EQ(bytes[base + 31], 0x01);
    EXPECT_EQ(Le32(bytes, base + 32), 0xFFFFFFFEu);
    EXPECT_EQ(Le32(bytes, base + 36), 7u);
    EXPECT_EQ(Le32(bytes, base + 40), 300u);
    EXPECT_EQ(std::memcmp(&bytes[base + 44], "07/03/25\0", 9), 0);
    EXPECT_EQ(bytes[base + 59], 0xAB);
    EXPECT_EQ(Le32(bytes, base + 60), std::bit_cast<uint32_t>(42.5f));
    EXPECT_EQ(Le32(bytes, base + 60), 0x422A0000u);
}

TEST(ScoreRecordBytes, AnEmptyTableIsZerosWithMinus100PointsInEveryRow) {
    const ScoreTableBytes bytes = ScoreTable{}.ToBytes();
    ASSERT_EQ(bytes.size(), 640u);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::size_t inRow = i % 64;
        if (inRow >= 28 && inRow < 32) continue;
        ASSERT_EQ(bytes[i], 0) << "byte " << i;
    }
    for (int row = 0; row < 10; ++row) {
        EXPECT_EQ(static_cast<int32_t>(Le32(bytes, row * 64 + 28)), kEmptyRowPoints);
    }
}

TEST(ScoreRecordBytes, BytesRoundTripUnchangedIncludingTailsAfterTerminators) {
    ScoreTableBytes bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 1);
    for (int row = 0; row < 10; ++row) {
        bytes[row * 64 + 3] = 0;    // a short name with old bytes after it
        bytes[row * 64 + 27] = 0;   // the field's last byte
        bytes[row * 64 + 52] = 0;   // the date's terminator
        for (int b = 60; b < 64; ++b) bytes[row * 64 + b] = 0;
    }
    const ScoreTable table = ScoreTable::FromBytes(bytes.data(), bytes.size());
    EXPECT_EQ(table.ToBytes(), bytes);
}

TEST(ScoreRecordBytes, GarbageGivesTerminatedTextAndFinitePercentages) {
    ScoreTableBytes bytes;
    bytes.fill(0xFF);
    ScoreTable table = ScoreTable::FromBytes(bytes.data(), bytes.size());
    for (const ScoreRecord& row : table.rows) {
        EXPECT_EQ(std::strlen(row.name), 27u);
        EXPECT_EQ(std::strlen(row.date), 8u);
        EXPECT_EQ(row.percentage, 0.0f);  // 0xFFFFFFFF is a NaN
        EXPECT_EQ(row.points, -1);
    }
    const uint32_t infinity = std::bit_cast<uint32_t>(std::numeric_limits<float>::infinity());
    for (int b = 0; b < 4; ++b) bytes[60 + b] = static_cast<uint8_t>(infinity >> (8 * b));
    EXPECT_EQ(ScoreTable::FromBytes(bytes.data(), bytes.size()).rows[0].percentage, 0.0f);
}

TEST(ScoreRecordBytes, AShortImageLeavesTheRestEmpty) {
    ScoreTable full = TableWithPoints({50, 40, 30});
    const ScoreTableBytes bytes = full.ToBytes();
    // Row 1 is cut inside its points field: its name is there, its points are not.
    const ScoreTable table = ScoreTable::FromBytes(bytes.data(), 64 + 30);
    EXPECT_EQ(table.rows[0].points, 50);
    EXPECT_STREQ(table.rows[1].name, "row1");
    EXPECT_EQ(table.rows[1].points & 0xFFFF, 40);
    EXPECT_TRUE(table.rows[2].IsEmpty());
    EXPECT_TRUE(ScoreTable::FromBytes(bytes.data(), 0).rows[0].IsEmpty());
}

TEST(ScoreRecordName, IsCutTo27BytesAndKeepsOldBytesAfterTheTerminator) {
    ScoreRecord row;
    row.SetName("abcdefghij");
    row.SetName("xyz");
    EXPECT_STREQ(row.name, "xyz");
    EXPECT_EQ(row.name[4], 'e');
    row.SetName(std::string(40, 'n'));
    EXPECT_EQ(std::strlen(row.name), 27u);
    row.SetName(std::string_view("ab\0cd", 5));
    EXPECT_STREQ(row.name, "ab");
}

TEST(ScoreTableInsert, TakesThePlaceAboveTheFirstStrictlySmallerRow) {
    ScoreTable table = TableWithPoints({90, 50, 50, 20});
    EXPECT_EQ(table.Insert({"tie", 50, 10, 2, 8}, "01/02/03"), 3);
    EXPECT_EQ(PointsOf(table), (Points{90, 50, 50, 50, 20, -100, -100, -100, -100, -100}));
    EXPECT_STREQ(table.rows[3].name, "tie");
    EXPECT_STREQ(table.rows[4].name, "row3");
    EXPECT_EQ(table.rows[3].answered, 10);
    EXPECT_EQ(table.rows[3].wrong, 2);
    EXPECT_EQ(table.rows[3].right, 8);
    EXPECT_STREQ(table.rows[3].date, "01/02/03");
    EXPECT_EQ(table.Insert({"top", 91, 0, 0, 0}, "x"), 0);
    EXPECT_STREQ(table.rows[1].name, "row0");
}

TEST(ScoreTableInsert, AFullTableDropsItsLastRowAndRefusesAResultNotAboveIt) {
    ScoreTable table = TableWithPoints({100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
    EXPECT_EQ(table.Insert({"last", 10, 1, 0, 1}, "d"), -1);
    EXPECT_EQ(table.Insert({"low", 5, 1, 0, 1}, "d"), -1);
    EXPECT_EQ(PointsOf(table), (Points{100, 90, 80, 70, 60, 50, 40, 30, 20, 10}));
    EXPECT_EQ(table.Insert({"mid", 55, 1, 0, 1}, "d"), 5);
    EXPECT_EQ(PointsOf(table), (Points{100, 90, 80, 70, 60, 55, 50, 40, 30, 20}));
    EXPECT_STREQ(table.rows[9].name, "row8");
}

TEST(ScoreTableInsert, AnyResultAboveMinus100FillsAnEmptyRow) {
    ScoreTable table;
    EXPECT_EQ(table.Insert({"", -99, 0, 0, 0}, "d"), 0);
    EXPECT_EQ(table.Insert({"", -100, 0, 0, 0}, "d"), -1);
}

TEST(ScoreTableSort, ByPointsKeepsEmptyRowsLast) {
    ScoreTable table = TableWithPoints({10, 30, 0, 20});
    table.Sort(SortKey::Points);
    EXPECT_EQ(PointsOf(table), (Points{30, 20, 10, 0, -100, -100, -100, -100, -100, -100}));
    EXPECT_STREQ(table.rows[0].name, "row1");
}

TEST(ScoreTableSort, ByAnsweredMovesWholeRows) {
    ScoreTable table = TableWithPoints({30, 20, 10});
    table.rows[0].answered = 5;
    table.rows[1].answered = 40;
    table.rows[2].answered = 12;
    table.Sort(SortKey::Answered);
    EXPECT_EQ(table.rows[0].answered, 40);
    EXPECT_EQ(table.rows[0].points, 20);
    EXPECT_EQ(table.rows[1].answered, 12);
    EXPECT_EQ(table.rows[1].points, 10);
    EXPECT_EQ(table.rows[2].points, 30);
    // Empty rows hold 0 answered, as do rows with none: they mix by the exchange order.
    EXPECT_TRUE(table.rows[3].IsEmpty());
}

TEST(ScoreTableSort, ByPercentageUsesTheRightShareOfAnswered) {
    ScoreTable table = TableWithPoints({30, 20, 10, 5});
    table.rows[0].answered = 10, table.rows[0].right = 5;   // 50 %
    table.rows[1].answered = 4, table.rows[1].right = 3;    // 75 %
    table.rows[2].answered = 3, table.rows[2].right = 0;    // 0 %
    table.rows[3].answered = 8, table.rows[3].right = 1;    // 12.5 %
    table.Sort(SortKey::Percentage);
    EXPECT_EQ(PointsOf(table)[0], 20);
    EXPECT_EQ(PointsOf(table)[1], 30);
    EXPECT_EQ(PointsOf(table)[2], 5);
    EXPECT_FLOAT_EQ(table.rows[0].percentage, 75.0f);
    EXPECT_FLOAT_EQ(table.rows[2].percentage, 12.5f);
}

TEST(ScoreTableSort, ExchangeOrderOfEqualKeysIsFixed) {
    // Rows with equal keys are only exchanged when a larger key comes past them.
    ScoreTable table = TableWithPoints({1, 2, 3});
    for (ScoreRecord& row : table.rows) row.answered = 0;
    table.rows[2].answered = 9;
    table.Sort(SortKey::Answered);
    EXPECT_EQ(PointsOf(table)[0], 3);
    EXPECT_EQ(PointsOf(table)[1], 2);
    EXPECT_EQ(PointsOf(table)[2], 1);
    EXPECT_EQ(PointsOf(table)[3], -100);
}

TEST(RightPercentage, IsZeroWhereTheShareHasNoMeaning) {
    ScoreRecord row;
    row.right = 3, row.answered = 4;
    EXPECT_EQ(scores::RightPercentage(row), 0.0f);  // empty row
    row.points = 10;
    EXPECT_FLOAT_EQ(scores::RightPercentage(row), 75.0f);
    row.answered = 0;
    EXPECT_EQ(scores::RightPercentage(row), 0.0f);
    EXPECT_TRUE(std::isfinite(scores::RightPercentage(row)));
}

}  // namespace
