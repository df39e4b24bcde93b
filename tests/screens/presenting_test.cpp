// Frames reach the screen only when they changed: counted on the headless backend, and
// checked against a frame composed afresh so that no change is ever missed.
#include "single_game_fixture.h"

#include <vector>

using game_testing::SinglePlayerTest;

namespace {

class PresentingTest : public SinglePlayerTest {
protected:
    // The screen as presented must equal a frame composed from scratch at the same moment.
    void ExpectScreenUpToDate(const char* where) {
        const std::vector<uint32_t> shown = headless::Screen().pixels;
        const int presents = headless::PresentCount();
        platform::PostMessage({platform::kWmPaint, 0, 0});
        Interface::PumpMessages();
        Interface::Render();
        EXPECT_EQ(headless::PresentCount(), presents + 1) << where;
        EXPECT_TRUE(shown == headless::Screen().pixels) << "a change was not presented: " << where;
    }
};

}  // namespace

TEST_F(PresentingTest, AnIdleMainMenuIsPresentedOnce) {
    HoverAway();
    RunFor(1000);
    const int presents = headless::PresentCount();
    RunFor(10000);
    EXPECT_EQ(headless::PresentCount(), presents);
    ExpectScreenUpToDate("idle main menu");
}

TEST_F(PresentingTest, HoversClicksAndScreenChangesArePresented) {
    HoverAway();
    RunFor(1000);
    int presents = headless::PresentCount();
    PointAtControl(2);  // the one-player button starts its hover animation
    RunFor(300);
    EXPECT_GT(headless::PresentCount(), presents);
    ExpectScreenUpToDate("hovered menu button");
    RunFor(1500);  // the hint appears after a second of hovering
    ExpectScreenUpToDate("hint shown");
    presents = headless::PresentCount();
    ClickControl(2);
    EXPECT_EQ(Interface::GetState(), StateSingleMenu);
    EXPECT_GT(headless::PresentCount(), presents);
    RunFor(500);
    ExpectScreenUpToDate("single-player menu");
}

TEST_F(PresentingTest, TheClockGameIsPresentedAsItChanges) {
    StartForP();
    for (int i = 0; i < 6; ++i) {
        RunFor(700);  // answers appear one a second, then the clock runs
        ExpectScreenUpToDate("clock game");
    }
    WaitForAnswers();
    Answer(CorrectSlot());
    RunFor(300);
    ExpectScreenUpToDate("answered");
    // A running clock changes the screen about once a second, not on each of the 100
    // frames.
    const int presents = headless::PresentCount();
    RunFor(2700);
    EXPECT_LT(headless::PresentCount() - presents, 15);
}

TEST_F(PresentingTest, ARepaintRequestPresentsTheSameFrameAgain) {
    RunFor(1000);
    const int presents = headless::PresentCount();
    platform::PostMessage({platform::kWmPaint, 0, 0});
    Frame();
    Frame();
    EXPECT_EQ(headless::PresentCount(), presents + 1);
}

TEST_F(PresentingTest, TheIntroIsPresentedAsItPlays) {
    Interface::SetState(StateIntro, false);
    int presents = headless::PresentCount();
    for (int i = 0; i < 16; ++i) {
        RunFor(700);
        ExpectScreenUpToDate("intro");
    }
    EXPECT_GT(headless::PresentCount() - presents, 20);
}
