#include "platform/install_layout.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

// The test binary lives in build/tests, beside build/game with its Data folder: the same
// shape as bin/ beside share/brellik.
TEST(InstalledDataFolder, FoundRelativeToTheRunningBinaryWhenItHoldsData) {
    const std::filesystem::path game(BRELLIK_GAME_DIR);
    EXPECT_EQ(std::filesystem::path(platform::InstalledDataFolder("../game")),
              game.lexically_normal());
    EXPECT_EQ(platform::InstalledDataFolder("../game/Bitmaps"), "");  // no Data inside
    EXPECT_EQ(platform::InstalledDataFolder("../share/brellik"), "");
}

TEST(ChangeWorkingFolder, KeepsARelativeUserFolderWhereItWas) {
    const std::filesystem::path before = std::filesystem::current_path();
    const char* home = std::getenv("BRELLIK_HOME");
    const std::string savedHome = home ? home : "";
    ::setenv("BRELLIK_HOME", "scores", 1);
    ASSERT_TRUE(platform::ChangeWorkingFolder(BRELLIK_GAME_DIR));
    EXPECT_EQ(platform::UserFolder(), (before / "scores").string());
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(BRELLIK_GAME_DIR));
    EXPECT_FALSE(platform::ChangeWorkingFolder("/nonexistent/brellik"));
    std::filesystem::current_path(before);
    if (home) ::setenv("BRELLIK_HOME", savedHome.c_str(), 1);
    else ::unsetenv("BRELLIK_HOME");
}
