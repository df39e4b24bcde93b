// The intro: played to its end with layouts of several sizes, and skipped by a typed
// character or a left click only.
#include "app/intro.h"
#include "game_fixture.h"

using game_testing::GameTest;

namespace {

class IntroTest : public GameTest {
protected:
    // Restarts the intro with a layout of `count` entries.
    void PlayWith(int count) {
        layout.count = count;
        std::snprintf(layout.prefix, sizeof layout.prefix, "tile");
        for (int k = 0; k < count; ++k) layout.positions[k] = {40 + 100 * k, 300};
        screens::SetIntroLayout(&layout);
        Interface::SetState(StateIntro, false);
    }
    quiz::IntroLayout layout;
};

}  // namespace

TEST_F(IntroTest, StartsWithTheTimerOverTheIntroBackground) {
    EXPECT_EQ(Interface::GetState(), StateIntro);
    EXPECT_TRUE(Exists(62));
    EXPECT_NE(Interface::Background(), nullptr);
    EXPECT_FALSE(Exists(7));
    RunFor(1100);
    EXPECT_TRUE(Exists(7));  // the first frame picture after a second
    RunFor(4000);
    SaveScreenshot("intro_frames");
}

TEST_F(IntroTest, ThreeFramePicturesPlayOneAfterAnotherThenTheTitlesAndTheMenu) {
    PlayWith(3);
    RunFor(1100);
    EXPECT_TRUE(Exists(7));
    EXPECT_FALSE(Exists(8));
    RunFor(600);  // ten fade steps of 50 ms
    EXPECT_TRUE(Exists(8));
    RunFor(600);
    EXPECT_TRUE(Exists(9));
    EXPECT_FALSE(Exists(37));
    RunFor(600);
    EXPECT_TRUE(Exists(37));
    EXPECT_FALSE(Exists(10));
    RunFor(2100);
    EXPECT_FALSE(Shown(37));
    EXPECT_TRUE(Exists(63));
    RunFor(600 + 2100);
    for (int id : {38, 39, 40, 41, 64}) EXPECT_TRUE(Exists(id)) << id;
    SaveScreenshot("intro_titles");
    EXPECT_EQ(Interface::GetState(), StateIntro);
    EXPECT_TRUE(RunUntilState(StateMainMenu, 12000));
    EXPECT_FALSE(Exists(62));
}

TEST_F(IntroTest, AOneEntryLayoutShowsOnlyTheFirstFramePicture) {
    PlayWith(1);
    RunFor(1100);
    EXPECT_TRUE(Exists(7));
    RunFor(700);
    EXPECT_TRUE(Exists(37));
    EXPECT_FALSE(Exists(8));
    EXPECT_TRUE(RunUntilState(StateMainMenu, 20000));
}

// An empty intro.dat gives no prefix and no positions; frame pictures that cannot be loaded
// are passed over. Neither may leave the intro waiting on its background.
TEST_F(IntroTest, AnEmptyLayoutOrMissingFramePicturesGoStraightOnToTheTitles) {
    dir.Write("empty.dat", "");
    ASSERT_TRUE(layout.Read(dir / "empty.dat"));
    screens::SetIntroLayout(&layout);
    for (int run = 0; run < 2; ++run) {
        if (run == 1) {
            PlayWith(3);
            std::snprintf(layout.prefix, sizeof layout.prefix, "none");
        }
        Interface::SetState(StateIntro, false);
        RunFor(1100);
        EXPECT_FALSE(Exists(7)) << run;
        EXPECT_TRUE(Exists(37)) << run;
        EXPECT_TRUE(RunUntilState(StateMainMenu, 20000)) << run;
    }
}

TEST_F(IntroTest, ATypedCharacterOrALeftClickSkipsIt) {
    TypeChar('a', 0x1E);
    EXPECT_EQ(Interface::GetState(), StateMainMenu);
    Interface::SetState(StateIntro, false);
    ClickAt(400, 300);
    EXPECT_EQ(Interface::GetState(), StateMainMenu);
}

TEST_F(IntroTest, ARightClickOrAKeyWithoutACharacterDoesNot) {
    ClickAt(400, 300, true);
    headless::PressKey(0x148);  // up arrow
    headless::PressKey(0x3B);   // F1
    RunFor(100);
    EXPECT_EQ(Interface::GetState(), StateIntro);
}
