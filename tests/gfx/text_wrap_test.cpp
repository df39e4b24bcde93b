#include "gfx/text_wrap.h"

#include <gtest/gtest.h>

namespace {

using gfx::WrapText;

class TextWrapTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(font_.IsLoaded()); }
    int Width(std::string_view text) const { return font_.TextWidth(text); }

    const gfx::Font font_{{"Arial", 26, 700, 238}};
};

TEST_F(TextWrapTest, AWordThatOverflowsStartsANewLine) {
    const int width = Width("alpha ") + Width("beta ");
    const gfx::WrapResult result = WrapText("alpha beta gamma", font_, width, 1000);
    EXPECT_EQ(result.text, "alpha beta \n\rgamma");
    EXPECT_EQ(result.wrapCount, 1);
    EXPECT_FALSE(result.dropped);
    EXPECT_FALSE(result.clipped);

    const gfx::WrapResult narrower = WrapText("alpha beta gamma", font_, width - 1, 1000);
    EXPECT_EQ(narrower.text.substr(0, 9), "alpha \n\rb");
}

TEST_F(TextWrapTest, WordsBeyondTheHeightAreDroppedWhole) {
    const int width = Width("alpha ") + Width("beta ");
    const gfx::WrapResult fits = WrapText("alpha beta gamma", font_, width, 2 * 26);
    EXPECT_EQ(fits.text, "alpha beta \n\rgamma");
    EXPECT_FALSE(fits.dropped);

    const gfx::WrapResult cut = WrapText("alpha beta gamma delta", font_, width, 2 * 26 - 1);
    EXPECT_EQ(cut.text, "alpha beta ");
    EXPECT_EQ(cut.wrapCount, 0);
    EXPECT_TRUE(cut.dropped);
}

TEST_F(TextWrapTest, BlanksStayWithTheWordBeforeThem) {
    const gfx::WrapResult result = WrapText("  one\t two\r\nthree  ", font_, 10000, 26);
    EXPECT_EQ(result.text, "  one\t two\r\nthree  ");
    EXPECT_EQ(result.wrapCount, 0);
    // A trailing blank counts toward the line: "one " does not fit where "one" would.
    const gfx::WrapResult tight = WrapText("one two", font_, Width("one") + Width("two"), 100);
    EXPECT_EQ(tight.text, "one \n\rtwo");
}

TEST_F(TextWrapTest, AWordWiderThanTheBlockGetsALineOfItsOwnAndIsReported) {
    const gfx::WrapResult result = WrapText("Nejdel\x9A\xEDslovo", font_, 50, 100);
    EXPECT_EQ(result.text, "\n\rNejdel\x9A\xEDslovo");
    EXPECT_EQ(result.wrapCount, 1);
    EXPECT_TRUE(result.clipped);
    EXPECT_FALSE(result.dropped);
}

TEST_F(TextWrapTest, NothingToWrap) {
    const gfx::WrapResult result = WrapText("", font_, 100, 100);
    EXPECT_EQ(result.text, "");
    EXPECT_EQ(result.wrapCount, 0);
    EXPECT_FALSE(result.dropped);
    EXPECT_TRUE(WrapText("word", font_, 100, 10).dropped);  // not even one line fits
}

TEST_F(TextWrapTest, TheTextNeverOutgrowsItsBuffer) {
    std::string text;
    for (int i = 0; i < 500; ++i) text += "ab ";
    const gfx::WrapResult wide = WrapText(text, font_, 1 << 30, 1 << 30);
    EXPECT_EQ(wide.text.size(), 897u);  // 299 whole words of three bytes
    EXPECT_TRUE(wide.dropped);

    const gfx::WrapResult narrow = WrapText(text, font_, Width("ab ") * 4, 1 << 30);
    EXPECT_LE(narrow.text.size(), gfx::kWrappedTextCapacity);
    EXPECT_TRUE(narrow.dropped);
    EXPECT_EQ(narrow.text.substr(narrow.text.size() - 3), "ab ");  // ends with a whole word

    const gfx::WrapResult single = WrapText(std::string(1000, 'x'), font_, 1 << 30, 1 << 30);
    EXPECT_EQ(single.text, "");
    EXPECT_TRUE(single.dropped);
}

}  // namespace
