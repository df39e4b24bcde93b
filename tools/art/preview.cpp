#include "preview.h"

#include "intro.h"
#include "keyboard.h"
#include "layout.h"
#include "png_writer.h"
#include "table.h"
#include "text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace art {
namespace {

namespace bg = background;

struct Layer {
    std::string picture;
    int x = 0;
    int y = 0;
    int frame = 0;
    int row = 0;
};

struct Caption {
    std::string text;
    double x, y, width;
    double size;
    bool bold;
    Rgb colour;
};

struct Screen {
    std::string file;
    std::string background;
    std::vector<Layer> layers;
    std::vector<Caption> captions;
};

// One frame and row of a picture, copied keyed when the picture is keyed.
void DrawLayer(Library& library, Image& screen, const Layer& layer) {
    const PictureSpec* spec = library.Find(layer.picture);
    if (!spec) {
        std::fprintf(stderr, "preview: no picture %s\n", layer.picture.c_str());
        return;
    }
    const Image& strip = library.Picture(layer.picture);
    for (int y = 0; y < spec->height; ++y) {
        for (int x = 0; x < spec->width; ++x) {
            const uint32_t pixel = strip.At(layer.frame * spec->width + x, layer.row * spec->height + y);
            const int tx = layer.x + x, ty = layer.y + y;
            if (tx < 0 || ty < 0 || tx >= screen.width || ty >= screen.height) continue;
            if (spec->copy == Copy::Keyed && pixel == kMagenta) continue;
            screen.At(tx, ty) = pixel;
        }
    }
}

Image ToImage(cairo_surface_t* surface) {
    cairo_surface_flush(surface);
    const int width = cairo_image_surface_get_width(surface), height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < width; ++x) image.At(x, y) = row[x] & 0xFFFFFF;
    }
    return image;
}

Image Compose(Library& library, const Screen& screen) {
    Image image = library.Picture(screen.background).Crop(0, 0, layout::kScreen.width, layout::kScreen.height);
    for (const Layer& layer : screen.layers) DrawLayer(library, image, layer);
    if (screen.captions.empty()) return image;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
    cairo_t* cr = cairo_create(surface);
    PaintImage(cr, image, 0, 0);
    for (const Caption& caption : screen.captions) {
        DrawText(cr, caption.text, caption.x, caption.y, Font{caption.size, caption.bold ? Weight::Bold : Weight::Regular},
                 caption.colour, caption.width);
    }
    cairo_destroy(cr);
    Image result = ToImage(surface);
    cairo_surface_destroy(surface);
    return result;
}

bool Save(const std::filesystem::path& path, const Image& image) {
    const std::vector<uint8_t> bytes = EncodePng(image);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bool(out);
}

// The frame buttons that stay on every screen after the main menu.
std::vector<Layer> FrameButtons(bool help) {
    std::vector<Layer> layers = {{"MMenu\\exit_b", layout::kExitButton.x, layout::kExitButton.y},
                                 {"MMenu\\c_b", layout::kCreditsButton.x, layout::kCreditsButton.y},
                                 {"MMenu\\min_b", layout::kMinimiseButton.x, layout::kMinimiseButton.y}};
    if (help) layers.push_back({"MMenu\\help_b", layout::kHelpButton.x, layout::kHelpButton.y});
    return layers;
}

Layer HintLayer(Library& library, const std::string& name) {
    const PictureSpec* spec = library.Find(name);
    return {name, layout::HintX(spec ? spec->width : 0), layout::kHintY};
}

std::vector<Caption> QuestionCaptions(const layout::Point* answers) {
    const Rgb ink{0, 0, 0};
    return {{"Které město je hlavním městem Slovenska a leží na řece Dunaj?", 55, 98, 500, 26, true, ink},
            {"Bratislava", double(answers[0].x), double(answers[0].y), 490, 26, true, ink},
            {"Košice", double(answers[1].x), double(answers[1].y), 490, 26, true, ink},
            {"Žilina, město na soutoku Váhu a Kysuce", double(answers[2].x), double(answers[2].y), 490, 26, true, ink}};
}

