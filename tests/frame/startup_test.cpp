#include "frame_fixture.h"

#include <sys/wait.h>
#include <unistd.h>

using frame_testing::FrameTest;

namespace {
// Runs `body` in a child process and returns its exit status (or -1 if it did not exit).
template <typename Body>
int ExitStatusOf(Body body) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        body();
        ::_exit(77);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string LastLine(const std::string& text) {
    std::string trimmed = text.substr(0, text.find_last_not_of('\n') + 1);
    return trimmed.substr(trimmed.rfind('\n') + 1);
}
}  // namespace

TEST_F(FrameTest, StartsWithTheLogLineTheWindowAndTheBackBuffer) {
    EXPECT_EQ(Interface::Level(), 1);
    EXPECT_EQ(LogText(), "Interface::PreInit () OK\n");
    const headless::WindowState& window = headless::Window();
    EXPECT_TRUE(window.visible);
    EXPECT_EQ(window.title, "Brellik");
    EXPECT_EQ(window.width, 1024);
    EXPECT_EQ(window.height, 808);
    EXPECT_EQ(window.iconFile, "Bitmaps\\icon.bmp");
    EXPECT_EQ(window.arrowCursorFile, "Bitmaps\\cur_arrow.bmp");
    EXPECT_EQ(window.busyCursorFile, "Bitmaps\\cur_busy.bmp");
    EXPECT_EQ(Interface::BackBuffer().width, 1024);
    EXPECT_EQ(Interface::BackBuffer().height, 768);
    EXPECT_EQ(Interface::Layout(), gfx::PixelLayout::Bgrx32);
}

TEST_F(FrameTest, TheBackBufferTakesTheDisplaysFormat) {
    const std::pair<headless::Config, gfx::PixelLayout> cases[] = {
        {{1024, 768, 16, true}, gfx::PixelLayout::Rgb565},
        {{1024, 768, 16, false}, gfx::PixelLayout::Rgb555},
        {{1024, 768, 24, true}, gfx::PixelLayout::Bgr24},
        {{1280, 1024, 32, true}, gfx::PixelLayout::Bgrx32}};
    for (const auto& [config, layout] : cases) {
        ASSERT_TRUE(Start(config));
        EXPECT_EQ(Interface::Layout(), layout);
    }
}

TEST_F(FrameTest, LogLinesFlushAtOnceAndCarryAnOptionalStamp) {
    headless::SetTime(1767268245);  // 2026-01-01 11:50:45 UTC
    EXPECT_EQ(Interface::Log("stamped", true), 1);
    EXPECT_EQ(Interface::Log("plain", false), 1);
    EXPECT_EQ(LogText(), "Interface::PreInit () OK\n[11:50:45] stamped\nplain\n");
    Interface::Shutdown();
    EXPECT_EQ(Interface::Log("after shutdown", false), 0);
}

TEST_F(FrameTest, TheLogIsTruncatedAtEveryStart) {
    Interface::Log("first run", false);
    ASSERT_TRUE(Start({}));
    EXPECT_EQ(LogText(), "Interface::PreInit () OK\n");
}

TEST_F(FrameTest, ProfileSectionMatchesByTitleLengthAndEndsAtTheNextHeader) {
    dir.Write("home/tarvex_p.ini",
              "[Other]\r\nData path=wrong\\\r\n[Brellik] extra words\r\n"
              "Data path=/srv/Game\r\nComment=1\r\nRuntime path=rt/\r\n[Next]\r\n"
              "Data path=late\\\r\n");
    ASSERT_TRUE(Start({}));
    char out[260];
    Interface::MakePath("Data\\x.dat", out, Interface::kPathData);
    EXPECT_STREQ(out, "/srv/GameData\\x.dat");  // a plain prefix, no separator added
    Interface::MakePath("Debug.log", out, Interface::kPathRuntime);
    EXPECT_STREQ(out, "rt/Debug.log");
    Interface::MakePath("as is", out, Interface::kPathAsGiven);
    EXPECT_STREQ(out, "as is");
}

TEST_F(FrameTest, AMissingSectionLeavesBothPathsEmpty) {
    dir.Write("home/tarvex_p.ini", "[Brelli]\nData path=x/\n");
    ASSERT_TRUE(Start({}));
    char out[260];
    Interface::MakePath("a", out, Interface::kPathData);
    EXPECT_STREQ(out, "a");
}

