#include "quiz/file_buffer.h"

#include "question_file_support.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

using quiz::FileBuffer;
using quiz_testing::Scrambled;

// All lines of the data, each as the reader hands it out.
std::vector<std::string> AllLines(FileBuffer& file, int capacity = 600) {
    std::vector<std::string> lines;
    std::string buffer(static_cast<std::size_t>(capacity), '\0');
    for (;;) {
        const int count = file.ReadLine(buffer.data(), capacity);
        if (count == FileBuffer::kEndOfData) break;
        lines.emplace_back(buffer.data(), static_cast<std::size_t>(count));
    }
    return lines;
}

class FileBufferTest : public ::testing::Test {
protected:
    std::vector<std::string> LinesOf(const std::string& plain, int capacity = 600) {
        scratch_.Write("f.crp", Scrambled(plain));
        EXPECT_TRUE(file_.Open(scratch_ / "f.crp", "rb", 0xA7));
        return AllLines(file_, capacity);
    }

    testing_support::ScratchFolder scratch_;
    FileBuffer file_;
};

TEST_F(FileBufferTest, UnscramblesEveryByteValue) {
    std::string plain;
    for (int value = 0; value < 256; ++value) plain += static_cast<char>(value);
    scratch_.Write("all.crp", Scrambled(plain));
    ASSERT_TRUE(file_.Open(scratch_ / "all.crp", "rb", 0x1A7));  // only the low byte counts
    ASSERT_EQ(file_.Length(), 256);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(file_.Data()), 256), plain);
    EXPECT_EQ(file_.Position(), 0);
}

TEST_F(FileBufferTest, SplitsAtCrLfAndKeepsEmptyLines) {
    EXPECT_EQ(LinesOf("one\r\n\r\nthree\r\n"), (std::vector<std::string>{"one", "", "three"}));
}

TEST_F(FileBufferTest, ABareCrEndsALineAndAnEmptyOneIsStillALine) {
    EXPECT_EQ(LinesOf("a\r\rb\r\n"), (std::vector<std::string>{"a", "", "b"}));
}

TEST_F(FileBufferTest, ALastLineWithoutLineEndKeepsEveryCharacter) {
    EXPECT_EQ(LinesOf("first\r\nlast"), (std::vector<std::string>{"first", "last"}));
    EXPECT_EQ(LinesOf("x"), (std::vector<std::string>{"x"}));
}

TEST_F(FileBufferTest, ALoneLineFeedIsText) {
    EXPECT_EQ(LinesOf("a\nb\r\n"), (std::vector<std::string>{"a\nb"}));
}

TEST_F(FileBufferTest, ALongLineIsCutAtTheCapacityAndTheNextLineFollows) {
    const std::string longLine(700, 'x');
    EXPECT_EQ(LinesOf(longLine + "\r\nnext\r\n", 500),
              (std::vector<std::string>{std::string(500, 'x'), "next"}));
}

TEST_F(FileBufferTest, CopiesNoMoreThanTheCapacity) {
    scratch_.Write("f.crp", Scrambled("abcdef\r\n"));
    ASSERT_TRUE(file_.Open(scratch_ / "f.crp", "rb", 0xA7));
    char buffer[8] = "_______";
    EXPECT_EQ(file_.ReadLine(buffer, 3), 3);
    EXPECT_STREQ(buffer, "abc____");
}

TEST_F(FileBufferTest, EmptyFileMissingFileAndClose) {
    EXPECT_TRUE(LinesOf("").empty());
    EXPECT_FALSE(file_.Open(scratch_ / "missing.crp", "rb", 0xA7));
    EXPECT_EQ(file_.Length(), 0);
    char buffer[4];
    EXPECT_EQ(file_.ReadLine(buffer, 4), FileBuffer::kEndOfData);
    EXPECT_TRUE(file_.Close());
}

TEST_F(FileBufferTest, FindsTheFileWithAWindowsName) {
    scratch_.Write("Data/OTAZKY.crp", Scrambled("ok\r\n"));
    ASSERT_TRUE(file_.Open((scratch_.Path() / "data").string() + "\\otazky.CRP", "rb", 0xA7));
    EXPECT_EQ(AllLines(file_), (std::vector<std::string>{"ok"}));
}

}  // namespace
