// Fair claims in the buzzer game: only a fresh press claims, chooses a key or goes on; keys
// the game uses itself never become buzzers; a key button clicked while the keyboard closes
// gives no row a key it lacks; a pad's buttons answer only when they are nobody's buzzer;
// pads answer nothing while the exit dialog holds the game.
#include "multi/play_presentation.h"
#include "multi/player_keys.h"
#include "multi_game_fixture.h"
#include "platform/pad_keys.h"
#include "screens/topic_panel.h"

using game_testing::MultiPlayerTest;
namespace mp = multi;

namespace {

constexpr uint32_t kEsc = 0x01, kDigit1 = 0x02, kF1 = 0x3B;
constexpr int kButtonA = 0, kButtonB = 1, kButtonX = 2;

}  // namespace

class FairnessTest : public MultiPlayerTest {
protected:
    // Key-downs without a key-up, one every 30 ms, as a held key auto-repeats.
    void HoldKey(uint32_t scan, int ms) {
        for (int t = 0; t < ms; t += 30) {
            headless::KeyDown(scan);
            Frame();
        }
    }
};

TEST_F(FairnessTest, AHeldKeyNeitherClaimsNorGoesOnOnlyAFreshPressDoes) {
    StartTwoPlayerGame();
    headless::KeyDown(kKeyA);  // pressed during the reveal, then held through the claim phase
    Frame();
    HoldKey(kKeyA, 10000);
    EXPECT_EQ(mp::answeringPlayer, -1);
    EXPECT_TRUE(mp::claimOpen);
    EXPECT_GE(mp::claimElapsed, 2);
    headless::KeyUp(kKeyA);
    Buzz(kKeyA);
    EXPECT_EQ(mp::answeringPlayer, 0);

    // The correct answer on show waits for a fresh press, not the repeats of one held.
    mp::showCorrectAnswer = 1;
    Answer((CorrectSlot() + 1) % 3);
    RunFor(2100);
    headless::KeyDown(kKeyL);
    Frame();
    Answer((CorrectSlot() + 1) % 3);
    RunFor(2100);
    ASSERT_TRUE(mp::awaitingContinue);
    const int question = multiQuiz->current;
    HoldKey(kKeyL, 1500);
    EXPECT_TRUE(mp::awaitingContinue);
    EXPECT_EQ(multiQuiz->current, question);
    headless::KeyUp(kKeyL);
    Buzz(kKeyL);
    EXPECT_FALSE(mp::awaitingContinue);
    EXPECT_EQ(multiQuiz->current, question + 1);
}

TEST_F(FairnessTest, AKeyHeldWhenTheKeyboardOpensIsNotChosen) {
    OpenSetUp();
    SwitchRow(0);
    TypeName(0, "Ada");
    headless::KeyDown(kKeyA);
    Frame();
    ClickControl(mp::kFirstKeyButton);
    HoldKey(kKeyA, 1000);
    EXPECT_TRUE(Shown(mp::kKeyboard));
    EXPECT_EQ(mp::players[0].key, -1);
    headless::KeyUp(kKeyA);
    headless::PressKey(kKeyA);
    RunFor(1300);
    EXPECT_EQ(mp::players[0].key, static_cast<int32_t>(kKeyA));
}

TEST_F(FairnessTest, KeysTheGameUsesOrThatNoKeySendsNeverBecomeBuzzers) {
    OpenSetUp();
    SwitchRow(0);
    TypeName(0, "Ada");
    ClickControl(mp::kFirstKeyButton);
    for (uint32_t key : {kF1, kDigit1}) {
        headless::PressKey(key);
        Frame();
        // A click on the picture away from any key chooses nothing either.
        ClickAt(140, 212);
        RunFor(1300);
        EXPECT_TRUE(Shown(mp::kKeyboard)) << key;
        EXPECT_EQ(mp::players[0].key, -1) << key;
    }
    headless::PressKey(kEsc);  // Esc closes the keyboard without a choice
    RunFor(1300);
    EXPECT_FALSE(Shown(mp::kKeyboard));
    EXPECT_EQ(mp::players[0].key, -1);

    // Stored: Esc, the digit 1, F1 and a code the keyboard does not offer count as no key.
    for (int32_t stored : {1, 2, 0x3B, 0x7F}) {
        dir.Write("home/System/users2.dat", Record("Ada", stored, true) +
                                                Record("Bob", kKeyL, true) + std::string(132, '\0'));
        OpenSetUp();
        EXPECT_FALSE(mp::HasKey(mp::players[0])) << stored;
        EXPECT_FALSE(Shown(mp::kFirstKeyPicture)) << stored;
        EXPECT_TRUE(Shown(mp::kFirstKeyButton)) << stored;
        ClickControl(mp::kNextButton);
        EXPECT_EQ(Interface::GetState(), StateMultiSetUp) << stored;
    }
}

