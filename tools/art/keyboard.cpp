#include "keyboard.h"

#include "icons.h"
#include "layout.h"
#include "pad_pictures.h"
#include "shapes.h"
#include "text.h"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace art {
namespace {

constexpr int kUnit = 28;     // one key plus the gap
constexpr int kGap = 2;
constexpr int kTop = 40;      // the key rows start under the title line
constexpr int kMainLeft = 12;
constexpr int kNavLeft = kMainLeft + 15 * kUnit + 10;
constexpr int kPadLeft = kNavLeft + 3 * kUnit + 10;

KeyRect Rect(int left, double column, int row, double width, int height = 1) {
    return {left + int(std::lround(column * kUnit)), kTop + row * kUnit,
            int(std::lround(width * kUnit)) - kGap, height * kUnit - kGap};
}

// A row of single-width keys from `column` on.
void AddRun(std::vector<KeyboardKey>& keys, int left, double column, int row,
            std::initializer_list<std::pair<int, std::string_view>> run, bool keypad = false) {
    for (const auto& [code, label] : run) {
        keys.push_back({code, label, Rect(left, column, row, 1), {}, true, keypad});
        column += 1;
    }
}

KeyboardKey Wide(int code, std::string_view label, double column, int row, double width, int side = 0) {
    return {code, label, Rect(kMainLeft, column, row, width), {}, true, false, side};
}

std::vector<KeyboardKey> BuildKeys() {
    std::vector<KeyboardKey> keys;
    // Main block, Czech layout. The digits 1 to 3 answer questions, so they are not offered.
    AddRun(keys, kMainLeft, 0, 0, {{0x29, ";"}});
    for (int digit = 1; digit <= 3; ++digit) {
        keys.push_back({0x01 + digit, digit == 1 ? "1" : digit == 2 ? "2" : "3", Rect(kMainLeft, digit, 0, 1), {}, false});
    }
    AddRun(keys, kMainLeft, 4, 0,
           {{0x05, "4"}, {0x06, "5"}, {0x07, "6"}, {0x08, "7"}, {0x09, "8"}, {0x0A, "9"}, {0x0B, "0"},
            {0x0C, "="}, {0x0D, "´"}});
    keys.push_back(Wide(0x0E, "Bksp", 13, 0, 2));
    keys.push_back(Wide(0x0F, "Tab", 0, 1, 1.5));
    AddRun(keys, kMainLeft, 1.5, 1,
           {{0x10, "Q"}, {0x11, "W"}, {0x12, "E"}, {0x13, "R"}, {0x14, "T"}, {0x15, "Z"}, {0x16, "U"},
            {0x17, "I"}, {0x18, "O"}, {0x19, "P"}, {0x1A, "Ú"}, {0x1B, ")"}});
    // The tall Enter of European keyboards: its top part and the narrower part below.
    keys.push_back({0x1C, "Enter", Rect(kMainLeft, 13.5, 1, 1.5), Rect(kMainLeft, 13.75, 2, 1.25), true});
    keys.push_back({0x3A, "Caps", Rect(kMainLeft, 0, 2, 1.75), {}, false});
    AddRun(keys, kMainLeft, 1.75, 2,
           {{0x1E, "A"}, {0x1F, "S"}, {0x20, "D"}, {0x21, "F"}, {0x22, "G"}, {0x23, "H"}, {0x24, "J"},
            {0x25, "K"}, {0x26, "L"}, {0x27, "Ů"}, {0x28, "§"}, {0x2B, "¨"}});
    keys.push_back(Wide(0x2A, "Shift", 0, 3, 1.25, -1));
    AddRun(keys, kMainLeft, 1.25, 3,
           {{0x56, "\\"}, {0x2C, "Y"}, {0x2D, "X"}, {0x2E, "C"}, {0x2F, "V"}, {0x30, "B"}, {0x31, "N"},
            {0x32, "M"}, {0x33, ","}, {0x34, "."}, {0x35, "-"}});
    keys.push_back(Wide(0x36, "Shift", 12.25, 3, 2.75, 1));
    keys.push_back(Wide(0x1D, "Ctrl", 0, 4, 1.25, -1));
    keys.push_back({0x15B, "Win", Rect(kMainLeft, 1.25, 4, 1.25), {}, false});
    keys.push_back(Wide(0x38, "Alt", 2.5, 4, 1.25, -1));
    keys.push_back(Wide(0x39, "mezera", 3.75, 4, 6.25));
    keys.push_back(Wide(0x138, "AltGr", 10, 4, 1.25, 1));
    keys.push_back({0x15C, "Win", Rect(kMainLeft, 11.25, 4, 1.25), {}, false});
    keys.push_back({0x15D, "Menu", Rect(kMainLeft, 12.5, 4, 1.25), {}, false});
    keys.push_back(Wide(0x11D, "Ctrl", 13.75, 4, 1.25, 1));
    // Editing and arrow keys.
    AddRun(keys, kNavLeft, 0, 0, {{0x152, "Ins"}, {0x147, "Home"}, {0x149, "PgUp"}});
    AddRun(keys, kNavLeft, 0, 1, {{0x153, "Del"}, {0x14F, "End"}, {0x151, "PgDn"}});
    AddRun(keys, kNavLeft, 1, 3, {{0x148, "↑"}});
    AddRun(keys, kNavLeft, 0, 4, {{0x14B, "←"}, {0x150, "↓"}, {0x14D, "→"}});
    // Numeric keypad; its 1 to 3 answer questions as well.
    keys.push_back({0x45, "Num", Rect(kPadLeft, 0, 0, 1), {}, false, true});
    AddRun(keys, kPadLeft, 1, 0, {{0x135, "/"}, {0x37, "*"}, {0x4A, "-"}}, true);
    AddRun(keys, kPadLeft, 0, 1, {{0x47, "7"}, {0x48, "8"}, {0x49, "9"}}, true);
    keys.push_back({0x4E, "+", Rect(kPadLeft, 3, 1, 1, 2), {}, true, true});
    AddRun(keys, kPadLeft, 0, 2, {{0x4B, "4"}, {0x4C, "5"}, {0x4D, "6"}}, true);
    for (int digit = 1; digit <= 3; ++digit) {
        keys.push_back({0x4E + digit, digit == 1 ? "1" : digit == 2 ? "2" : "3", Rect(kPadLeft, digit - 1, 3, 1), {}, false, true});
    }
    keys.push_back({0x11C, "Enter", Rect(kPadLeft, 3, 3, 1, 2), {}, true, true});
    keys.push_back({0x52, "0", Rect(kPadLeft, 0, 4, 2), {}, true, true});
    keys.push_back({0x53, ",", Rect(kPadLeft, 2, 4, 1), {}, true, true});
    return keys;
}

void KeyCapPath(cairo_t* cr, const KeyboardKey& key, double dx, double dy) {
    RoundedRectPath(cr, Box{key.area.x + dx, key.area.y + dy, double(key.area.width), double(key.area.height)}, 4);
    if (key.second.width > 0) {
        RoundedRectPath(cr, Box{key.second.x + dx, key.second.y - kGap - 4 + dy, double(key.second.width),
                                double(key.second.height + kGap + 4)}, 4);
    }
}

Rgb CapColour(const KeyboardKey& key) {
    return key.choosable ? palette::kKeyCap : palette::kKeyCapOff;
}

Rgb LabelColour(const KeyboardKey& key) {
    if (!key.choosable) return palette::kGreyLight;
    return key.keypad ? palette::kTealDark : palette::kInk;
}

// A little triangle that tells the left key of a pair from the right one.
void SideMark(cairo_t* cr, double x, double y, int side, const Rgb& colour) {
    cairo_move_to(cr, x + side * 3, y);
    cairo_line_to(cr, x - side * 2, y - 3);
    cairo_line_to(cr, x - side * 2, y + 3);
    cairo_close_path(cr);
    SetColour(cr, colour);
    cairo_fill(cr);
}

int CodePoints(std::string_view utf8) {
    int count = 0;
    for (char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

void PaintLabel(cairo_t* cr, const KeyboardKey& key, const Box& face, double size) {
    const bool small = CodePoints(key.label) > 2;
    const Font font{small ? size * 0.62 : size, Weight::Bold};
    const double textHeight = key.side != 0 ? face.height - 6 : face.height;
    DrawCentred(cr, key.label, face.x + 1, face.y, face.width - 2, textHeight, font, LabelColour(key));
    if (key.side != 0) SideMark(cr, face.CentreX(), face.Bottom() - 5, key.side, LabelColour(key));
}

}  // namespace

const std::vector<KeyboardKey>& KeyboardKeys() {
    static const std::vector<KeyboardKey> keys = BuildKeys();
    return keys;
}

std::vector<const KeyboardKey*> ChoosableKeys() {
    std::vector<const KeyboardKey*> choosable;
    for (const KeyboardKey& key : KeyboardKeys()) {
        if (key.choosable) choosable.push_back(&key);
    }
    return choosable;
}

std::string KeyLayoutText() {
    const auto screen = [](const KeyRect& rect) {
        return std::to_string(layout::kKeyboard.x + rect.x) + "," + std::to_string(layout::kKeyboard.y + rect.y) +
               "," + std::to_string(rect.width) + "," + std::to_string(rect.height) + ",";
    };
    std::string text;
    for (const KeyboardKey* key : ChoosableKeys()) {
        text += std::to_string(key->code) + "=" + screen(key->area);
        if (key->second.width > 0) text += screen(key->second);
        text += "\r\n";
    }
    return text;
}

void PaintKeyboard(const Cell& cell) {
    using namespace palette;
    cairo_t* cr = cell.cr;
    const Box body{0, 0, double(cell.width), double(cell.height)};
    FillPlate(cr, body, 14, kSlateLight, kSlate, kGold, 2.5);
    DrawText(cr, "Stiskněte svou klávesu, nebo na ni klikněte.", 16, 10, Font{17, Weight::Bold}, kWhite);
    // The legend for the keys that cannot be chosen.
    const Box sample{450, 11, 18, 18};
    FillRoundedRect(cr, sample, 3, kKeyCapOff);
    DrawText(cr, "tyto klávesy patří hře", sample.Right() + 6, 12, Font{13}, kMuted);
    for (const KeyboardKey& key : KeyboardKeys()) {
        KeyCapPath(cr, key, 0, 2);
        SetColour(cr, Darker(kSlate, 0.5));
        cairo_fill(cr);
        KeyCapPath(cr, key, 0, 0);
        SetColour(cr, CapColour(key));
        cairo_fill(cr);
        const Box face{double(key.area.x), double(key.area.y), double(key.area.width), double(key.area.height)};
        const Box labelBox = key.second.width > 0 ? Box{face.x, face.y, face.width, face.height + kUnit} : face;
        PaintLabel(cr, key, labelBox, 15);
    }
}

void PaintKeyLabel(const Cell& cell) {
    using namespace palette;
    if (PaintPadKeyLabel(cell) || PaintPhoneKeyLabel(cell)) return;
    cairo_t* cr = cell.cr;
    const auto keys = ChoosableKeys();
    const Box cap{1, 1, cell.width - 2.0, cell.height - 4.0};
    FillRoundedRect(cr, cap.Moved(0, 2), 5, kKeyEdge);
    FillPlate(cr, cap, 5, kWhite, kKeyCap, kKeyEdge, 1);
    const int line = cell.frame - 1;
    if (line < 0 || line >= int(keys.size())) return;
    PaintLabel(cr, *keys[line], cap, 15);
}

void PaintKeyMarker(const Cell& cell, bool current) {
    using namespace palette;
    cairo_t* cr = cell.cr;
    const double c = cell.width / 2.0;
    // Drawn on the key cap's colour: the keyboard copies markers opaque onto its keys.
    cairo_rectangle(cr, 0, 0, cell.width, cell.height);
    SetColour(cr, kKeyCap);
    cairo_fill(cr);
    if (current) {
        Disc(cr, c, c, c - 0.5, kGold, kGoldDark, 1.5);
        StarPath(cr, c, c + 0.5, c - 3.5, (c - 3.5) * 0.45);
        SetColour(cr, kWhite);
        cairo_fill(cr);
    } else {
        Disc(cr, c, c, c - 0.5, kTeal, kTealDark, 1.5);
        cairo_move_to(cr, c - 4.5, c);
        cairo_line_to(cr, c - 1.2, c + 3.5);
        cairo_line_to(cr, c + 4.5, c - 3.5);
        SetColour(cr, kWhite);
        cairo_set_line_width(cr, 2.2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }
}

}  // namespace art
