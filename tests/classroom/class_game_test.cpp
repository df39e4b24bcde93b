// The class game's rules: scoring by speed, the end of a question, late joiners, dropped
// phones, removal, refusals that change nothing, and the results files read back.
#include "classroom/class_game.h"
#include "classroom/class_results.h"
#include "platform/headless/headless.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace classroom {
namespace {

constexpr uint32_t kOpen = 1000;
constexpr uint32_t kLength = 20000;
constexpr std::time_t kWhen = 1'800'000'000;  // 2027-01-15 08:00:00 UTC

ClassGame GameOf(int pupils, int questions = 3) {
    ClassGame game;
    game.Start(questions);
    for (int seat = 0; seat < pupils; ++seat) game.Seat(seat, "Žák " + std::to_string(seat + 1));
    return game;
}

TEST(ClassScoring, RightAnswersScoreBySpeedAndWrongOrNoneScoreNothing) {
    ClassGame game = GameOf(4);
    game.Open(0, 1, kOpen, kLength);
    EXPECT_EQ(game.Answer(0, 0, 1, kOpen - 20), AnswerResult::Taken);        // compensated: at once
    EXPECT_EQ(game.Answer(1, 0, 1, kOpen + kLength / 2), AnswerResult::Taken);  // half the time left
    EXPECT_EQ(game.Answer(2, 0, 0, kOpen + 10), AnswerResult::Taken);         // wrong
    game.Close();
    EXPECT_EQ(game.PupilAt(0).points, 1000);
    EXPECT_EQ(game.PupilAt(1).points, 550);
    EXPECT_EQ(game.PupilAt(2).points, 0);
    EXPECT_EQ(game.PupilAt(3).points, 0);
    EXPECT_EQ(game.PupilAt(0).streak, 1);
    EXPECT_EQ(game.PupilAt(2).streak, 0);
    const QuestionTally& tally = game.Tallies().at(0);
    EXPECT_EQ(tally.chosen, (std::array<int, 3>{1, 2, 0}));
    EXPECT_EQ(tally.none, 1);
    EXPECT_EQ(game.Ranking(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(game.PlaceOf(2), 3);
    EXPECT_EQ(game.PlaceOf(3), 3);  // shared with the other pupil on 0
}

TEST(ClassScoring, BadAnswersAreRefusedAndChangeNothing) {
    ClassGame game = GameOf(2);
    EXPECT_EQ(game.Answer(0, 0, 0, kOpen), AnswerResult::NotOpen);
    game.Open(0, 2, kOpen, kLength);
    EXPECT_EQ(game.Answer(0, 1, 2, kOpen + 5), AnswerResult::OtherQuestion);
    EXPECT_EQ(game.Answer(0, 0, 3, kOpen + 5), AnswerResult::OutOfRange);
    EXPECT_EQ(game.Answer(0, 0, -1, kOpen + 5), AnswerResult::OutOfRange);
    EXPECT_EQ(game.Answer(7, 0, 2, kOpen + 5), AnswerResult::NoPupil);
    EXPECT_EQ(game.Answer(0, 0, 2, kOpen + kLength), AnswerResult::NotOpen);  // after the clock
    EXPECT_EQ(game.Answered(), 0);
    EXPECT_EQ(game.Answer(0, 0, 0, kOpen + 5), AnswerResult::Taken);
    EXPECT_EQ(game.Answer(0, 0, 2, kOpen + 6), AnswerResult::Twice);  // the first one counts
    game.Close();
    EXPECT_EQ(game.PupilAt(0).points, 0);
    EXPECT_EQ(game.Answer(1, 0, 2, kOpen + 7), AnswerResult::NotOpen);
}

TEST(ClassQuestionEnd, EveryoneAnsweredOrTheClockEndsIt) {
    ClassGame game = GameOf(3);
    game.Open(0, 0, kOpen, kLength);
    EXPECT_FALSE(game.ShouldClose(kOpen + 100));
    game.Answer(0, 0, 0, kOpen + 50);
    game.Answer(1, 0, 1, kOpen + 60);
    EXPECT_FALSE(game.ShouldClose(kOpen + 100));
    EXPECT_EQ(game.Answered(), 2);
    EXPECT_EQ(game.Playing(), 3);
    game.SetConnected(2, false);  // a dropped phone is not waited for
    EXPECT_TRUE(game.ShouldClose(kOpen + 100));
    game.SetConnected(2, true);
    game.Answer(2, 0, 1, kOpen + 70);
    EXPECT_TRUE(game.ShouldClose(kOpen + 100));
    EXPECT_EQ(game.SecondsLeft(kOpen + 100), 20);
    EXPECT_EQ(game.SecondsLeft(kOpen + kLength - 1), 1);

    ClassGame quiet = GameOf(3);
    quiet.Open(0, 0, kOpen, kLength);
    EXPECT_FALSE(quiet.ShouldClose(kOpen + kLength - 1));
    EXPECT_TRUE(quiet.ShouldClose(kOpen + kLength));
    EXPECT_EQ(quiet.SecondsLeft(kOpen + kLength), 0);
}

TEST(ClassPupils, LateJoinDropAndReturnAndRemoval) {
    ClassGame game = GameOf(2);
    game.Open(0, 0, kOpen, kLength);
    ASSERT_TRUE(game.Seat(5, "Pozdní"));  // joins while a question is open: plays the next
    EXPECT_EQ(game.Answer(5, 0, 0, kOpen + 1), AnswerResult::NoPupil);
    EXPECT_EQ(game.Playing(), 2);
    game.Answer(0, 0, 0, kOpen);
    game.Close();

    game.SetConnected(0, false);
    ASSERT_TRUE(game.Seat(0, "Žák 1 znovu"));  // back with its points and answers
    EXPECT_EQ(game.PupilAt(0).points, 1000);
    EXPECT_EQ(game.PupilAt(0).choices[0], 0);

    game.Open(1, 1, kOpen + 30000, kLength);
    EXPECT_EQ(game.Playing(), 3);
    EXPECT_EQ(game.Answer(5, 1, 1, kOpen + 30000), AnswerResult::Taken);
    game.Remove(1);
    EXPECT_FALSE(game.Seat(1, "Žák 2"));  // removed: cannot come back
    EXPECT_EQ(game.Answer(1, 1, 1, kOpen + 30001), AnswerResult::NoPupil);
    EXPECT_EQ(game.Seated(), 2);
    game.Close();
    EXPECT_EQ(game.PupilAt(5).points, 1000);
    EXPECT_EQ(game.PupilAt(5).choices[0], kNotPlaying);
    EXPECT_EQ(game.Ranking().size(), 2u);
    EXPECT_EQ(game.PlaceOf(1), 0);
    EXPECT_EQ(game.Tallies()[1].none, 1);  // pupil 1 (seat 0) gave none; the removed one is not counted
}

TEST(ClassPupils, ANewGameKeepsTheSeatsAndClearsTheScores) {
    ClassGame game = GameOf(2);
    game.Open(0, 0, kOpen, kLength);
    game.Answer(0, 0, 0, kOpen);
    game.Close();
    game.Start(5);
    EXPECT_EQ(game.Seated(), 2);
    EXPECT_EQ(game.PupilAt(0).points, 0);
    EXPECT_EQ(game.PupilAt(0).choices.size(), 5u);
    EXPECT_TRUE(game.Tallies().empty());
}

class ClassResults : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Install();
        setenv("BRELLIK_HOME", scratch.Path().c_str(), 1);
    }
    void TearDown() override { unsetenv("BRELLIK_HOME"); }

    static ClassGame Played() {
        ClassGame game;
        game.Start(2);
        game.Seat(0, "Anna; \"Ája\"");
        game.Seat(1, "Bořek");
        game.Open(0, 2, kOpen, kLength);
        game.Answer(0, 0, 2, kOpen);
        game.Answer(1, 0, 0, kOpen);
        game.Close();
        game.Open(1, 0, kOpen, kLength);
        game.Answer(1, 1, 0, kOpen + kLength / 2);
        game.Close();
        return game;
    }
    testing_support::ScratchFolder scratch;
};

TEST_F(ClassResults, BothFilesAreWrittenAndReadBack) {
    const std::vector<AskedQuestion> asked = {{"Kolik je 2+2?", {"3", "5", "4"}},
                                              {"Hlavní město; ČR", {"Praha", "Brno", "Ostrava"}}};
    const SavedResults saved = SaveResults(Played(), asked, kWhen);
    ASSERT_TRUE(saved.saved) << saved.why;
    EXPECT_EQ(saved.folder, scratch / "Výsledky");
    EXPECT_EQ(saved.pupilsFile, scratch / "Výsledky/2027-01-15 08-00-00 žáci.csv");
    const std::string pupils = scratch.Read(saved.pupilsFile.substr(scratch.Path().string().size() + 1));
    EXPECT_EQ(pupils,
              "\xEF\xBB\xBFPořadí;Jméno;Body;Správně;1.;2.\r\n"
              "1;\"Anna; \"\"Ája\"\"\";1000;1;správně;bez odpovědi\r\n"
              "2;Bořek;550;1;špatně;správně\r\n");
    const std::string questions =
        scratch.Read(saved.questionsFile.substr(scratch.Path().string().size() + 1));
    EXPECT_NE(questions.find("1;Kolik je 2+2?;4;3;5;4;1;0;1;0;50\r\n"), std::string::npos) << questions;
    EXPECT_NE(questions.find("2;\"Hlavní město; ČR\";Praha;Praha;Brno;Ostrava;1;0;0;1;50\r\n"),
              std::string::npos);
}

TEST_F(ClassResults, AFolderThatCannotBeWrittenSaysWhy) {
    scratch.Write("Výsledky", "a file where the folder should be");
    const SavedResults saved = SaveResults(Played(), {}, kWhen);
    EXPECT_FALSE(saved.saved);
    EXPECT_FALSE(saved.why.empty());
}

}  // namespace
}  // namespace classroom
