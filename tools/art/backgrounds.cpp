#include "backgrounds.h"

#include "icons.h"
#include "layout.h"
#include "stage.h"
#include "text.h"

#include <string_view>

namespace art {
namespace {

using namespace palette;

// A faint gold ribbon joining the icons of a column of menu buttons.
void PaintRibbon(cairo_t* cr, std::initializer_list<layout::Point> buttons) {
    bool first = true;
    for (const layout::Point& at : buttons) {
        const double x = at.x + 54, y = at.y + 50;
        if (first) {
            cairo_move_to(cr, x, y);
        } else {
            cairo_line_to(cr, x, y);
        }
        first = false;
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_path_t* path = cairo_copy_path(cr);
    SetColour(cr, kGold, 0.12);
    cairo_set_line_width(cr, 26);
    cairo_stroke(cr);
    cairo_append_path(cr, path);
    SetColour(cr, kGold, 0.35);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_path_destroy(path);
}

// Large faint question marks scattered over empty parts of a screen.
void PaintQuestionMarks(cairo_t* cr, std::initializer_list<layout::Point> places) {
    double size = 90;
    cairo_push_group(cr);
    for (const layout::Point& at : places) {
        DrawText(cr, "?", at.x, at.y, Font{size, Weight::Bold}, kGlow);
        size = size > 60 ? size - 15 : 90;
    }
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.35);
}

void PaintScoreBox(cairo_t* cr, std::string_view label) {
    PaintPanel(cr, layout::kScoreBox, 14);
    DrawText(cr, label, layout::kScoreBox.x + 10, layout::kScoreBox.y + 16, Font{15, Weight::Bold}, kGoldLight);
}

void PaintKeysLegend(cairo_t* cr) {
    DrawText(cr, "Odpovídejte klávesami\nF1, F2, F3 nebo myší.", 616, 476, Font{14}, kMuted, 170, Align::Centre);
}

// The common layer of the single-player games: stage, board, instrument and score.
void PaintSingleGame(const Cell& cell, Board board, std::string_view title, Icon icon,
                     std::string_view badge1, std::string_view badge2, const Rgb& accent) {
    cairo_t* cr = cell.cr;
    PaintStage(cr);
    PaintTitle(cr, title, "Jeden hráč");
    PaintModeBadge(cr, Box{612, 86, 176, 74}, icon, badge1, badge2, accent);
    PaintBoard(cr, board);
    PaintInstrumentWell(cr);
    PaintScoreBox(cr, "Body");
    PaintKeysLegend(cr);
    PaintBottomBar(cr);
}

void PaintColumnHeader(cairo_t* cr, std::string_view label, double left, double right) {
    DrawCentred(cr, label, left - 6, layout::kTablePanel.y + 4, right - left + 12, 40, Font{15, Weight::Bold}, kNightTop);
}

void PaintColumnRule(cairo_t* cr, double x) {
    cairo_rectangle(cr, x, layout::kTablePanel.y + 50, 1, layout::kTablePanel.height - 58);
    SetColour(cr, kGreyLight, 0.8);
    cairo_fill(cr);
}

}  // namespace

void PaintMainBackground(const Cell& cell) {
    cairo_t* cr = cell.cr;
    PaintStage(cr);
    PaintQuestionMarks(cr, {{430, 420}, {30, 450}, {240, 470}, {690, 240}});
    DrawEmblem(cr, 92, 94, 124);
    DrawWordmark(cr, 305, 76, 82);
    DrawText(cr, "Vědomostní kvíz pro celou rodinu", 172, 124, Font{19, Weight::Bold}, kGoldLight);
    PaintRibbon(cr, {layout::kMenuBrowser, layout::kMenuScores, layout::kMenuMulti, layout::kMenuSingle});
    PaintBottomBar(cr);
}

void PaintSingleMenuBackground(const Cell& cell) {
    cairo_t* cr = cell.cr;
    PaintStage(cr);
    PaintQuestionMarks(cr, {{80, 200}, {330, 400}, {690, 60}});
    PaintTitle(cr, "Jeden hráč", "Vyberte si hru");
    // A line on each game beside its button's label.
    const Font note{14};
    DrawText(cr, "Deset sekund na otázku: čím dřív, tím víc bodů.", layout::kClockGameButton.x + 280,
             layout::kClockGameButton.y + 50, note, kGoldLight, 140);
    DrawText(cr, "Tři životy, každá jedenáctá otázka je prémiová.", layout::kLivesGameButton.x + 280,
             layout::kLivesGameButton.y + 50, note, kGoldLight, 180);
    PaintBottomBar(cr);
}

void PaintClockGameBackground(const Cell& cell) {
    PaintSingleGame(cell, Board::Game, "Hra na čas", Icon::Clock, "10 sekund", "na každou otázku", kGold);
}

void PaintLivesGameBackground(const Cell& cell) {
    PaintSingleGame(cell, Board::Game, "Hra o životy", Icon::Heart, "Tři životy", "chyba stojí život", kCoral);
}

void PaintPremiumBackground(const Cell& cell) {
    PaintSingleGame(cell, Board::Premium, "Hra o životy", Icon::Star, "Prémiová otázka", "vyhrajte život navíc", kGold);
}

void PaintMultiSetupBackground(const Cell& cell) {
    cairo_t* cr = cell.cr;
    PaintStage(cr);
    PaintTitle(cr, "Více hráčů", "Příprava hry");
    DrawText(cr, "Zapněte hráče, napište jméno a potvrďte ho klávesou Enter. Pak klikněte na kolečko s klávesou "
                 "a zvolte, čím se bude hlásit o slovo. Hrají dva až pět hráčů.",
             74, 76, Font{15}, kWhite, 640);
    const Box panel{204, 126, 452, 266};
    PaintPanel(cr, panel, 18);
    const double headerY = panel.y + 6;
    DrawCentred(cr, "Hráč", layout::kAvatarX, headerY, layout::kAvatarSize.width, 20, Font{14, Weight::Bold}, kGoldLight);
    DrawCentred(cr, "Jméno", layout::kNameFieldX, headerY, layout::kNameFieldSize.width, 20, Font{14, Weight::Bold}, kGoldLight);
    DrawCentred(cr, "Klávesa", 484, headerY, 80, 20, Font{14, Weight::Bold}, kGoldLight);
    DrawCentred(cr, "Hraje", 560, headerY, 76, 20, Font{14, Weight::Bold}, kGoldLight);
    for (int row = 0; row < 5; ++row) {
        // The empty seat that shows while the row is off, and the socket of its key button.
        const Box seat{double(layout::kAvatarX + 2), double(layout::kAvatarY[row] + 3),
                       layout::kAvatarSize.width - 4.0, layout::kAvatarSize.height - 6.0};
        FillRoundedRect(cr, seat, seat.height / 2, kSlate);
        DrawCentred(cr, "volné místo", seat.x, seat.y, seat.width, seat.height, Font{12}, kSlateBorder);
        const layout::Point key = layout::kKeyButton[row];
        CirclePath(cr, key.x + 22, key.y + 22, 18);
        SetColour(cr, kSlate);
        cairo_fill(cr);
        const Box field{double(layout::kNameFieldX), double(layout::kNameFieldY[row]),
                        double(layout::kNameFieldSize.width), double(layout::kNameFieldSize.height)};
        FillPlate(cr, field, 6, Hex(0x40558A), Hex(0x4E66A0), Hex(0x7F97CF), 1);
    }
    PaintBottomBar(cr);
}

void PaintMultiGameBackground(const Cell& cell) {
    cairo_t* cr = cell.cr;
    PaintStage(cr);
    PaintTitle(cr, "Více hráčů", "Kdo dřív zmáčkne, odpovídá");
    PaintModeBadge(cr, Box{612, 86, 176, 74}, Icon::People, "12 sekund", "na přihlášení", kTeal);
    PaintBoard(cr, Board::Game);
    PaintInstrumentWell(cr);
    const Box players{638, 386, 158, 162};
    PaintPanel(cr, players, 14);
    DrawText(cr, "Hráč", layout::kPlayerNameX, players.y + 8, Font{14, Weight::Bold}, kGoldLight);
    DrawText(cr, "Body", layout::kPlayerScoreX - 4, players.y + 8, Font{14, Weight::Bold}, kGoldLight);
    for (int row = 0; row < 5; ++row) {
        const Box stripe{players.x + 5, double(layout::kPlayerKeyY[row] - 1), players.width - 10, 24};
        FillRoundedRect(cr, stripe, 6, row % 2 == 0 ? Darker(kSlate, 0.2) : kSlate);
    }
    PaintBottomBar(cr);
}

void PaintMultiResultsBackground(const Cell& cell) {
    cairo_t* cr = cell.cr;
    PaintStage(cr);
    PaintTitle(cr, "Více hráčů", "Výsledky hry");
    const Box card{130, 78, 650, 474};
    DropShadow(cr, card, 18, 3, 0.55);
    FillRoundedRect(cr, card, 18, kGold);
    FillRoundedRect(cr, card.Inset(3), 15, kSlate);
    const Box band{card.x + 3, card.y + 3, card.width - 6, 54};
    cairo_save(cr);
    RoundedRectPath(cr, card.Inset(3), 15);
    cairo_clip(cr);
    VerticalGradient(cr, band, Lighter(kCoral, 0.1), kCoralDark);
    cairo_restore(cr);
    DrawCentredWithShadow(cr, "Konec hry", band.x, band.y + 5, band.width, 44,
                          Font{30, Weight::Bold}, kWhite);
    cairo_rectangle(cr, card.x + 24, card.Bottom() - 36, card.width - 48, 1);
    SetColour(cr, kSlateBorder);
    cairo_fill(cr);
    DrawCentred(cr, "Kliknutím nebo klávesou pokračujte do tabulky", card.x, card.Bottom() - 32,
                card.width, 24, Font{15}, kMuted);
    PaintBottomBar(cr);
}

void PaintScoresBackground(const Cell& cell, int table) {
    cairo_t* cr = cell.cr;
    PaintStage(cr);
    constexpr std::string_view kTitles[] = {"Hra na čas", "Hra o životy", "Více hráčů"};
    const Box banner{262, 50, 500, 74};
    PaintPanel(cr, banner, 18);
    Disc(cr, banner.x + 42, banner.CentreY(), 26, kGold, kGoldDark, 2);
    DrawIcon(cr, Icon::Trophy, banner.x + 42, banner.CentreY(), 36, kNightTop);
    DrawText(cr, "Nejlepší výsledky", banner.x + 82, banner.y + 8, Font{15}, kGoldLight);
    DrawText(cr, kTitles[table - 1], banner.x + 82, banner.y + 26, Font{28, Weight::Bold}, kWhite);
    // The table: a head band, then white rows the columns draw on.
    const Box& panel = layout::kTablePanel;
    DropShadow(cr, panel, 14, 3, 0.5);
    FillRoundedRect(cr, panel, 14, kGold);
    FillRoundedRect(cr, panel.Inset(3), 11, kPaper);
    cairo_save(cr);
    RoundedRectPath(cr, panel.Inset(3), 11);
    cairo_clip(cr);
    cairo_rectangle(cr, panel.x, panel.y, panel.width, 46);
    SetColour(cr, kHeaderBand);
    cairo_fill(cr);
    cairo_restore(cr);
    PaintColumnHeader(cr, "#", 135, 165);
    if (table == 2) {
        PaintColumnHeader(cr, "Jméno", 184, 274);
        PaintColumnHeader(cr, "Otázek", 312, 374);
        PaintColumnHeader(cr, "Úspěch", 407, 479);
        PaintColumnHeader(cr, "Chyb", 515, 555);
        PaintColumnHeader(cr, "Datum", 612, 682);
        for (double x : {175, 300, 380, 484, 585}) PaintColumnRule(cr, x);
    } else {
        PaintColumnHeader(cr, "Jméno", 174, 264);
        PaintColumnHeader(cr, "Body", 266, 328);
        PaintColumnHeader(cr, "Úspěch", 331, 403);
        PaintColumnHeader(cr, "Otázek", 407, 447);
        PaintColumnHeader(cr, table == 3 ? "Správně" : "Chyb", 470, 536);
        PaintColumnHeader(cr, "Body na\notázku", 560, 611);
        PaintColumnHeader(cr, "Datum", 616, 683);
        for (double x : {170, 266, 402, 463, 543, 610}) PaintColumnRule(cr, x);
    }
    PaintBottomBar(cr);
}

void PaintBrowserBackground(const Cell& cell) {
    cairo_t* cr = cell.cr;
    PaintStage(cr);
    PaintTitle(cr, "Procházení otázek", "Bez bodování, na trénink");
    PaintModeBadge(cr, Box{620, 86, 168, 74}, Icon::Question, "Otázky", "v náhodném pořadí", kSky);
    PaintBoard(cr, Board::Browser);
    PaintBottomBar(cr);
}

}  // namespace art
