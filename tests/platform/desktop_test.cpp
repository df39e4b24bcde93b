// The desktop facilities: drops wait for the game in order and in bounded number, and the
// file manager is started without the game waiting for it, or a clear message given.
#include "platform/desktop.h"
#include "platform/headless/headless.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace {

TEST(DesktopTest, DroppedFilesWaitInOrderAndTheirNumberIsBounded) {
    headless::Install();
    for (std::size_t i = 0; i < platform::kMaxWaitingDrops + 5; ++i)
        headless::DropFile("/tmp/soubor " + std::to_string(i) + ".csv");
    std::string path;
    std::size_t taken = 0;
    while (platform::TakeDroppedFile(path)) {
        EXPECT_EQ(path, "/tmp/soubor " + std::to_string(taken) + ".csv");
        ++taken;
    }
    EXPECT_EQ(taken, platform::kMaxWaitingDrops);
    platform::Message message;
    int drops = 0;
    while (platform::PeekMessage(message)) drops += message.id == platform::kWmDropFile;
    EXPECT_EQ(drops, static_cast<int>(platform::kMaxWaitingDrops)) << "one message a drop kept";
    headless::DropFile("/tmp/x.csv");
    headless::Install();
    EXPECT_FALSE(platform::TakeDroppedFile(path)) << "a new backend starts without drops";
}

TEST(DesktopTest, TheFileManagerStartsDetachedOrTheReasonIsGiven) {
    testing_support::ScratchFolder dir;
    const std::string previousPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    // A stand-in for xdg-open that notes what it was asked to open.
    dir.Write("bin/xdg-open", "#!/bin/sh\necho \"$1\" > \"" + (dir / "opened") + "\"\n");
    std::filesystem::permissions(dir / "bin/xdg-open", std::filesystem::perms::owner_all);
    ::setenv("PATH", (dir / "bin").c_str(), 1);
    EXPECT_EQ(platform::LaunchFileManager(dir / "Sady otázek"), "");
    for (int i = 0; i < 100 && dir.Read("opened").empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(dir.Read("opened"), dir / "Sady otázek" + "\n");

    ::setenv("PATH", (dir / "nothing").c_str(), 1);
    EXPECT_NE(platform::LaunchFileManager(dir / "x").find("xdg-open chybí"), std::string::npos);
    ::setenv("PATH", previousPath.c_str(), 1);
}

}  // namespace
