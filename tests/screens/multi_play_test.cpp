// The buzzer game played through the headless backend: claims, the two clocks, judging,
// the reopening after a failure, the end of a game and its table entries.
#include "multi/results_screen.h"
#include "multi_game_fixture.h"
#include "platform/headless/recording_sound.h"
#include "scores/score_files.h"
#include "scores/score_state.h"

using game_testing::MultiPlayerTest;
namespace mp = multi;

TEST_F(MultiPlayerTest, AClaimThreeSecondsInAnsweredRightGivesSevenPoints) {
    StartTwoPlayerGame();
    EXPECT_EQ(multiQuiz->current, 1);
    RunFor(2500);  // the answers are being revealed: no claim
    Buzz(kKeyA);
    EXPECT_EQ(mp::answeringPlayer, -1);
    EXPECT_FALSE(mp::answerOpen);
    WaitForClaims();
    EXPECT_EQ(mp::questionsShown, 1);
    RunFor(3000);
    EXPECT_EQ(ShownFrame(mp::kTimerPicture), 3);
    Buzz(kKeyA);
    EXPECT_TRUE(mp::answerOpen);
    EXPECT_EQ(LabelColour(mp::kFirstNameLabel), 0x0000FFu);
    RunFor(1100);
    EXPECT_EQ(LabelText(mp::kStatusLine), platform::Utf8ToCp1250("Čas na odpověď: 4"));
    SaveScreenshot("multi_game_answering");
    Buzz(kKeyL);  // the question is held
    EXPECT_EQ(mp::answeringPlayer, 0);
    Answer(CorrectSlot());
    EXPECT_EQ(mp::players[0].score, 7);
    EXPECT_TRUE(Shown(mp::kFirstPointPicture + 6));  // "7-sub"
    EXPECT_EQ(LabelText(mp::kFirstScoreLabel), "7");
    EXPECT_EQ(LabelColour(mp::kMessageLine), 0x00FFFFu);
    EXPECT_EQ(LabelText(mp::kStatusLine), "");
    SaveScreenshot("multi_game_right");
    EXPECT_EQ(multiQuiz->rightByPlayer[0], 1);
    RunFor(1000);
    Buzz(kKeyL);  // the pause after an answer takes no claim
    EXPECT_EQ(mp::answeringPlayer, 0);
    RunFor(2500);
    EXPECT_EQ(multiQuiz->current, 2);
}

TEST_F(MultiPlayerTest, AFailedPlayerCannotClaimAgainAndTheClockResumesWhereItStopped) {
    StartTwoPlayerGame();
    WaitForClaims();
    RunFor(2000);
    Buzz(kKeyA);
    const int claimSecond = mp::claimElapsed;
    RunFor(3000);  // answering time does not count against the others
    Answer((CorrectSlot() + 1) % 3);
    EXPECT_EQ(mp::players[0].score, -5);
    EXPECT_EQ(LabelColour(mp::kMessageLine), 0x0000FFu);
    SaveScreenshot("multi_game_wrong");
    Buzz(kKeyL);  // within the two seconds: refused
    EXPECT_EQ(mp::answeringPlayer, 0);
    RunFor(2100);
    EXPECT_TRUE(mp::claimOpen);
    EXPECT_EQ(mp::failedPlayer, 0);
    Buzz(kKeyA);
    EXPECT_FALSE(mp::answerOpen);
    EXPECT_EQ(mp::claimElapsed, claimSecond);
    // The second player lets the five seconds pass: that ends the question.
    Buzz(kKeyL);
    EXPECT_EQ(mp::answeringPlayer, 1);
    RunFor(5100);
    EXPECT_EQ(mp::players[1].score, -5);
    EXPECT_EQ(multiQuiz->wrongByPlayer[1], 1);
    EXPECT_EQ(multiQuiz->current, 2);
    EXPECT_TRUE(Interface::FindControl(mp::kFirstAnswerButton)->GetFlags() & Control::kDisabled);
}

