#include "game_pictures.h"

#include "buttons.h"
#include "icons.h"
#include "look.h"
#include "shapes.h"
#include "text.h"

#include <cmath>
#include <string>

namespace art {
namespace {

constexpr int kSeconds = 10;
constexpr int kMaxLives = 7;

// Where heart k of the seven sits: four in the upper row, three below.
void HeartSlot(int k, double& cx, double& cy) {
    if (k < 4) {
        cx = 24 + k * 34;
        cy = 66;
    } else {
        cx = 41 + (k - 4) * 34;
        cy = 106;
    }
}

void PaintHeart(cairo_t* cr, double cx, double cy, bool full) {
    using namespace palette;
    if (full) {
        HeartPath(cr, cx, cy + 2, 30);
        SetColour(cr, Darker(kCoralDark, 0.4), 0.8);
        cairo_fill(cr);
        HeartPath(cr, cx, cy, 30);
        cairo_pattern_t* shade = cairo_pattern_create_radial(cx - 6, cy - 8, 2, cx, cy, 18);
        const Rgb light = Lighter(kCoral, 0.45);
        cairo_pattern_add_color_stop_rgb(shade, 0, light.r, light.g, light.b);
        cairo_pattern_add_color_stop_rgb(shade, 1, kCoral.r, kCoral.g, kCoral.b);
        cairo_set_source(cr, shade);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(shade);
        SetColour(cr, kCoralDark);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    } else {
        HeartPath(cr, cx, cy, 26);
        SetColour(cr, kSlateLight, 0.9);
        cairo_fill_preserve(cr);
        SetColour(cr, kSlateBorder);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

void PaintLivesRow(cairo_t* cr, int lives, const char* caption, const Rgb& captionColour) {
    DrawCentred(cr, caption, 0, 14, 150, 24, Font{16, Weight::Bold}, captionColour);
    for (int k = 0; k < kMaxLives; ++k) {
        double cx = 0, cy = 0;
        HeartSlot(k, cx, cy);
        PaintHeart(cr, cx, cy, k < lives);
    }
}

const char* PointsWord(int points) {
    if (points == 1) return "bod";
    if (points < 5) return "body";
    return "bodů";
}

Rgb ClockColour(int remaining) {
    using namespace palette;
    if (remaining >= 6) return Mix(kGold, kGreen, (remaining - 6) / 4.0);
    if (remaining >= 3) return Mix(kCoral, kGold, (remaining - 3) / 3.0);
    return kCoral;
}

}  // namespace

void PaintTimer(const Cell& cell) {
    using namespace palette;
    cairo_t* cr = cell.cr;
    const double cx = 75, cy = 75, radius = 72;
    const bool idle = cell.frame > kSeconds;
    const int remaining = kSeconds - cell.frame;
    Disc(cr, cx, cy, radius, kSlate, kSlateBorder, 3);
    CirclePath(cr, cx, cy, radius - 14);
    SetColour(cr, kCream);
    cairo_fill(cr);
    // One tick per second round the face.
    for (int tick = 0; tick < kSeconds; ++tick) {
        const double angle = -M_PI / 2 + tick * 2 * M_PI / kSeconds;
        cairo_move_to(cr, cx + std::cos(angle) * (radius - 18), cy + std::sin(angle) * (radius - 18));
        cairo_line_to(cr, cx + std::cos(angle) * (radius - 24), cy + std::sin(angle) * (radius - 24));
    }
    SetColour(cr, kGreyLight);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    if (idle) {
        DrawIcon(cr, Icon::Clock, cx, cy - 10, 62, kSlateBorder);
        DrawCentred(cr, "pozor…", cx - 40, cy + 22, 80, 20, Font{14, Weight::Bold}, kGrey);
        return;
    }
    // The ring of time still left, shrinking clockwise, changing from green to red.
    const Rgb colour = ClockColour(remaining);
    if (remaining > 0) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, radius - 7, -M_PI / 2, -M_PI / 2 + 2 * M_PI * remaining / kSeconds);
        SetColour(cr, colour);
        cairo_set_line_width(cr, 10);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
    DrawCentred(cr, std::to_string(remaining), cx - 50, cy - 40, 100, 62, Font{52, Weight::Bold},
                remaining > 0 ? Darker(colour, 0.25) : kCoralDark);
    DrawCentred(cr, PointsWord(remaining == 0 ? 5 : remaining), cx - 40, cy + 20, 80, 20,
                Font{14, Weight::Bold}, kGrey);
}

void PaintLives(const Cell& cell) {
    PaintLivesRow(cell.cr, cell.frame + 1, "ŽIVOTY", palette::kGoldLight);
}

void PaintPremiumLives(const Cell& cell) {
    using namespace palette;
    cairo_t* cr = cell.cr;
    const int lives = cell.frame + 1;
    double cx = 0, cy = 0;
    HeartSlot(lives, cx, cy);
    Halo(cr, cx, cy, 10, 22, kGold, 0.9);
    PaintLivesRow(cr, lives, "PRÉMIE!", kGold);
    HeartPath(cr, cx, cy, 30);
    SetColour(cr, kGold);
    cairo_fill_preserve(cr);
    SetColour(cr, kGoldDark);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    DrawCentred(cr, "+1", cx - 14, cy - 12, 28, 20, Font{13, Weight::Bold}, kNightTop);
}

void PaintPoints(const Cell& cell, int points) {
    using namespace palette;
    cairo_t* cr = cell.cr;
    constexpr double kGrowth[] = {0.5, 0.82, 1.06, 1.0};
    const double scale = kGrowth[cell.frame % 4];
    const double cx = 75, cy = 75;
    Halo(cr, cx, cy, 30 * scale, 40 * scale, kGoldLight, 0.7);
    StarPath(cr, cx, cy + 4, 68 * scale, 45 * scale);
    SetColour(cr, kGold);
    cairo_fill_preserve(cr);
    SetColour(cr, kGoldDark);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    const Font big{44 * scale, Weight::Bold};
    DrawCentredWithShadow(cr, "+" + std::to_string(points), cx - 60, cy - 34 * scale, 120, 52 * scale, big, kWhite);
    DrawCentred(cr, PointsWord(points), cx - 40, cy + 16 * scale, 80, 22 * scale, Font{18 * scale, Weight::Bold}, kNightTop);
}

void PaintAnswerMarker(const Cell& cell) {
    using namespace palette;
    const bool right = cell.frame == 0;
    const Rgb colour = right ? kGreen : kCoral;
    const double c = cell.width / 2.0;
    CirclePath(cell.cr, c, c + 1.5, c - 2);
    SetColour(cell.cr, Darker(colour, 0.6), 0.7);
    cairo_fill(cell.cr);
    Disc(cell.cr, c, c, c - 2, colour, kWhite, 2.5);
    DrawIcon(cell.cr, right ? Icon::Check : Icon::Cross, c, c, cell.width * 0.62, kWhite);
}

void PaintAnswerButton(const Cell& cell, int answer) {
    const Look look = LookOf(cell);
    const std::string label = std::to_string(answer + 1);
    const ButtonStyle style{palette::kTeal, std::nullopt, label, 24};
    PaintRound(cell.cr, cell.width / 2.0, cell.height / 2.0 - 1, cell.height / 2.0 - 3, style, look);
}

void PaintStartButton(const Cell& cell) {
    using namespace palette;
    cairo_t* cr = cell.cr;
    const Look look = LookOf(cell);
    const double dy = look.pressed ? 2 : 0;
    const double cx = 75, cy = 75 + dy, radius = 70;
    if (!look.disabled) Halo(cr, cx, cy, radius - 6, 8, kGoldLight, 0.7 * look.hover);
    const Rgb face = FaceColour(kGreen, look);
    Disc(cr, cx, cy, radius - 2, face, look.disabled ? kGrey : Mix(kWhite, kGoldLight, look.hover), 4);
    const Rgb ink = InkColour(look);
    DrawIcon(cr, Icon::Play, cx + 4, cy - 18, 44, ink);
    DrawCentredWithShadow(cr, "START", cx - 60, cy + 10, 120, 34, Font{28, Weight::Bold}, ink);
}

void PaintStopButton(const Cell& cell) {
    using namespace palette;
    cairo_t* cr = cell.cr;
    const double cx = cell.width / 2.0, cy = cell.height / 2.0, radius = 66;
    cairo_new_sub_path(cr);
    for (int corner = 0; corner < 8; ++corner) {
        const double angle = M_PI / 8 + corner * M_PI / 4;
        cairo_line_to(cr, cx + std::cos(angle) * radius, cy + std::sin(angle) * radius);
    }
    cairo_close_path(cr);
    SetColour(cr, kCoral);
    cairo_fill_preserve(cr);
    SetColour(cr, kWhite);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    DrawCentredWithShadow(cr, "STOP", cx - 56, cy - 30, 112, 44, Font{38, Weight::Bold}, kWhite);
    DrawCentred(cr, "ukončit hru", cx - 50, cy + 14, 100, 20, Font{14, Weight::Bold}, kWhite);
}

}  // namespace art
