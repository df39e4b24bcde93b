// A question file of the player's own in the user folder: it is preferred to the shipped one,
// a small set plays both one-player games to their end, and a damaged one is reported.
#include "quiz/question_bank.h"
#include "quiz/question_file_support.h"
#include "multi_game_fixture.h"
#include "scores/score_files.h"
#include "single_game_fixture.h"

#include <set>

namespace {

using quiz_testing::CrLfLines;
using quiz_testing::Scrambled;

constexpr int kOwnQuestions = 30;

std::string OwnQuestions(int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        lines.insert(lines.end(), {"Vlastni otazka " + n + "?", "spravne " + n, "spatne " + n,
                                   "vedle " + n});
    }
    return CrLfLines(lines);
}

class OwnQuestionsTest : public game_testing::SinglePlayerTest {
protected:
    void SetUp() override {
        dir.Write("home/Data/otazky4.crp", ownFile_);
        SinglePlayerTest::SetUp();
    }
    std::string OwnPath() const { return dir / "home" + "/Data/otazky4.crp"; }

    // A frame without drawing: the rules, timers and clocks are all a whole game needs, and
    // drawing thousands of frames would make the test slow.
    void Step() {
        headless::Advance(27);
        Interface::PumpMessages();
        Interface::Update();
    }
    void StepFor(int ms) {
        for (int t = 0; t < ms; t += 27) Step();
    }
    // Runs frames until the answers take a choice or the game has left `state`.
    bool WaitForChoiceIn(int32_t state) {
        for (int t = 0; t < 10000; t += 27) {
            if (Interface::GetState() != state) return false;
            const Control* choice = Interface::FindControl(265);
            if (choice && !(choice->GetFlags() & Control::kDisabled)) {
                StepFor(400);  // the clock game opens a quarter second after the last answer
                return true;
            }
            Step();
        }
        ADD_FAILURE() << "no choice came";
        return false;
    }
    // Answers every question right until the game ends; the questions asked, by record.
    std::multiset<int> PlayRightToTheEnd(int32_t state) {
        std::multiset<int> asked;
        while (asked.size() <= static_cast<std::size_t>(kOwnQuestions) && WaitForChoiceIn(state)) {
            const int record = singleQuiz->order[singleQuiz->current];
            asked.insert(record);
            EXPECT_EQ(std::string(singleQuiz->bank[record].question),
                      "Vlastni otazka " + std::to_string(record) + "?");
            headless::PressKey(0x3B + CorrectSlot());  // F1..F3
            StepFor(100);
        }
        return asked;
    }
    static std::set<int> AllOwn() {
        std::set<int> all;
        for (int i = 0; i < kOwnQuestions; ++i) all.insert(i);
        return all;
    }

    std::string ownFile_ = Scrambled(OwnQuestions(kOwnQuestions));
};

// The buzzer game with an own set of two questions.
class OwnQuestionsMultiTest : public game_testing::MultiPlayerTest {
protected:
    void SetUp() override {
        dir.Write("home/Data/otazky4.crp", Scrambled(OwnQuestions(2)));
        MultiPlayerTest::SetUp();
    }
};

class OverfullOwnQuestionsTest : public OwnQuestionsTest {
protected:
    OverfullOwnQuestionsTest() { ownFile_ = Scrambled(OwnQuestions(quiz::kBankSize + 1)); }
};

class DamagedOwnQuestionsTest : public OwnQuestionsTest {
protected:
    DamagedOwnQuestionsTest() { ownFile_ = Scrambled(OwnQuestions(kOwnQuestions) + "cut"); }
};

}  // namespace

TEST_F(OwnQuestionsTest, TheOwnFileIsPreferredAndNamedInTheLog) {
    EXPECT_EQ(singleQuiz->bankCount, kOwnQuestions);
    EXPECT_NE(LogText().find("Questions: 30 from " + OwnPath()), std::string::npos) << LogText();
    EXPECT_TRUE(headless::Boxes().empty());
}

