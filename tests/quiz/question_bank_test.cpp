#include "quiz/question_bank.h"

#include "platform/headless/headless.h"
#include "question_file_support.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using quiz::Question;
using quiz::QuestionBank;
using quiz_testing::CrLfLines;
using quiz_testing::Scrambled;

class QuestionBankTest : public ::testing::Test {
protected:
    void SetUp() override { headless::Install(); }

    bool LoadPlain(const std::string& plain) {
        scratch_.Write("Data/otazky4.crp", Scrambled(plain));
        return bank_.Load((scratch_.Path() / "Data").string() + "\\otazky4.crp");
    }

    testing_support::ScratchFolder scratch_;
    QuestionBank bank_;
};

std::vector<std::string> NumberedLines(int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) lines.push_back("line " + std::to_string(i));
    return lines;
}

TEST_F(QuestionBankTest, FourLinesMakeOneRecordInFileOrder) {
    ASSERT_TRUE(LoadPlain(CrLfLines({"Q1", "right", "wrong a", "wrong b", "Q2", "r", "w", "v"})));
    EXPECT_STREQ(bank_.records[0].question, "Q1");
    EXPECT_STREQ(bank_.records[0].answers[0], "right");
    EXPECT_STREQ(bank_.records[0].answers[1], "wrong a");
    EXPECT_STREQ(bank_.records[0].answers[2], "wrong b");
    EXPECT_STREQ(bank_.records[1].question, "Q2");
    EXPECT_STREQ(bank_.records[1].answers[2], "v");
    EXPECT_STREQ(bank_.records[2].question, "");
    EXPECT_EQ(bank_.First(), bank_.records.data());
}

TEST_F(QuestionBankTest, AFileOf4001LinesFillsRecord1000WithItsQuestionOnly) {
    ASSERT_TRUE(LoadPlain(CrLfLines(NumberedLines(4001))));
    EXPECT_STREQ(bank_.records[999].question, "line 3996");
    EXPECT_STREQ(bank_.records[999].answers[2], "line 3999");
    EXPECT_STREQ(bank_.records[1000].question, "line 4000");
    EXPECT_STREQ(bank_.records[1000].answers[0], "");
    EXPECT_STREQ(bank_.records[1000].answers[2], "");
    EXPECT_STREQ(bank_.records[1001].question, "");
}

TEST_F(QuestionBankTest, AnEmptyLineIsAnEmptyFieldOfItsQuestion) {
    ASSERT_TRUE(LoadPlain(CrLfLines({"Q1", "", "a", "b", "Q2", "c", "d", "e"})));
    EXPECT_STREQ(bank_.records[0].answers[0], "");
    EXPECT_STREQ(bank_.records[0].answers[1], "a");
    EXPECT_STREQ(bank_.records[1].question, "Q2");
}

TEST_F(QuestionBankTest, BareCrAndAMissingLastLineEndLoseNoCharacter) {
    ASSERT_TRUE(LoadPlain("Q1\rright\r\nwrong\rlast"));
    EXPECT_STREQ(bank_.records[0].question, "Q1");
    EXPECT_STREQ(bank_.records[0].answers[0], "right");
    EXPECT_STREQ(bank_.records[0].answers[1], "wrong");
    EXPECT_STREQ(bank_.records[0].answers[2], "last");
}

TEST_F(QuestionBankTest, AnOverlongLineIsCutToTheFieldAndTheLinesStayInStep) {
    const std::string overlong(2500, '\xE8');  // č
    ASSERT_TRUE(LoadPlain(CrLfLines({overlong, "a", "b", "c", "Q2", "d", "e", "f"})));
    EXPECT_EQ(std::string(bank_.records[0].question), std::string(quiz::kFieldSize - 1, '\xE8'));
    EXPECT_STREQ(bank_.records[0].answers[0], "a");
    EXPECT_STREQ(bank_.records[1].question, "Q2");
}

TEST_F(QuestionBankTest, LinesBeyondTheLastRecordAreIgnored) {
    ASSERT_TRUE(LoadPlain(CrLfLines(NumberedLines(6010))));
    EXPECT_STREQ(bank_.records[1499].answers[2], "line 5999");
    EXPECT_EQ(bank_.records.size(), 1500u);
}

TEST_F(QuestionBankTest, LoadingAgainStartsFromAnEmptyTable) {
    ASSERT_TRUE(LoadPlain(CrLfLines(NumberedLines(8))));
    ASSERT_TRUE(LoadPlain(CrLfLines({"only"})));
    EXPECT_STREQ(bank_.records[0].question, "only");
    EXPECT_STREQ(bank_.records[0].answers[0], "");
    EXPECT_STREQ(bank_.records[1].question, "");
}

TEST_F(QuestionBankTest, AMissingFileShowsTheErrorBoxAndLeavesTheBankEmpty) {
    ASSERT_TRUE(LoadPlain(CrLfLines(NumberedLines(4))));
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(scratch_.Path());
    std::filesystem::remove(scratch_.Path() / "Data" / "otazky4.crp");
    const bool loaded = bank_.Load();
    std::filesystem::current_path(previous);
    EXPECT_FALSE(loaded);
    ASSERT_EQ(headless::Boxes().size(), 1u);
    EXPECT_EQ(headless::Boxes()[0].text, "Nelze otevrit datovy soubor Data\\otazky4.crp");
    EXPECT_EQ(headless::Boxes()[0].caption, "Chyba");
    EXPECT_EQ(headless::Boxes()[0].icon, platform::BoxIcon::Error);
    EXPECT_STREQ(bank_.records[0].question, "");
}

TEST_F(QuestionBankTest, TheDefaultNameIsFoundInTheWorkingDirectoryWhateverItsCase) {
    scratch_.Write("data/OTAZKY4.CRP", Scrambled(CrLfLines({"Q", "a", "b", "c"})));
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(scratch_.Path());
    const bool loaded = bank_.Load();
    std::filesystem::current_path(previous);
    EXPECT_TRUE(loaded);
    EXPECT_STREQ(bank_.records[0].question, "Q");
    EXPECT_TRUE(headless::Boxes().empty());
}

TEST_F(QuestionBankTest, ALongFileNameIsCutInTheMessageNotOverrun) {
    EXPECT_FALSE(bank_.Load(std::string(300, 'n')));
    ASSERT_EQ(headless::Boxes().size(), 1u);
    EXPECT_EQ(headless::Boxes()[0].text.size(), 49u);
}

}  // namespace