TEST_F(FrameTest, AMissingRuntimeFolderPutsTheLogUnderTheDataPath) {
    std::filesystem::create_directories(dir.Path() / "data/Bitmaps");
    dir.Write("home/tarvex_p.ini",
              "[Brellik]\nData path=" + (dir / "data") + "/\nRuntime path=" + (dir / "nowhere") + "/\n");
    ASSERT_TRUE(Start({}));
    EXPECT_EQ(dir.Read("data/Debug.log"), "Interface::PreInit () OK\n");
}

// Without this the game would start silently on placeholder pictures and leave no log.
TEST_F(FrameTest, ADataFolderWithoutTheGameIsToldAndABadRuntimePathLogsToTheUserFolder) {
    dir.Write("home/tarvex_p.ini", "[Brellik]\nData path=" + (dir / "nowhere") +
                                       "/\nRuntime path=" + (dir / "nowhere") + "/\n");
    ASSERT_TRUE(Start({}));
    ASSERT_EQ(headless::Boxes().size(), 1u);
    const std::string& text = headless::Boxes()[0].text;
    EXPECT_NE(text.find("\"" + (dir / "nowhere") + "/\""), std::string::npos) << text;
    EXPECT_NE(text.find("Data path="), std::string::npos) << text;
    const std::string log = dir.Read("home/Debug.log");
    EXPECT_EQ(log.rfind("Interface::PreInit () OK\n"), log.size() - 25) << log;
    EXPECT_NE(log.find(dir / "nowhere"), std::string::npos) << log;

    std::filesystem::create_directories(dir.Path() / "other/Bitmaps");
    dir.Write("home/tarvex_p.ini", "[Brellik]\nData path=" + (dir / "other") + "/\n");
    ASSERT_TRUE(Start({}));
    EXPECT_TRUE(headless::Boxes().empty());
}

TEST_F(FrameTest, OpenFileTriesTheOtherPathAndLogsTheLastNameTried) {
    std::filesystem::create_directories(dir.Path() / "rt");
    dir.Write("rt/only-here.txt", "x");
    dir.Write("home/tarvex_p.ini", "[Brellik]\nData path=" + (dir / "data") + "/\nRuntime path=" +
                                       (dir / "rt") + "/\n");
    ASSERT_TRUE(Start({}));
    std::FILE* found = Interface::OpenFile("only-here.txt", "rb", Interface::kPathData);
    ASSERT_NE(found, nullptr);
    std::fclose(found);
    EXPECT_EQ(Interface::OpenFile("missing.txt", "rb", Interface::kPathData), nullptr);
    EXPECT_EQ(Interface::OpenFile("missing.txt", "rb", Interface::kPathAsGiven), nullptr);
    const std::string log = dir.Read("rt/Debug.log");
    EXPECT_NE(log.find("Cannot load file \"" + (dir / "rt") + "/missing.txt\""), std::string::npos);
    EXPECT_NE(log.find("Cannot load file \"missing.txt\""), std::string::npos);
}

TEST_F(FrameTest, FatalLogsShowsTheBoxAndExitsWithTheCode) {
    const int status = ExitStatusOf([] { Interface::Fatal("Boom", -1); });
    EXPECT_EQ(status, 255);
    EXPECT_EQ(LastLine(LogText()), "Exit code: ffffffff");
    EXPECT_NE(LogText().find("Boom\n"), std::string::npos);
}

TEST_F(FrameTest, ANarrowScreenOrTooFewColoursStopTheStart) {
    Interface::Shutdown();
    const int narrow = ExitStatusOf([this] { Start({799, 600, 32, true}); });
    EXPECT_EQ(narrow, 255);
    EXPECT_NE(LogText().find(platform::Utf8ToCp1250("rozližení minimálně 800 x 600")), std::string::npos);
    const int eightBit = ExitStatusOf([this] { Start({1024, 768, 8, true}); });
    EXPECT_EQ(eightBit, 255);
    EXPECT_NE(LogText().find(platform::Utf8ToCp1250("minimálně 16 bitové barvy.")), std::string::npos);
    EXPECT_EQ(ExitStatusOf([this] { _exit(Start({800, 600, 24, true}) ? 0 : 1); }), 0);
}

