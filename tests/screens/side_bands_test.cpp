// The buzzer game on a wide screen: the board and the counter large in the side bands, at the
// window's own resolution, in the players' colours, the play area untouched; on 4:3 nothing
// changes.
#include "multi/play_presentation.h"
#include "room/player_colours.h"
#include "multi/side_board.h"
#include "multi_game_fixture.h"
#include "platform/platform.h"

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

using game_testing::MultiPlayerTest;
namespace mp = multi;

namespace {

constexpr int kBand = 240;  // each band of a 1920 x 1080 window

std::string Czech(const char* utf8) { return platform::Utf8ToCp1250(utf8); }

// A canvas colour (0x00BBGGRR) as the window's pixels hold it (0x00RRGGBB).
uint32_t Rgb(uint32_t bgr) { return (bgr & 0xFF) << 16 | (bgr & 0xFF00) | (bgr >> 16 & 0xFF); }

struct Ink {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    bool Found() const { return right >= 0; }
    int Height() const { return bottom - top + 1; }
    int Width() const { return right - left + 1; }
};

// The pixels of exactly `rgb` within columns x0..x1 and rows y0..y1 (ends excluded).
Ink InkOf(const headless::Frame& frame, uint32_t rgb, int x0, int x1, int y0 = 0,
          int y1 = 1080) {
    Ink ink;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            if (frame.At(x, y) != rgb) continue;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
    }
    return ink;
}

// The rows of text in which `rgb` shows, top first: runs of pixel rows, an accent's small
// gap above its letter bridged.
std::vector<Ink> LinesOf(const headless::Frame& frame, uint32_t rgb, int x0, int x1) {
    constexpr int kAccentGap = 6;
    std::vector<Ink> lines;
    for (int y = 0; y < frame.height; ++y) {
        const Ink row = InkOf(frame, rgb, x0, x1, y, y + 1);
        if (!row.Found()) continue;
        if (lines.empty() || y - lines.back().bottom > kAccentGap) lines.push_back(row);
        Ink& line = lines.back();
        line.left = std::min(line.left, row.left);
        line.right = std::max(line.right, row.right);
        line.bottom = y;
    }
    return lines;
}

}  // namespace

class WideScreenTest : public MultiPlayerTest {
protected:
    void StartFivePlayerGame(const std::string (&names)[5]) {
        constexpr uint32_t kKeyQ = 16, kKeyP = 25;
        dir.Write("home/System/users2.dat",
                  Record(names[0].c_str(), kKeyA, true) + Record(names[1].c_str(), kKeyL, true) +
                      Record(names[2].c_str(), kKeyM, true) +
                      Record(names[3].c_str(), kKeyQ, true) + Record(names[4].c_str(), kKeyP, true));
        OpenSetUp();
        ClickControl(mp::kNextButton);
        ASSERT_EQ(mp::playerCount, 5);
        RunFor(100);
        ClickControl(mp::kStartButton);
        WaitForClaims();
    }
    static const headless::Frame& Window(int width, int height) {
        headless::SetWindowSize(width, height);
        return headless::WindowPicture();
    }
    static void SaveWindow(const std::string& name) {
        std::filesystem::create_directories(BRELLIK_SCREENSHOT_DIR);
        ASSERT_TRUE(headless::WindowPicture().SavePng(std::string(BRELLIK_SCREENSHOT_DIR) + "/" +
                                                      name + ".png"));
    }
    // What the window shows of the play area, from (x0, y0) to (x1, y1).
    static std::vector<uint32_t> Area(const headless::Frame& frame, int x0, int y0, int x1,
                                      int y1) {
        std::vector<uint32_t> pixels;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) pixels.push_back(frame.At(x, y));
        }
        return pixels;
    }
};

TEST_F(WideScreenTest, TheBoardAndCounterFillTheBandsLargeInTheirColoursThePlayAreaUntouched) {
    StartFivePlayerGame({"Ada", "Bob", "Cyril", "Dana", "Eva"});
    const headless::Frame& window = Window(1920, 1080);
    SaveWindow("wide_board_1920x1080");
    for (int player = 0; player < 5; ++player) {
        const uint32_t colour = Rgb(room::PlayerColour(player));
        const std::vector<Ink> lines = LinesOf(window, colour, 1920 - kBand, 1920);
        ASSERT_EQ(lines.size(), 2u) << "a name and the points, player " << player;
        // A capital over 25 pixels is a cell of over 40; a digit over 37, one of over 60.
        EXPECT_GE(lines[0].Height(), 25) << player;
        EXPECT_GE(lines[1].Height(), 37) << player;
        EXPECT_GT(lines[1].left, lines[0].left) << "the points stand right, player " << player;
        // The board is the right band's; the left one holds the counter.
        EXPECT_FALSE(InkOf(window, colour, 0, kBand).Found()) << player;
    }
    const std::vector<Ink> counter = LinesOf(window, Rgb(0x00FFFF), 0, kBand);
    ASSERT_EQ(counter.size(), 2u) << "Otázka, then 1 / 10";
    EXPECT_GE(counter[1].Height(), 37);

    // The play area is what the engine drew, whatever the bands show.
    const std::vector<uint32_t> withBoard = Area(window, kBand, 0, 1920 - kBand, 1080);
    platform::SetSideBands({});
    const headless::Frame& plain = headless::WindowPicture();
    EXPECT_EQ(Area(plain, kBand, 0, 1920 - kBand, 1080), withBoard);
    EXPECT_FALSE(InkOf(plain, Rgb(room::PlayerColour(0)), 1920 - kBand, 1920).Found());
}

