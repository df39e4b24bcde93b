// Where the screens put their controls (fixed by the game's screen builders) and the
// sizes this artwork gives the pictures that fill them.
#pragma once

#include "platform/pad_keys.h"
#include "platform/phone_keys.h"
#include "shapes.h"

#include <array>

namespace art::layout {

struct Point {
    int x = 0;
    int y = 0;
};
struct Size {
    int width = 0;
    int height = 0;
};

// The play area and the back buffer the backgrounds fill.
constexpr Size kScreen{800, 600};
constexpr Size kBuffer{1024, 768};

// The strip along the bottom edge: frame buttons and hints.
constexpr int kBarTop = 572;
constexpr int kHintY = 576;
constexpr int kHintHeight = 22;
constexpr int HintX(int width) { return 400 - width / 2; }
constexpr Point kCreditsButton{13, 575};
constexpr Point kHelpButton{40, 575};
constexpr Point kMinimiseButton{735, 575};
constexpr Point kSoundControl{682, 575};
constexpr Size kSoundControlSize{50, 24};
constexpr Point kExitButton{762, 575};
constexpr Size kFrameButton{25, 24};

// Shared pieces.
constexpr Point kAdvertButton{577, 408};
constexpr Size kAdvertButtonSize{196, 116};
constexpr Point kDialog{114, 223};
constexpr Size kDialogSize{572, 154};
constexpr Point kDialogNo{251, 306};
constexpr Point kDialogYes{503, 306};
constexpr Size kDialogButton{150, 50};
constexpr Point kHelpOverlay{124, 85};
constexpr Size kHelpOverlaySize{552, 430};

// Menu buttons: a round icon in (0, 0, 110, 100), the label in (67, 51, 273, 97).
constexpr Size kMenuButton{273, 100};
constexpr Point kMenuSingle{520, 116};
constexpr Point kMenuMulti{370, 191};
constexpr Point kMenuScores{219, 265};
constexpr Point kMenuBrowser{67, 341};
// The class game: above the one-player entry, where the climb runs out of screen.
constexpr Point kMenuClass{520, 16};
constexpr Point kClockGameButton{367, 188};
constexpr Point kLivesGameButton{219, 266};
constexpr Point kBackButton{18, 501};
constexpr Size kBackButtonSize{54, 54};
constexpr Point kAnswerSwitch{76, 500};
constexpr Size kAnswerSwitchSize{236, 64};

// The question board of the game screens: question and answers as the text controls
// stand, the answer buttons and the answer markers.
constexpr Box kQuestionText{55, 98, 500, 110};
constexpr std::array<Point, 3> kAnswerText{{{48, 255}, {65, 354}, {82, 453}}};
constexpr Size kAnswerTextSize{490, 80};
constexpr std::array<Point, 3> kAnswerButton{{{544, 300}, {560, 399}, {576, 500}}};
constexpr Size kAnswerButtonSize{56, 46};
constexpr std::array<Point, 3> kAnswerMarker{{{5, 239}, {21, 337}, {37, 437}}};
constexpr Size kAnswerMarkerSize{42, 42};
// The right-hand instrument: clock, lives, Start and points pictures share it.
constexpr Point kInstrument{620, 179};
constexpr Size kInstrumentSize{150, 150};
constexpr Point kStop{624, 181};
constexpr Size kStopSize{142, 146};
constexpr Box kScoreBox{628, 404, 160, 50};

// Multiplayer set-up rows (zig-zag columns) and the on-screen keyboard.
constexpr std::array<int, 5> kAvatarY{156, 203, 249, 292, 339};
constexpr int kAvatarX = 218;
constexpr Size kAvatarSize{92, 42};
constexpr std::array<Point, 5> kSelectSwitch{{{551, 160}, {573, 206}, {551, 252}, {573, 298}, {551, 344}}};
constexpr Size kSelectSwitchSize{70, 40};
constexpr std::array<Point, 5> kKeyButton{{{492, 162}, {511, 207}, {492, 252}, {511, 297}, {492, 342}}};
constexpr Size kKeyButtonSize{44, 44};
constexpr std::array<int, 5> kNameFieldY{173, 219, 264, 310, 352};
constexpr int kNameFieldX = 317;
constexpr Size kNameFieldSize{100, 28};
constexpr std::array<Point, 5> kKeyPicture{{{500, 171}, {521, 219}, {500, 263}, {521, 307}, {500, 352}}};
constexpr Size kKeyPictureSize{30, 24};
constexpr int kKeyPictureFrames =
    platform::kKeyboardKeyFrames + platform::kPadKeyFrames + platform::kPhoneKeyFrames;
constexpr Point kKeyboard{135, 208};
constexpr Point kNextButton{379, 516};
constexpr Size kNextButtonSize{180, 54};

// Multiplayer game: the players' panel.
constexpr std::array<int, 5> kPlayerRowY{420, 446, 472, 496, 520};
constexpr std::array<int, 5> kPlayerKeyY{418, 443, 468, 493, 518};
constexpr int kPlayerKeyX = 646;
constexpr int kPlayerNameX = 676;
constexpr int kPlayerScoreX = 756;

// Score tables.
constexpr Point kSortPoints{266, 144};
constexpr Point kSortPercent{331, 144};
constexpr Point kSortPercent2{407, 144};
constexpr Point kSortAnswered{312, 144};
constexpr Size kSortButton{62, 40};
constexpr Size kSortWideButton{72, 40};
constexpr Point kPlayAgain{42, 56};
constexpr Size kPlayAgainSize{200, 64};
constexpr Point kPreviousTable{326, 506};
constexpr Point kNextTable{433, 506};
constexpr Size kArrowSize{52, 44};
constexpr Point kScoresMenu{383, 498};
constexpr Size kScoresMenuSize{48, 60};
constexpr Box kTablePanel{126, 140, 568, 340};
constexpr int kListTop = 191;

// Question browser.
constexpr std::array<Point, 3> kBrowserAnswerText{{{44, 255}, {56, 354}, {73, 453}}};
constexpr std::array<Point, 3> kBrowserMark{{{544, 282}, {560, 380}, {576, 479}}};
constexpr Size kBrowserMarkSize{56, 60};
constexpr Point kBrowserSwitch{696, 286};
constexpr Size kBrowserSwitchSize{96, 80};
constexpr Point kBrowserMenu{703, 374};
constexpr Size kBrowserMenuSize{90, 80};
constexpr Point kBrowserNext{702, 467};
constexpr Size kBrowserNextSize{90, 90};

}  // namespace art::layout
