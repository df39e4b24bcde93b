#include "platform/sdl/scancodes.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <set>

TEST(ScanCodes, TheKeysTheGameReads) {
    EXPECT_EQ(platform::SetOneScanCode(SDL_SCANCODE_ESCAPE), 1u);
    EXPECT_EQ(platform::SetOneScanCode(SDL_SCANCODE_1), 2u);
    EXPECT_EQ(platform::SetOneScanCode(SDL_SCANCODE_2), 3u);
    EXPECT_EQ(platform::SetOneScanCode(SDL_SCANCODE_3), 4u);
    EXPECT_EQ(platform::SetOneScanCode(SDL_SCANCODE_F1), 0x3Bu);
    EXPECT_EQ(platform::SetOneScanCode(SDL_SCANCODE_F2), 0x3Cu);
    EXPECT_EQ(platform::SetOneScanCode(SDL_SCANCODE_F3), 0x3Du);
    EXPECT_EQ(platform::SetOneScanCode(SDL_SCANCODE_KP_1), 0x4Fu);
    EXPECT_EQ(platform::SetOneScanCode(SDL_SCANCODE_KP_2), 0x50u);
    EXPECT_EQ(platform::SetOneScanCode(SDL_SCANCODE_KP_3), 0x51u);
    EXPECT_EQ(platform::SetOneScanCode(SDL_SCANCODE_KP_ENTER), 284u);
    EXPECT_EQ(platform::SetOneScanCode(SDL_SCANCODE_RCTRL), 285u);
    EXPECT_EQ(platform::SetOneScanCode(SDL_SCANCODE_RETURN), 0x1Cu);
    EXPECT_EQ(platform::SetOneScanCode(SDL_SCANCODE_UP), 0x148u);
    EXPECT_EQ(platform::SetOneScanCode(SDL_SCANCODE_DOWN), 0x150u);
}

TEST(ScanCodes, TheMainBlockHasDistinctCodesAndUnknownKeysHaveNone) {
    std::set<uint32_t> seen;
    for (int code = SDL_SCANCODE_A; code <= SDL_SCANCODE_SLASH; ++code) {
        if (code == SDL_SCANCODE_NONUSHASH) continue;  // shares the backslash position
        const uint32_t scan = platform::SetOneScanCode(code);
        EXPECT_NE(scan, 0u) << code;
        EXPECT_TRUE(seen.insert(scan).second) << code;
    }
    EXPECT_EQ(platform::SetOneScanCode(SDL_SCANCODE_UNKNOWN), 0u);
    EXPECT_EQ(platform::SetOneScanCode(-5), 0u);
    EXPECT_EQ(platform::SetOneScanCode(SDL_NUM_SCANCODES), 0u);
}
