// How a buzzer game ends: a chosen number of questions, the results screen with its shared
// places and negative scores, and the multiplayer table with this game's rows marked.
#include "controls/choice_line.h"
#include "multi/game_length.h"
#include "multi/results_screen.h"
#include "multi_game_fixture.h"
#include "platform/headless/recording_sound.h"
#include "platform/platform.h"
#include "scores/score_files.h"
#include "scores/score_state.h"

using game_testing::MultiPlayerTest;
namespace mp = multi;

namespace {

std::string Cp1250(const char* utf8) { return platform::Utf8ToCp1250(utf8); }

bool Played(const char* name) {
    for (const auto& record : headless::PlayedSounds()) {
        if (record.name == name) return true;
    }
    return false;
}

}  // namespace

class MultiResultsTest : public MultiPlayerTest {
protected:
    std::string Cell(int row, int column) const {
        return LabelText(mp::kFirstResultsCell + row * mp::kResultsColumns + column);
    }
    void StartThreePlayerGame() {
        dir.Write("home/System/users2.dat", Record("Ada", kKeyA, true) +
                                                Record("Bob", kKeyL, true) +
                                                Record("Cyril", kKeyM, true) +
                                                std::string(88, '\0'));
        OpenSetUp();
        ClickControl(mp::kNextButton);
        ASSERT_EQ(Interface::GetState(), StateMultiGame);
        RunFor(100);
        ClickControl(mp::kStartButton);
    }
    // One question won by Ada at claim second 0, up to the next question (or the end).
    void AdaWinsAQuestion() {
        WaitForClaims();
        Buzz(kKeyA);
        Answer(CorrectSlot());
        RunFor(2600);
    }
};

TEST_F(MultiResultsTest, ATenQuestionGameEndsAfterItsTenthQuestionAsTheStopButtonEndsIt) {
    dir.Write("home/tarvex_p.ini", dir.Read("home/tarvex_p.ini") + "Buzzer questions=15\n");
    OpenSetUp();
    auto* choice = dynamic_cast<ChoiceLine*>(Interface::FindControl(mp::kGameLengthChoice));
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->Chosen(), 3);  // a length the game does not offer means no limit
    EXPECT_TRUE(Exists(71));         // the screen's control slots still hold the exit dialog
    const gfx::Rect ten = choice->WordArea(0);
    ClickAt(choice->X() + (ten.left + ten.right) / 2, choice->Y() + (ten.top + ten.bottom) / 2);
    EXPECT_EQ(choice->Chosen(), 0);
    const std::string profile = dir.Read("home/tarvex_p.ini");
    EXPECT_NE(profile.find("Buzzer questions=10"), std::string::npos);
    EXPECT_EQ(profile.find("Buzzer questions=15"), std::string::npos);
    EXPECT_NE(profile.find("Runtime path="), std::string::npos);
    mp::gameLength = 0;
    StartTwoPlayerGame();  // builds the set-up again, which reads the profile
    EXPECT_EQ(mp::gameLength, 10);
    for (int question = 1; question < 10; ++question) AdaWinsAQuestion();
    ASSERT_EQ(Interface::GetState(), StateMultiGame);
    EXPECT_EQ(mp::questionsShown, 9);
    AdaWinsAQuestion();
    EXPECT_EQ(mp::questionsShown, 10);
    EXPECT_TRUE(Shown(mp::kGameOver));  // the stop button's ending: game over, then results
    ASSERT_TRUE(RunUntilState(StateMultiResults, 1500));
    EXPECT_EQ(multiQuiz->current, 10);
    scores::ScoreTable table;
    ASSERT_TRUE(scores::LoadScoreTable(scores::kTableMulti, table));
    EXPECT_STREQ(table.rows[0].name, "Ada");
    EXPECT_EQ(table.rows[0].points, 100);
    EXPECT_EQ(table.rows[0].answered, 10);
    EXPECT_EQ(table.rows[0].right, 10);
    EXPECT_EQ(table.rows[0].wrong, 0);
    EXPECT_TRUE(table.rows[1].IsEmpty());  // Bob, at 0, stays out as always
}