TEST_F(WideScreenTest, MarksFollowThePanelAndTheBoardIsPaintedOnlyWhenItChanges) {
    StartFivePlayerGame({"Ada", "Bob", "Cyril", "Dana", "Eva"});
    const int right = 1920 - kBand;
    Window(1920, 1080);
    const int painted = headless::BandPaintCount();
    RunFor(500);
    headless::WindowPicture();
    EXPECT_EQ(headless::BandPaintCount(), painted) << "nothing changed, nothing painted";

    Buzz(kKeyM);
    Answer((CorrectSlot() + 1) % 3);
    ASSERT_EQ(LabelText(mp::kFirstRowMark + 2), mp::kLockedOutMark);
    const headless::Frame& window = headless::WindowPicture();
    SaveWindow("wide_board_locked_out");
    EXPECT_GT(headless::BandPaintCount(), painted);
    const Ink cross = InkOf(window, Rgb(mp::kLockedOutColour), right, 1920);
    const std::vector<Ink> cyril = LinesOf(window, Rgb(room::PlayerColour(2)), right, 1920);
    ASSERT_TRUE(cross.Found());
    ASSERT_EQ(cyril.size(), 2u);
    // The × stands on Cyril's points line, left of the points.
    EXPECT_GE(cross.top, cyril[1].top - 20);
    EXPECT_LE(cross.bottom, cyril[1].bottom + 20);
    EXPECT_LT(cross.right, cyril[1].left);
    // The four who lost nothing lead.
    EXPECT_EQ(LinesOf(window, Rgb(mp::kLeaderColour), right, 1920).size(), 4u);

    // Another screen takes the bands back.
    Interface::SetState(StateMainMenu, false);
    RunFor(100);
    const headless::Frame& menu = headless::WindowPicture();
    EXPECT_FALSE(InkOf(menu, Rgb(room::PlayerColour(0)), right, 1920).Found());
    EXPECT_FALSE(InkOf(menu, Rgb(0x00FFFF), 0, kBand).Found());
}

TEST_F(WideScreenTest, LongNamesShrinkWholeIntoTheBandAndStayApart) {
    const std::string names[5] = {
        Czech("Bartoloměj Všudybyl Novák"), Czech("Anežka Přemyslovna Dvořák"),
        "WWWWWWWWWWWWWWWWWWWWWWWWWWW", Czech("Žofie Šťastná z Poděbrad"),
        Czech("Eva")};
    StartFivePlayerGame(names);
    const headless::Frame& window = Window(1920, 1080);
    SaveWindow("wide_board_long_names");
    int below = 0;
    for (int player = 0; player < 5; ++player) {
        const std::vector<Ink> lines =
            LinesOf(window, Rgb(room::PlayerColour(player)), 1920 - kBand, 1920);
        // The name in one or two rows, then the points.
        ASSERT_GE(lines.size(), 2u) << player;
        ASSERT_LE(lines.size(), 3u) << player;
        for (std::size_t row = 0; row + 1 < lines.size(); ++row) {
            const Ink& name = lines[row];
            // Within the band's margins, not run off its edge, and still of a readable size.
            EXPECT_GE(name.left, 1920 - kBand + 8) << player;
            EXPECT_LE(name.right, 1920 - 8) << player;
            EXPECT_GE(name.Height(), 10) << player;
            EXPECT_GT(name.top, below) << "players stay in order and apart";
            below = name.bottom;
        }
        EXPECT_GE(lines.back().Height(), 37) << "the points keep their size, player " << player;
        below = lines.back().bottom;
    }
}

TEST_F(WideScreenTest, OnA43ScreenTheWindowIsThePlayAreaAloneWhateverTheBandsSay) {
    StartFivePlayerGame({"Ada", "Bob", "Cyril", "Dana", "Eva"});
    const headless::Frame& screen = headless::Screen();
    const std::vector<uint32_t> drawn =
        Area(screen, ScreenX(0), ScreenY(0), ScreenX(800), ScreenY(600));
    EXPECT_EQ(Area(Window(800, 600), 0, 0, 800, 600), drawn);
    SaveWindow("board_800x600");
    const platform::SideBands board = platform::CurrentSideBands();
    ASSERT_FALSE(board.right.empty());
    const std::pair<int, int> sizes[] = {{800, 600}, {1024, 768}, {1280, 960}};
    for (const auto& [width, height] : sizes) {
        const std::vector<uint32_t> withBoard = Area(Window(width, height), 0, 0, width, height);
        platform::SetSideBands({});
        EXPECT_EQ(Area(headless::WindowPicture(), 0, 0, width, height), withBoard) << width;
        platform::SetSideBands(board);
    }
}

TEST_F(WideScreenTest, AColumnTallerThanTheBandShrinksWholeAndSizesFollowTheWindowsHeight) {
    platform::SideBands bands;
    for (int i = 0; i < 16; ++i) {
        platform::BandLine line;
        line.text = {"Row " + std::to_string(i), 0xFFFFFF};
        line.height = 84;
        bands.left.push_back(line);
    }
    platform::SetSideBands(bands);
    const std::vector<Ink> tall = LinesOf(Window(1920, 1080), 0xFFFFFF, 0, kBand);
    EXPECT_EQ(tall.size(), 16u) << "every line shows, none cut off at the bottom";
    EXPECT_LT(tall.back().bottom, 1080 - 8);

    bands.left.resize(1);
    bands.left[0].text.text = "Ab";
    platform::SetSideBands(bands);
    const int atFullHd = LinesOf(Window(1920, 1080), 0xFFFFFF, 0, kBand)[0].Height();
    const int at720 = LinesOf(Window(1280, 720), 0xFFFFFF, 0, 160)[0].Height();
    EXPECT_NEAR(at720 * 3, atFullHd * 2, 6) << "two thirds of the lines, two thirds the size";
}
