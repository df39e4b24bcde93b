#include "stage.h"

#include "icons.h"
#include "text.h"

#include <cmath>

namespace art {
namespace {

struct Bubble {
    double x, y, radius, alpha;
};

// Soft lights scattered over the stage; fixed, so every screen shares them.
constexpr Bubble kBubbles[] = {
    {90, 120, 110, 0.10}, {720, 70, 90, 0.08},  {420, 300, 160, 0.05}, {650, 470, 120, 0.07},
    {160, 480, 80, 0.06}, {300, 40, 60, 0.07},  {560, 210, 70, 0.05},  {760, 330, 55, 0.06},
    {40, 330, 45, 0.06},  {480, 540, 50, 0.05},
};

}  // namespace

void PaintStage(cairo_t* cr) {
    using namespace palette;
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, layout::kScreen.width, layout::kScreen.height);
    cairo_clip(cr);
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, layout::kScreen.height);
    cairo_pattern_add_color_stop_rgb(sky, 0, kNightTop.r, kNightTop.g, kNightTop.b);
    cairo_pattern_add_color_stop_rgb(sky, 0.45, kNightMiddle.r, kNightMiddle.g, kNightMiddle.b);
    cairo_pattern_add_color_stop_rgb(sky, 1, kNightBottom.r, kNightBottom.g, kNightBottom.b);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    // A wide beam of light falling from the top left.
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 330, 0);
    cairo_line_to(cr, 800, 430);
    cairo_line_to(cr, 800, 600);
    cairo_line_to(cr, 640, 600);
    cairo_close_path(cr);
    cairo_pattern_t* beam = cairo_pattern_create_linear(0, 0, 800, 600);
    cairo_pattern_add_color_stop_rgba(beam, 0, 1, 1, 1, 0.07);
    cairo_pattern_add_color_stop_rgba(beam, 1, 1, 1, 1, 0);
    cairo_set_source(cr, beam);
    cairo_fill(cr);
    cairo_pattern_destroy(beam);
    for (const Bubble& bubble : kBubbles) {
        Halo(cr, bubble.x, bubble.y, bubble.radius * 0.55, bubble.radius * 0.45, kGlow, bubble.alpha);
        CirclePath(cr, bubble.x, bubble.y, bubble.radius * 0.55);
        SetColour(cr, kGlow, bubble.alpha);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void PaintBottomBar(cairo_t* cr) {
    using namespace palette;
    const Box bar{0, double(layout::kBarTop), double(layout::kScreen.width),
                  double(layout::kScreen.height - layout::kBarTop)};
    VerticalGradient(cr, bar, Lighter(kBar, 0.06), kBar);
    cairo_rectangle(cr, 0, layout::kBarTop, layout::kScreen.width, 1);
    SetColour(cr, kBarLine);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, layout::kBarTop + 1, layout::kScreen.width, 1);
    SetColour(cr, kBarLine, 0.35);
    cairo_fill(cr);
}

void PaintTitle(cairo_t* cr, std::string_view title, std::string_view subtitle) {
    DrawEmblem(cr, 40, 38, 46);
    const double height = DrawText(cr, title, 72, 14, Font{28, Weight::Bold}, palette::kWhite);
    if (!subtitle.empty()) DrawText(cr, subtitle, 74, 14 + height - 2, Font{15}, palette::kGoldLight);
}

void PaintTextPlate(cairo_t* cr, const Box& box, const Rgb& fill, const Rgb& border) {
    DropShadow(cr, box, 14, 3, 0.45);
    FillRoundedRect(cr, box, 14, border);
    FillRoundedRect(cr, box.Inset(3), 11, fill);
}

void PaintPanel(cairo_t* cr, const Box& box, double radius) {
    using namespace palette;
    DropShadow(cr, box, radius, 3, 0.4);
    FillPlate(cr, box, radius, kSlateLight, kSlate, kSlateBorder, 2);
}

void PaintInstrumentWell(cairo_t* cr) {
    using namespace palette;
    const Box well{double(layout::kInstrument.x - 8), double(layout::kInstrument.y - 8),
                   double(layout::kInstrumentSize.width + 16), double(layout::kInstrumentSize.height + 16)};
    PaintPanel(cr, well, 22);
    FillRoundedRect(cr, well.Inset(5), 18, Darker(kSlate, 0.25));
    // A faint inner ring the clock face fits into.
    const double cx = well.CentreX(), cy = well.CentreY();
    CirclePath(cr, cx, cy, 77);
    SetColour(cr, kSlateBorder, 0.6);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void PaintModeBadge(cairo_t* cr, const Box& box, Icon icon, std::string_view line1,
                    std::string_view line2, const Rgb& accent) {
    using namespace palette;
    PaintPanel(cr, box, 16);
    const double r = box.height * 0.32;
    Disc(cr, box.x + 14 + r, box.CentreY(), r, accent, Darker(accent, 0.35), 2);
    DrawIcon(cr, icon, box.x + 14 + r, box.CentreY(), r * 1.3, kWhite);
    const double textX = box.x + 24 + 2 * r;
    const double textWidth = box.Right() - 10 - textX;
    DrawCentred(cr, line1, textX, box.y + 8, textWidth, box.height / 2 - 4, Font{19, Weight::Bold}, kWhite);
    DrawCentred(cr, line2, textX, box.CentreY() - 2, textWidth, box.height / 2 - 6, Font{14}, kGoldLight);
}

Box QuestionPlate() {
    const Box& text = layout::kQuestionText;
    return {text.x - 12, text.y - 12, text.width + 24, text.height + 24};
}

Box AnswerPlate(Board board, int k) {
    const bool browser = board == Board::Browser;
    const layout::Point text = browser ? layout::kBrowserAnswerText[k] : layout::kAnswerText[k];
    const int anchor = browser ? layout::kBrowserMark[k].x + layout::kBrowserMarkSize.width / 2
                               : layout::kAnswerButton[k].x + layout::kAnswerButtonSize.width / 2;
    const double left = text.x - 13;
    return {left, double(text.y - 8), anchor - left, double(layout::kAnswerTextSize.height + 14)};
}

void PaintBoard(cairo_t* cr, Board board) {
    using namespace palette;
    const bool premium = board == Board::Premium;
    const Box question = QuestionPlate();
    if (premium) {
        for (int ring = 2; ring >= 1; --ring) FillRoundedRect(cr, question.Inset(-ring), 14 + ring, kGold, 0.3);
    }
    PaintTextPlate(cr, question, premium ? Hex(0xFFEDB3) : kCream, premium ? kGold : kPlateBorder);
    for (int k = 0; k < 3; ++k) PaintTextPlate(cr, AnswerPlate(board, k), kCream, kPlateBorder);
}

}  // namespace art
