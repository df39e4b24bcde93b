#include "overlays.h"

#include "icons.h"
#include "stage.h"
#include "text.h"

#include <cmath>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace art {
namespace {

struct Section {
    std::string_view heading;
    std::string_view text;
};

struct Help {
    std::string_view title;
    Icon icon;
    Rgb accent;
    std::vector<Section> sections;
};

constexpr std::string_view kCloseLine = "Kliknutím nebo klávesou Esc nápovědu zavřete.";

Help HelpOf(HelpTopic topic) {
    using namespace palette;
    switch (topic) {
        case HelpTopic::SinglePlayer:
            return {"Jeden hráč", Icon::Person, kGold,
                    {{"Hra na čas",
                      "Na každou otázku máte deset sekund. Za správnou odpověď dostanete tolik bodů, "
                      "kolik celých sekund zbývá do deseti. Špatná odpověď i vypršený čas stojí 5 bodů."},
                     {"Hra o životy",
                      "Začínáte se třemi životy a každá správná odpověď je za bod. Chyba stojí život. "
                      "Každá jedenáctá otázka je prémiová: správnou odpovědí získáte život navíc "
                      "(nejvýš sedm), chybou na ní nic neztratíte."},
                     {"Ovládání",
                      "Odpověď zvolíte tlačítkem 1, 2, 3 nebo klávesami F1 až F3. Přepínač vlevo dole "
                      "určuje, zda se po chybě ukáže správná odpověď. Hru ukončíte klávesou Esc nebo "
                      "tlačítkem STOP."}}};
        case HelpTopic::ClockGame:
            return {"Hra na čas", Icon::Clock, kGold,
                    {{"Jak se hraje",
                      "Stiskněte START. Objeví se otázka a po ní postupně tři odpovědi. Potom se "
                      "rozběhnou hodiny a na odpověď máte deset sekund."},
                     {"Body",
                      "Správná odpověď dá 10 bodů minus celé uplynulé sekundy; po deseti sekundách už "
                      "nic. Špatná odpověď, nebo žádná do jedenácti sekund, stojí 5 bodů."},
                     {"Konec hry",
                      "Najeďte myší na hodiny a objeví se STOP; hru ukončí i klávesa Esc. Kladný "
                      "výsledek se zapíše do tabulky nejlepších."}}};
        case HelpTopic::LivesGame:
            return {"Hra o životy", Icon::Heart, kCoral,
                    {{"Životy",
                      "Máte tři životy. Každá chyba jeden stojí a hra končí, když dojdou. Za každou "
                      "správnou odpověď získáte bod."},
                     {"Prémiová otázka",
                      "Každá jedenáctá otázka je prémiová. Máte-li méně než sedm životů, ukáže se na "
                      "zlatém pozadí a správnou odpovědí získáte život navíc. Chyba na ní život nestojí."},
                     {"Konec hry",
                      "Najeďte myší na srdíčka a objeví se STOP; hru ukončí i klávesa Esc. Kladný "
                      "výsledek se zapíše do tabulky nejlepších."}}};
        case HelpTopic::Multiplayer:
            return {"Více hráčů", Icon::People, kTeal,
                    {{"Kdo odpovídá",
                      "Každý hráč má svou klávesu nebo tlačítko ovladače. Po otázce se postupně ukážou tři odpovědi a pak "
                      "běží dvanáct sekund. Kdo první stiskne svou klávesu, odpovídá."},
                     {"Odpověď",
                      "Odpovídající hráč má pět sekund a volí myší, klávesami F1 až F3 nebo tlačítky A, "
                      "B, X svého ovladače. Správně: "
                      "10 bodů minus celé sekundy, které uběhly do stisku klávesy. Chyba nebo "
                      "nestihnutý čas: minus 5 bodů a otázku může zkusit někdo další."},
                     {"Konec hry",
                      "Klávesa Esc nebo STOP nad hodinami hru ukončí; kladné výsledky se zapíší do "
                      "tabulky."}}};
        case HelpTopic::Browser:
            return {"Procházení otázek", Icon::Question, kSky,
                    {{"Na trénink",
                      "Otázky přicházejí v náhodném pořadí a nic se nepočítá. Správnou odpověď označí "
                      "zelená značka."},
                     {"Ovládání",
                      "Tlačítko Další nebo mezerník ukáže správnou odpověď, případně další otázku. "
                      "Klávesou Esc se vrátíte do nabídky."},
                     {"Přepínač Kvíz",
                      "Zapnutý: správná odpověď se ukáže až na požádání. Vypnutý: ukáže se hned s "
                      "otázkou. Klávesa Enter přepne režim jen na chvíli, kliknutí natrvalo."}}};
    }
    return {};
}

// Lays the sections out from y at the given size; returns the y after the last one.
double LayOutSections(cairo_t* cr, const std::vector<Section>& sections, double x, double y,
                      double width, double size, const Rgb& accent) {
    for (const Section& section : sections) {
        if (cr) {
            CirclePath(cr, x + 5, y + size * 0.62, 4.5);
            SetColour(cr, accent);
            cairo_fill(cr);
            DrawText(cr, section.heading, x + 16, y, Font{size + 1, Weight::Bold}, Darker(accent, 0.35));
        }
        y += size * 1.45;
        y += cr ? DrawText(cr, section.text, x + 16, y, Font{size}, palette::kInk, width - 16)
                : MeasureText(section.text, Font{size}, width - 16).height;
        y += size * 0.75;
    }
    return y;
}

}  // namespace

