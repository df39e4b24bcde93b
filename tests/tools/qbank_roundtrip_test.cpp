#include "qbank/commands.h"
#include "qbank/decompile.h"
#include "qbank/question_file.h"

#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "qbank_support.h"
#include "quiz/question_bank.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using qbank::CompileOptions;

class QbankRoundTrip : public ::testing::Test {
protected:
    void SetUp() override { headless::Install(); }

    int Compile(std::vector<std::string> names, const std::string& output,
                bool interleave = false) {
        CompileOptions options;
        for (const std::string& name : names) options.sources.push_back(scratch_ / name);
        options.output = scratch_ / output;
        options.interleave = interleave;
        options.allowFew = true;
        return qbank::Compile(options, out_, err_);
    }

    int Decompile(const std::string& file, const std::string& folder) {
        return qbank::Decompile(scratch_ / file, scratch_ / folder, out_, err_);
    }

    // The questions of a compiled file as the game loads them.
    std::vector<std::string> GameFields(const std::string& file, int questions) {
        quiz::QuestionBank bank;
        EXPECT_TRUE(bank.Load(scratch_ / file));
        std::vector<std::string> fields;
        for (int i = 0; i < questions; ++i) {
            for (int field = 0; field < quiz::kFieldsPerQuestion; ++field) {
                fields.emplace_back(quiz::FieldOf(bank.records[i], field));
            }
        }
        return fields;
    }

    testing_support::ScratchFolder scratch_;
    std::ostringstream out_, err_;
};

const char* const kCzech =
    "P\xC5\x99\xC3\xADli\xC5\xA1 \xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88?\n"
    "\xE2\x80\x9E"
    "\xC3\x9Ap\xC4\x9Bl\xE2\x80\x9C \xE2\x80\x93 100 \xC2\xB0"
    "C\n"
    "\xC4\x8C\xC3\xA1rka, te\xC4\x8Dka\n"
    "\xC5\x98\xC3\x8D\xC5\xBD\xC5\xA0\n";

TEST_F(QbankRoundTrip, TheGameReadsTheSourceTextsByteForByteInWindows1250) {
    scratch_.Write("a.txt", std::string(kCzech) + "\nDruh\xC3\xA1?\nA\nB\nC\n");
    ASSERT_EQ(Compile({"a.txt"}, "out.crp"), 0) << err_.str();
    const std::vector<std::string> expected = {
        "P\xF8\xEDli\x9A \x9Elu\x9Do\x75\xE8k\xFD k\xF9\xF2?",
        "\x84\xDAp\xECl\x93 \x96 100 \xB0"
        "C",
        "\xC8\xE1rka, te\xE8ka",
        "\xD8\xCD\x8E\x8A",
        "Druh\xE1?",
        "A",
        "B",
        "C"};
    EXPECT_EQ(GameFields("out.crp", 2), expected);
}

TEST_F(QbankRoundTrip, EveryByteIsScrambledAndEveryLineEndsWithCrLf) {
    scratch_.Write("a.txt", "Ot\xC3\xA1zka\nA\nB\nC\n");
    ASSERT_EQ(Compile({"a.txt"}, "out.crp"), 0) << err_.str();
    const std::string plain = "Ot\xE1zka\r\nA\r\nB\r\nC\r\n";
    const std::string raw = scratch_.Read("out.crp");
    ASSERT_EQ(raw.size(), plain.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        EXPECT_EQ(static_cast<uint8_t>(raw[i]), static_cast<uint8_t>(plain[i]) ^ 0xA7) << i;
    }
}

TEST_F(QbankRoundTrip, InterleavingTakesOneQuestionFromEachFileInTurn) {
    scratch_.Write("a.txt", "A1\nx\ny\nz\n\nA2\nx\ny\nz\n\nA3\nx\ny\nz\n");
    scratch_.Write("b.txt", "B1\nx\ny\nz\n");
    scratch_.Write("c.txt", "C1\nx\ny\nz\n\nC2\nx\ny\nz\n");
    ASSERT_EQ(Compile({"a.txt", "b.txt", "c.txt"}, "mixed.crp", true), 0) << err_.str();
    ASSERT_EQ(Compile({"a.txt", "b.txt", "c.txt"}, "plain.crp", false), 0) << err_.str();
    auto questionsOf = [this](const std::string& file) {
        std::vector<std::string> questions;
        const auto fields = GameFields(file, 6);
        for (std::size_t i = 0; i < fields.size(); i += 4) questions.push_back(fields[i]);
        return questions;
    };
    EXPECT_EQ(questionsOf("mixed.crp"),
              (std::vector<std::string>{"A1", "B1", "C1", "A2", "C2", "A3"}));
    EXPECT_EQ(questionsOf("plain.crp"),
              (std::vector<std::string>{"A1", "A2", "A3", "B1", "C1", "C2"}));
}