std::vector<Screen> Screens(Library& library) {
    const Rgb white{1, 1, 1};
    std::vector<Screen> screens;
    Screen menu{"screen_main_menu.png", bg::kMain, FrameButtons(false), {}};
    menu.layers.insert(menu.layers.end(), {{"rekl_b", layout::kAdvertButton.x, layout::kAdvertButton.y},
                                           {"MMenu\\coc_b", layout::kMenuBrowser.x, layout::kMenuBrowser.y},
                                           {"MMenu\\tt_b", layout::kMenuScores.x, layout::kMenuScores.y},
                                           {"MMenu\\tp_ba", layout::kMenuMulti.x, layout::kMenuMulti.y, 4},
                                           {"MMenu\\op_b", layout::kMenuSingle.x, layout::kMenuSingle.y}});
    menu.layers.push_back(HintLayer(library, "MMenu\\tp_ttip"));
    screens.push_back(menu);

    Screen exit{"screen_exit_dialog.png", bg::kMain, menu.layers, {}};
    exit.layers.pop_back();
    exit.layers.insert(exit.layers.end(), {{"end", layout::kDialog.x, layout::kDialog.y},
                                           {"end_y", layout::kDialogYes.x, layout::kDialogYes.y},
                                           {"end_n", layout::kDialogNo.x, layout::kDialogNo.y, 0, 1}});
    exit.layers.push_back(HintLayer(library, "tt_end_n"));
    screens.push_back(exit);

    Screen single{"screen_single_menu.png", bg::kSingleMenu, FrameButtons(true), {}};
    single.layers.insert(single.layers.end(),
                         {{"rekl_b", layout::kAdvertButton.x, layout::kAdvertButton.y, 0, 1},
                          {"ans_r_sw", layout::kAnswerSwitch.x, layout::kAnswerSwitch.y, 7},
                          {"OneP\\for_p_b", layout::kLivesGameButton.x, layout::kLivesGameButton.y},
                          {"OneP\\for_r_ba", layout::kClockGameButton.x, layout::kClockGameButton.y, 4},
                          {"OneP\\mm_b", layout::kBackButton.x, layout::kBackButton.y}});
    single.layers.push_back(HintLayer(library, "OneP\\f_r_ttip"));
    screens.push_back(single);

    Screen singleHelp = single;
    singleHelp.file = "screen_single_help.png";
    singleHelp.layers.pop_back();
    singleHelp.layers.push_back({"OneP\\help_mm", layout::kHelpOverlay.x, layout::kHelpOverlay.y});
    screens.push_back(singleHelp);

    Screen clock{"screen_clock_game.png", bg::kClockGame, FrameButtons(false), QuestionCaptions(layout::kAnswerText.data())};
    clock.layers.insert(clock.layers.end(), {{"timer", layout::kInstrument.x, layout::kInstrument.y, 3},
                                             {"a1_b", layout::kAnswerButton[0].x, layout::kAnswerButton[0].y},
                                             {"a2_ba", layout::kAnswerButton[1].x, layout::kAnswerButton[1].y, 4},
                                             {"a3_b", layout::kAnswerButton[2].x, layout::kAnswerButton[2].y},
                                             {"OneP\\f_ok_1", layout::kAnswerMarker[0].x, layout::kAnswerMarker[0].y, 0},
                                             {"OneP\\f_ok_2", layout::kAnswerMarker[1].x, layout::kAnswerMarker[1].y, 1}});
    clock.captions.push_back({"27", 687, 419, 80, 20, true, white});
    screens.push_back(clock);

    Screen start{"screen_clock_start.png", bg::kClockGame, FrameButtons(true), {}};
    start.layers.insert(start.layers.end(), {{"timer", layout::kInstrument.x, layout::kInstrument.y, 11},
                                             {"Start_b", layout::kInstrument.x, layout::kInstrument.y, 0, 1},
                                             {"a1_b", layout::kAnswerButton[0].x, layout::kAnswerButton[0].y, 0, 3},
                                             {"a2_b", layout::kAnswerButton[1].x, layout::kAnswerButton[1].y, 0, 3},
                                             {"a3_b", layout::kAnswerButton[2].x, layout::kAnswerButton[2].y, 0, 3}});
    start.captions.push_back({"0", 687, 419, 80, 20, true, white});
    screens.push_back(start);

    Screen points = clock;
    points.file = "screen_clock_points.png";
    points.layers.push_back({"OneP\\ForP\\7-sub", layout::kInstrument.x, layout::kInstrument.y, 3});
    screens.push_back(points);

    Screen lives{"screen_lives_game.png", bg::kLivesGame, FrameButtons(false), QuestionCaptions(layout::kAnswerText.data())};
    lives.layers.insert(lives.layers.end(), {{"OneP\\ForR\\jokers", layout::kInstrument.x, layout::kInstrument.y, 2},
                                             {"stop_bmp", layout::kStop.x, layout::kStop.y},
                                             {"a1_b", layout::kAnswerButton[0].x, layout::kAnswerButton[0].y},
                                             {"a2_b", layout::kAnswerButton[1].x, layout::kAnswerButton[1].y},
                                             {"a3_b", layout::kAnswerButton[2].x, layout::kAnswerButton[2].y}});
    lives.captions.push_back({"12", 686, 422, 80, 16, false, white});
    screens.push_back(lives);

    Screen premium{"screen_premium.png", bg::kPremium, FrameButtons(false), QuestionCaptions(layout::kAnswerText.data())};
    premium.layers.insert(premium.layers.end(), {{"OneP\\ForR\\jokers", layout::kInstrument.x, layout::kInstrument.y, 3},
                                                 {"cr_blk", layout::kInstrument.x, layout::kInstrument.y, 3},
                                                 {"a1_b", layout::kAnswerButton[0].x, layout::kAnswerButton[0].y},
                                                 {"a2_b", layout::kAnswerButton[1].x, layout::kAnswerButton[1].y},
                                                 {"a3_b", layout::kAnswerButton[2].x, layout::kAnswerButton[2].y},
                                                 {"gameover", layout::kDialog.x, layout::kDialog.y}});
    premium.captions.push_back({"30", 686, 422, 80, 16, false, white});
    screens.push_back(premium);

    Screen setup{"screen_multi_setup.png", bg::kMultiSetup, FrameButtons(false), {}};
    for (int row = 0; row < 5; ++row) {
        const std::string number = std::to_string(row + 1);
        const bool on = row < 3;
        setup.layers.push_back({"MultiP\\p" + number + "_sel", layout::kSelectSwitch[row].x, layout::kSelectSwitch[row].y, on ? 0 : 6});
        if (!on) continue;
        setup.layers.push_back({"MultiP\\p" + number + "_av", layout::kAvatarX, layout::kAvatarY[row]});
        if (row < 2) {
            setup.layers.push_back({"keys", layout::kKeyPicture[row].x, layout::kKeyPicture[row].y, row == 0 ? 20 : 70});
        } else {
            setup.layers.push_back({"MultiP\\disk" + number + "_b", layout::kKeyButton[row].x, layout::kKeyButton[row].y});
        }
    }
    setup.layers.insert(setup.layers.end(), {{"ans_r_sw", layout::kAnswerSwitch.x, layout::kAnswerSwitch.y, 0},
                                             {"OneP\\mm_b", layout::kBackButton.x, layout::kBackButton.y},
                                             {"MultiP\\mm_nx", layout::kNextButton.x, layout::kNextButton.y, 3},
                                             {"rekl_b", layout::kAdvertButton.x, layout::kAdvertButton.y}});
    setup.layers.push_back(HintLayer(library, "tt_play"));
    const char* names[] = {"Adéla", "Bořek", "Čeněk", "Dana", "Emil"};
    for (int row = 0; row < 5; ++row) {
        setup.captions.push_back({names[row], layout::kNameFieldX + 4.0, layout::kNameFieldY[row] + 4.0, 96, 18.5, true,
                                  row < 3 ? white : Hex(0x4B4B4B)});
    }
    screens.push_back(setup);

    Screen keyboard = setup;
    keyboard.file = "screen_multi_keyboard.png";
    keyboard.layers.push_back({"MultiP\\keyboard", layout::kKeyboard.x, layout::kKeyboard.y});
    keyboard.captions.clear();
    const auto keys = ChoosableKeys();
    for (int k : {12, 40}) {
        const KeyRect& area = keys[k]->area;
        keyboard.layers.push_back({k == 12 ? "MultiP\\target" : "MultiP\\target_g", layout::kKeyboard.x + area.x + 2,
                                   layout::kKeyboard.y + area.y + 2});
    }
    screens.push_back(keyboard);

    Screen multi{"screen_multi_game.png", bg::kMultiGame, FrameButtons(false), QuestionCaptions(layout::kAnswerText.data())};
    multi.layers.insert(multi.layers.end(), {{"timer", layout::kInstrument.x, layout::kInstrument.y, 6},
                                             {"a1_b", layout::kAnswerButton[0].x, layout::kAnswerButton[0].y},
                                             {"a2_b", layout::kAnswerButton[1].x, layout::kAnswerButton[1].y},
                                             {"a3_b", layout::kAnswerButton[2].x, layout::kAnswerButton[2].y}});
    const char* scores[] = {"25", "-5", "14"};
    for (int player = 0; player < 3; ++player) {
        multi.layers.push_back({"keys", layout::kPlayerKeyX, layout::kPlayerKeyY[player], 20 + player * 9});
        multi.captions.push_back({names[player], double(layout::kPlayerNameX), double(layout::kPlayerRowY[player]), 80, 16,
                                  false, player == 1 ? Hex(0xFF0000) : white});
        multi.captions.push_back({scores[player], double(layout::kPlayerScoreX), double(layout::kPlayerRowY[player]), 40, 16,
                                  false, white});
    }
    screens.push_back(multi);

    Screen table1{"screen_table1.png", bg::kTable1, FrameButtons(false), {}};
    table1.layers.insert(table1.layers.end(), {{"sr_point", layout::kSortPoints.x, layout::kSortPoints.y},
                                               {"sr_perc", layout::kSortPercent.x, layout::kSortPercent.y, 0, 1},
                                               {"tt1_g", layout::kPlayAgain.x, layout::kPlayAgain.y},
                                               {"tt_mm_b", layout::kScoresMenu.x, layout::kScoresMenu.y}});
    for (int row = 0; row < 10; ++row) {
        const double y = layout::kListTop + 4 + row * 23;
        table1.captions.push_back({std::to_string(row + 1) + ".", 140, y, 30, 20, true, Rgb{}});
        table1.captions.push_back({row < 3 ? names[row] : "", 178, layout::kListTop + 4.0 + row * 22, 90, 20, true, Rgb{}});
        table1.captions.push_back({std::to_string(90 - row * 7), 285, y, 40, 20, true, Rgb{}});
        table1.captions.push_back({"1/1/00", 620, y, 70, 20, false, Rgb{}});
    }
    screens.push_back(table1);

    Screen table2{"screen_table2.png", bg::kTable2, FrameButtons(false), {}};
    table2.layers.insert(table2.layers.end(), {{"sr_nq", layout::kSortAnswered.x, layout::kSortAnswered.y},
                                               {"sr_perc2", layout::kSortPercent2.x, layout::kSortPercent2.y},
                                               {"pr_ar_b", layout::kPreviousTable.x, layout::kPreviousTable.y},
                                               {"tt_mm_ba", layout::kScoresMenu.x, layout::kScoresMenu.y, 3},
                                               {"nx_ar_b", layout::kNextTable.x, layout::kNextTable.y}});
    table2.layers.push_back(HintLayer(library, "tt_back"));
    screens.push_back(table2);

    Screen browser{"screen_browser.png", bg::kBrowser, FrameButtons(true), QuestionCaptions(layout::kBrowserAnswerText.data())};
    browser.layers.insert(browser.layers.end(), {{"Ans\\ans_sw", layout::kBrowserSwitch.x, layout::kBrowserSwitch.y, 7},
                                                 {"Ans\\ans_mm_b", layout::kBrowserMenu.x, layout::kBrowserMenu.y},
                                                 {"Ans\\ans_nx", layout::kBrowserNext.x, layout::kBrowserNext.y, 3},
                                                 {"Ans\\an_ok01", layout::kBrowserMark[0].x, layout::kBrowserMark[0].y}});
    browser.layers.push_back(HintLayer(library, "Ans\\tt_nx_q"));
    screens.push_back(browser);

    Screen browserHelp{"screen_browser_help.png", bg::kBrowser, FrameButtons(true), {}};
    browserHelp.layers.push_back({"Ans\\help_d", layout::kHelpOverlay.x, layout::kHelpOverlay.y});
    screens.push_back(browserHelp);

    const std::pair<const char*, const char*> helps[] = {{"OneP\\ForP\\help_d", bg::kClockGame},
                                                         {"OneP\\ForR\\help_d", bg::kLivesGame},
                                                         {"MultiP\\help_d", bg::kMultiGame}};
    for (int k = 0; k < 3; ++k) {
        screens.push_back({"screen_help_" + std::to_string(k + 1) + ".png", helps[k].second, FrameButtons(true),
                           {}});
        screens.back().layers.push_back({helps[k].first, layout::kHelpOverlay.x, layout::kHelpOverlay.y});
    }

    const std::vector<layout::Point> tiles = IntroTilePositions();
    Screen introLogo{"screen_intro_tiles.png", bg::kIntro, {}, {}};
    Screen introSlogan{"screen_intro_slogan.png", bg::kIntro, {}, {}};
    for (int k = 0; k < int(tiles.size()); ++k) {
        introLogo.layers.push_back({IntroTileName(k, k < 5), tiles[k].x, tiles[k].y});
        introSlogan.layers.push_back({IntroTileName(k, true), tiles[k].x, tiles[k].y});
    }
    introLogo.layers.push_back({"Intro\\i_logo", 52, 34});
    introSlogan.layers.push_back({"Intro\\i_sl_a", 6, 1});
    screens.push_back(introLogo);
    screens.push_back(introSlogan);
    screens.push_back({"screen_intro_title.png", bg::kIntro,
                       {{"Intro\\q2", 379, 0}, {"Intro\\q3", 0, 272}, {"Intro\\q4", 385, 272}, {"Intro\\q1", 0, 0},
                        {"Intro\\i_tl_b", 0, 214}, {"Intro\\logo", 559, 475}},
                       {}});

    for (const char* overlay : {"credits", "reklama"}) {
        screens.push_back({std::string("screen_") + overlay + ".png", bg::kMain, {{overlay, 0, 0}}, {}});
    }
    return screens;
}