TEST_F(MultiPlayerTest, AMissedWindowCostsFiveAndReopensAtOnceAndTwoWrongAnswersEndTheQuestion) {
    StartTwoPlayerGame();
    WaitForClaims();
    Buzz(kKeyL);
    RunFor(5100);
    EXPECT_EQ(mp::players[1].score, -5);
    EXPECT_TRUE(mp::claimOpen);  // no pause
    Buzz(kKeyA);
    EXPECT_EQ(mp::answeringPlayer, 0);
    Answer((CorrectSlot() + 2) % 3);
    EXPECT_EQ(mp::players[0].score, -5);
    RunFor(2100);
    EXPECT_EQ(multiQuiz->current, 2);

    // Second question: two wrong answers.
    WaitForClaims();
    Buzz(kKeyA);
    Answer((CorrectSlot() + 1) % 3);
    RunFor(2100);
    Buzz(kKeyL);
    Answer((CorrectSlot() + 1) % 3);
    RunFor(2100);
    EXPECT_EQ(mp::players[0].score, -10);
    EXPECT_EQ(mp::players[1].score, -10);
    EXPECT_EQ(multiQuiz->current, 3);
    EXPECT_EQ(multiQuiz->wrongTotal, 4);
}

TEST_F(MultiPlayerTest, ARightAnswerAtSecondTenMovesOnWithoutPoints) {
    StartTwoPlayerGame();
    WaitForClaims();
    RunFor(10100);
    Buzz(kKeyA);
    EXPECT_EQ(mp::claimElapsed, 10);
    Answer(CorrectSlot());
    EXPECT_EQ(mp::players[0].score, 0);
    for (int id = mp::kFirstPointPicture; id < mp::kFirstPointPicture + 10; ++id) {
        EXPECT_FALSE(Shown(id)) << id;
    }
    RunFor(2100);
    EXPECT_EQ(multiQuiz->current, 2);
}

TEST_F(MultiPlayerTest, TheCorrectAnswerWaitsForAKeyAndEscThereContinues) {
    dir.Write("home/System/ini2.dat", std::string("\x01\0\0\0", 4));
    StartTwoPlayerGame();
    WaitForClaims();
    RunFor(12100);  // nobody claims
    EXPECT_TRUE(mp::awaitingContinue);
    EXPECT_TRUE(Shown(mp::kFirstMarker + CorrectSlot()));
    RunFor(3000);
    EXPECT_EQ(multiQuiz->current, 1);
    headless::KeyDown(1, 27);
    RunFor(300);
    EXPECT_EQ(Interface::GetState(), StateMultiGame);
    EXPECT_EQ(multiQuiz->current, 2);
}

TEST_F(MultiPlayerTest, EscRecordsEveryPlayerAboveNothingAndTheClaimClockSurvivesTheWrap) {
    headless::SetTickCount(0xFFFFFFFFu - 7000);
    StartTwoPlayerGame();
    WaitForClaims();
    RunFor(1000);  // the wrap lies between here and the claim
    Buzz(kKeyL);
    Answer(CorrectSlot());
    EXPECT_GE(mp::players[1].score, 8);
    EXPECT_LE(mp::players[1].score, 9);
    RunFor(100);
    headless::KeyDown(1, 27);
    Frame();
    EXPECT_TRUE(Shown(mp::kGameOver));
    ASSERT_TRUE(RunUntilState(StateMultiResults, 1500));
    RunFor(100);
    EXPECT_EQ(scores::scoreViewRequest, StateMultiGame);
    scores::ScoreTable table;
    ASSERT_TRUE(scores::LoadScoreTable(scores::kTableMulti, table));
    EXPECT_STREQ(table.rows[0].name, "Bob");
    EXPECT_EQ(table.rows[0].points, mp::players[1].score);
    EXPECT_EQ(table.rows[0].answered, 1);
    EXPECT_EQ(table.rows[0].right, 1);
    EXPECT_EQ(table.rows[1].points, -100);  // Ada had nothing
}

TEST_F(MultiPlayerTest, TheStopButtonEndsTheGameAndRecordsTheScores) {
    StartTwoPlayerGame();
    WaitForClaims();
    Buzz(kKeyA);
    Answer(CorrectSlot());
    RunFor(3000);
    PointAtControl(mp::kStartButton);  // over the clock once the pointer has been away
    headless::MoveMouse(ScreenX(5), ScreenY(5));
    Frame();
    PointAtControl(mp::kTimerPicture);
    EXPECT_TRUE(Shown(mp::kStopButton));
    ClickControl(mp::kStopButton);
    ASSERT_TRUE(RunUntilState(StateMultiResults, 1500));
    scores::ScoreTable table;
    ASSERT_TRUE(scores::LoadScoreTable(scores::kTableMulti, table));
    EXPECT_STREQ(table.rows[0].name, "Ada");
    EXPECT_EQ(table.rows[0].points, 10);
}