TEST_F(MultiResultsTest, TheResultsShareAPlaceOnATieListNegativeScoresAndLeadToTheMarkedTable) {
    scores::ScoreTable old;
    old.Insert({"Stara", 50, 10, 0, 5}, "01/01/26");
    const auto bytes = old.ToBytes();
    dir.Write("home/System/mp2.sco", std::string(bytes.begin(), bytes.end()));
    StartThreePlayerGame();
    WaitForClaims();
    mp::players[0].score = 15;
    mp::players[1].score = 15;
    mp::players[2].score = -5;
    multiQuiz->rightByPlayer[0] = 2;
    multiQuiz->wrongByPlayer[2] = 1;
    headless::ClearPlayedSounds();
    headless::PressKey(1, 27);  // Esc
    ASSERT_TRUE(RunUntilState(StateMultiResults, 1000));
    RunFor(100);
    SaveScreenshot("multi_results_tie");
    EXPECT_TRUE(Played("game_over"));
    EXPECT_EQ(LabelText(mp::kResultsHeadline), Cp1250("Vítězové: Ada, Bob"));
    EXPECT_EQ(Cell(0, 0), "1.");
    EXPECT_EQ(Cell(1, 0), "1.");
    EXPECT_EQ(Cell(2, 0), "3.");
    EXPECT_EQ(Cell(2, 1), "Cyril");
    EXPECT_EQ(Cell(2, 2), "-5");
    EXPECT_EQ(Cell(0, 3), "2");  // Ada's right answers
    EXPECT_EQ(Cell(2, 4), "1");  // Cyril's wrong one
    EXPECT_NE(LabelColour(mp::kFirstResultsCell + 1), LabelColour(mp::kFirstResultsCell + 6));

    // A buzzer pressed as the game ends, or at any time after, never skips the result; the
    // host's Enter does, once the room has had two seconds to read it.
    headless::PressKey(kKeyA);
    RunFor(1300);
    headless::PressKey(0x1C, 13);
    RunFor(100);
    EXPECT_EQ(Interface::GetState(), StateMultiResults);
    RunFor(1000);
    headless::PressKey(kKeyL);
    RunFor(100);
    EXPECT_EQ(Interface::GetState(), StateMultiResults);
    headless::PressKey(0x1C, 13);
    RunFor(100);
    ASSERT_EQ(Interface::GetState(), StateScores);
    EXPECT_EQ(scores::scoreTableNo, 3);
    SaveScreenshot("multi_results_table");
    EXPECT_TRUE(Exists(71));
    // The old row stays on top unmarked; both winners' rows below it are this game's.
    EXPECT_FALSE(Shown(1080));
    EXPECT_TRUE(Shown(1081));
    EXPECT_TRUE(Shown(1082));
    EXPECT_FALSE(Shown(1083));
    ClickControl(1073);  // sorting by percentage moves the rows, and their marks with them
    for (int row = 0; row < 10; ++row) {
        const std::string name = dynamic_cast<EditField*>(Interface::FindControl(782 + row))->Text();
        EXPECT_EQ(Shown(1080 + row), name == "Ada" || name == "Bob") << row << " " << name;
    }
}

TEST_F(MultiResultsTest, AGameNobodyScoredInStillShowsItsResult) {
    StartTwoPlayerGame();
    headless::PressKey(1, 27);
    ASSERT_TRUE(RunUntilState(StateMultiResults, 1000));
    RunFor(100);
    EXPECT_EQ(LabelText(mp::kResultsHeadline), Cp1250("Nikdo nebodoval: remíza"));
    EXPECT_EQ(Cell(0, 0), "1.");
    EXPECT_EQ(Cell(1, 0), "1.");
    EXPECT_EQ(Cell(1, 2), "0");
    EXPECT_EQ(scores::gameRows, 0u);
    RunFor(2000);
    ClickControl(mp::kResultsHeadline);
    EXPECT_EQ(Interface::GetState(), StateScores);
}
