// The single-player games played through the headless backend: the clock game, the lives
// game, their endings and the score screen that follows.
#include "single_game_fixture.h"
#include "scores/score_files.h"
#include "scores/score_state.h"
#include "single/single_player.h"

using game_testing::SinglePlayerTest;

TEST_F(SinglePlayerTest, TheVariantChoiceLeadsToEachGameAndItsSwitchIsSaved) {
    Interface::SetState(StateSingleMenu, false);
    RunFor(100);
    SaveScreenshot("variant_choice");
    ClickControl(298);
    EXPECT_EQ(dir.Read("home/System/ini2.dat"), std::string("\x01\0\0\0", 4));
    ClickControl(257);
    EXPECT_EQ(Interface::GetState(), StateForP);
    Interface::SetState(StateSingleMenu, false);
    RunFor(100);
    ClickControl(258);
    EXPECT_EQ(Interface::GetState(), StateForR);
    Interface::SetState(StateSingleMenu, false);
    RunFor(100);
    ClickControl(259);
    EXPECT_EQ(Interface::GetState(), StateMainMenu);
}

TEST_F(SinglePlayerTest, ClockGameARightAnswerInTheFirstSecondScoresTen) {
    StartForP();
    EXPECT_EQ(singleQuiz->current, 1);  // draw position 0 is never used
    WaitForAnswers();
    SaveScreenshot("clock_game");
    Answer(CorrectSlot());
    EXPECT_EQ(singleQuiz->modeValue3, 10);
    EXPECT_EQ(ScoreLabel(), "10");
    EXPECT_TRUE(Shown(289));  // "10-sub"
    EXPECT_EQ(singleQuiz->rightTotal, 1);
    RunFor(3000);
    EXPECT_FALSE(Shown(289));
    EXPECT_EQ(singleQuiz->current, 2);  // moved on by itself
}

TEST_F(SinglePlayerTest, ClockGameTenSecondsGiveNothingAndElevenCostFive) {
    StartForP();
    WaitForAnswers();
    RunFor(10000);
    Answer(CorrectSlot());
    EXPECT_EQ(singleQuiz->modeValue3, 0);
    for (int id = 280; id <= 289; ++id) EXPECT_FALSE(Shown(id)) << id;
    RunFor(2500);
    WaitForAnswers();
    RunFor(11500);  // no answer
    EXPECT_EQ(singleQuiz->modeValue3, -5);
    EXPECT_EQ(singleQuiz->wrongTotal, 0);
    EXPECT_EQ(ScoreLabel(), "-5");
}

TEST_F(SinglePlayerTest, ClockGameClockRunsOnAcrossTheTickCountsWrap) {
    headless::SetTickCount(0xFFFFFFFFu - 5000);
    StartForP();
    WaitForAnswers();
    RunFor(3000);  // the answer lands past the wrap
    Answer(CorrectSlot());
    EXPECT_GE(singleQuiz->modeValue3, 6);
    EXPECT_LE(singleQuiz->modeValue3, 8);
    headless::SetTickCount(0xFFFFFFFFu - 3000);
    RunFor(2500);
    WaitForAnswers();
    RunFor(11500);  // no answer: the wrap lies inside the eleven seconds
    const int afterTimeOut = singleQuiz->modeValue3;
    EXPECT_LE(afterTimeOut, 3);
    EXPECT_GE(afterTimeOut, 1);
}

TEST_F(SinglePlayerTest, ClockGameAWrongAnswerShowsTheRightOneAndWaitsWhenAsked) {
    dir.Write("home/System/ini2.dat", std::string("\x01\0\0\0", 4));
    Interface::SetState(StateSingleMenu, false);  // reads the switch
    RunFor(100);
    StartForP();
    WaitForAnswers();
    const int right = CorrectSlot();
    const int wrong = (right + 1) % 3;
    Answer(wrong);
    EXPECT_EQ(singleQuiz->modeValue3, -5);
    EXPECT_EQ(singleQuiz->wrongTotal, 1);
    EXPECT_TRUE(Shown(276 + wrong));
    EXPECT_EQ(ShownFrame(276 + wrong), 1);
    RunFor(2500);
    EXPECT_TRUE(Shown(276 + right));
    const int question = singleQuiz->current;
    RunFor(3000);
    EXPECT_EQ(singleQuiz->current, question);  // waiting for a click
    ClickAt(300, 50);
    EXPECT_EQ(singleQuiz->current, question + 1);
}

