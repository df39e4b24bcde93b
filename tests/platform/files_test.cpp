#include "platform/platform.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

using testing_support::ScratchFolder;

namespace {
std::string ReadAll(std::FILE* file) {
    std::string out;
    char buffer[7];  // small, so CR LF pairs straddle reads
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) out.append(buffer, n);
    std::fclose(file);
    return out;
}
}  // namespace

TEST(TranslatePath, MatchesComponentsIgnoringCaseAndBackslashes) {
    ScratchFolder dir;
    dir.Write("Bitmaps/OneP/bg.bmp", "x");
    const std::string root = dir.Path().string();
    EXPECT_EQ(platform::TranslatePath(root + "\\bitmaps\\ONEP\\BG.BMP"), root + "/Bitmaps/OneP/bg.bmp");
    EXPECT_EQ(platform::TranslatePath(root + "/Bitmaps/OneP/bg.bmp"), root + "/Bitmaps/OneP/bg.bmp");
}

TEST(TranslatePath, KeepsMissingComponentsAsWritten) {
    ScratchFolder dir;
    dir.Write("Data/a.txt", "x");
    const std::string root = dir.Path().string();
    EXPECT_EQ(platform::TranslatePath(root + "\\DATA\\New\\File.TXT"), root + "/Data/New/File.TXT");
    EXPECT_EQ(platform::TranslatePath(""), "");
}

TEST(TranslatePath, RelativeNamesResolveAgainstTheWorkingFolder) {
    ScratchFolder dir;
    dir.Write("Data/Intro.dat", "x");
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    EXPECT_EQ(platform::TranslatePath("data\\intro.DAT"), "Data/Intro.dat");
    std::filesystem::current_path(previous);
}

TEST(OpenFile, TextModeReadsCrLfAsLf) {
    ScratchFolder dir;
    dir.Write("t.txt", "one\r\ntwo\rthree\r\n\r\nfour\r");
    EXPECT_EQ(ReadAll(platform::OpenFile(dir / "T.TXT", "rt")), "one\ntwo\rthree\n\nfour\r");
    EXPECT_EQ(ReadAll(platform::OpenFile(dir / "t.txt", "r")), "one\ntwo\rthree\n\nfour\r");
    EXPECT_EQ(ReadAll(platform::OpenFile(dir / "t.txt", "rb")), "one\r\ntwo\rthree\r\n\r\nfour\r");
}

TEST(OpenFile, TextModeWorksWithLineReadersAndSeeking) {
    ScratchFolder dir;
    dir.Write("k.txt", "[Brellik]\r\nData path=C:\\Game\\\r\n");
    std::FILE* file = platform::OpenFile(dir / "k.txt", "rt");
    ASSERT_NE(file, nullptr);
    char line[255];
    ASSERT_NE(std::fgets(line, sizeof line, file), nullptr);
    EXPECT_STREQ(line, "[Brellik]\n");
    ASSERT_NE(std::fgets(line, sizeof line, file), nullptr);
    EXPECT_STREQ(line, "Data path=C:\\Game\\\n");
    EXPECT_EQ(std::fgets(line, sizeof line, file), nullptr);
    std::fseek(file, 0, SEEK_END);
    EXPECT_EQ(std::ftell(file), 31);
    std::fclose(file);
}

TEST(OpenFile, CommitFlagAndMissingFiles) {
    ScratchFolder dir;
    std::FILE* log = platform::OpenFile(dir / "Debug.log", "wtc");
    ASSERT_NE(log, nullptr);
    std::fputs("line\n", log);
    std::fclose(log);
    EXPECT_EQ(dir.Read("Debug.log"), "line\n");
    EXPECT_EQ(platform::OpenFile(dir / "missing\\file.txt", "rb"), nullptr);
}

TEST(WriteFileAtomically, ReplacesTheWholeFileAndLeavesNoTemporary) {
    ScratchFolder dir;
    dir.Write("System/table.sco", std::string(640, 'x'));
    const std::string fresh(640, 'y');
    ASSERT_TRUE(platform::WriteFileAtomically(dir / "SYSTEM\\table.sco", fresh.data(), fresh.size()));
    EXPECT_EQ(dir.Read("System/table.sco"), fresh);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path() / "System")) ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(WriteFileAtomically, TheRewrittenFileKeepsItsModeAndOwner) {
    ScratchFolder dir;
    dir.Write("kept.sco", "old");
    const std::string path = dir / "kept.sco";
    ASSERT_EQ(::chmod(path.c_str(), 0400), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    }
    ASSERT_TRUE(platform::WriteFileAtomically(path, "new", 3));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0400u);
    if (root) {
        EXPECT_EQ(info.st_uid, 65534u);
    }
    EXPECT_EQ(dir.Read("kept.sco"), "new");
    ASSERT_TRUE(platform::WriteFileAtomically(dir / "fresh.sco", "x", 1));
    ASSERT_EQ(::stat((dir / "fresh.sco").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0644u);
}

TEST(WriteFileAtomically, AnUnwritableFolderFailsAndKeepsTheOldFile) {
    ScratchFolder dir;
    EXPECT_FALSE(platform::WriteFileAtomically(dir / "no/such/folder/x.dat", "a", 1));
}

TEST(FileExists, SeesFilesAndFoldersWhateverTheCase) {
    ScratchFolder dir;
    dir.Write("System/table.sco", "x");
    EXPECT_TRUE(platform::FileExists(dir / "system\\TABLE.sco"));
    EXPECT_TRUE(platform::FileExists(dir / "SYSTEM"));
    EXPECT_FALSE(platform::FileExists(dir / "System\\other.sco"));
}

TEST(UserFolder, ComesFromTheEnvironmentAndIsCreated) {
    ScratchFolder dir;
    const char* saved = std::getenv("BRELLIK_HOME");
    const std::string keep = saved ? saved : "";
    ::setenv("BRELLIK_HOME", (dir / "home").c_str(), 1);
    EXPECT_EQ(platform::UserFolder(), dir / "home");
    EXPECT_TRUE(platform::EnsureUserFolder());
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "home" / "System"));
    ::unsetenv("BRELLIK_HOME");
    ::setenv("XDG_DATA_HOME", dir.Path().c_str(), 1);
    EXPECT_EQ(platform::UserFolder(), dir / "brellik");
    ::unsetenv("XDG_DATA_HOME");
    if (saved) ::setenv("BRELLIK_HOME", keep.c_str(), 1);
}
