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

    std::string FileName() const { return (scratch_.Path() / "Data").string() + "\\otazky4.crp"; }
    bool LoadPlain(const std::string& plain) {
        scratch_.Write("Data/otazky4.crp", Scrambled(plain));
        return bank_.Load(FileName());
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
    EXPECT_EQ(bank_.Count(), 2);
}

TEST_F(QuestionBankTest, AWholeFileOfAnySizeLoadsAndIsCounted) {
    ASSERT_TRUE(LoadPlain(CrLfLines(NumberedLines(4000))));
    EXPECT_EQ(bank_.Count(), 1000);
    EXPECT_STREQ(bank_.records[999].answers[2], "line 3999");
    EXPECT_STREQ(bank_.records[1000].question, "");
    ASSERT_TRUE(LoadPlain(CrLfLines(NumberedLines(120))));  // a small set is no damage
    EXPECT_EQ(bank_.Count(), 30);
    EXPECT_TRUE(headless::Boxes().empty());
}

TEST_F(QuestionBankTest, QuestionsBeyondTheLastRecordAreIgnoredButCounted) {
    ASSERT_TRUE(LoadPlain(CrLfLines(NumberedLines(6008))));
    EXPECT_STREQ(bank_.records[1499].answers[2], "line 5999");
    EXPECT_EQ(bank_.Count(), 1500);
    EXPECT_EQ(bank_.FileCount(), 1502);
    EXPECT_EQ(bank_.records.size(), 1500u);
}

// 1500 questions of 500-byte lines make 3 012 000 bytes; a larger file is refused unread.
TEST_F(QuestionBankTest, AFileLargerThanTheFormatHoldsIsRefusedBeforeReading) {
    const std::string line(quiz::kFieldSize - 1, 'x');
    std::string full;
    for (int i = 0; i < quiz::kBankSize * quiz::kFieldsPerQuestion; ++i) full += line + "\r\n";
    ASSERT_EQ(full.size(), 3012000u);
    ASSERT_TRUE(LoadPlain(full));
    EXPECT_EQ(bank_.Count(), 1500);

    EXPECT_FALSE(LoadPlain(full + "x\r\ny\r\nz\r\nw\r\n"));
    scratch_.Write("Data/otazky4.crp", "");
    std::filesystem::resize_file(scratch_.Path() / "Data/otazky4.crp", 200u << 20);  // sparse
    EXPECT_FALSE(bank_.Load(FileName()));
    ASSERT_EQ(headless::Boxes().size(), 2u);
    EXPECT_EQ(headless::Boxes()[1].text,
              platform::Utf8ToCp1250("Poškozený datový soubor " + FileName() +
                                     ": soubor je větší než 3012000 bajtů, víc, než pojme 1500 "
                                     "otázek"));
    EXPECT_EQ(bank_.Count(), 0);
}

TEST_F(QuestionBankTest, ALineAsLongAsAFieldHoldsLoadsWhole) {
    const std::string longest(quiz::kFieldSize - 1, '\xE8');  // č
    ASSERT_TRUE(LoadPlain(CrLfLines({longest, "a", "b", "c"})));
    EXPECT_EQ(std::string(bank_.records[0].question), longest);
}

// Damaged or cut files would give blank or shifted questions: each is refused as a missing
// file is, with a box that names the file and the fault, and the bank stays empty.
TEST_F(QuestionBankTest, ADamagedFileIsRefusedNamingTheFileAndTheFault) {
    const std::string valid = CrLfLines({"Q1", "right", "wrong a", "wrong b"});
    struct Case {
        std::string plain;
        const char* fault;
    };
    const Case cases[] = {
        {CrLfLines(NumberedLines(4001)), "soubor končí uprostřed otázky (4001 řádků)"},
        {valid + "Q2\r\nr\r\nw\r\nv", "soubor končí uprostřed řádku 8"},
        {valid + "Q2\rr\r\nw\r\nv\r\n", "řádek 5 nekončí CR LF"},
        {valid + CrLfLines({"Q2", "", "w", "v"}), "řádek 6 je prázdný"},
        {CrLfLines({"", "r", "w", "v"}) + valid, "řádek 1 je prázdný"},
        {valid + CrLfLines({"Q2", "r", std::string("w\0x", 3), "v"}),
         "řádek 7 obsahuje nulový bajt"},
        {valid + CrLfLines({std::string(quiz::kFieldSize, 'x'), "r", "w", "v"}),
         "řádek 5 je delší než 500 znaků"},
        {"", "soubor neobsahuje žádnou otázku"},
    };
    for (const Case& c : cases) {
        headless::Install();  // a fresh record of boxes
        ASSERT_TRUE(LoadPlain(valid));
        EXPECT_FALSE(LoadPlain(c.plain)) << c.fault;
        ASSERT_EQ(headless::Boxes().size(), 1u) << c.fault;
        EXPECT_EQ(headless::Boxes()[0].text,
                  platform::Utf8ToCp1250("Poškozený datový soubor " + FileName() + ": " + c.fault));
        EXPECT_EQ(headless::Boxes()[0].caption, "Chyba");
        EXPECT_EQ(bank_.Failure(), headless::Boxes()[0].text);
        EXPECT_STREQ(bank_.records[0].question, "") << c.fault;
        EXPECT_EQ(bank_.Count(), 0);
    }
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

TEST_F(QuestionBankTest, ALongFileNameIsNamedWhole) {
    EXPECT_FALSE(bank_.Load(std::string(300, 'n')));
    ASSERT_EQ(headless::Boxes().size(), 1u);
    EXPECT_EQ(headless::Boxes()[0].text, "Nelze otevrit datovy soubor " + std::string(300, 'n'));
}

}  // namespace