TEST_F(SinglePlayerTest, ClockGameEndsOnEscAndTheScoreTakesItsName) {
    StartForP();
    WaitForAnswers();
    Answer(CorrectSlot());
    RunFor(100);
    headless::KeyDown(1, 27);
    Frame();
    EXPECT_TRUE(Shown(297));  // game over
    EXPECT_TRUE(RunUntilState(StateScores, 1500));
    RunFor(100);
    EXPECT_EQ(scores::scoreViewRequest, 0x0104);
    EXPECT_EQ(scores::newScoreRow, 0);
    EXPECT_EQ(Interface::GetFocusId(), 782);
    EXPECT_FALSE(Shown(1072));  // sort buttons wait for the name
    SaveScreenshot("scores_new_entry");
    headless::TypeText("Jana");
    headless::TypeText("\r");
    RunFor(100);
    EXPECT_TRUE(Shown(1072));
    scores::ScoreTable table;
    ASSERT_TRUE(scores::LoadScoreTable(scores::kTableForP, table));
    EXPECT_STREQ(table.rows[0].name, "Jana");
    EXPECT_EQ(table.rows[0].points, 10);
    EXPECT_EQ(table.rows[0].right, 1);
    EXPECT_EQ(scores::newScoreRow, -1);
}

TEST_F(SinglePlayerTest, ANameBeingTypedIsKeptWhenTheExitDialogOpens) {
    StartForP();
    WaitForAnswers();
    Answer(CorrectSlot());
    RunFor(100);
    headless::KeyDown(1, 27);
    ASSERT_TRUE(RunUntilState(StateScores, 1500));
    RunFor(100);
    headless::TypeText("Petr");
    Frame();
    ClickControl(1);
    EXPECT_TRUE(Shown(69));
    scores::ScoreTable table;
    ASSERT_TRUE(scores::LoadScoreTable(scores::kTableForP, table));
    EXPECT_STREQ(table.rows[0].name, "Petr");
}

TEST_F(SinglePlayerTest, LivesGameLosesALifeForEachWrongAnswerAndEndsAtNone) {
    StartForR();
    EXPECT_EQ(singleQuiz->modeValue2, 3);
    EXPECT_EQ(ShownFrame(274), 2);
    for (int lives = 2; lives >= 0; --lives) {
        WaitForAnswers();
        if (lives == 2) SaveScreenshot("lives_game");
        Answer((CorrectSlot() + 1) % 3);
        EXPECT_EQ(singleQuiz->modeValue2, lives);
        // Frame 0 shows one life: with none left the picture goes until the game-over one.
        EXPECT_EQ(Shown(274), lives > 0);
        if (lives > 0) {
            EXPECT_EQ(ShownFrame(274), lives - 1);
        }
        RunFor(2300);
    }
    EXPECT_TRUE(Shown(297));
    EXPECT_TRUE(RunUntilState(StateScores, 1500));
    EXPECT_EQ(scores::newScoreRow, -1);  // a score of 0 is not saved
}

TEST_F(SinglePlayerTest, LivesGameThePremiumQuestionCanWinALife) {
    StartForR();
    for (int answered = 0; answered < 10; ++answered) {
        WaitForAnswers();
        Answer(CorrectSlot());
        RunFor(2300);
    }
    EXPECT_EQ(singleQuiz->modeValue1, 10);
    WaitForAnswers();
    RunFor(1100);
    EXPECT_TRUE(Shown(296));  // the premium blink
    SaveScreenshot("premium_question");
    Answer(CorrectSlot());
    EXPECT_EQ(singleQuiz->modeValue2, 4);
    EXPECT_EQ(singleQuiz->modeValue1, 0);
    EXPECT_EQ(singleQuiz->modeValue3, 11);
}

TEST_F(SinglePlayerTest, LivesGameEndsCleanlyAtTheEndOfItsDeck) {
    StartForR();
    singleQuiz->current = singleQuiz->deckSize - 1;  // the last question of the deck
    singleQuiz->modeValue1 = 3;
    RunFor(100);
    Answer(CorrectSlot());
    RunFor(2300);
    EXPECT_EQ(singleQuiz->current, singleQuiz->deckSize - 1);
    EXPECT_TRUE(RunUntilState(StateScores, 1500));
    scores::ScoreTable table;
    ASSERT_TRUE(scores::LoadScoreTable(scores::kTableForR, table));
    EXPECT_EQ(table.rows[0].points, 1);
}