TEST_F(QbankRoundTrip, DecompileThenCompileGivesTheSameFile) {
    scratch_.Write("a.txt", qbank_testing::NumberedSource(600) + kCzech +
                                "\n\\# hashtag?\n\\\\ backslash\n\\  spaces at both ends  \nok\n");
    scratch_.Write("b.txt", qbank_testing::NumberedSource(500, 600));
    ASSERT_EQ(Compile({"a.txt", "b.txt"}, "original.crp", true), 0) << err_.str();
    ASSERT_EQ(Decompile("original.crp", "sources"), 0) << err_.str();
    EXPECT_EQ(err_.str(), "");
    ASSERT_EQ(Compile({"sources/questions.txt"}, "again.crp"), 0) << err_.str();
    EXPECT_EQ(scratch_.Read("again.crp"), scratch_.Read("original.crp"));
    EXPECT_EQ(GameFields("again.crp", 1102)[4404], "# hashtag?");
    EXPECT_EQ(GameFields("again.crp", 1102)[4406], "  spaces at both ends  ");
}

TEST_F(QbankRoundTrip, DecompileWarnsAboutWhatTheSourcesCannotHold) {
    const std::string plain = "Q\x81 one\r\nA\nB\r\n\\x\r\n\r\nsecond\r\n";
    scratch_.Write("odd.crp", qbank::Scramble(plain));
    ASSERT_EQ(Decompile("odd.crp", "out"), 0);
    const std::string source = scratch_.Read("out/questions.txt");
    EXPECT_NE(source.find("\nQ\xEF\xBF\xBD one\nA\xEF\xBF\xBD"
                          "B\n\\\\x\n\\\n\nsecond\n"),
              std::string::npos)
        << source;
    const std::string warnings = err_.str();
    EXPECT_NE(warnings.find("odd.crp: line 1 holds"), std::string::npos) << warnings;
    EXPECT_NE(warnings.find("odd.crp: line 2 holds"), std::string::npos) << warnings;
    EXPECT_NE(warnings.find("the last question has only 1 of its 4 lines"), std::string::npos);
}

TEST_F(QbankRoundTrip, NothingIsWrittenOverWhenThereAreProblems) {
    scratch_.Write("bad.txt", "Q\nA\nB\n\nQ2\nA\nA\nC\n");
    scratch_.Write("out.crp", "previous");
    EXPECT_EQ(Compile({"bad.txt"}, "out.crp"), 1);
    EXPECT_EQ(scratch_.Read("out.crp"), "previous");
    EXPECT_NE(err_.str().find("bad.txt:1: a question needs exactly 4 lines"), std::string::npos);
    EXPECT_NE(err_.str().find("bad.txt:7: wrong answer 1 is the same"), std::string::npos);

    scratch_.Write("sources/questions.txt", "mine");
    scratch_.Write("good.txt", "Q\nA\nB\nC\n");
    ASSERT_EQ(Compile({"good.txt"}, "good.crp"), 0);
    EXPECT_EQ(Decompile("good.crp", "sources"), 2);
    EXPECT_EQ(scratch_.Read("sources/questions.txt"), "mine");
    EXPECT_EQ(Decompile("missing.crp", "elsewhere"), 2);
}

TEST_F(QbankRoundTrip, CheckAndStatsReport) {
    scratch_.Write("a.txt", qbank_testing::NumberedSource(3));
    scratch_.Write("b.txt", qbank_testing::NumberedSource(2, 3) + "Q\nA\n");
    CompileOptions options;
    options.sources = {scratch_ / "a.txt"};
    EXPECT_EQ(qbank::Check(options, out_, err_), 1);  // three questions are too few for a game
    options.allowFew = true;
    EXPECT_EQ(qbank::Check(options, out_, err_), 0);

    std::ostringstream stats;
    EXPECT_EQ(qbank::Stats({scratch_ / "a.txt", scratch_ / "b.txt"}, stats, err_), 1);
    EXPECT_EQ(stats.str(), scratch_ / "a.txt" + ": 3 questions\n" + scratch_ / "b.txt" +
                               ": 2 questions\ntotal: 5 questions\n");
}

}  // namespace
