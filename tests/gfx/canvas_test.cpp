#include "gfx/canvas.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <set>

using gfx::Canvas;
using gfx::PixelLayout;
using gfx::Surface;

class CanvasAt : public ::testing::TestWithParam<PixelLayout> {
protected:
    void SetUp() override { surface.Create(GetParam(), 40, 30); }
    uint32_t ColorAt(int x, int y) const { return gfx::PixelToColor(GetParam(), surface.ReadPixel(x, y)); }
    int CountColor(uint32_t color) const {
        int n = 0;
        for (int y = 0; y < surface.height; ++y)
            for (int x = 0; x < surface.width; ++x) n += ColorAt(x, y) == color;
        return n;
    }
    Surface surface;
};
INSTANTIATE_TEST_SUITE_P(Formats, CanvasAt,
                         ::testing::Values(PixelLayout::Rgb565, PixelLayout::Rgb555,
                                           PixelLayout::Bgr24, PixelLayout::Bgrx32),
                         testing_support::LayoutName);

TEST_P(CanvasAt, FillCoversTheRectangleWithoutItsRightAndBottomEdges) {
    Canvas canvas(surface);
    canvas.FillRect({2, 3, 6, 5}, 0xFFFFFF);
    EXPECT_EQ(CountColor(0xFFFFFF), 8);
    EXPECT_EQ(ColorAt(2, 3), 0xFFFFFFu);
    EXPECT_EQ(ColorAt(5, 4), 0xFFFFFFu);
    EXPECT_EQ(ColorAt(6, 4), 0u);
    EXPECT_EQ(ColorAt(5, 5), 0u);
    canvas.FillRect({-10, -10, 100, 100}, 0xFFFFFF);  // clipped, not a crash
    EXPECT_EQ(CountColor(0xFFFFFF), 40 * 30);
}

TEST_P(CanvasAt, LinesLeaveTheirEndPointOut) {
    Canvas canvas(surface);
    canvas.SetPen(0xFFFFFF);
    canvas.MoveTo(1, 1);
    canvas.LineTo(11, 1);
    EXPECT_EQ(CountColor(0xFFFFFF), 10);
    EXPECT_EQ(ColorAt(10, 1), 0xFFFFFFu);
    EXPECT_EQ(ColorAt(11, 1), 0u);
    canvas.LineTo(11, 6);  // continues from the current position
    EXPECT_EQ(ColorAt(11, 1), 0xFFFFFFu);
    EXPECT_EQ(ColorAt(11, 5), 0xFFFFFFu);
    EXPECT_EQ(ColorAt(11, 6), 0u);
    canvas.MoveTo(20, 20);
    canvas.LineTo(25, 25);
    EXPECT_EQ(ColorAt(24, 24), 0xFFFFFFu);
    EXPECT_EQ(ColorAt(25, 25), 0u);
}

TEST_P(CanvasAt, ARectangleOutlineClosesExactly) {
    // The hint border: four lines around a box, each leaving out its end point.
    Canvas canvas(surface);
    canvas.SetPen(0xFFFFFF);
    canvas.MoveTo(2, 2);
    canvas.LineTo(12, 2);
    canvas.LineTo(12, 8);
    canvas.LineTo(2, 8);
    canvas.LineTo(2, 2);
    EXPECT_EQ(CountColor(0xFFFFFF), 2 * 10 + 2 * 6);
}

TEST_P(CanvasAt, OpaqueTextFillsItsCellWithTheBackgroundColour) {
    Canvas canvas(surface);
    gfx::Font font({"Arial", 20, 400, 238});
    canvas.SelectFont(&font);
    canvas.SetTextColor(0xFFFFFF);
    canvas.SetBackgroundColor(0x0000FF);
    canvas.TextOut(1, 2, "i");
    const int width = font.TextWidth("i");
    EXPECT_EQ(ColorAt(1, 2), 0x0000FFu);
    EXPECT_EQ(ColorAt(width, 21), 0x0000FFu);
    EXPECT_EQ(ColorAt(width + 1, 2), 0u);
    EXPECT_EQ(ColorAt(1, 22), 0u);
}

TEST_P(CanvasAt, TextOverTheKeyColourIsNotAntiAliased) {
    Canvas canvas(surface);
    canvas.FillRect({0, 0, 40, 30}, gfx::kKeyColor);
    canvas.SetBackgroundMode(gfx::BackgroundMode::Transparent);
    canvas.SetTextColor(0x000000);
    canvas.TextOut(2, 2, "Aš");
    std::set<uint32_t> colors;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) colors.insert(ColorAt(x, y));
    const uint32_t magenta = gfx::PixelToColor(GetParam(), gfx::ColorToPixel(GetParam(), gfx::kKeyColor));
    EXPECT_EQ(colors, (std::set<uint32_t>{0u, magenta}));
}

TEST_P(CanvasAt, TransparentTextIsAntiAliasedOverOtherColours) {
    Canvas canvas(surface);
    canvas.FillRect({0, 0, 40, 30}, 0xFFFFFF);
    canvas.SetBackgroundMode(gfx::BackgroundMode::Transparent);
    canvas.TextOut(2, 2, "Aš");
    std::set<uint32_t> colors;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) colors.insert(ColorAt(x, y));
    EXPECT_GT(colors.size(), 3u);
}

TEST(Canvas, DrawTextBreaksAtLineFeedsAndClipsToItsRectangle) {
    Surface surface;
    surface.Create(PixelLayout::Bgrx32, 200, 100);
    Canvas canvas(surface);
    gfx::Font font({"Arial", 20, 700, 238});
    canvas.SelectFont(&font);
    canvas.SetBackgroundColor(0xFFFFFF);
    // "LF CR" as the wrapping inserts it is one break, not two.
    canvas.DrawText("A\n\rB\r\nC\nD", {0, 0, 200, 50});
    auto rowHasInk = [&](int y) {
        for (int x = 0; x < 200; ++x)
            if (surface.ReadPixel(x, y) == 0xFFFFFF) return true;
        return false;
    };
    EXPECT_TRUE(rowHasInk(5));    // line 1
    EXPECT_TRUE(rowHasInk(25));   // line 2
    EXPECT_TRUE(rowHasInk(45));   // line 3, cut at the bottom
    EXPECT_FALSE(rowHasInk(50));  // nothing below the rectangle
    EXPECT_FALSE(rowHasInk(65));
}
