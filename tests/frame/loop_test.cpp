// The window procedure, the message pump, the paced loop and the render pass.
#include "frame_fixture.h"
#include "picture_files.h"

using frame_testing::FrameTest;
using frame_testing::ProbeControl;

namespace {

std::vector<uint32_t> frameTicks;
int ticksToRun = 0;
uint32_t stallAtFrame = 0;

void RecordTick() {
    frameTicks.push_back(platform::GetTickCount());
    if (frameTicks.size() == stallAtFrame) headless::Advance(100);
    if (static_cast<int>(frameTicks.size()) >= ticksToRun) Interface::RequestQuit();
}

std::vector<std::pair<int32_t, int32_t>> gameInputs;
std::vector<bool> keyDownRepeats;
int32_t RecordInput(int32_t code, int32_t value, int32_t*) {
    gameInputs.emplace_back(code, value);
    if (code == Interface::kInputKeyDown) keyDownRepeats.push_back(Interface::KeyDownIsRepeat());
    return 0;
}

class LoopTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        frameTicks.clear();
        gameInputs.clear();
        keyDownRepeats.clear();
        stallAtFrame = 0;
        Interface::SetCallbacks(nullptr, nullptr, RecordTick, RecordInput);
    }
};

}  // namespace

TEST_F(LoopTest, FramesFallOnThe27MillisecondGrid) {
    ticksToRun = 5;
    const uint32_t start = platform::GetTickCount();
    EXPECT_EQ(Interface::Run(), 0);
    ASSERT_EQ(frameTicks.size(), 5u);
    // Polled every 10 ms, a frame is due once more than a period has passed since the last
    // grid point: after 27 at 30, 54 at 60, 81 at 90, 108 at 110 and 135 at 140.
    EXPECT_EQ(frameTicks[0] - start, 30u);
    EXPECT_EQ(frameTicks[1] - start, 60u);
    EXPECT_EQ(frameTicks[2] - start, 90u);
    EXPECT_EQ(frameTicks[3] - start, 110u);
    EXPECT_EQ(frameTicks[4] - start, 140u);
}

TEST_F(LoopTest, AStallGivesOneFrameAtOnceAndNoCatchUpBurst) {
    ticksToRun = 5;
    stallAtFrame = 2;  // the second frame's tick takes 100 ms
    const uint32_t start = platform::GetTickCount();
    Interface::Run();
    ASSERT_EQ(frameTicks.size(), 5u);
    EXPECT_EQ(frameTicks[1] - start, 60u);
    EXPECT_EQ(frameTicks[2] - start, 160u);  // due at once after the stall
    // Then the grid resumes from period 5 (135) instead of making up the missed frames:
    // the next grid points are 162 and 189.
    EXPECT_EQ(frameTicks[3] - start, 170u);
    EXPECT_EQ(frameTicks[4] - start, 190u);
}

TEST_F(LoopTest, AnInactiveWindowStopsUpdatesButNotInput) {
    properties.runWhenInactive = 0;
    auto* probe = new ProbeControl(7);
    Interface::AddControl(probe, true);
    headless::SetActivity(false, false);
    for (int i = 0; i < 5; ++i) headless::Click(300, 300);
    Interface::PumpMessages();
    for (int i = 0; i < 20; ++i) {
        headless::Advance(27);
        Interface::PumpMessages();
    }
    headless::CloseWindow();
    ticksToRun = 1000;
    Interface::Run();
    EXPECT_TRUE(frameTicks.empty());
    EXPECT_EQ(probe->updates, 0);
    EXPECT_GE(probe->inputs.size(), 10u);
    EXPECT_EQ(gameInputs.front().first, Interface::kInputDeactivated);
}

TEST_F(LoopTest, ActivityChangesReachTheGameOnce) {
    headless::SetActivity(true, false);  // already active: nothing
    headless::SetActivity(false, true);
    headless::SetActivity(true, false);
    Interface::PumpMessages();
    const std::vector<std::pair<int32_t, int32_t>> expected = {
        {Interface::kInputDeactivated, 0}, {Interface::kInputMinimised, 0},
        {Interface::kInputActivated, 0}, {Interface::kInputRestored, 0}};
    EXPECT_EQ(gameInputs, expected);
}

// A key-down repeats while its key is held; a key released while another window had the
// keyboard sends no key-up, so leaving the window must not keep the key held for ever.
TEST_F(LoopTest, AKeyDownRepeatsOnlyWhileItsKeyIsHeldHere) {
    headless::KeyDown(30);
    headless::KeyDown(30);  // the platform need not mark the repeat itself
    headless::KeyDown(38);
    headless::KeyUp(30);
    headless::KeyDown(30);
    headless::SetActivity(false, false);  // released elsewhere: no key-up comes
    headless::SetActivity(true, false);
    headless::KeyDown(30);
    Interface::PumpMessages();
    EXPECT_EQ(keyDownRepeats, (std::vector<bool>{false, true, false, false, false}));
    EXPECT_FALSE(Interface::KeyDownIsRepeat());
}

