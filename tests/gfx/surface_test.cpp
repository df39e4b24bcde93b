#include "gfx/surface.h"

#include "test_support.h"

#include <gtest/gtest.h>

using gfx::PixelLayout;
using gfx::Surface;

class EveryLayout : public ::testing::TestWithParam<PixelLayout> {};
INSTANTIATE_TEST_SUITE_P(Formats, EveryLayout,
                         ::testing::Values(PixelLayout::Rgb565, PixelLayout::Rgb555,
                                           PixelLayout::Bgr24, PixelLayout::Bgrx32),
                         testing_support::LayoutName);

TEST(ColorToPixel, MagentaAndChannelsInEachFormat) {
    EXPECT_EQ(gfx::ColorToPixel(PixelLayout::Rgb565, 0xFF00FF), 0xF81Fu);
    EXPECT_EQ(gfx::ColorToPixel(PixelLayout::Rgb555, 0xFF00FF), 0x7C1Fu);
    EXPECT_EQ(gfx::ColorToPixel(PixelLayout::Bgr24, 0xFF00FF), 0xFF00FFu);
    EXPECT_EQ(gfx::ColorToPixel(PixelLayout::Bgrx32, 0xFF00FF), 0xFF00FFu);
    // 0x00BBGGRR in, red in the high bits out.
    EXPECT_EQ(gfx::ColorToPixel(PixelLayout::Bgrx32, 0x0000FF), 0xFF0000u);
    EXPECT_EQ(gfx::ColorToPixel(PixelLayout::Rgb565, 0x00FF00), 0x07E0u);
    EXPECT_EQ(gfx::ColorToPixel(PixelLayout::Rgb555, 0x00FF00), 0x03E0u);
}

TEST(Surface, StridesFollowTheDibRules) {
    EXPECT_EQ(gfx::StrideOf(PixelLayout::Rgb565, 3), 8);
    EXPECT_EQ(gfx::StrideOf(PixelLayout::Rgb555, 2), 4);
    EXPECT_EQ(gfx::StrideOf(PixelLayout::Bgr24, 5), 16);
    EXPECT_EQ(gfx::StrideOf(PixelLayout::Bgrx32, 5), 20);
    Surface s;
    EXPECT_FALSE(s.Create(PixelLayout::Bgrx32, 0, 10));
    EXPECT_FALSE(s.Create(PixelLayout::Bgrx32, 10, -1));
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(s.keyColor, -1);
}

TEST_P(EveryLayout, TheTopLeftPixelIsTheFirstOfTheLastMemoryRow) {
    Surface s;
    ASSERT_TRUE(s.Create(GetParam(), 5, 4));
    EXPECT_EQ(s.PixelAt(0, 0), s.bits + 3 * s.Stride());
    EXPECT_EQ(s.PixelAt(0, 3), s.bits);
    s.WritePixel(4, 0, gfx::ColorToPixel(GetParam(), 0xFFFFFF));
    EXPECT_EQ(gfx::PixelToColor(GetParam(), s.ReadPixel(4, 0)), 0xFFFFFFu);
}

TEST_P(EveryLayout, ColoursSurviveAPixelRoundTripWithinTheFormatsPrecision) {
    const uint32_t colors[] = {0x000000, 0xFFFFFF, 0xFF00FF, 0x20B0F0, 0x99C6DB};
    for (uint32_t color : colors) {
        const uint32_t back = gfx::PixelToColor(GetParam(), gfx::ColorToPixel(GetParam(), color));
        for (int shift = 0; shift < 24; shift += 8) {
            EXPECT_NEAR(static_cast<int>(back >> shift & 0xFF), static_cast<int>(color >> shift & 0xFF), 7);
        }
    }
}

namespace {
// A 3 x 2 source: white, magenta, red / magenta, white, green.
void MakeSource(Surface& s, PixelLayout layout, bool keyed) {
    s.Create(layout, 3, 2);
    const uint32_t colors[2][3] = {{0xFFFFFF, 0xFF00FF, 0x0000FF}, {0xFF00FF, 0xFFFFFF, 0x00FF00}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) s.WritePixel(x, y, gfx::ColorToPixel(layout, colors[y][x]));
    if (keyed) s.keyColor = static_cast<int32_t>(gfx::kKeyColor);
}
}  // namespace

TEST_P(EveryLayout, KeyedCopySkipsTheKeyOnly) {
    Surface source, target;
    MakeSource(source, GetParam(), true);
    target.Create(GetParam(), 6, 4);
    const uint32_t black = gfx::ColorToPixel(GetParam(), 0);
    gfx::BlitKeyed(target, 2, 1, source, {0, 0, 3, 2});
    EXPECT_EQ(target.ReadPixel(2, 1), gfx::ColorToPixel(GetParam(), 0xFFFFFF));
    EXPECT_EQ(target.ReadPixel(3, 1), black);  // magenta skipped
    EXPECT_EQ(target.ReadPixel(4, 1), gfx::ColorToPixel(GetParam(), 0x0000FF));
    EXPECT_EQ(target.ReadPixel(2, 2), black);
    EXPECT_EQ(target.ReadPixel(4, 2), gfx::ColorToPixel(GetParam(), 0x00FF00));
    EXPECT_EQ(target.ReadPixel(1, 1), black);
}

