#include "qbank/source.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace {

using qbank::ParseSource;
using qbank::SourceFile;

TEST(QbankSource, FourLineBlocksSeparatedByBlankLinesWithComments) {
    const SourceFile file = ParseSource("q.txt",
                                        "# topic: rivers\n"
                                        "Která řeka protéká Prahou?\n"
                                        "Vltava\n"
                                        "# the wrong ones\n"
                                        "Labe\n"
                                        "Morava\n"
                                        "\n"
                                        "   \t \n"
                                        "  Kolik je 2 + 2?  \n"
                                        "4\n"
                                        "3\n"
                                        "5");
    EXPECT_TRUE(file.problems.empty());
    ASSERT_EQ(file.questions.size(), 2u);
    EXPECT_EQ(file.questions[0].fields[0], "Která řeka protéká Prahou?");
    EXPECT_EQ(file.questions[0].fields[2], "Labe");
    EXPECT_EQ(file.questions[0].lines, (std::array<int, 4>{2, 3, 5, 6}));
    EXPECT_EQ(file.questions[1].fields[0], "Kolik je 2 + 2?");
    EXPECT_EQ(file.questions[1].lines[3], 12);
    EXPECT_EQ(file.questions[1].file, "q.txt");
}

TEST(QbankSource, CrLfLineEndsAndAByteOrderMarkAreAccepted) {
    const SourceFile file = ParseSource("q.txt", "\xEF\xBB\xBFOt\xC3\xA1zka\r\nA\r\nB\r\nC\r\n");
    ASSERT_EQ(file.questions.size(), 1u);
    EXPECT_EQ(file.questions[0].fields[0], "Ot\xC3\xA1zka");
    EXPECT_EQ(file.questions[0].fields[3], "C");
}

TEST(QbankSource, ABackslashKeepsTheRestOfTheLineAsItStands) {
    const SourceFile file = ParseSource("q.txt", "\\# je znak\n\\\\cesta\n\\  mezery  \n\\\n");
    ASSERT_EQ(file.questions.size(), 1u);
    EXPECT_EQ(file.questions[0].fields[0], "# je znak");
    EXPECT_EQ(file.questions[0].fields[1], "\\cesta");
    EXPECT_EQ(file.questions[0].fields[2], "  mezery  ");
    EXPECT_EQ(file.questions[0].fields[3], "");
}

TEST(QbankSource, BlocksOfAnotherSizeAreReportedAtTheirFirstLine) {
    const SourceFile file = ParseSource("q.txt",
                                        "Q1\nA\nB\n\n"                  // 3 lines at line 1
                                        "Q2\nA\nB\nC\nD\n\n"            // 5 lines at line 5
                                        "Q3\nA\nB\nC\nQ4\nA\nB\nC\n\n"  // 8: a blank line missing
                                        "Q5\nA\nB\nC\n");
    ASSERT_EQ(file.problems.size(), 3u);
    EXPECT_EQ(file.problems[0].line, 1);
    EXPECT_NE(file.problems[0].message.find("has 3"), std::string::npos);
    EXPECT_EQ(file.problems[1].line, 5);
    EXPECT_NE(file.problems[1].message.find("has 5"), std::string::npos);
    EXPECT_EQ(file.problems[2].line, 11);
    EXPECT_NE(file.problems[2].message.find("blank line missing"), std::string::npos);
    ASSERT_EQ(file.questions.size(), 1u);
    EXPECT_EQ(file.questions[0].fields[0], "Q5");
    EXPECT_EQ(qbank::Describe(file.problems[1]).substr(0, 8), "q.txt:5:");
}

TEST(QbankSource, AnUnreadableFileIsAProblemOfThatFile) {
    testing_support::ScratchFolder scratch;
    const SourceFile file = qbank::ReadSource(scratch / "missing.txt");
    ASSERT_EQ(file.problems.size(), 1u);
    EXPECT_EQ(qbank::Describe(file.problems[0]),
              scratch / "missing.txt" + ": cannot read the file");
}

}  // namespace