TEST_F(FrameTest, ASecondInstanceIsRefusedWithTheBoxAndTheFirstIsUntouched) {
    Interface::Shutdown();
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t first = ::fork();
    if (first == 0) {
        const char ok = Start({}) ? 'y' : 'n';
        (void)!::write(fds[1], &ok, 1);
        ::pause();
        ::_exit(0);
    }
    char answer = 0;
    ASSERT_EQ(::read(fds[0], &answer, 1), 1);
    ASSERT_EQ(answer, 'y');
    headless::Install();
    EXPECT_EQ(Interface::PreInit(nullptr, "", &properties), 0);
    ASSERT_EQ(headless::Boxes().size(), 1u);
    EXPECT_EQ(headless::Boxes()[0].text, platform::Utf8ToCp1250("Aplikace je již spuštěna!"));
    EXPECT_EQ(headless::Boxes()[0].caption, "Informace");
    EXPECT_EQ(headless::Boxes()[0].icon, platform::BoxIcon::Information);
    EXPECT_EQ(LogText(), "Interface::PreInit () OK\n");  // the first instance's log stays
    ::kill(first, SIGKILL);
    ::waitpid(first, nullptr, 0);
    EXPECT_TRUE(Start({}));
}

TEST_F(FrameTest, CallbacksNeedAStartedFrame) {
    Interface::Shutdown();
    EXPECT_EQ(Interface::SetCallbacks(nullptr, nullptr, nullptr, nullptr), 0);
    ASSERT_TRUE(Start({}));
    controlsFrozen = 1;
    EXPECT_EQ(Interface::SetCallbacks(nullptr, nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(Interface::Level(), 2);
    EXPECT_EQ(controlsFrozen, 0);
}

namespace {
int OpenDescriptors() {
    int count = 0;
    const std::filesystem::directory_iterator open("/proc/self/fd");
    for ([[maybe_unused]] const auto& entry : open) ++count;
    return count;
}
}  // namespace

TEST_F(FrameTest, AWindowThatCannotBeMadeLeavesNoLogOrLockOpen) {
    Interface::Shutdown();
    const int before = OpenDescriptors();
    headless::Config config;
    config.windowFails = true;
    EXPECT_FALSE(Start(config));
    EXPECT_EQ(OpenDescriptors(), before);
    EXPECT_TRUE(Start({}));  // the lock was let go
}

TEST_F(FrameTest, ANameTooLongForAPathIsRefusedNotCut) {
    const std::string name(300, 'n');
    // The first 259 characters of the path name a file that exists: it must not be opened.
    const std::string full = (dir / "game/") + name;
    dir.Write("game/" + full.substr((dir / "game/").size(), 259 - (dir / "game/").size()), "x");
    dir.Write("home/tarvex_p.ini", "[Brellik]\nData path=" + (dir / "game/") + "\n");
    ASSERT_TRUE(Start({}));
    char path[260] = "previous";
    EXPECT_FALSE(Interface::MakePath(name.c_str(), path, Interface::kPathData));
    EXPECT_STREQ(path, "");
    EXPECT_EQ(Interface::OpenFile(name.c_str(), "rb", Interface::kPathData), nullptr);
    EXPECT_NE(LogText().find("File name too long: \"" + full.substr(0, 40)), std::string::npos);
}

TEST_F(FrameTest, StaleTemporariesOfTheTablesAreClearedAtStart) {
    Interface::Shutdown();
    dir.Write("home/System/sp_fp2.sco.tmp-a1B2c3", "torn");
    dir.Write("home/System/ini2.dat.tmp-ZZZZZZ", "torn");
    dir.Write("home/System/sp_fp2.sco", std::string(640, '\0'));
    dir.Write("home/System/notes.tmp-1", "not ours");
    dir.Write("home/System/mine.tmp-abcdef.txt", "not ours");
    ASSERT_TRUE(Start({}));
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path() / "home/System")) {
        left.push_back(entry.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"mine.tmp-abcdef.txt", "notes.tmp-1",
                                              "sp_fp2.sco"}));
}