void PaintHelp(const Cell& cell, HelpTopic topic) {
    using namespace palette;
    cairo_t* cr = cell.cr;
    const Help help = HelpOf(topic);
    const Box card{4, 3, cell.width - 8.0, cell.height - 9.0};
    DropShadow(cr, card, 18, 3, 0.55);
    FillRoundedRect(cr, card, 18, kGold);
    FillRoundedRect(cr, card.Inset(3), 15, kCream);
    // Title band.
    const Box band{card.x + 3, card.y + 3, card.width - 6, 58};
    cairo_save(cr);
    RoundedRectPath(cr, card.Inset(3), 15);
    cairo_clip(cr);
    VerticalGradient(cr, band, kSlateLight, kSlate);
    cairo_restore(cr);
    Disc(cr, band.x + 36, band.CentreY(), 20, help.accent, Darker(help.accent, 0.35), 2);
    DrawIcon(cr, help.icon, band.x + 36, band.CentreY(), 26, kWhite);
    DrawText(cr, "Nápověda", band.x + 66, band.y + 6, Font{14}, kGoldLight);
    DrawText(cr, help.title, band.x + 66, band.y + 22, Font{24, Weight::Bold}, kWhite);
    // The body, at the largest size that fits above the closing line.
    const double textX = card.x + 26, textWidth = card.width - 52;
    const double bodyTop = band.Bottom() + 16, bodyBottom = card.Bottom() - 40;
    double size = 17;
    while (size > 11 && LayOutSections(nullptr, help.sections, textX, bodyTop, textWidth, size, help.accent) > bodyBottom) {
        size -= 0.5;
    }
    LayOutSections(cr, help.sections, textX, bodyTop, textWidth, size, help.accent);
    cairo_rectangle(cr, card.x + 24, card.Bottom() - 36, card.width - 48, 1);
    SetColour(cr, kPlateBorder);
    cairo_fill(cr);
    DrawCentred(cr, kCloseLine, card.x, card.Bottom() - 32, card.width, 24, Font{14}, kGrey);
}

