#include "intro.h"

#include "icons.h"
#include "stage.h"
#include "text.h"

#include <cmath>
#include <cstdio>
#include <string_view>

namespace art {
namespace {

using namespace palette;

constexpr std::string_view kTitleLetters[] = {"B", "R", "E", "L", "L", "I", "K"};
constexpr int kTileGap = 12;
constexpr int kTileTop = 262;

struct Quarter {
    Box box;
    Rgb colour;
    Icon icon;
    std::string_view label;
    double contentY;  // the icon's centre, away from the title band
};

const Quarter kQuarters[] = {
    {{0, 0, 379, 272}, kCoral, Icon::Person, "Jeden hráč", 104},
    {{379, 0, 421, 272}, kTeal, Icon::People, "Více hráčů", 104},
    {{0, 272, 385, 328}, kGold, Icon::Trophy, "Tabulky", 448},
    {{385, 272, 415, 328}, kSky, Icon::Question, "Otázky", 448},
};

void PaintSunburst(cairo_t* cr, double cx, double cy, const Rgb& colour, double alpha) {
    for (int ray = 0; ray < 24; ++ray) {
        const double a0 = ray * M_PI / 12, a1 = a0 + M_PI / 24;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + std::cos(a0) * 900, cy + std::sin(a0) * 900);
        cairo_line_to(cr, cx + std::cos(a1) * 900, cy + std::sin(a1) * 900);
        cairo_close_path(cr);
    }
    SetColour(cr, colour, alpha);
    cairo_fill(cr);
}

}  // namespace

std::vector<layout::Point> IntroTilePositions() {
    constexpr int count = sizeof(kTitleLetters) / sizeof(kTitleLetters[0]);
    const int width = count * kIntroTileSize.width + (count - 1) * kTileGap;
    std::vector<layout::Point> positions;
    for (int k = 0; k < count; ++k) {
        positions.push_back({(layout::kScreen.width - width) / 2 + k * (kIntroTileSize.width + kTileGap), kTileTop});
    }
    return positions;
}

std::string IntroTileName(int k, bool second) {
    char name[64];
    std::snprintf(name, sizeof name, "Intro\\%s%02d%s", kIntroPrefix, k + 1, second ? "_b" : "");
    return name;
}

std::string IntroLayoutText() {
    std::string text = std::string("[") + kIntroPrefix + "]\r\n";
    for (const layout::Point& at : IntroTilePositions()) {
        text += std::to_string(at.x) + "," + std::to_string(at.y) + "\r\n";
    }
    return text;
}

void PaintIntroBackground(const Cell& cell) {
    cairo_t* cr = cell.cr;
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, layout::kScreen.width, layout::kScreen.height);
    cairo_clip(cr);
    cairo_pattern_t* light = cairo_pattern_create_radial(400, 300, 20, 400, 300, 520);
    cairo_pattern_add_color_stop_rgb(light, 0, kNightMiddle.r, kNightMiddle.g, kNightMiddle.b);
    cairo_pattern_add_color_stop_rgb(light, 1, kNightBottom.r, kNightBottom.g, kNightBottom.b);
    cairo_set_source(cr, light);
    cairo_paint(cr);
    cairo_pattern_destroy(light);
    PaintSunburst(cr, 400, 300, kGlow, 0.09);
    cairo_restore(cr);
}

void PaintIntroTile(const Cell& cell, int k, bool lit) {
    cairo_t* cr = cell.cr;
    const Box tile{4, 4, cell.width - 8.0, cell.height - 10.0};
    if (!lit) {
        // The empty slot the letter will appear in.
        RoundedRectPath(cr, tile, 14);
        SetColour(cr, kGlow, 0.45);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        return;
    }
    DropShadow(cr, tile, 14, 3, 0.55);
    const Rgb colour = PlayerColour(k % 5);
    FillPlate(cr, tile, 14, Lighter(colour, 0.2), Darker(colour, 0.15), kWhite, 3);
    Sheen(cr, tile.Inset(3), 11, 0.3);
    DrawCentredWithShadow(cr, kTitleLetters[k], tile.x, tile.y + 2, tile.width, tile.height, Font{54, Weight::Bold}, kWhite);
}

