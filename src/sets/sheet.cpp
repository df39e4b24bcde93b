#include "sheet.h"

#include <algorithm>

namespace sets {

namespace {
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

std::string CleanCell(std::string_view text) {
    std::string clean;
    clean.reserve(std::min(text.size(), kLongestCell));
    bool pendingSpace = false;
    for (char c : text) {
        // Cut before a character, never inside one.
        const bool continuation = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
        if (clean.size() >= kLongestCell && !continuation) break;
        if (IsSpace(c)) {
            pendingSpace = !clean.empty();
            continue;
        }
        if (pendingSpace) clean += ' ';
        pendingSpace = false;
        clean += c;
    }
    return clean;
}

bool AddRow(Sheet& sheet, int number, std::vector<std::string> cells) {
    if (cells.size() > static_cast<std::size_t>(kMostColumns)) cells.resize(kMostColumns);
    for (std::string& cell : cells) cell = CleanCell(cell);
    while (!cells.empty() && cells.back().empty()) cells.pop_back();
    if (cells.empty()) return true;
    if (sheet.rows.size() >= static_cast<std::size_t>(kMostRows)) {
        sheet.error = "tabulka má víc než " + std::to_string(kMostRows) + " vyplněných řádků";
        return false;
    }
    for (const std::string& cell : cells) sheet.textBytes += cell.size();
    if (sheet.textBytes > kMostSheetText) {
        sheet.error = "tabulka má víc než " + std::to_string(kMostSheetText / (1024 * 1024)) +
                      " MB textu";
        return false;
    }
    sheet.rows.push_back({number, std::move(cells)});
    return true;
}

}  // namespace sets