TEST_P(EveryLayout, KeyedCopyOfAnUnkeyedPictureCopiesEveryPixel) {
    Surface source, target;
    MakeSource(source, GetParam(), false);
    target.Create(GetParam(), 3, 2);
    gfx::BlitKeyed(target, 0, 0, source, {1, 0, 3, 2});
    EXPECT_EQ(target.ReadPixel(0, 0), gfx::ColorToPixel(GetParam(), 0xFF00FF));
    EXPECT_EQ(target.ReadPixel(0, 1), gfx::ColorToPixel(GetParam(), 0xFFFFFF));
    EXPECT_EQ(target.ReadPixel(1, 1), gfx::ColorToPixel(GetParam(), 0x00FF00));
}

TEST_P(EveryLayout, OpaqueCopyClipsAgainstBothSurfaces) {
    Surface source, target;
    MakeSource(source, GetParam(), false);
    target.Create(GetParam(), 4, 4);
    gfx::CopyOpaque(target, -1, 3, 3, 2, source, 0, 0);
    EXPECT_EQ(target.ReadPixel(0, 3), gfx::ColorToPixel(GetParam(), 0xFF00FF));
    EXPECT_EQ(target.ReadPixel(1, 3), gfx::ColorToPixel(GetParam(), 0x0000FF));
    EXPECT_EQ(target.ReadPixel(2, 3), 0u);
    gfx::CopyOpaque(target, 10, 10, 3, 2, source, 0, 0);  // wholly outside: nothing happens
}

TEST_P(EveryLayout, BlurLeavesThinSurfacesAlone) {
    for (auto [w, h] : {std::pair{1, 5}, std::pair{5, 1}}) {
        Surface s;
        s.Create(GetParam(), w, h);
        for (int i = 0; i < w * h; ++i)
            s.WritePixel(i % w, i / w, gfx::ColorToPixel(GetParam(), i % 2 ? 0xFFFFFF : 0));
        const std::vector<uint8_t> before(s.bits, s.bits + s.Stride() * h);
        gfx::BlurSurface(s);
        EXPECT_EQ(std::vector<uint8_t>(s.bits, s.bits + s.Stride() * h), before);
    }
}

TEST_P(EveryLayout, BlurAveragesEachPixelWithItsRightAndUpperNeighbours) {
    // Memory row 0 is the picture's bottom row, so a pixel mixes with the row above it.
    Surface s;
    s.Create(GetParam(), 2, 2);
    s.WritePixel(0, 1, gfx::ColorToPixel(GetParam(), 0xFFFFFF));  // bottom-left white
    gfx::BlurSurface(s);
    const uint32_t mixed = gfx::PixelToColor(GetParam(), s.ReadPixel(0, 1));
    EXPECT_NEAR(static_cast<int>(mixed & 0xFF), 63, 8);
    EXPECT_EQ(s.ReadPixel(1, 1), 0u);  // last column kept
    EXPECT_EQ(s.ReadPixel(0, 0), 0u);  // last memory row kept
}

TEST(Surface, ABlurInPlaceGivesTheColoursOfABlurThroughTwentyFourBitRows) {
    // Bgr24 and Bgrx32 are blurred where they are; the reference goes through 24-bit rows.
    for (PixelLayout layout : {PixelLayout::Bgr24, PixelLayout::Bgrx32}) {
        Surface s;
        s.Create(layout, 7, 5);
        uint32_t seed = 12345;
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 7; ++x) {
                seed = seed * 1103515245u + 12345u;
                s.WritePixel(x, y, gfx::ColorToPixel(layout, seed >> 8 & 0xFFFFFF));
            }
        }
        std::vector<uint8_t> rows = gfx::ReadRows24(s);
        for (int i = 0; i + 1 < 5; ++i) {
            for (int k = 0; k + 3 < 21; ++k) {
                uint8_t* row = rows.data() + i * 24;
                row[k] = static_cast<uint8_t>((row[k] + row[k + 3] + row[k + 24] + row[k + 27]) >> 2);
            }
        }
        Surface expected;
        expected.Create(layout, 7, 5);
        gfx::WriteRows24(expected, rows);
        gfx::BlurSurface(s);
        EXPECT_EQ(std::vector<uint8_t>(s.bits, s.bits + s.Stride() * 5),
                  std::vector<uint8_t>(expected.bits, expected.bits + expected.Stride() * 5));
    }
}

TEST_P(EveryLayout, Rows24RoundTrip) {
    Surface s;
    MakeSource(s, GetParam(), false);
    const auto rows = gfx::ReadRows24(s);
    ASSERT_EQ(rows.size(), 24u);  // two rows of (3 * 3 + 3) & ~3 bytes
    // Bottom row first: magenta, white, green.
    EXPECT_EQ(rows[0], 0xFF);
    EXPECT_EQ(rows[1], 0x00);
    EXPECT_EQ(rows[2], 0xFF);
    Surface copy;
    copy.Create(GetParam(), 3, 2);
    gfx::WriteRows24(copy, rows);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(copy.ReadPixel(x, y), s.ReadPixel(x, y));
}