TEST_F(MultiPlayerTest, TheLastDrawnQuestionEndsInTheResultsWithWaysOut) {
    StartTwoPlayerGame();
    multiQuiz->current = mp::questionLimit - 1;  // the question on show is the 999th
    WaitForClaims();
    Buzz(kKeyA);
    Answer(CorrectSlot());
    RunFor(2000);
    EXPECT_EQ(Interface::GetState(), StateMultiGame);
    RunFor(1000);
    EXPECT_EQ(Interface::GetState(), StateMultiUsedUp);
    scores::ScoreTable table;
    ASSERT_TRUE(scores::LoadScoreTable(scores::kTableMulti, table));
    EXPECT_STREQ(table.rows[0].name, "Ada");  // the results are kept
    RunFor(100);
    SaveScreenshot("multi_used_up");
    EXPECT_TRUE(Shown(multi::kResultsHeadline));
    RunFor(2000);
    headless::PressKey(1, 27);
    RunFor(100);
    EXPECT_EQ(Interface::GetState(), StateScores);
    EXPECT_EQ(scores::scoreTableNo, 3);
    Interface::SetState(StateMultiUsedUp, false);
    RunFor(100);
    ClickControl(mp::kBackButton);
    EXPECT_EQ(Interface::GetState(), StateMainMenu);
}

TEST_F(MultiPlayerTest, EscWithTheHelpOpenOnlyClosesTheHelp) {
    dir.Write("home/System/users2.dat", Record("Ada", kKeyA, true) +
                                            Record("Bob", kKeyL, true) + std::string(132, '\0'));
    OpenSetUp();
    ClickControl(mp::kNextButton);
    RunFor(100);
    ClickControl(53);  // help, before the start
    EXPECT_TRUE(Shown(595));
    headless::PressKey(1, 27);
    RunFor(300);
    EXPECT_FALSE(Shown(595));
    EXPECT_FALSE(Shown(mp::kGameOver));
    ClickControl(mp::kStartButton);
    WaitForClaims();
    EXPECT_EQ(Interface::GetState(), StateMultiGame);
    EXPECT_TRUE(mp::claimOpen);
}

TEST_F(MultiPlayerTest, DecliningTheQuitDropsTheQuestionInPlayWithoutScoring) {
    StartTwoPlayerGame();
    WaitForClaims();
    Buzz(kKeyA);
    ClickControl(1);  // exit
    RunFor(6000);  // the clocks stand still under the dialog
    EXPECT_TRUE(mp::answerOpen);
    ClickControl(71);  // no
    EXPECT_EQ(multiQuiz->current, 2);
    EXPECT_EQ(mp::players[0].score, 0);
    EXPECT_EQ(LabelColour(mp::kFirstNameLabel), 0xFFFFFFu);
    EXPECT_FALSE(mp::answerOpen);
}

TEST_F(MultiPlayerTest, TheRoomHearsWhoClaimedTheVerdictAndTheClaimClocksLastSeconds) {
    constexpr uint32_t kKeyM = 0x32;
    dir.Write("home/System/users2.dat", Record("Ada", kKeyA, true) + Record("Bob", kKeyL, true) +
                                            Record("Cyril", kKeyM, true) + std::string(88, '\0'));
    OpenSetUp();
    ClickControl(mp::kNextButton);
    ASSERT_EQ(mp::playerCount, 3);
    RunFor(100);
    ClickControl(mp::kStartButton);
    WaitForClaims();
    headless::ClearPlayedSounds();
    Buzz(kKeyM);
    Answer((CorrectSlot() + 1) % 3);
    std::vector<std::string> played;
    for (const auto& record : headless::PlayedSounds()) played.push_back(record.name);
    EXPECT_EQ(played, (std::vector<std::string>{"claim3", "click", "wrong"}));
    headless::ClearPlayedSounds();
    RunFor(2000 + 12500);  // the claims reopen, then nobody claims until the clock runs out
    played.clear();
    for (const auto& record : headless::PlayedSounds()) played.push_back(record.name);
    EXPECT_EQ(played, (std::vector<std::string>{"tick", "tick", "tick", "timeout"}));
}