TEST_F(LoopTest, MessagesBecomeInputCodesInPlayAreaCoordinates) {
    headless::MoveMouse(112 + 10, 84 + 20);  // the play area starts at (112, 84)
    headless::MouseButton(true, true);
    headless::MouseButton(true, false);
    headless::PressKey(0x1E, 'a');
    headless::KeyDown(0x3E, 0, true);  // Alt+F4 is a key like any other
    Interface::PumpMessages();
    EXPECT_EQ(Interface::MouseX(), 10);
    EXPECT_EQ(Interface::MouseY(), 20);
    const std::vector<std::pair<int32_t, int32_t>> expected = {
        {9, 0}, {6, 0}, {7, 0}, {11, 0x1E}, {1, 'a'}, {2, 'a'}, {12, 0x1E}, {11, 0x3E}};
    EXPECT_EQ(gameInputs, expected);
    EXPECT_TRUE(headless::Window().exists);
}

TEST_F(LoopTest, ClosingTheWindowEndsTheLoop) {
    ticksToRun = 1000;
    headless::CloseWindow();
    EXPECT_EQ(Interface::Run(), 0);
    EXPECT_FALSE(headless::Window().exists);
}

namespace {
int changes = 0;
void CountChange() { ++changes; }
}  // namespace

TEST_F(LoopTest, InputQueuedWithAStateChangeIsDropped) {
    Interface::SetCallbacks(CountChange, nullptr, RecordTick, RecordInput);
    auto* probe = new ProbeControl(7);
    probe->onInput = [](int32_t code, int32_t) {
        if (code == Interface::kInputLeftDown) Interface::SetState(Interface::GetState() + 1, false);
    };
    Interface::AddControl(probe, true);
    headless::Click(300, 300);
    headless::Click(310, 300);
    Interface::PumpMessages();
    EXPECT_EQ(Interface::GetState(), 1);
    EXPECT_EQ(probe->inputs, (std::vector<int32_t>{9, 3}));
    EXPECT_EQ(Interface::MouseX(), 300 - 112);  // the later move was dropped too
    EXPECT_FALSE(Interface::InputBlocked());
    headless::Click(320, 300);
    Interface::PumpMessages();
    EXPECT_EQ(Interface::GetState(), 2);
}

TEST_F(LoopTest, RenderPresentsTheBackgroundWholeAtThePlayAreasOrigin) {
    std::vector<uint32_t> pixels(1024 * 768, 0x204060);
    pixels.front() = 0xC08040;
    pixels[683 * 1024 + 911] = 0x40C080;  // the last one the 1024 x 768 screen shows
    ASSERT_TRUE(frame_testing::WriteBmp(dir / "game/bg.bmp", 1024, 768, pixels));
    ASSERT_EQ(Interface::SetBackground("bg", false), 1);
    Interface::Render();
    EXPECT_EQ(headless::PresentCount(), 1);
    const auto& screen = headless::Screen();
    EXPECT_EQ(screen.At(112, 84), 0xC08040u);
    EXPECT_EQ(screen.At(113, 85), 0x204060u);
    EXPECT_EQ(screen.At(1023, 767), 0x40C080u);
    EXPECT_EQ(screen.At(111, 84), 0u);  // outside the play area nothing is drawn
    EXPECT_EQ(screen.At(112, 83), 0u);
}

TEST_F(LoopTest, TheFpsCounterShowsZeroInTheFirstSecond) {
    properties.showFps = 1;
    properties.showStatusLine = 0;
    Interface::Render();
    const auto& screen = headless::Screen();
    // "FPS: (0)" in black on white at the play area's corner.
    int white = 0;
    for (int x = 112; x < 200; ++x) white += screen.At(x, 90) == 0xFFFFFF;
    EXPECT_GT(white, 20);
    gfx::Size size;
    Interface::MeasureText("FPS: (0)", nullptr, &size);
    EXPECT_EQ(screen.At(112 + size.width + 2, 90), 0u);
}

namespace {
class HintedControl : public Control {
public:
    HintedControl(int32_t id, int x, int y) : Control(id) {
        SetPosition(x, y);
        SetSize(40, 20);
        SetHint("Nápověda");
    }
};

// Pixels of the hint's background colour in the back buffer.
int HintPixels(int fromX, int toX, int fromY, int toY) {
    const gfx::Surface& back = Interface::BackBuffer();
    int n = 0;
    for (int y = fromY; y < toY; ++y)
        for (int x = fromX; x < toX; ++x) n += gfx::PixelToColor(back.layout, back.ReadPixel(x, y)) == 0x99C6DB;
    return n;
}
}  // namespace

TEST_F(LoopTest, TheHintAppearsAfterASecondBelowRightOrFlippedAtTheEdges) {
    Interface::SetHintStyle(0x000000, 0x99C6DB, 0x000000);
    Interface::AddControl(new HintedControl(9, 100, 100), true);
    Interface::AddControl(new HintedControl(10, 980, 740), true);
    headless::MoveMouse(112 + 110, 84 + 110);
    Interface::PumpMessages();
    Interface::Render();
    EXPECT_EQ(HintPixels(0, 1024, 0, 768), 0);  // not before the delay
    headless::Advance(1000);
    Interface::Render();
    EXPECT_GT(HintPixels(126, 200, 126, 150), 50);  // at the mouse + (16, 16)
    headless::MoveMouse(112 + 1000, 84 + 750);
    Interface::PumpMessages();
    Interface::Render();  // the first control is left
    Interface::Render();  // the second one is found; the delay starts
    headless::Advance(1000);
    Interface::Render();
    // Near the right and bottom edges it is drawn to the left of and above the pointer.
    EXPECT_GT(HintPixels(930, 1000, 734, 750), 50);
    EXPECT_EQ(HintPixels(1002, 1024, 0, 768) + HintPixels(0, 1024, 751, 768), 0);
}