void PaintIntroLogo(const Cell& cell) {
    cairo_t* cr = cell.cr;
    Halo(cr, 120, cell.height / 2.0, 40, 30, kGold, 0.25);
    DrawEmblem(cr, 120, cell.height / 2.0 - 6, 110);
    DrawCentredWithShadow(cr, "Tým Brellik uvádí", 200, 30, cell.width - 220.0, 60, Font{40, Weight::Bold}, kWhite);
    DrawCentred(cr, "vědomostní hru", 200, 86, cell.width - 220.0, 34, Font{24}, kGoldLight);
}

void PaintIntroSlogan(const Cell& cell, bool shown) {
    if (!shown) return;
    cairo_t* cr = cell.cr;
    DrawCentredWithShadow(cr, "Otestujte, co všechno víte!", 0, 36, cell.width, 60, Font{44, Weight::Bold}, kGoldLight);
    DrawCentredWithShadow(cr, "Sám na čas, o životy, nebo až v pěti u jedné klávesnice.", 0, 112, cell.width, 34,
                          Font{22}, kWhite);
}

void PaintIntroMosaic(const Cell& cell) {
    cairo_t* cr = cell.cr;
    for (const Quarter& quarter : kQuarters) {
        cairo_save(cr);
        cairo_rectangle(cr, quarter.box.x, quarter.box.y, quarter.box.width, quarter.box.height);
        cairo_clip(cr);
        VerticalGradient(cr, quarter.box, Darker(quarter.colour, 0.25), Darker(quarter.colour, 0.62));
        PaintSunburst(cr, quarter.box.CentreX(), quarter.contentY, kWhite, 0.05);
        const double cx = quarter.box.x + 110;
        Halo(cr, cx, quarter.contentY, 52, 30, Lighter(quarter.colour, 0.3), 0.5);
        Disc(cr, cx, quarter.contentY, 54, quarter.colour, kWhite, 4);
        DrawIcon(cr, quarter.icon, cx, quarter.contentY, 70, kWhite);
        DrawText(cr, quarter.label, cx + 76, quarter.contentY - 22, Font{34, Weight::Bold}, kWhite);
        cairo_restore(cr);
    }
    // Seams between the quarters.
    SetColour(cr, kNightBottom);
    cairo_rectangle(cr, 377, 0, 4, 272);
    cairo_rectangle(cr, 383, 272, 4, 328);
    cairo_rectangle(cr, 0, 270, 800, 4);
    cairo_fill(cr);
}

void PaintIntroTitle(const Cell& cell, bool shown) {
    if (!shown) return;
    cairo_t* cr = cell.cr;
    const Box band{0, 10, double(cell.width), cell.height - 20.0};
    cairo_rectangle(cr, band.x, band.y, band.width, band.height);
    SetColour(cr, kNightTop, 0.82);
    cairo_fill(cr);
    for (double y : {band.y, band.Bottom() - 3}) {
        cairo_rectangle(cr, 0, y, cell.width, 3);
        SetColour(cr, kGold);
        cairo_fill(cr);
    }
    DrawEmblem(cr, 150, band.CentreY() - 4, 100);
    DrawWordmark(cr, 420, band.CentreY() - 14, 88);
    DrawCentred(cr, "kvíz pro celou rodinu", 250, band.CentreY() + 34, 340, 30, Font{22, Weight::Bold}, kGoldLight);
}

void PaintTeamMark(const Cell& cell) {
    cairo_t* cr = cell.cr;
    const Box plate{12, 10, cell.width - 24.0, cell.height - 26.0};
    PaintPanel(cr, plate, 16);
    DrawEmblem(cr, plate.x + 38, plate.CentreY() - 3, 50);
    DrawText(cr, "hra týmu", plate.x + 74, plate.y + 18, Font{15}, kGoldLight);
    DrawText(cr, "Brellik", plate.x + 74, plate.y + 36, Font{30, Weight::Bold}, kWhite);
}

}  // namespace art