// Pictures laid out left to right in rows, each strip scaled down to fit the width, with
// its name and geometry over it.
struct Placed {
    const PictureSpec* spec;
    double x, y, scale;
};

std::vector<Placed> FlowLayout(const std::vector<const PictureSpec*>& pictures, int width, int& height) {
    constexpr int kLabel = 16, kGap = 12;
    std::vector<Placed> placed;
    double x = kGap, y = kGap, rowHeight = 0;
    for (const PictureSpec* spec : pictures) {
        const double scale = std::min(1.0, double(width - 2 * kGap) / spec->StripWidth());
        const double w = std::max(spec->StripWidth() * scale, 240.0), h = spec->StripHeight() * scale + kLabel;
        if (x + w > width - kGap && x > kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        placed.push_back({spec, x, y, scale});
        x += w + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    height = int(y + rowHeight + kGap);
    return placed;
}

Image ContactSheet(Library& library, const std::vector<const PictureSpec*>& pictures) {
    constexpr int kWidth = 1200;
    int height = 0;
    const std::vector<Placed> placed = FlowLayout(pictures, kWidth, height);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 0.3, 0.32, 0.36);
    cairo_paint(cr);
    for (const Placed& item : placed) {
        const PictureSpec& spec = *item.spec;
        char label[200];
        std::snprintf(label, sizeof label, "%s  %dx%d  %dx%d%s", spec.name.c_str(), spec.width, spec.height,
                      spec.frames, spec.rows, spec.copy == Copy::Keyed ? " keyed" : "");
        DrawText(cr, label, item.x, item.y, Font{11, Weight::Bold}, Rgb{1, 1, 1});
        cairo_save(cr);
        cairo_translate(cr, item.x, item.y + 16);
        cairo_scale(cr, item.scale, item.scale);
        PaintImage(cr, library.Picture(spec.name), 0, 0);
        cairo_restore(cr);
    }
    cairo_destroy(cr);
    Image sheet = ToImage(surface);
    cairo_surface_destroy(surface);
    return sheet;
}

std::string SheetOf(const PictureSpec& spec) {
    if (spec.role == Role::Background) return "backgrounds";
    if (spec.role == Role::Overlay) return "overlays";
    if (spec.role == Role::Hint) return "hints";
    const std::size_t slash = spec.name.find('\\');
    return slash == std::string::npos ? "common" : spec.name.substr(0, slash);
}

}  // namespace