TEST_F(FairnessTest, AKeyButtonClickedWhileTheKeyboardClosesGivesThatRowNoKey) {
    OpenSetUp();
    SwitchRow(0);
    TypeName(0, "Ada");
    SwitchRow(4);
    TypeName(4, "Eva");
    ClickControl(mp::kFirstKeyButton);
    headless::PressKey(kKeyA);
    Frame();
    ClickControl(mp::kFirstKeyButton + 4);  // inside the second before the keyboard closes
    RunFor(1300);
    EXPECT_FALSE(Shown(mp::kKeyboard));
    EXPECT_EQ(mp::players[0].key, static_cast<int32_t>(kKeyA));
    EXPECT_TRUE(Shown(mp::kFirstKeyPicture));
    EXPECT_EQ(mp::players[4].key, -1);
    EXPECT_FALSE(Shown(mp::kFirstKeyPicture + 4));
    EXPECT_TRUE(Shown(mp::kFirstKeyButton + 4));
    ClickControl(mp::kNextButton);
    EXPECT_EQ(Interface::GetState(), StateMultiSetUp);
}

// The set-up keyboard takes clicks whatever lies over it: the topic panel, which would lie
// over it, does not open while a key is being chosen.
TEST_F(FairnessTest, TheTopicPanelWaitsTillTheKeyIsChosen) {
    OpenSetUp();
    SwitchRow(0);
    TypeName(0, "Ada");
    ClickControl(mp::kFirstKeyButton);
    ASSERT_TRUE(Shown(mp::kKeyboard));
    auto* panel = dynamic_cast<screens::TopicPanel*>(Interface::FindControl(screens::kTopicPanel));
    ASSERT_TRUE(panel);
    ClickControl(screens::kTopicButton);
    EXPECT_FALSE(panel->IsOpen());
    EXPECT_FALSE(controlsFrozen);
    headless::PressKey(kKeyA);
    RunFor(1300);
    EXPECT_EQ(mp::players[0].key, static_cast<int32_t>(kKeyA));
    ClickControl(screens::kTopicButton);
    EXPECT_TRUE(panel->IsOpen());
}

TEST_F(FairnessTest, OnASharedPadOnlyTheClaimersOwnFaceButtonsThatAreNoBuzzerAnswer) {
    const int pad = headless::PlugPad();
    StartTwoPlayerGame(platform::MakePadKey(pad, kButtonA), platform::MakePadKey(pad, kButtonB));
    WaitForClaims();
    headless::PressPadButton(pad, kButtonA);
    Frame();
    ASSERT_EQ(mp::answeringPlayer, 0);
    headless::PressPadButton(pad, kButtonA);  // a double tap on the buzzer
    Frame();
    headless::PressPadButton(pad, kButtonB);  // the other player's buzzer on the same pad
    Frame();
    EXPECT_TRUE(mp::answerOpen);
    EXPECT_EQ(mp::chosenAnswer, -1);
    headless::PressPadButton(pad, kButtonX);  // no one's buzzer: answer 3
    Frame();
    EXPECT_FALSE(mp::answerOpen);
    EXPECT_EQ(mp::chosenAnswer, 2);
}

TEST_F(FairnessTest, PadAnswersAreRefusedWhileTheExitDialogHoldsTheGame) {
    const int pad = headless::PlugPad();
    StartTwoPlayerGame(platform::MakePadKey(pad, 9), kKeyL);  // LB
    WaitForClaims();
    headless::PressPadButton(pad, 9);
    Frame();
    ASSERT_EQ(mp::answeringPlayer, 0);
    ClickControl(1);  // exit
    headless::PressPadButton(pad, kButtonB);
    Frame();
    EXPECT_TRUE(mp::answerOpen);
    EXPECT_EQ(mp::chosenAnswer, -1);
    EXPECT_EQ(mp::players[0].score, 0);
}
