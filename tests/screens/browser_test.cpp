// The question browser: both modes, the switch and its file, the keys, the way back.
#include "app/question_browser.h"
#include "controls/wrapped_text.h"
#include "game_fixture.h"
#include "single/single_player.h"

using game_testing::GameTest;

namespace {

class BrowserTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        GoToMainMenu();
    }
    void Open() {
        Interface::SetState(StateBrowser, false);
        RunFor(100);
    }
    int ShownMark() const {
        int shown = -1;
        for (int i = 0; i < 3; ++i) {
            if (Shown(1030 + i)) {
                EXPECT_EQ(shown, -1) << "two marks shown";
                shown = i;
            }
        }
        return shown;
    }
    std::string SwitchFile() const { return dir.Read("home/System/ini_dr2.dat"); }
    void SetSwitchFile(int32_t mode) {
        dir.Write("home/System/ini_dr2.dat", std::string(1, static_cast<char>(mode)) + std::string(3, '\0'));
    }
    static std::string QuestionText(int k) { return singleQuiz->bank[singleQuiz->order[k]].question; }
};

}  // namespace

TEST_F(BrowserTest, OpensOnTheFirstQuestionWithItsAnswerMarked) {
    SetSwitchFile(1);
    Open();
    EXPECT_EQ(screens::BrowserQuizMode(), 1);
    EXPECT_EQ(screens::BrowserIndex(), 0);
    EXPECT_EQ(ShownMark(), singleQuiz->correctSlot[0]);
    EXPECT_TRUE(Shown(53));  // the help button
    EXPECT_FALSE(QuestionText(0).empty());
    SaveScreenshot("browser");
}

TEST_F(BrowserTest, ModeZeroShowsEachNewQuestionMarked) {
    SetSwitchFile(0);
    Open();
    for (int k = 1; k <= 3; ++k) {
        ClickControl(1029);
        EXPECT_EQ(screens::BrowserIndex(), k);
        EXPECT_EQ(ShownMark(), singleQuiz->correctSlot[k]);
    }
}

TEST_F(BrowserTest, ModeOneMarksFirstThenMovesOn) {
    SetSwitchFile(1);
    Open();
    ClickControl(1029);  // the first question came marked: move on
    EXPECT_EQ(screens::BrowserIndex(), 1);
    EXPECT_EQ(ShownMark(), -1);
    ClickControl(1029);
    EXPECT_EQ(screens::BrowserIndex(), 1);
    EXPECT_EQ(ShownMark(), singleQuiz->correctSlot[1]);
    TypeChar(' ', 0x39);
    EXPECT_EQ(screens::BrowserIndex(), 2);
    TypeChar(' ', 0x39);
    EXPECT_EQ(ShownMark(), singleQuiz->correctSlot[2]);
}

TEST_F(BrowserTest, AClickOnTheSwitchIsWrittenEnterIsNot) {
    SetSwitchFile(0);
    Open();
    ClickControl(1033);
    EXPECT_EQ(screens::BrowserQuizMode(), 1);
    EXPECT_EQ(SwitchFile(), std::string("\x01\0\0\0", 4));
    TypeChar(13, 0x1C);
    EXPECT_EQ(screens::BrowserQuizMode(), 0);
    EXPECT_EQ(SwitchFile(), std::string("\x01\0\0\0", 4));
    Open();  // built again: the file decides
    EXPECT_EQ(screens::BrowserQuizMode(), 1);
}

TEST_F(BrowserTest, AfterTheThousandthQuestionItReturnsToTheMainMenu) {
    SetSwitchFile(0);
    Open();
    for (int k = 1; k < 1000; ++k) {
        headless::TypeText(" ");
        Interface::PumpMessages();
    }
    EXPECT_EQ(screens::BrowserIndex(), 999);
    EXPECT_EQ(Interface::GetState(), StateBrowser);
    TypeChar(' ', 0x39);
    EXPECT_EQ(Interface::GetState(), StateMainMenu);
}

TEST_F(BrowserTest, EscWithTheHelpOpenOnlyClosesIt) {
    Open();
    ClickControl(53);
    EXPECT_TRUE(Shown(1040));
    EXPECT_EQ(controlsFrozen, 1);
    SaveScreenshot("browser_help");
    headless::KeyDown(1, 27);
    headless::KeyUp(1, 27);
    Frame();
    EXPECT_EQ(Interface::GetState(), StateBrowser);
    EXPECT_FALSE(Shown(1040));
    EXPECT_EQ(controlsFrozen, 0);
    TypeChar(' ', 0x39);  // works again
    EXPECT_EQ(screens::BrowserIndex(), 1);
    headless::KeyDown(1, 27);
    Frame();
    EXPECT_EQ(Interface::GetState(), StateMainMenu);
}

TEST_F(BrowserTest, TheBackButtonLeadsToTheMainMenu) {
    Open();
    ClickControl(775);
    EXPECT_EQ(Interface::GetState(), StateMainMenu);
}
