#include "frame_pictures.h"

#include "buttons.h"
#include "layout.h"
#include "look.h"
#include "stage.h"
#include "text.h"

#include <cmath>

namespace art {
namespace {

constexpr Font kHintFont{15, Weight::Regular};
constexpr double kHintPadding = 40;

}  // namespace

void PaintFrameButton(const Cell& cell, Icon icon) {
    const Look look = LookOf(cell);
    const Rgb colour = look.hover > 0 ? palette::kGold : palette::kSlateLight;
    const double cx = cell.width / 2.0, cy = cell.height / 2.0;
    const double dy = look.pressed ? 1 : 0;
    const Rgb face = look.disabled ? Greyed(colour) : look.pressed ? Darker(colour, 0.15) : colour;
    Disc(cell.cr, cx, cy + dy, 10.5, face, look.hover > 0 ? palette::kGoldLight : palette::kSlateBorder, 1.5);
    const Rgb ink = look.disabled ? palette::kGreyLight : look.hover > 0 ? palette::kNightTop : palette::kWhite;
    DrawIcon(cell.cr, icon, cx, cy + dy, 13, ink);
}

namespace {

void SpeakerPath(cairo_t* cr, double cx, double cy) {
    cairo_move_to(cr, cx - 5.5, cy - 2.5);
    cairo_line_to(cr, cx - 2.5, cy - 2.5);
    cairo_line_to(cr, cx + 2, cy - 6);
    cairo_line_to(cr, cx + 2, cy + 6);
    cairo_line_to(cr, cx - 2.5, cy + 2.5);
    cairo_line_to(cr, cx - 5.5, cy + 2.5);
    cairo_close_path(cr);
}

void CrossStroke(cairo_t* cr, double cx, double cy, const Rgb& colour) {
    SetColour(cr, colour);
    cairo_set_line_width(cr, 1.8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, cx + 3.5, cy - 3);
    cairo_line_to(cr, cx + 8.5, cy + 3);
    cairo_move_to(cr, cx + 8.5, cy - 3);
    cairo_line_to(cr, cx + 3.5, cy + 3);
    cairo_stroke(cr);
}

}  // namespace

void PaintSoundControl(const Cell& cell) {
    using namespace palette;
    cairo_t* cr = cell.cr;
    const bool over = cell.row == 1;
    const bool muted = cell.frame == 0;
    const double cx = 12.5, cy = cell.height / 2.0;
    Disc(cr, cx, cy, 10.5, over ? kGold : kSlateLight, over ? kGoldLight : kSlateBorder, 1.5);
    const Rgb ink = over ? kNightTop : kWhite;
    SpeakerPath(cr, cx - 1.5, cy);
    SetColour(cr, ink);
    cairo_fill(cr);
    if (muted) CrossStroke(cr, cx - 1.5, cy, over ? kNightTop : kCoral);
    // Four bars of rising height, lit up to the volume.
    for (int bar = 0; bar < 4; ++bar) {
        const double height = 6 + bar * 3.5;
        const Box box{27.5 + bar * 6.0, cy + 8 - height, 4, height};
        const bool lit = bar < cell.frame;
        FillRoundedRect(cr, box, 1, lit ? (over ? kGoldLight : kGold) : kSlate, 1);
        RoundedRectPath(cr, box, 1);
        SetColour(cr, lit ? kGoldDark : kSlateBorder);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
}

int HintWidth(std::string_view text) {
    const int width = int(std::ceil(MeasureText(text, kHintFont).width + kHintPadding));
    return width + width % 2;
}

void PaintHint(const Cell& cell, std::string_view text) {
    using namespace palette;
    const Box pill{0.5, 0.5, cell.width - 1.0, cell.height - 1.0};
    FillPlate(cell.cr, pill, pill.height / 2, kSlateLight, kSlate, kGold, 1.2);
    Disc(cell.cr, 12, cell.height / 2.0, 6, kGold, kGoldDark, 0);
    DrawIcon(cell.cr, Icon::Info, 12, cell.height / 2.0, 8, kNightTop);
    DrawCentred(cell.cr, text, 22, 0, cell.width - 30.0, cell.height, kHintFont, kWhite);
}

void PaintAdvertButton(const Cell& cell) {
    using namespace palette;
    cairo_t* cr = cell.cr;
    const Look look = LookOf(cell);
    Box card{4, 3, cell.width - 8.0, cell.height - 9.0};
    if (look.pressed) card = card.Moved(0, 2);
    if (look.hover > 0) {
        for (int ring = 3; ring >= 1; --ring) FillRoundedRect(cr, card.Inset(-ring), 16 + ring, kGoldLight, 0.18);
    }
    if (!look.pressed) FillRoundedRect(cr, card.Moved(0, 3), 16, Darker(kSlate, 0.5), 0.8);
    const Rgb top = look.disabled ? Greyed(kTeal) : Mix(kTeal, Lighter(kTeal, 0.2), look.hover);
    const Rgb bottom = look.disabled ? Greyed(kSkyDark) : kSkyDark;
    FillPlate(cr, card, 16, top, bottom, look.disabled ? kGrey : kGold, 2.5);
    Sheen(cr, card.Inset(3), 13, 0.2);
    const Rgb ink = look.disabled ? kGreyLight : kWhite;
    DrawEmblem(cr, card.x + 30, card.y + 32, 40);
    DrawCentred(cr, "Brellik", card.x + 54, card.y + 10, card.width - 62, 34, Font{26, Weight::Bold},
                look.disabled ? kGreyLight : kGoldLight);
    DrawCentred(cr, "Kvíz pro celou rodinu", card.x + 8, card.y + 50, card.width - 16, 22, Font{15, Weight::Bold}, ink);
    DrawCentred(cr, "Více o hře  ›", card.x + 8, card.y + 76, card.width - 16, 22, Font{14}, ink);
}

void PaintExitDialog(const Cell& cell) {
    using namespace palette;
    cairo_t* cr = cell.cr;
    const Box box{0, 0, double(cell.width), double(cell.height)};
    FillPlate(cr, box, 0, kSlateLight, kSlate, kGold, 3);
    Sheen(cr, box.Inset(3), 0, 0.08);
    // The dialog's question in the space right of its emblem, above the two buttons.
    DrawEmblem(cr, 60, 70, 84);
    const double textLeft = 126;
    DrawCentred(cr, "Opravdu chcete hru ukončit?", textLeft, 16, cell.width - textLeft - 16, 36,
                Font{26, Weight::Bold}, kWhite);
    DrawCentred(cr, "Rozehraná hra se neuloží.", textLeft, 50, cell.width - textLeft - 16, 22,
                Font{15}, kGoldLight);
}

void PaintExitButton(const Cell& cell, bool yes) {
    PaintPillButton(cell, ButtonStyle{yes ? palette::kCoral : palette::kTeal,
                                      yes ? Icon::Check : Icon::Back, yes ? "Ano" : "Ne", 22});
}

void PaintGameOver(const Cell& cell) {
    using namespace palette;
    cairo_t* cr = cell.cr;
    const Box box{6, 4, cell.width - 12.0, cell.height - 12.0};
    DropShadow(cr, box, 24, 4, 0.6);
    FillPlate(cr, box, 24, Lighter(kCoral, 0.1), kCoralDark, kGold, 3);
    Sheen(cr, box.Inset(3), 21, 0.25);
    for (int star = 0; star < 2; ++star) {
        const double x = star == 0 ? 60 : cell.width - 60.0;
        StarPath(cr, x, box.CentreY(), 34, 15);
        SetColour(cr, kGoldLight);
        cairo_fill(cr);
    }
    DrawCentredWithShadow(cr, "KONEC HRY", 100, box.y + 14, cell.width - 200, 70, Font{54, Weight::Bold}, kWhite);
    DrawCentred(cr, "Výsledek se zapisuje do tabulky…", 100, box.y + 88, cell.width - 200, 30,
                Font{18, Weight::Bold}, kGoldLight);
}

}  // namespace art