TEST_F(SinglePlayerTest, PlayingAgainFromTheScoresKeepsOneHintPicture) {
    for (int game = 0; game < 3; ++game) {
        Interface::SetState(StateForP, false);
        RunFor(100);
        headless::KeyDown(1, 27);
        ASSERT_TRUE(RunUntilState(StateScores, 1500));
        RunFor(100);
    }
    int hints = 0;
    for (int slot = 0; slot < Interface::kControlSlots; ++slot) {
        Control* control = Interface::ControlAt(slot);
        hints += control && control->GetId() == 819;
    }
    EXPECT_EQ(hints, 1);
    ClickControl(816);
    EXPECT_EQ(Interface::GetState(), StateForP);
}

TEST_F(SinglePlayerTest, TheScoreTablesAreBrowsedWithTheArrows) {
    Interface::SetState(StateScores, false);
    RunFor(100);
    EXPECT_EQ(scores::scoreTableNo, 1);
    ClickControl(773);
    EXPECT_EQ(scores::scoreTableNo, 2);
    EXPECT_FALSE(Exists(776));  // the lives table has no points column
    SaveScreenshot("scores_lives_table");
    ClickControl(773);
    EXPECT_EQ(scores::scoreTableNo, 3);
    ClickControl(772);
    EXPECT_EQ(scores::scoreTableNo, 2);
    ClickControl(775);
    EXPECT_EQ(Interface::GetState(), StateMainMenu);
}

TEST_F(SinglePlayerTest, ClockGameStopButtonAppearsOverTheClockOnceStartedAndEndsASecondLater) {
    Interface::SetState(StateForP, false);
    RunFor(100);
    PointAtControl(273);
    HoverAway();
    PointAtControl(273);
    EXPECT_FALSE(Shown(292));  // not before the game has started
    ClickControl(291);
    WaitForAnswers();
    PointAtControl(273);
    HoverAway();  // the first pass over the clock after the start arms it
    PointAtControl(273);
    ASSERT_TRUE(Shown(292));
    ClickControl(292);
    EXPECT_TRUE(Shown(297));  // game over
    RunFor(800);
    EXPECT_EQ(Interface::GetState(), StateForP);
    EXPECT_TRUE(RunUntilState(StateScores, 400));
}

TEST_F(SinglePlayerTest, LivesGameStopButtonAppearsOverTheLivesAndEndsTwoSecondsLater) {
    StartForR();
    WaitForAnswers();
    PointAtControl(274);
    ASSERT_TRUE(Shown(292));
    HoverAway();
    EXPECT_FALSE(Shown(292));
    PointAtControl(274);
    ClickControl(292);
    EXPECT_TRUE(Shown(297));
    RunFor(1800);
    EXPECT_EQ(Interface::GetState(), StateForR);
    EXPECT_TRUE(RunUntilState(StateScores, 400));
}

// A lives game played earlier in the run does not shorten the clock game: it shows every
// question of its deck, positions 1 to 999, and then ends.
TEST_F(SinglePlayerTest, ClockGameRunsToTheEndOfItsDeckEvenAfterALivesGame) {
    StartForR();
    headless::KeyDown(1, 27);
    ASSERT_TRUE(RunUntilState(StateScores, 1500));
    StartForP();
    WaitForAnswers();
    singleQuiz->current = 49;  // answers are judged by the question at the current position
    Answer(CorrectSlot());
    RunFor(2500);
    EXPECT_EQ(singleQuiz->current, 50);
    WaitForAnswers();
    singleQuiz->current = 998;
    Answer(CorrectSlot());
    RunFor(2500);
    EXPECT_EQ(singleQuiz->current, 999);
    WaitForAnswers();
    Answer(CorrectSlot());
    EXPECT_TRUE(RunUntilState(StateScores, 3000));
    EXPECT_EQ(singleQuiz->current, 999);
    scores::ScoreTable table;
    ASSERT_TRUE(scores::LoadScoreTable(scores::kTableForP, table));
    EXPECT_EQ(table.rows[0].right, 3);
}
