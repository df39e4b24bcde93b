#include "csv_reader.h"

#include "../platform/platform.h"

namespace sets {

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD as UTF-8

bool IsValidUtf8(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        // Malformed bytes decode to U+FFFD; the character itself may stand in the text.
        if (platform::NextUtf8CodePoint(text, pos) == 0xFFFD &&
            text.substr(start, kReplacement.size()) != kReplacement) {
            return false;
        }
    }
    return true;
}

// Text as UTF-8: a byte order mark or valid UTF-8 says UTF-8, anything else is the
// Windows-1250 that a Czech spreadsheet writes.
std::string AsUtf8(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) return std::string(bytes.substr(kByteOrderMark.size()));
    if (IsValidUtf8(bytes)) return std::string(bytes);
    return platform::Cp1250ToUtf8(bytes);
}

class CsvParser {
public:
    CsvParser(std::string_view text, Sheet& sheet)
        : text_(text), sheet_(sheet), separator_(CsvSeparator(text)) {}

    void Run() {
        while (pos_ < text_.size() && sheet_.error.empty()) ReadRecord();
    }

private:
    void ReadRecord() {
        const int number = ++records_;
        std::vector<std::string> cells(1);
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '"' && cells.back().empty() && !ReadQuoted(cells.back())) return;
            if (pos_ >= text_.size()) break;
            const char next = text_[pos_++];
            if (next == '\n') break;
            if (next == '\r') continue;
            if (next == separator_) {
                if (cells.size() <= static_cast<std::size_t>(kMostColumns)) cells.emplace_back();
                else cells.back().clear();
            } else if (cells.back().size() <= kLongestCell) {
                cells.back() += next;
            }
        }
        AddRow(sheet_, number, std::move(cells));
    }

    // Reads a quoted cell from its opening quote up to the closing one; false, with the
    // sheet's error set, when the file ends inside it.
    bool ReadQuoted(std::string& cell) {
        const int startRecord = records_;
        ++pos_;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c != '"') {
                if (cell.size() <= kLongestCell) cell += c;
                continue;
            }
            if (pos_ < text_.size() && text_[pos_] == '"') {
                cell += '"';
                ++pos_;
                continue;
            }
            return true;
        }
        sheet_.error = "řádek " + std::to_string(startRecord) +
                       ": uvozovky otevřené v buňce se do konce souboru nezavřou";
        return false;
    }

    std::string_view text_;
    Sheet& sheet_;
    char separator_;
    std::size_t pos_ = 0;
    int records_ = 0;
};
}  // namespace

char CsvSeparator(std::string_view text) {
    bool quoted = false;
    bool comma = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n') break;
        if (c == ';') return ';';
        comma = comma || c == ',';
    }
    return comma ? ',' : ';';
}

Sheet ReadCsv(std::string_view bytes) {
    Sheet sheet;
    const std::string text = AsUtf8(bytes);
    CsvParser(text, sheet).Run();
    if (sheet.error.empty() && sheet.rows.empty()) sheet.error = "soubor neobsahuje žádný vyplněný řádek";
    return sheet;
}

}  // namespace sets
