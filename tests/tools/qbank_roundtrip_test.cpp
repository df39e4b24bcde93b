#include "qbank/commands.h"
#include "qbank/decompile.h"
#include "qbank/question_file.h"

#include "platform/headless/headless.h"
#include "platform/platform.h"
#include "qbank_support.h"
#include "quiz/question_bank.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// `count` questions "<name>1", "<name>2", ...
std::string TopicSource(const std::string& name, int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += name + std::to_string(i) + "\nx\ny\nz\n\n";
    return text;
}

TEST_F(QbankRoundTrip, InterleavingSpreadsEveryFileShuffledOverTheWholeFile) {
    scratch_.Write("a.txt", TopicSource("A", 3));
    scratch_.Write("b.txt", TopicSource("B", 6));
    scratch_.Write("c.txt", TopicSource("C", 12));
    ASSERT_EQ(Compile({"a.txt", "b.txt", "c.txt"}, "mixed.crp", true), 0) << err_.str();
    ASSERT_EQ(Compile({"a.txt", "b.txt", "c.txt"}, "again.crp", true), 0) << err_.str();
    ASSERT_EQ(Compile({"a.txt", "c.txt"}, "two.crp", true), 0) << err_.str();
    EXPECT_EQ(scratch_.Read("mixed.crp"), scratch_.Read("again.crp"));
    auto questionsOf = [this](const std::string& file, int count, char topic) {
        std::vector<std::string> questions;
        const auto fields = GameFields(file, count);
        for (std::size_t i = 0; i < fields.size(); i += 4) {
            if (topic == 0 || fields[i][0] == topic) questions.push_back(fields[i]);
        }
        return questions;
    };
    const std::vector<std::string> mixed = questionsOf("mixed.crp", 21, 0);
    for (std::size_t start = 0; start + 8 <= mixed.size(); ++start) {
        std::string topics;
        for (std::size_t i = start; i < start + 8; ++i) topics += mixed[i][0];
        for (const char topic : {'A', 'B', 'C'})
            EXPECT_NE(topics.find(topic), std::string::npos) << topics << " at " << start;
    }
    // Each file keeps its own shuffled order, whatever the other files are.
    const std::vector<std::string> c = questionsOf("mixed.crp", 21, 'C');
    EXPECT_EQ(c.size(), 12u);
    std::vector<std::string> written;
    for (int i = 1; i <= 12; ++i) written.push_back("C" + std::to_string(i));
    EXPECT_NE(c, written);
    EXPECT_EQ(questionsOf("two.crp", 15, 'C'), c);
}

TEST_F(QbankRoundTrip, DecompileThenCompileGivesTheSameFile) {
    scratch_.Write("a.txt", qbank_testing::NumberedSource(600) + kCzech +
                                "\n\\# hashtag?\n\\\\ backslash\n\\  spaces at both ends  \nok\n");
    scratch_.Write("b.txt", qbank_testing::NumberedSource(500, 600));
    ASSERT_EQ(Compile({"a.txt", "b.txt"}, "original.crp", true), 0) << err_.str();
    err_.str("");  // the numbered answers are evenly spaced: warnings, not problems
    ASSERT_EQ(Decompile("original.crp", "sources"), 0) << err_.str();
    EXPECT_EQ(err_.str(), "");
    ASSERT_EQ(Compile({"sources/questions.txt"}, "again.crp"), 0) << err_.str();
    EXPECT_EQ(scratch_.Read("again.crp"), scratch_.Read("original.crp"));
    const std::vector<std::string> fields = GameFields("again.crp", 1102);
    const auto hashtag = std::find(fields.begin(), fields.end(), "# hashtag?");
    ASSERT_NE(hashtag, fields.end());
    EXPECT_EQ(hashtag[2], "  spaces at both ends  ");
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
    scratch_.Write("a.txt", "Kolik?\n8 m\n6 m\n10 m\n\nKdy?\n1969\n1965\n1974\n\n"
                            "Kdo?\n9\n3\n5\n\nCo?\nA\nB\nC\n");
    scratch_.Write("b.txt", qbank_testing::NumberedSource(2, 3) +
                                "Kolikrát?\ntřikrát\ndvakrát\npětkrát\n\nQ\nA\n");
    CompileOptions options;
    options.sources = {scratch_ / "a.txt"};
    EXPECT_EQ(qbank::Check(options, out_, err_), 0);  // warnings stop nothing
    EXPECT_EQ(out_.str(), "qbank: 4 questions, no problems, 2 warnings\n");
    EXPECT_NE(err_.str().find("a.txt:2: warning: the answers"), std::string::npos) << err_.str();

    std::ostringstream stats;
    EXPECT_EQ(qbank::Stats({scratch_ / "a.txt", scratch_ / "b.txt"}, stats, err_), 1);
    EXPECT_EQ(stats.str(), scratch_ / "a.txt" + ": 4 questions\n" + scratch_ / "b.txt" +
                               ": 3 questions\ntotal: 7 questions\n"
                               "topics: 2\n  a: 4\n  b: 3\n"
                               "numeric questions: 5\n"
                               "  right value smallest: 2 (40.0 %)\n"
                               "  right value middle: 2 (40.0 %)\n"
                               "  right value largest: 1 (20.0 %)\n"
                               "  evenly spaced: 3\n"
                               "number-word questions: 1\n"
                               "  right value smallest: 0 (0.0 %)\n"
                               "  right value middle: 1 (100.0 %)\n"
                               "  right value largest: 0 (0.0 %)\n"
                               "  evenly spaced: 0\n");
}

}  // namespace