void PaintCredits(const Cell& cell) {
    using namespace palette;
    cairo_t* cr = cell.cr;
    PaintStage(cr);
    DrawEmblem(cr, 400, 92, 96);
    DrawWordmark(cr, 400, 182, 72);
    DrawCentred(cr, "Vědomostní kvíz pro jednoho až pět hráčů", 0, 226, 800, 30, Font{20}, kGoldLight);
    const Box card{150, 276, 500, 236};
    PaintPanel(cr, card, 18);
    DrawCentred(cr, "Autoři", card.x, card.y + 14, card.width, 34, Font{26, Weight::Bold}, kWhite);
    struct Credit {
        std::string_view role;
        std::string_view who;
    };
    constexpr Credit kCredits[] = {
        {"Nápad a pravidla", "tým Brellik"},
        {"Programování", "vývojáři hry Brellik"},
        {"Grafika", "tým Brellik"},
        {"Otázky", "autoři otázek týmu Brellik"},
    };
    double y = card.y + 60;
    for (const Credit& credit : kCredits) {
        DrawText(cr, credit.role, card.x + 30, y, Font{17}, kMuted, card.width / 2 - 40, Align::Right);
        DrawText(cr, credit.who, card.CentreX() + 10, y, Font{17, Weight::Bold}, kWhite);
        y += 30;
    }
    DrawCentred(cr, "Díky všem, kdo hru hrají a zkoušejí!", card.x, card.Bottom() - 44, card.width, 28,
                Font{16}, kGoldLight);
    DrawCentred(cr, "Kliknutím nebo klávesou Esc se vrátíte do hry.", 0, 540, 800, 24, Font{15}, kMuted);
}

void PaintAdvert(const Cell& cell) {
    using namespace palette;
    cairo_t* cr = cell.cr;
    PaintStage(cr);
    // Rays behind the title.
    for (int ray = 0; ray < 16; ++ray) {
        const double a0 = ray * M_PI / 8, a1 = a0 + M_PI / 16;
        cairo_move_to(cr, 400, 130);
        cairo_line_to(cr, 400 + std::cos(a0) * 700, 130 + std::sin(a0) * 700);
        cairo_line_to(cr, 400 + std::cos(a1) * 700, 130 + std::sin(a1) * 700);
        cairo_close_path(cr);
        SetColour(cr, kGlow, 0.08);
        cairo_fill(cr);
    }
    DrawEmblem(cr, 210, 118, 110);
    DrawWordmark(cr, 440, 104, 92);
    DrawCentredWithShadow(cr, "Kvíz pro celou rodinu!", 270, 156, 340, 40, Font{28, Weight::Bold}, kWhite);
    struct Feature {
        Icon icon;
        Rgb colour;
        std::string_view title;
        std::string_view text;
    };
    const Feature kFeatures[] = {
        {Icon::Clock, kGold, "Hra na čas", "Čím rychlejší odpověď, tím víc bodů."},
        {Icon::Heart, kCoral, "Hra o životy", "Tři životy a prémiové otázky."},
        {Icon::People, kTeal, "Až pět hráčů", "Každý má svou klávesu. Kdo dřív zmáčkne, odpovídá."},
        {Icon::Trophy, kSky, "Tabulky nejlepších", "Zapište se mezi nejlepší."},
    };
    for (int k = 0; k < 4; ++k) {
        const Box tile{60 + (k % 2) * 350.0, 222 + (k / 2) * 132.0, 330, 116};
        PaintPanel(cr, tile, 16);
        Disc(cr, tile.x + 48, tile.CentreY(), 32, kFeatures[k].colour, Darker(kFeatures[k].colour, 0.35), 2);
        DrawIcon(cr, kFeatures[k].icon, tile.x + 48, tile.CentreY(), 40, kWhite);
        DrawText(cr, kFeatures[k].title, tile.x + 94, tile.y + 18, Font{21, Weight::Bold}, kGoldLight);
        DrawText(cr, kFeatures[k].text, tile.x + 94, tile.y + 48, Font{15}, kWhite, tile.width - 108);
    }
    DrawCentredWithShadow(cr, "Spousta otázek ze všech oborů – procvičte si je v prohlížení otázek.",
                          40, 492, 720, 30, Font{17, Weight::Bold}, kWhite);
    DrawCentred(cr, "Kliknutím nebo klávesou Esc pokračujte ve hře.", 0, 540, 800, 24, Font{15}, kMuted);
}

}  // namespace art
