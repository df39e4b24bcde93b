#include "table.h"

#include "backgrounds.h"
#include "browser_pictures.h"
#include "frame_pictures.h"
#include "game_pictures.h"
#include "intro.h"
#include "keyboard.h"
#include "layout.h"
#include "menu_pictures.h"
#include "multi_pictures.h"
#include "overlays.h"
#include "resources.h"
#include "score_pictures.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace art {
namespace {

using layout::Point;
using layout::Size;
namespace bg = background;

using Screens = std::vector<std::string>;

// The screens that carry the frame buttons and the hints along the bottom edge.
const Screens kFrameScreens = {
    bg::kMain,      bg::kSingleMenu, bg::kClockGame, bg::kLivesGame, bg::kPremium, bg::kMultiSetup,
    bg::kMultiGame, bg::kTable1,     bg::kTable2,    bg::kTable3,    bg::kBrowser,
    bg::kMultiResults,
};
const Screens kGameScreens = {bg::kClockGame, bg::kLivesGame, bg::kPremium, bg::kMultiGame};
const Screens kTableScreens = {bg::kTable1, bg::kTable2, bg::kTable3};

std::vector<Placement> On(const Screens& screens, Point at) {
    std::vector<Placement> placements;
    for (const std::string& screen : screens) placements.push_back({screen, at.x, at.y});
    return placements;
}

std::vector<Placement> At(const std::string& host, Point at) { return {{host, at.x, at.y}}; }

// A picture of one frame and row; the helpers below fill in the rest.
PictureSpec Spec(std::string name, Role role, Size size, std::vector<Placement> placements, Painter paint) {
    PictureSpec spec;
    spec.name = std::move(name);
    spec.role = role;
    spec.width = size.width;
    spec.height = size.height;
    spec.placements = std::move(placements);
    spec.paint = std::move(paint);
    return spec;
}

PictureSpec Background(const char* name, Painter paint) {
    return Spec(name, Role::Background, layout::kBuffer, {}, std::move(paint));
}

PictureSpec Button(std::string name, Size size, std::vector<Placement> placements, Painter paint) {
    PictureSpec spec = Spec(std::move(name), Role::Button, size, std::move(placements), std::move(paint));
    spec.rows = 4;
    return spec;
}

PictureSpec Animation(std::string name, Size size, int frames, Motion motion,
                      std::vector<Placement> placements, Painter paint) {
    PictureSpec spec = Spec(std::move(name), Role::Animation, size, std::move(placements), std::move(paint));
    spec.frames = frames;
    spec.motion = motion;
    return spec;
}

PictureSpec Frames(std::string name, Size size, int frames, Copy copy, std::vector<Placement> placements,
                   Painter paint) {
    PictureSpec spec = Spec(std::move(name), Role::Picture, size, std::move(placements), std::move(paint));
    spec.frames = frames;
    spec.copy = copy;
    return spec;
}

PictureSpec Overlay(const char* name, Point at, Size size, const std::string& host, Painter paint) {
    return Spec(name, Role::Overlay, size, At(host, at), std::move(paint));
}

PictureSpec Hint(const char* name, const char* text) {
    const int width = HintWidth(text);
    return Spec(name, Role::Hint, {width, layout::kHintHeight},
                On(kFrameScreens, {layout::HintX(width), layout::kHintY}),
                [text](const Cell& cell) { PaintHint(cell, text); });
}

PictureSpec Fade(std::string name, Size size, std::vector<Placement> placements, Painter paint) {
    return Spec(std::move(name), Role::Fade, size, std::move(placements), std::move(paint));
}

PictureSpec Resource(const char* name, Size size, Painter paint) {
    PictureSpec spec = Spec(name, Role::Resource, size, {}, std::move(paint));
    spec.copy = Copy::Keyed;
    spec.edge = Edge::Hard;
    return spec;
}

// A button picture ("_b") and its hover strip, painted by one painter so that the strip
// starts on the normal look and ends on the focused one.
void AddAnimatedButton(std::vector<PictureSpec>& table, const std::string& button, const std::string& strip,
                       Size size, int frames, Motion motion, const std::vector<Placement>& placements,
                       const Painter& paint) {
    table.push_back(Button(button, size, placements, paint));
    table.push_back(Animation(strip, size, frames, motion, placements, paint));
}

void AddFrame(std::vector<PictureSpec>& table) {
    const auto frameButton = [&](const char* name, Point at, Icon icon) {
        table.push_back(Button(name, layout::kFrameButton, On(kFrameScreens, at),
                               [icon](const Cell& cell) { PaintFrameButton(cell, icon); }));
    };
    frameButton("MMenu\\exit_b", layout::kExitButton, Icon::Close);
    frameButton("MMenu\\c_b", layout::kCreditsButton, Icon::Info);
    frameButton("MMenu\\help_b", layout::kHelpButton, Icon::Question);
    frameButton("MMenu\\min_b", layout::kMinimiseButton, Icon::Minimise);
    table.push_back(Hint("tt_back", "Zpět do hlavní nabídky"));
    table.push_back(Hint("tt_cred", "Autoři hry"));
    table.push_back(Hint("tt_min", "Minimalizovat okno"));
    table.push_back(Hint("tt_end", "Konec: ukončit hru"));
    table.push_back(Hint("tt_help", "Nápověda: pravidla a ovládání"));
    table.push_back(Hint("tt_check", "Ukázat správnou odpověď"));
    table.push_back(Hint("tt_end_y", "Ano, ukončit hru"));
    table.push_back(Hint("tt_end_n", "Ne, hrát dál"));
    table.push_back(Button("rekl_b", layout::kAdvertButtonSize,
                           On(Screens{bg::kMain, bg::kSingleMenu, bg::kMultiSetup}, layout::kAdvertButton),
                           PaintAdvertButton));
    table.push_back(Overlay("reklama", {0, 0}, layout::kScreen, bg::kMain, PaintAdvert));
    table.push_back(Overlay("credits", {0, 0}, layout::kScreen, bg::kMain, PaintCredits));
    // The exit dialog covers its whole rectangle: it opens over every screen.
    table.push_back(Frames("end", layout::kDialogSize, 1, Copy::Opaque, At(bg::kMain, layout::kDialog), PaintExitDialog));
    const Point yes{layout::kDialogYes.x - layout::kDialog.x, layout::kDialogYes.y - layout::kDialog.y};
    const Point no{layout::kDialogNo.x - layout::kDialog.x, layout::kDialogNo.y - layout::kDialog.y};
    table.push_back(Button("end_y", layout::kDialogButton, At("end", yes), [](const Cell& c) { PaintExitButton(c, true); }));
    table.push_back(Button("end_n", layout::kDialogButton, At("end", no), [](const Cell& c) { PaintExitButton(c, false); }));
    table.push_back(Frames("gameover", layout::kDialogSize, 1, Copy::Opaque, On(kGameScreens, layout::kDialog), PaintGameOver));
}

void AddMainMenu(std::vector<PictureSpec>& table) {
    table.push_back(Background(bg::kMain, PaintMainBackground));
    const auto menuButton = [&](const char* stem, Point at, MenuButton button) {
        AddAnimatedButton(table, std::string("MMenu\\") + stem + "_b", std::string("MMenu\\") + stem + "_ba",
                          layout::kMenuButton, 5, Motion::Forward, At(bg::kMain, at),
                          [button](const Cell& cell) { PaintMenuButton(cell, button); });
    };
    menuButton("op", layout::kMenuSingle, {Icon::Person, palette::kCoral, "Jeden hráč"});
    menuButton("tp", layout::kMenuMulti, {Icon::People, palette::kTeal, "Více hráčů"});
    menuButton("tt", layout::kMenuScores, {Icon::Trophy, palette::kGold, "Tabulky"});
    menuButton("coc", layout::kMenuBrowser, {Icon::Question, palette::kSky, "Otázky"});
    menuButton("ct", layout::kMenuClass, {Icon::Phones, palette::kGold, "Celá třída"});
    table.push_back(Hint("MMenu\\op_ttip", "Jeden hráč: hra na čas, nebo o životy"));
    table.push_back(Hint("MMenu\\tp_ttip", "Více hráčů: dva až pět hráčů u jedné klávesnice"));
    table.push_back(Hint("MMenu\\coc_ttip", "Otázky: procházení otázek bez bodování"));
    table.push_back(Hint("MMenu\\tt_ttip", "Tabulky nejlepších výsledků"));
    table.push_back(Hint("MMenu\\ct_ttip", "Celá třída: každý žák odpovídá na svém telefonu"));
}

void AddSinglePlayer(std::vector<PictureSpec>& table) {
    table.push_back(Background(bg::kSingleMenu, PaintSingleMenuBackground));
    table.push_back(Background(bg::kClockGame, PaintClockGameBackground));
    table.push_back(Background(bg::kLivesGame, PaintLivesGameBackground));
    table.push_back(Background(bg::kPremium, PaintPremiumBackground));
    // 257 shows "for_r_b" and starts the clock game; 258 shows "for_p_b" and starts the
    // lives game.
    AddAnimatedButton(table, "OneP\\for_r_b", "OneP\\for_r_ba", layout::kMenuButton, 5, Motion::Forward,
                      At(bg::kSingleMenu, layout::kClockGameButton), [](const Cell& cell) {
                          PaintMenuButton(cell, {Icon::Clock, palette::kGold, "Hra na čas"});
                      });
    AddAnimatedButton(table, "OneP\\for_p_b", "OneP\\for_p_ba", layout::kMenuButton, 5, Motion::Forward,
                      At(bg::kSingleMenu, layout::kLivesGameButton), [](const Cell& cell) {
                          PaintMenuButton(cell, {Icon::Heart, palette::kCoral, "Hra o životy"});
                      });
    AddAnimatedButton(table, "OneP\\mm_b", "OneP\\mm_ba", layout::kBackButtonSize, 6, Motion::Loop,
                      On(Screens{bg::kSingleMenu, bg::kMultiSetup, bg::kMultiResults}, layout::kBackButton),
                      PaintBackButton);
    table.push_back(Hint("OneP\\f_r_ttip", "Hra na čas: čím rychlejší správná odpověď, tím víc bodů"));
    table.push_back(Hint("OneP\\f_p_ttip", "Hra o životy: tři životy, každá jedenáctá otázka je prémiová"));
    table.push_back(Frames("ans_r_sw", layout::kAnswerSwitchSize, 8, Copy::Opaque,
                           On(Screens{bg::kSingleMenu, bg::kMultiSetup}, layout::kAnswerSwitch), PaintAnswerSwitch));
    table.push_back(Hint("tt_ans_y", "Po chybě se ukáže správná odpověď (zapnuto)"));
    table.push_back(Hint("tt_ans_n", "Po chybě se správná odpověď neukáže (vypnuto)"));
    table.push_back(Overlay("OneP\\help_mm", layout::kHelpOverlay, layout::kHelpOverlaySize, bg::kSingleMenu,
                            [](const Cell& cell) { PaintHelp(cell, HelpTopic::SinglePlayer); }));
    table.push_back(Overlay("OneP\\ForP\\help_d", layout::kHelpOverlay, layout::kHelpOverlaySize, bg::kClockGame,
                            [](const Cell& cell) { PaintHelp(cell, HelpTopic::ClockGame); }));
    table.push_back(Overlay("OneP\\ForR\\help_d", layout::kHelpOverlay, layout::kHelpOverlaySize, bg::kLivesGame,
                            [](const Cell& cell) { PaintHelp(cell, HelpTopic::LivesGame); }));
}

void AddGamePieces(std::vector<PictureSpec>& table) {
    // The clock is shared with the multiplayer game, whose claim clock also runs 0..10.
    table.push_back(Frames("timer", layout::kInstrumentSize, 12, Copy::Keyed,
                           On(Screens{bg::kClockGame, bg::kMultiGame}, layout::kInstrument), PaintTimer));
    // Start is drawn keyed by one game and opaque by the other, so it has no key colour.
    table.push_back(Button("Start_b", layout::kInstrumentSize, On(Screens{bg::kClockGame, bg::kMultiGame}, layout::kInstrument),
                           PaintStartButton));
    table.push_back(Frames("stop_bmp", layout::kStopSize, 1, Copy::Opaque, On(kGameScreens, layout::kStop), PaintStopButton));
    for (int points = 1; points <= 10; ++points) {
        table.push_back(Frames("OneP\\ForP\\" + std::to_string(points) + "-sub", layout::kInstrumentSize, 4,
                               Copy::Opaque, On(Screens{bg::kClockGame, bg::kMultiGame}, layout::kInstrument),
                               [points](const Cell& cell) { PaintPoints(cell, points); }));
    }
    table.push_back(Frames("OneP\\ForR\\jokers", layout::kInstrumentSize, 7, Copy::Keyed,
                           On(Screens{bg::kLivesGame, bg::kPremium}, layout::kInstrument), PaintLives));
    table.push_back(Frames("cr_blk", layout::kInstrumentSize, 6, Copy::Opaque, At(bg::kPremium, layout::kInstrument),
                           PaintPremiumLives));
    for (int k = 0; k < 3; ++k) {
        const std::string number = std::to_string(k + 1);
        table.push_back(Frames("OneP\\f_ok_" + number, layout::kAnswerMarkerSize, 2, Copy::Opaque,
                               On(kGameScreens, layout::kAnswerMarker[k]), PaintAnswerMarker));
        AddAnimatedButton(table, "a" + number + "_b", "a" + number + "_ba", layout::kAnswerButtonSize, 5,
                          Motion::Forward, On(kGameScreens, layout::kAnswerButton[k]),
                          [k](const Cell& cell) { PaintAnswerButton(cell, k); });
    }
}

void AddMultiplayer(std::vector<PictureSpec>& table) {
    table.push_back(Background(bg::kMultiSetup, PaintMultiSetupBackground));
    table.push_back(Background(bg::kMultiGame, PaintMultiGameBackground));
    table.push_back(Background(bg::kMultiResults, PaintMultiResultsBackground));
    table.push_back(Hint("tt_play", "Začít hru: stačí dva hráči se jménem a klávesou"));
    table.push_back(Hint("tt_onoff", "Zapnout nebo vypnout hráče"));
    table.push_back(Hint("tt_key", "Zvolit klávesu, kterou se hráč hlásí o slovo"));
    AddAnimatedButton(table, "MultiP\\mm_nx_b", "MultiP\\mm_nx", layout::kNextButtonSize, 6, Motion::Loop,
                      At(bg::kMultiSetup, layout::kNextButton), PaintNextButton);
    for (int player = 0; player < 5; ++player) {
        const std::string number = std::to_string(player + 1);
        table.push_back(Frames("MultiP\\p" + number + "_av", layout::kAvatarSize, 1, Copy::Opaque,
                               At(bg::kMultiSetup, {layout::kAvatarX, layout::kAvatarY[player]}),
                               [player](const Cell& cell) { PaintAvatar(cell, player); }));
        table.push_back(Frames("MultiP\\p" + number + "_sel", layout::kSelectSwitchSize, 7, Copy::Opaque,
                               At(bg::kMultiSetup, layout::kSelectSwitch[player]), PaintSelectSwitch));
        AddAnimatedButton(table, "MultiP\\disk" + number + "_b", "MultiP\\disk" + number, layout::kKeyButtonSize, 5,
                          Motion::Forward, At(bg::kMultiSetup, layout::kKeyButton[player]),
                          [player](const Cell& cell) { PaintKeyButton(cell, player); });
    }
    // The key labels stand on the set-up rows and on the players' panel: hard edges.
    std::vector<Placement> keyPlaces = At(bg::kMultiSetup, layout::kKeyPicture[0]);
    keyPlaces.push_back({bg::kMultiGame, layout::kPlayerKeyX, layout::kPlayerKeyY[0]});
    PictureSpec keys = Frames("keys", layout::kKeyPictureSize, layout::kKeyPictureFrames, Copy::Keyed,
                              keyPlaces, PaintKeyLabel);
    keys.edge = Edge::Hard;
    table.push_back(std::move(keys));
    table.push_back(Frames("MultiP\\keyboard", {kKeyboardWidth, kKeyboardHeight}, 1, Copy::Opaque,
                           At(bg::kMultiSetup, layout::kKeyboard), PaintKeyboard));
    table.push_back(Frames("MultiP\\target", {kMarkerSize, kMarkerSize}, 1, Copy::Opaque, {},
                           [](const Cell& cell) { PaintKeyMarker(cell, true); }));
    table.push_back(Frames("MultiP\\target_g", {kMarkerSize, kMarkerSize}, 1, Copy::Opaque, {},
                           [](const Cell& cell) { PaintKeyMarker(cell, false); }));
    table.push_back(Overlay("MultiP\\help_d", layout::kHelpOverlay, layout::kHelpOverlaySize, bg::kMultiGame,
                            [](const Cell& cell) { PaintHelp(cell, HelpTopic::Multiplayer); }));
}

void AddScoreTables(std::vector<PictureSpec>& table) {
    table.push_back(Background(bg::kTable1, [](const Cell& cell) { PaintScoresBackground(cell, 1); }));
    table.push_back(Background(bg::kTable2, [](const Cell& cell) { PaintScoresBackground(cell, 2); }));
    table.push_back(Background(bg::kTable3, [](const Cell& cell) { PaintScoresBackground(cell, 3); }));
    table.push_back(Button("sr_point", layout::kSortButton, On(Screens{bg::kTable1, bg::kTable3}, layout::kSortPoints),
                           [](const Cell& cell) { PaintSortButton(cell, "Body"); }));
    table.push_back(Button("sr_perc", layout::kSortWideButton, On(Screens{bg::kTable1, bg::kTable3}, layout::kSortPercent),
                           [](const Cell& cell) { PaintSortButton(cell, "Úspěch"); }));
    table.push_back(Button("sr_perc2", layout::kSortWideButton, At(bg::kTable2, layout::kSortPercent2),
                           [](const Cell& cell) { PaintSortButton(cell, "Úspěch"); }));
    table.push_back(Button("sr_nq", layout::kSortButton, At(bg::kTable2, layout::kSortAnswered),
                           [](const Cell& cell) { PaintSortButton(cell, "Otázek"); }));
    for (int number = 1; number <= 3; ++number) {
        const std::string stem = "tt" + std::to_string(number);
        AddAnimatedButton(table, stem + "_g", stem + "_ga", layout::kPlayAgainSize, 5, Motion::Forward,
                          At(kTableScreens[number - 1], layout::kPlayAgain), PaintPlayAgain);
    }
    table.push_back(Hint("tt_gag", "Hrát znovu stejnou hru"));
    AddAnimatedButton(table, "pr_ar_b", "pr_ar_ba", layout::kArrowSize, 6, Motion::Loop,
                      On(kTableScreens, layout::kPreviousTable), [](const Cell& cell) { PaintTableArrow(cell, false); });
    AddAnimatedButton(table, "nx_ar_b", "nx_ar_ba", layout::kArrowSize, 6, Motion::Loop,
                      On(kTableScreens, layout::kNextTable), [](const Cell& cell) { PaintTableArrow(cell, true); });
    AddAnimatedButton(table, "tt_mm_b", "tt_mm_ba", layout::kScoresMenuSize, 6, Motion::Loop,
                      On(kTableScreens, layout::kScoresMenu), [](const Cell& cell) { PaintMenuRoundButton(cell, "Menu"); });
}

void AddBrowser(std::vector<PictureSpec>& table) {
    table.push_back(Background(bg::kBrowser, PaintBrowserBackground));
    AddAnimatedButton(table, "Ans\\ans_mm_b", "Ans\\ans_mm", layout::kBrowserMenuSize, 6, Motion::Loop,
                      At(bg::kBrowser, layout::kBrowserMenu),
                      [](const Cell& cell) { PaintBrowserButton(cell, Icon::Home, "Nabídka"); });
    AddAnimatedButton(table, "Ans\\ans_nx_b", "Ans\\ans_nx", layout::kBrowserNextSize, 6, Motion::Loop,
                      At(bg::kBrowser, layout::kBrowserNext),
                      [](const Cell& cell) { PaintBrowserButton(cell, Icon::ArrowRight, "Další"); });
    table.push_back(Frames("Ans\\ans_sw", layout::kBrowserSwitchSize, 8, Copy::Opaque,
                           At(bg::kBrowser, layout::kBrowserSwitch), PaintQuizSwitch));
    for (int k = 0; k < 3; ++k) {
        table.push_back(Frames("Ans\\an_ok0" + std::to_string(k + 1), layout::kBrowserMarkSize, 1, Copy::Opaque,
                               At(bg::kBrowser, layout::kBrowserMark[k]), PaintBrowserMark));
    }
    table.push_back(Hint("Ans\\tt_la", "Kvíz zapnutý: správná odpověď až na požádání"));
    table.push_back(Hint("Ans\\tt_ia", "Kvíz vypnutý: správná odpověď se ukáže hned"));
    table.push_back(Hint("Ans\\tt_nx_q", "Další otázka"));
    table.push_back(Overlay("Ans\\help_d", layout::kHelpOverlay, layout::kHelpOverlaySize, bg::kBrowser,
                            [](const Cell& cell) { PaintHelp(cell, HelpTopic::Browser); }));
}

void AddIntro(std::vector<PictureSpec>& table) {
    table.push_back(Background(bg::kIntro, PaintIntroBackground));
    const std::vector<Point> tiles = IntroTilePositions();
    for (int k = 0; k < int(tiles.size()); ++k) {
        for (bool lit : {false, true}) {
            table.push_back(Fade(IntroTileName(k, lit), kIntroTileSize, At(bg::kIntro, tiles[k]),
                                 [k, lit](const Cell& cell) { PaintIntroTile(cell, k, lit); }));
        }
    }
    table.push_back(Frames("Intro\\i_logo", {696, 150}, 1, Copy::Opaque, At(bg::kIntro, {52, 34}), PaintIntroLogo));
    table.push_back(Fade("Intro\\i_sl", {788, 200}, At(bg::kIntro, {6, 1}),
                         [](const Cell& cell) { PaintIntroSlogan(cell, false); }));
    table.push_back(Fade("Intro\\i_sl_a", {788, 200}, At(bg::kIntro, {6, 1}),
                         [](const Cell& cell) { PaintIntroSlogan(cell, true); }));
    // The closing picture, shown in four quarters: q2, q3, q4, then q1.
    table.push_back(Frames("Intro\\q1", {379, 272}, 1, Copy::Opaque, At(kIntroMosaic, {0, 0}), nullptr));
    table.push_back(Frames("Intro\\q2", {421, 272}, 1, Copy::Opaque, At(kIntroMosaic, {379, 0}), nullptr));
    table.push_back(Frames("Intro\\q3", {385, 328}, 1, Copy::Opaque, At(kIntroMosaic, {0, 272}), nullptr));
    table.push_back(Frames("Intro\\q4", {415, 328}, 1, Copy::Opaque, At(kIntroMosaic, {385, 272}), nullptr));
    table.push_back(Fade("Intro\\i_tl", {800, 172}, At(kIntroMosaic, {0, 214}),
                         [](const Cell& cell) { PaintIntroTitle(cell, false); }));
    table.push_back(Fade("Intro\\i_tl_b", {800, 172}, At(kIntroMosaic, {0, 214}),
                         [](const Cell& cell) { PaintIntroTitle(cell, true); }));
    table.push_back(Frames("Intro\\logo", {230, 110}, 1, Copy::Opaque, At(kIntroMosaic, {559, 475}), PaintTeamMark));
}

void AddResources(std::vector<PictureSpec>& table) {
    table.push_back(Resource("icon", {48, 48}, PaintWindowIcon));
    table.push_back(Resource("cur_arrow", {32, 32}, PaintArrowCursor));
    table.push_back(Resource("cur_busy", {32, 32}, PaintBusyCursor));
}

// The sound switch beside the frame buttons and its hint; added last so the pictures before
// keep their places.
void AddSoundControl(std::vector<PictureSpec>& table) {
    PictureSpec sound = Frames("MMenu\\snd_b", layout::kSoundControlSize, 5, Copy::Opaque,
                               On(kFrameScreens, layout::kSoundControl), PaintSoundControl);
    sound.rows = 2;
    table.push_back(sound);
    table.push_back(Hint("tt_snd", "Zvuk: reproduktor ztlumí (F12), sloupky nastaví hlasitost"));
}

std::vector<PictureSpec> BuildTable() {
    std::vector<PictureSpec> table;
    AddFrame(table);
    AddMainMenu(table);
    AddSinglePlayer(table);
    AddGamePieces(table);
    AddMultiplayer(table);
    AddScoreTables(table);
    AddBrowser(table);
    AddIntro(table);
    AddResources(table);
    AddSoundControl(table);
    return table;
}

bool SameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

const std::vector<PictureSpec>& PictureTable() {
    static const std::vector<PictureSpec> table = BuildTable();
    return table;
}

const std::vector<SceneSpec>& SceneTable() {
    static const std::vector<SceneSpec> scenes = {
        {kIntroMosaic, layout::kScreen.width, layout::kScreen.height, PaintIntroMosaic},
    };
    return scenes;
}

const PictureSpec* FindPicture(std::string_view name) {
    for (const PictureSpec& spec : PictureTable()) {
        if (SameLetters(spec.name, name)) return &spec;
    }
    return nullptr;
}

}  // namespace art