TEST_F(OwnQuestionsTest, ASmallSetPlaysTheClockGameToItsEnd) {
    StartForP();
    EXPECT_EQ(singleQuiz->deckSize, kOwnQuestions);
    const std::multiset<int> asked = PlayRightToTheEnd(StateForP);
    EXPECT_TRUE(RunUntilState(StateScores, 1500));
    EXPECT_EQ(std::set<int>(asked.begin(), asked.end()), AllOwn());
    EXPECT_EQ(asked.size(), static_cast<std::size_t>(kOwnQuestions));
    scores::ScoreTable table;
    ASSERT_TRUE(scores::LoadScoreTable(scores::kTableForP, table));
    EXPECT_EQ(table.rows[0].right, kOwnQuestions);
    EXPECT_EQ(table.rows[0].wrong, 0);
}

TEST_F(OwnQuestionsTest, ASmallSetPlaysTheLivesGameToItsEnd) {
    StartForR();
    EXPECT_EQ(singleQuiz->deckSize, kOwnQuestions);
    const std::multiset<int> asked = PlayRightToTheEnd(StateForR);
    EXPECT_TRUE(RunUntilState(StateScores, 3000));
    EXPECT_EQ(std::set<int>(asked.begin(), asked.end()), AllOwn());
    EXPECT_EQ(asked.size(), static_cast<std::size_t>(kOwnQuestions));
    scores::ScoreTable table;
    ASSERT_TRUE(scores::LoadScoreTable(scores::kTableForR, table));
    EXPECT_EQ(table.rows[0].right, kOwnQuestions);
}

TEST_F(OwnQuestionsMultiTest, ASmallSetPlaysTheBuzzerGameWhole) {
    StartTwoPlayerGame();
    std::set<int> asked;
    for (int k = 0; k < 2; ++k) {
        WaitForClaims();
        ASSERT_EQ(Interface::GetState(), StateMultiGame);
        EXPECT_EQ(multiQuiz->current, k);
        asked.insert(multiQuiz->order[multiQuiz->current]);
        Buzz(kKeyA);
        Answer(CorrectSlot());
        RunFor(3000);
    }
    EXPECT_EQ(asked, (std::set<int>{0, 1}));
    EXPECT_EQ(Interface::GetState(), StateMultiUsedUp);
}

TEST_F(OwnQuestionsTest, TheBrowserWalksTheWholeSmallSetAndReturns) {
    dir.Write("home/System/ini_dr2.dat", std::string(4, '\0'));  // each question marked
    Interface::SetState(StateBrowser, false);
    RunFor(100);
    SaveScreenshot("browser_own_questions");
    EXPECT_EQ(std::set<int>(singleQuiz->order, singleQuiz->order + kOwnQuestions), AllOwn());
    for (int k = 1; k < kOwnQuestions; ++k) {
        headless::PressKey(0x39, ' ');
        Frame();
    }
    EXPECT_EQ(Interface::GetState(), StateBrowser);
    headless::PressKey(0x39, ' ');
    Frame();
    EXPECT_EQ(Interface::GetState(), StateMainMenu);
}

TEST_F(OverfullOwnQuestionsTest, TheQuestionsLeftOutAreLogged) {
    EXPECT_EQ(singleQuiz->bankCount, quiz::kBankSize);
    EXPECT_NE(LogText().find("Questions: the file holds 1501; those after the 1500th are left out"),
              std::string::npos)
        << LogText();
}

TEST_F(DamagedOwnQuestionsTest, IsReportedByNameAndTheShippedQuestionsPlay) {
    ASSERT_EQ(headless::Boxes().size(), 1u);
    EXPECT_EQ(headless::Boxes()[0].text,
              platform::Utf8ToCp1250("Poškozený datový soubor " + OwnPath() +
                                     ": soubor končí uprostřed řádku 121"));
    EXPECT_GE(singleQuiz->bankCount, quiz::kDeckSize);
    EXPECT_NE(LogText().find("Questions: " + std::to_string(singleQuiz->bankCount) +
                             " from Data\\otazky4.crp"),
              std::string::npos)
        << LogText();
}