bool WritePreviews(Library& library, const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    bool ok = true;
    for (const Screen& screen : Screens(library)) ok = Save(folder / screen.file, Compose(library, screen)) && ok;
    std::vector<std::string> sheets;
    for (const PictureSpec& spec : PictureTable()) {
        if (std::find(sheets.begin(), sheets.end(), SheetOf(spec)) == sheets.end()) sheets.push_back(SheetOf(spec));
    }
    constexpr int kPageHeight = 1400;
    for (const std::string& sheet : sheets) {
        // Pages of at most about kPageHeight pixels, so each can be viewed whole.
        std::vector<std::vector<const PictureSpec*>> pages(1);
        for (const PictureSpec& spec : PictureTable()) {
            if (SheetOf(spec) != sheet || spec.role == Role::Background || spec.role == Role::Overlay) continue;
            pages.back().push_back(&spec);
            int height = 0;
            FlowLayout(pages.back(), 1200, height);
            if (height > kPageHeight && pages.back().size() > 1) {
                pages.back().pop_back();
                pages.push_back({&spec});
            }
        }
        for (std::size_t page = 0; page < pages.size(); ++page) {
            if (pages[page].empty()) continue;
            const std::string file = "sheet_" + sheet + (pages.size() > 1 ? "_" + std::to_string(page + 1) : "") + ".png";
            ok = Save(folder / file, ContactSheet(library, pages[page])) && ok;
        }
    }
    return ok;
}

}  // namespace art
