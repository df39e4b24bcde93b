// What the room sees of the buzzer game: who buzzed, in their colour; the panel with fitted
// names, points in large type, the leader and the locked-out player marked; the lines in
// Czech, the seconds left to claim and the call to go on.
#include "multi/play_presentation.h"
#include "multi/game_length.h"
#include "room/player_colours.h"
#include "multi/results_screen.h"
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
    EXPECT_EQ(LabelColour(mp::kClaimerBanner), room::PlayerColour(4));
    EXPECT_EQ(LabelColour(mp::kFirstScoreLabel), room::PlayerColour(1));
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

TEST_F(PresentationTest, TheCounterTheLargeSecondsAndALeaderWhoIsOutKeepingTheMark) {
    dir.Write("home/tarvex_p.ini", dir.Read("home/tarvex_p.ini") + "Buzzer questions=10\n");
    StartThreePlayerGame("Ada");
    EXPECT_EQ(LabelText(mp::kQuestionCounter), Czech("Otázka 1 / 10"));
    // The claim clock's seconds are as large as the points.
    EXPECT_GE(Find(mp::kStatusLine)->Height(), Find(mp::kFirstScoreLabel)->Height());
    mp::players[0].score = 10;
    mp::RefreshPanel();
    Buzz(kKeyA);
    // The answer countdown, as large as the answers, lies under the last one.
    const Control* line = Find(mp::kStatusLine);
    const Control* third = Find(mp::kFirstAnswerText + 2);
    EXPECT_EQ(LabelText(mp::kStatusLine), Czech("Čas na odpověď: 5"));
    EXPECT_GE(line->Height(), MpFontQuestion->Height());
    EXPECT_GE(line->Y(), third->Y() + third->Height());
    EXPECT_LE(line->Y() + MpFontQuestion->Height(), 572);  // above the bottom bar
    SaveScreenshot("multi_answer_countdown");
    Answer((CorrectSlot() + 1) % 3);
    EXPECT_EQ(LabelText(mp::kFirstRowMark), "\xBB");  // still the leader
    EXPECT_EQ(LabelText(mp::kFirstLeaderOutMark), "\xD7");
    EXPECT_EQ(LabelText(mp::kFirstLeaderOutMark + 1), "");
    SaveScreenshot("multi_leader_out");
    mp::gameLength = 0;
    mp::ShowQuestionCounter(3);
    EXPECT_EQ(LabelText(mp::kQuestionCounter), Czech("Otázka 3"));
}

// The widest nine letters, carons to the last letter, fourteen letters from a phone.
TEST_F(PresentationTest, EveryNameTheSetUpTakesShowsWholeInThePanelTheResultsAndTheTable) {
    const std::string names[] = {"WWWWWWWWW", Czech("Bedřichář"), Czech("Bartolomějíček")};
    dir.Write("home/System/users2.dat", Record(names[0].c_str(), kKeyA, true) +
                                            Record(names[1].c_str(), kKeyL, true) +
                                            Record(names[2].c_str(), kKeyM, true) +
                                            std::string(88, '\0'));
    OpenSetUp();
    SaveScreenshot("multi_setup_long_names");
    ClickControl(mp::kNextButton);
    ASSERT_EQ(mp::playerCount, 3);
    RunFor(100);
    mp::players[0].score = -105;
    mp::RefreshPanel();
    Frame();
    for (int i = 0; i < 3; ++i) {
        const Control* name = Find(mp::kFirstNameLabel + i);
        // Nine W do not fit the 4:3 panel's column at any readable size: only they are cut.
        if (i > 0) EXPECT_EQ(LabelText(mp::kFirstNameLabel + i), names[i]);
        EXPECT_LE(name->X() + name->Width(), Find(mp::kFirstScoreLabel + i)->X()) << i;
    }
    const Control* score = Find(mp::kFirstScoreLabel);
    EXPECT_LE(score->X() + MpFontQuestion->TextWidth("-105"), 800);
    EXPECT_GE(score->Height(), MpFontQuestion->Height());
    SaveScreenshot("multi_long_names_panel");

    for (int i = 0; i < 3; ++i) {
        mp::players[i].score = 10 * (i + 1);
        multiQuiz->rightByPlayer[i] = i + 1;
    }
    headless::PressKey(1, 27);  // Esc
    ASSERT_TRUE(RunUntilState(StateMultiResults, 1000));
    RunFor(100);
    SaveScreenshot("multi_long_names_results");
    for (int row = 0; row < 3; ++row) {
        const int32_t id = mp::kFirstResultsCell + row * mp::kResultsColumns + 1;
        EXPECT_EQ(LabelText(id), names[mp::GameStandings()[row].player]);
        EXPECT_LE(Find(id)->X() + Find(id)->Width(), Find(id + 1)->X()) << row;
    }
    RunFor(2000);
    headless::PressKey(0x1C, 13);
    ASSERT_TRUE(RunUntilState(StateScores, 500));
    RunFor(100);
    SaveScreenshot("multi_long_names_table");
    int found = 0;
    for (int row = 0; row < 10; ++row) {
        const auto* field = dynamic_cast<const EditField*>(Find(782 + row));
        for (const std::string& name : names) found += field && field->Text() == name;
    }
    EXPECT_EQ(found, 3);
}

TEST_F(PresentationTest, ALongClaimerNameStaysWithinTheQuestionsWidth) {
    StartThreePlayerGame("WWWWWWWWWWWWWWWWWWWWWWWWWW");
    Buzz(kKeyA);
    ASSERT_TRUE(Shown(mp::kClaimerBanner));
    const Control* banner = Find(mp::kClaimerBanner);
    const Control* question = Find(mp::kQuestionText);
    EXPECT_EQ(LabelText(mp::kClaimerBanner), "WWWWWWWWWWWWWWWWWWWWWWWWWW");  // shrunk, whole
    EXPECT_GE(banner->X(), question->X());
    EXPECT_LE(banner->X() + banner->Width(), question->X() + question->Width());
    // Rows 1, 3 and 4 played; what the next test starts from has each player in their own row.
    EXPECT_EQ(mp::ColourOfPlayer(0), room::PlayerColour(1));
    MpResetState();
    EXPECT_EQ(mp::ColourOfPlayer(0), room::PlayerColour(0));
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
    EXPECT_EQ(LabelColour(mp::kClaimerBanner), room::PlayerColour(4));
    SaveScreenshot("multi_five_players");
}
