// What the room sees of the buzzer game: who buzzed, in their colour; the panel with fitted
// names, points in large type, the leader and the locked-out player marked; the lines in
// Czech, the seconds left to claim and the call to go on.
#include "multi/play_presentation.h"
#include "multi/player_colours.h"
#include "multi_game_fixture.h"
#include "gfx/font.h"
#include "platform/platform.h"

using game_testing::MultiPlayerTest;
namespace mp = multi;

namespace {

std::string Czech(const char* utf8) { return platform::Utf8ToCp1250(utf8); }

}  // namespace

class PresentationTest : public MultiPlayerTest {
protected:
    // Players from rows 1, 3 and 4 of the set-up screen.
    void StartThreePlayerGame(const char* firstName) {
        dir.Write("home/System/users2.dat", std::string(44, '\0') + Record(firstName, kKeyA, true) +
                                                std::string(44, '\0') + Record("Bob", kKeyL, true) +
                                                Record("Cyril", kKeyM, true));
        OpenSetUp();
        ClickControl(mp::kNextButton);
        ASSERT_EQ(mp::playerCount, 3);
        RunFor(100);
        ClickControl(mp::kStartButton);
        WaitForClaims();
    }
    static const Control* Find(int32_t id) { return Interface::FindControl(id); }
};

TEST_F(PresentationTest, TheClaimerIsNamedBigInTheirRowsColourAndTheLockedOutIsMarked) {
    StartThreePlayerGame("Ada");
    EXPECT_EQ(LabelText(mp::kStatusLine), Czech("Zbývá 12 s"));
    RunFor(2500);
    ASSERT_TRUE(mp::claimElapsed == 2 || mp::claimElapsed == 3);
    EXPECT_EQ(LabelText(mp::kStatusLine),
              Czech(("Zbývá " + std::to_string(12 - mp::claimElapsed) + " s").c_str()));
    EXPECT_FALSE(Shown(mp::kClaimerBanner));

    Buzz(kKeyM);
    ASSERT_EQ(mp::answeringPlayer, 2);
    EXPECT_TRUE(Shown(mp::kClaimerBanner));
    EXPECT_EQ(LabelText(mp::kClaimerBanner), "Cyril");
    EXPECT_EQ(LabelColour(mp::kClaimerBanner), mp::PlayerColour(4));
    EXPECT_EQ(LabelColour(mp::kFirstScoreLabel), mp::PlayerColour(1));
    // Neither the question nor the first answer lies under the name.
    const Control* banner = Find(mp::kClaimerBanner);
    EXPECT_GE(banner->Y(), Find(mp::kQuestionText)->Y() + Find(mp::kQuestionText)->Height());
    EXPECT_LE(banner->Y() + banner->Height(), Find(mp::kFirstAnswerText)->Y());
    EXPECT_EQ(LabelText(mp::kStatusLine), Czech("Čas na odpověď: 5"));
    SaveScreenshot("multi_claimer_named");

    Answer((CorrectSlot() + 1) % 3);
    EXPECT_EQ(LabelText(mp::kMessageLine),
              Czech("Tak tohle ti nevyšlo, špatná odpověď… zkusí to někdo jiný?"));
    EXPECT_EQ(LabelText(mp::kFirstRowMark + 2), "\xD7");
    // The two who have not lost points lead.
    EXPECT_EQ(LabelText(mp::kFirstRowMark), "\xBB");
    EXPECT_EQ(LabelText(mp::kFirstRowMark + 1), "\xBB");
    RunFor(2100);
    EXPECT_FALSE(Shown(mp::kClaimerBanner));
    Buzz(kKeyA);
    Answer(CorrectSlot());
    EXPECT_EQ(LabelText(mp::kMessageLine), Czech("Super! Dobrá odpověď… další otázka"));
    // Still locked out after someone else answered right, until the next question.
    EXPECT_EQ(LabelText(mp::kFirstRowMark + 2), "\xD7");
    EXPECT_EQ(LabelText(mp::kFirstRowMark), "\xBB");
    EXPECT_EQ(LabelText(mp::kFirstRowMark + 1), "");
    SaveScreenshot("multi_locked_out_and_leader");
    RunFor(4000);
    EXPECT_EQ(LabelText(mp::kFirstRowMark + 2), "");
    EXPECT_EQ(LabelText(mp::kMessageLine), "");
}

TEST_F(PresentationTest, AMissedWindowSaysTimeIsUpAndTheShownAnswerAsksToGoOn) {
    StartThreePlayerGame("Ada");
    mp::showCorrectAnswer = 1;
    Buzz(kKeyA);
    RunFor(5100);
    EXPECT_EQ(LabelText(mp::kMessageLine), Czech("Čas vypršel… zkusí to někdo jiný?"));
    Buzz(kKeyL);
    Answer((CorrectSlot() + 1) % 3);
    EXPECT_EQ(LabelText(mp::kMessageLine), Czech("Tak ani ty jsi to nedal, no nic… další otázka"));
    RunFor(2100);
    ASSERT_TRUE(mp::awaitingContinue);
    EXPECT_TRUE(Shown(mp::kGoOnLine));
    EXPECT_EQ(LabelText(mp::kGoOnLine), Czech("Pokračujte klávesou nebo kliknutím"));
    SaveScreenshot("multi_go_on");
    Buzz(kKeyM);
    EXPECT_EQ(LabelText(mp::kGoOnLine), "");
}

TEST_F(PresentationTest, AWideNameIsCutBeforeThePointsAndThePointsAreLarge) {
    StartThreePlayerGame("WWWWWWWWW");
    mp::players[0].score = -105;
    mp::RefreshPanel();
    Frame();
    const Control* name = Find(mp::kFirstNameLabel);
    const Control* score = Find(mp::kFirstScoreLabel);
    const std::string shown = LabelText(mp::kFirstNameLabel);
    EXPECT_LT(shown.size(), 10u);
    EXPECT_EQ(shown.back(), '\x85');  // an ellipsis
    EXPECT_LE(name->X() + name->Width(), score->X());  // its face never covers the points
    EXPECT_LE(score->X() + MpFontQuestion->TextWidth("-105"), 800);
    EXPECT_GE(score->Height(), MpFontQuestion->Height());
    SaveScreenshot("multi_wide_name");
}

TEST_F(PresentationTest, FivePlayersStillLeaveRoomForEveryControlOfTheGameScreen) {
    constexpr uint32_t kKeyQ = 16, kKeyP = 25;
    dir.Write("home/System/users2.dat", Record("Ada", kKeyA, true) + Record("Bob", kKeyL, true) +
                                            Record("Cyril", kKeyM, true) +
                                            Record("Dana", kKeyQ, true) + Record("Eva", kKeyP, true));
    OpenSetUp();
    ClickControl(mp::kNextButton);
    ASSERT_EQ(mp::playerCount, 5);
    for (int32_t id : {int32_t{mp::kFirstRowMark + 4}, int32_t{mp::kGoOnLine}, int32_t{mp::kClaimerBanner},
                       int32_t{mp::kFirstScoreLabel + 4}, int32_t{mp::kGameOver}}) {
        EXPECT_TRUE(Exists(id)) << id;
    }
    RunFor(100);
    ClickControl(mp::kStartButton);
    WaitForClaims();
    Buzz(kKeyP);
    EXPECT_EQ(LabelColour(mp::kClaimerBanner), mp::PlayerColour(4));
    SaveScreenshot("multi_five_players");
}
