// The state words of the game's screens: the high byte names the screen, the whole word the
// variant.
#pragma once

#include <cstdint>

constexpr int32_t StateIntro = 0x0001;
constexpr int32_t StateMainMenu = 0x0002;
constexpr int32_t StateSingleMenu = 0x0101;
constexpr int32_t StateForR = 0x0103;
constexpr int32_t StateForP = 0x0104;
constexpr int32_t StateMultiSetUp = 0x0201;
constexpr int32_t StateMultiGame = 0x0203;
constexpr int32_t StateMultiUsedUp = 0x0204;
constexpr int32_t StateMultiResults = 0x0205;
constexpr int32_t StateScores = 0x0300;
constexpr int32_t StateBrowser = 0x0400;
constexpr int32_t StateClassLobby = 0x0501;
constexpr int32_t StateClassGame = 0x0503;

enum ScreenId : int32_t {
    kScreenIntroAndMenu = 0x00,
    kScreenSingle = 0x01,
    kScreenMulti = 0x02,
    kScreenScores = 0x03,
    kScreenBrowser = 0x04,
    kScreenClass = 0x05,
};

inline int32_t ScreenIdOf(int32_t stateWord) { return (stateWord & 0xFF00) >> 8; }
