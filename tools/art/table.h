// The table of every picture the game's screens load, with its geometry, and the scenes
// some of them are cut from.
#pragma once

#include "library.h"
#include "picture.h"

#include <string_view>
#include <vector>

namespace art {

const std::vector<PictureSpec>& PictureTable();
const std::vector<SceneSpec>& SceneTable();
// By name, comparing letters case-insensitively as the game's file lookup does.
const PictureSpec* FindPicture(std::string_view name);

// The names of the backgrounds (the frame's background pictures).
namespace background {
constexpr const char* kMain = "main_bg";
constexpr const char* kSingleMenu = "OneP\\bg";
constexpr const char* kClockGame = "OneP\\ForP\\bg";
constexpr const char* kLivesGame = "OneP\\ForR\\bg";
constexpr const char* kPremium = "OneP\\ForR\\prem_bg";
constexpr const char* kMultiSetup = "MultiP\\mm_bg";
constexpr const char* kMultiGame = "MultiP\\ms_bg";
constexpr const char* kMultiResults = "MultiP\\res_bg";
constexpr const char* kTable1 = "tt_bg1";
constexpr const char* kTable2 = "tt_bg2";
constexpr const char* kTable3 = "tt_bg3";
constexpr const char* kBrowser = "Ans\\ans_bg";
constexpr const char* kIntro = "Intro\\i_bg";
}  // namespace background

}  // namespace art
