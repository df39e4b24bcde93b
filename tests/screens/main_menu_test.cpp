// The main menu, its buttons, the exit dialog and the overlays common to every screen.
#include "game_fixture.h"
#include "scores/score_state.h"

using game_testing::GameTest;

namespace {
class MainMenuTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        GoToMainMenu();
    }
};
}  // namespace

TEST_F(MainMenuTest, BuildsItsButtonsAndResetsTheScoreRequest) {
    for (int id : {1, 2, 3, 4, 5, 52, 53, 54, 60, 69, 70, 71, 59}) EXPECT_TRUE(Exists(id)) << id;
    EXPECT_FALSE(Shown(53));
    EXPECT_FALSE(Shown(69));
    EXPECT_EQ(scores::scoreViewRequest, -1);
    EXPECT_EQ(scores::newScoreRow, -1);
    // Hints end centred at the bottom edge.
    Control* hint = Interface::FindControl(50);
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->Y(), 576);
    EXPECT_EQ(hint->X(), 400 - hint->Width() / 2);
}

TEST_F(MainMenuTest, EachButtonLeadsToItsScreen) {
    const std::pair<int32_t, int32_t> buttons[] = {
        {2, StateSingleMenu}, {3, StateMultiSetUp}, {4, StateScores}, {5, StateBrowser}};
    for (const auto& [id, state] : buttons) {
        ClickControl(id);
        EXPECT_EQ(Interface::GetState(), state) << id;
        // Every screen keeps the frame buttons and the exit dialog.
        for (int common : {1, 52, 54, 69, 70, 71}) EXPECT_TRUE(Exists(common)) << common;
        Interface::SetState(StateMainMenu, false);
        RunFor(100);
    }
}

TEST_F(MainMenuTest, TheExitDialogQuitsOnYes) {
    ClickControl(1);
    EXPECT_TRUE(Shown(69));
    EXPECT_TRUE(Shown(70));
    EXPECT_TRUE(Shown(71));
    EXPECT_EQ(Interface::GetFocusId(), 71);
    SaveScreenshot("exit_dialog");
    EXPECT_EQ(controlsFrozen, 1);
    ClickControl(1);  // a second click while it is up does nothing
    EXPECT_TRUE(Shown(69));
    ClickControl(70);
    EXPECT_TRUE(Interface::QuitRequested());
}

TEST_F(MainMenuTest, TheExitDialogClosesOnNoAndUnfreezes) {
    ClickControl(1);
    ClickControl(71);
    EXPECT_FALSE(Shown(69));
    EXPECT_FALSE(Shown(70));
    EXPECT_FALSE(Shown(71));
    EXPECT_EQ(controlsFrozen, 0);
    EXPECT_FALSE(Interface::QuitRequested());
    ClickControl(2);  // the menu works again
    EXPECT_EQ(Interface::GetState(), StateSingleMenu);
}

TEST_F(MainMenuTest, AClickWhileOnlyTheExitDialogIsUpLeavesItUp) {
    ClickControl(1);
    ClickAt(600, 100);
    headless::TypeText("\x1B");
    Frame();
    EXPECT_TRUE(Shown(69));
    EXPECT_EQ(controlsFrozen, 1);
}

TEST_F(MainMenuTest, CreditsCloseOnAClickAndOnEsc) {
    ClickControl(52);
    EXPECT_TRUE(Shown(59));
    SaveScreenshot("credits");
    EXPECT_EQ(controlsFrozen, 1);
    ClickControl(2);  // frozen: the menu button does not react, the click closes the overlay
    EXPECT_EQ(Interface::GetState(), StateMainMenu);
    EXPECT_FALSE(Shown(59));
    EXPECT_EQ(controlsFrozen, 0);
    ClickControl(52);
    headless::TypeText("\x1B");
    Frame();
    EXPECT_FALSE(Shown(59));
    EXPECT_EQ(controlsFrozen, 0);
}

TEST_F(MainMenuTest, TheAdvertOpensAndClosesLikeTheCredits) {
    ClickControl(60);
    EXPECT_TRUE(Shown(61));
    SaveScreenshot("advert");
    EXPECT_EQ(controlsFrozen, 1);
    ClickAt(400, 300);
    EXPECT_FALSE(Shown(61));
    EXPECT_EQ(controlsFrozen, 0);
}

TEST_F(MainMenuTest, MinimiseAndTheWindowOrder) {
    ClickControl(54);
    EXPECT_TRUE(headless::Window().minimised);
    headless::SetActivity(true, false);
    Frame();
    EXPECT_TRUE(headless::Window().topMost);
    headless::SetActivity(false, false);
    Frame();
    EXPECT_FALSE(headless::Window().topMost);
}

TEST_F(MainMenuTest, TheMenuLooksRightOnScreen) {
    RunFor(300);
    SaveScreenshot("main_menu");
    // The background covers the play area: no black pixels in the middle of it.
    EXPECT_NE(headless::Screen().At(ScreenX(400), ScreenY(300)), 0u);
    EXPECT_EQ(LogText().find("Cannot load picture"), std::string::npos) << LogText();
}
