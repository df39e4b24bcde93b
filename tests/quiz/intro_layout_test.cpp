#include "quiz/intro_layout.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace {

using quiz::IntroLayout;

class IntroLayoutTest : public ::testing::Test {
protected:
    bool ReadText(const std::string& text) {
        scratch_.Write("intro.dat", text);
        return layout_.Read(scratch_ / "intro.dat");
    }

    testing_support::ScratchFolder scratch_;
    IntroLayout layout_;
};

TEST_F(IntroLayoutTest, HeaderAndTwoPositions) {
    ASSERT_TRUE(ReadText("[x]\n10,20\n30,40\n"));
    EXPECT_STREQ(layout_.prefix, "x");
    ASSERT_EQ(layout_.count, 2);
    EXPECT_EQ(layout_.positions[0].x, 10);
    EXPECT_EQ(layout_.positions[0].y, 20);
    EXPECT_EQ(layout_.positions[1].x, 30);
    EXPECT_EQ(layout_.positions[1].y, 40);
}

TEST_F(IntroLayoutTest, BlankLinesAnywhereAndCrLfLineEndsAreSkipped) {
    ASSERT_TRUE(ReadText("\r\n\n[intro_]\r\n\r\n10,20\r\n\n\r\n30,40\r\n\r\n"));
    EXPECT_STREQ(layout_.prefix, "intro_");
    ASSERT_EQ(layout_.count, 2);
    EXPECT_EQ(layout_.positions[1].x, 30);
    EXPECT_EQ(layout_.positions[1].y, 40);
}

TEST_F(IntroLayoutTest, LinesBeforeTheHeaderAreIgnoredAndTheLastLineNeedsNoLineEnd) {
    ASSERT_TRUE(ReadText("1,2\nnotes\n[p]\n-5, 7\n100,200"));
    EXPECT_STREQ(layout_.prefix, "p");
    ASSERT_EQ(layout_.count, 2);
    EXPECT_EQ(layout_.positions[0].x, -5);
    EXPECT_EQ(layout_.positions[0].y, 7);
    EXPECT_EQ(layout_.positions[1].y, 200);
}

TEST_F(IntroLayoutTest, MalformedLinesAreSkippedNotFatal) {
    // The part of an over-long line beyond 159 characters is no line of its own.
    ASSERT_TRUE(ReadText("[no bracket\nno comma here\n" + std::string(200, ' ') + "7,8\n5,6\n"));
    EXPECT_STREQ(layout_.prefix, "no bracket");
    ASSERT_EQ(layout_.count, 1);
    EXPECT_EQ(layout_.positions[0].x, 5);
}

TEST_F(IntroLayoutTest, KeepsAtMost255Positions) {
    std::string text = "[p]\n";
    for (int i = 0; i < 300; ++i) text += std::to_string(i) + "," + std::to_string(i) + "\n";
    ASSERT_TRUE(ReadText(text));
    EXPECT_EQ(layout_.count, 255);
    EXPECT_EQ(layout_.positions[254].x, 254);
}

TEST_F(IntroLayoutTest, AMissingFileLeavesTheLayoutEmpty) {
    ASSERT_TRUE(ReadText("[p]\n1,2\n"));
    EXPECT_FALSE(layout_.Read(scratch_ / "missing.dat"));
    EXPECT_EQ(layout_.count, 0);
}

}  // namespace
