// The play area's rectangle in windows of common sizes, and window points mapped back to
// play-area points, in both scale modes.
#include "platform/play_area_fit.h"
#include "platform/side_bands.h"

#include <gtest/gtest.h>

using platform::FitPlayArea;
using platform::PictureRect;
using platform::PlayAreaPoint;
using platform::ScaleMode;
using platform::WindowToPlayArea;

namespace {

struct FitCase {
    int width, height;
    ScaleMode mode;
    PictureRect expected;
};

const FitCase kFits[] = {
    {1024, 768, ScaleMode::Smooth, {0, 0, 1024, 768}},
    {1280, 1024, ScaleMode::Smooth, {0, 32, 1280, 960}},
    {1920, 1080, ScaleMode::Smooth, {240, 0, 1440, 1080}},
    {2560, 1080, ScaleMode::Smooth, {560, 0, 1440, 1080}},
    {3840, 2160, ScaleMode::Smooth, {480, 0, 2880, 2160}},
    {1024, 768, ScaleMode::Integer, {112, 84, 800, 600}},
    {1280, 1024, ScaleMode::Integer, {240, 212, 800, 600}},
    {1920, 1080, ScaleMode::Integer, {560, 240, 800, 600}},
    {2560, 1080, ScaleMode::Integer, {880, 240, 800, 600}},
    {3840, 2160, ScaleMode::Integer, {720, 180, 2400, 1800}},
    // A window too small for one whole step still shows everything.
    {640, 480, ScaleMode::Integer, {0, 0, 640, 480}},
    {500, 900, ScaleMode::Smooth, {0, 262, 500, 375}},
};

class FitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitTest, IsTheLargest43RectangleCentredInTheWindow) {
    const FitCase& c = GetParam();
    const PictureRect fit = FitPlayArea(c.width, c.height, c.mode);
    EXPECT_EQ(fit, c.expected);
    EXPECT_LE(fit.x + fit.width, c.width);
    EXPECT_LE(fit.y + fit.height, c.height);
}

TEST_P(FitTest, MapsEveryShownPixelBackToThePlayAreaPixelItShows) {
    const FitCase& c = GetParam();
    const PictureRect fit = FitPlayArea(c.width, c.height, c.mode);
    // Corners and centre of the picture.
    EXPECT_EQ(WindowToPlayArea(fit, fit.x, fit.y), (PlayAreaPoint{0, 0}));
    EXPECT_EQ(WindowToPlayArea(fit, fit.x + fit.width - 1, fit.y + fit.height - 1),
              (PlayAreaPoint{799, 599}));
    EXPECT_EQ(WindowToPlayArea(fit, fit.x + fit.width / 2, fit.y + fit.height / 2),
              (PlayAreaPoint{400, 300}));
    // Walking across the picture never skips back and stays inside the play area.
    int last = -1;
    for (int x = fit.x; x < fit.x + fit.width; ++x) {
        const PlayAreaPoint p = WindowToPlayArea(fit, x, fit.y);
        ASSERT_GE(p.x, last);
        ASSERT_LE(p.x - last, 1 + 800 / fit.width) << "a pixel was skipped at " << x;
        ASSERT_LT(p.x, 800);
        last = p.x;
    }
    // The bars lie outside the play area, so no control is hit there.
    EXPECT_LT(WindowToPlayArea(fit, fit.x - 1, fit.y).x, 0);
    EXPECT_LT(WindowToPlayArea(fit, fit.x, fit.y - 1).y, 0);
    EXPECT_GE(WindowToPlayArea(fit, fit.x + fit.width, fit.y).x, 800);
    EXPECT_GE(WindowToPlayArea(fit, fit.x, fit.y + fit.height).y, 600);
}

TEST_P(FitTest, SideBandsFillWhatAWideWindowLeavesBesideThePlayAreaAndNothingElse) {
    const FitCase& c = GetParam();
    const PictureRect fit = FitPlayArea(c.width, c.height, c.mode);
    const platform::BandRects bands = platform::SideBandRects(c.width, c.height, fit);
    if (c.width * 3 <= c.height * 4) {
        EXPECT_EQ(bands, platform::BandRects{}) << "no bands on a screen of 4:3 or narrower";
        return;
    }
    EXPECT_EQ(bands.left, (PictureRect{0, 0, fit.x, c.height}));
    EXPECT_EQ(bands.right, (PictureRect{fit.x + fit.width, 0, c.width - fit.x - fit.width,
                                        c.height}));
}

INSTANTIATE_TEST_SUITE_P(Windows, FitTest, ::testing::ValuesIn(kFits));

TEST(SideBands, ABandTooNarrowToCarryANameStaysEmpty) {
    // 38 pixels of 768 lines: 53 of a 1080-line screen.
    const PictureRect narrow = FitPlayArea(1100, 768, ScaleMode::Smooth);
    EXPECT_EQ(platform::SideBandRects(1100, 768, narrow), platform::BandRects{});
    // 16:10 leaves 140 of 1050 lines: enough.
    const PictureRect wide = FitPlayArea(1680, 1050, ScaleMode::Smooth);
    EXPECT_EQ(platform::SideBandRects(1680, 1050, wide).left.width, 140);
}

TEST(PlayAreaMapping, AButtonDrawnAtItsScaledPlaceIsHitThere) {
    // The main menu's one-player button spans play-area x 520.., y 116..; on a 1920 x 1080
    // screen it is drawn 1.8 times larger, 240 pixels from the left.
    const PictureRect fit = FitPlayArea(1920, 1080, ScaleMode::Smooth);
    EXPECT_EQ(WindowToPlayArea(fit, 240 + 936, 209), (PlayAreaPoint{520, 116}));
    EXPECT_EQ(WindowToPlayArea(fit, 240 + 935, 208), (PlayAreaPoint{519, 115}));
    // Whole steps map exactly: 3 window pixels to each play-area pixel on a 4K screen.
    const PictureRect crisp = FitPlayArea(3840, 2160, ScaleMode::Integer);
    EXPECT_EQ(WindowToPlayArea(crisp, 720 + 3 * 520 + 2, 180 + 3 * 116), (PlayAreaPoint{520, 116}));
    EXPECT_EQ(WindowToPlayArea(crisp, 720 + 3 * 520 + 3, 180 + 3 * 116), (PlayAreaPoint{521, 116}));
}

TEST(PlayAreaMapping, AnEmptyWindowMapsNothingIntoThePlayArea) {
    const PictureRect fit = FitPlayArea(0, 0, ScaleMode::Smooth);
    EXPECT_GE(fit.width, 1);
    const PlayAreaPoint p = WindowToPlayArea(PictureRect{}, 10, 10);
    EXPECT_LT(p.x, 0);
}

}  // namespace

TEST(WindowFit, AnAskedWindowIsCutToTheDisplaySideBySide) {
    int width = 16384, height = 16384;
    EXPECT_TRUE(platform::FitWindowToDisplay(width, height, 1024, 768));
    EXPECT_EQ(width, 1024);
    EXPECT_EQ(height, 768);
    width = 1000, height = 2000;
    EXPECT_TRUE(platform::FitWindowToDisplay(width, height, 1920, 1080));
    EXPECT_EQ(width, 1000);
    EXPECT_EQ(height, 1080);
    EXPECT_FALSE(platform::FitWindowToDisplay(width, height, 1920, 1080));
    width = 16384, height = 600;  // a display that tells no size
    EXPECT_TRUE(platform::FitWindowToDisplay(width, height, 0, 0));
    EXPECT_EQ(width, 8192);
    EXPECT_EQ(height, 600);
}
