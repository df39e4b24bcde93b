#include "ods_reader.h"

#include "number_text.h"
#include "xml_parts.h"
#include "zip_parts.h"

#include <algorithm>

namespace sets {

namespace {
constexpr std::int64_t kLastSheetRow = 1048576;

int Repeats(const pugi::xml_node& node, const char* attribute) {
    const unsigned long long count = node.attribute(attribute).as_ullong(1);
    return static_cast<int>(std::clamp<unsigned long long>(count, 1, kLastSheetRow));
}

// The text a paragraph shows: its text, spans and links, with <text:s> as its spaces and
// tabs and line breaks as one space. Walked without recursion.
void AppendParagraph(const pugi::xml_node& paragraph, std::string& text) {
    pugi::xml_node at = paragraph.first_child();
    while (at) {
        if (at.type() == pugi::node_pcdata) {
            text += at.value();
        } else if (LocalName(at) == "s") {
            text.append(std::min(Repeats(at, "text:c"), 64), ' ');
        } else if (LocalName(at) == "tab" || LocalName(at) == "line-break") {
            text += ' ';
        } else if (LocalName(at) != "note" && at.first_child()) {
            at = at.first_child();  // a span or a link: its text counts; a comment's does not
            continue;
        }
        if (text.size() > kLongestCell) return;
        while (at && !at.next_sibling() && at != paragraph) at = at.parent();
        if (!at || at == paragraph) return;
        at = at.next_sibling();
    }
}

std::string CellValue(const pugi::xml_node& cell) {
    const std::string_view type = cell.attribute("office:value-type").value();
    if (type == "float") return NumberAsShown(cell.attribute("office:value").value());
    std::string text;
    for (pugi::xml_node child : cell.children()) {
        if (LocalName(child) != "p") continue;
        if (!text.empty()) text += ' ';
        AppendParagraph(child, text);
        if (text.size() > kLongestCell) break;
    }
    return CleanCell(text);  // cut before it is repeated
}

bool IsMerged(const pugi::xml_node& cell) {
    return LocalName(cell) == "covered-table-cell" ||
           cell.attribute("table:number-columns-spanned").as_int(1) > 1 ||
           cell.attribute("table:number-rows-spanned").as_int(1) > 1;
}

class TablePart {
public:
    explicit TablePart(Sheet& sheet) : sheet_(sheet) {}

    // Rows may stand in header rows and (nested) row groups: walked without recursion.
    void Read(const pugi::xml_node& table) {
        pugi::xml_node at = table.first_child();
        while (at && sheet_.error.empty()) {
            const std::string_view name = LocalName(at);
            if (name == "table-row") {
                ReadRow(at);
            } else if ((name == "table-header-rows" || name == "table-rows" ||
                        name == "table-row-group") && at.first_child()) {
                at = at.first_child();
                continue;
            }
            while (at && !at.next_sibling() && at != table) at = at.parent();
            if (!at || at == table) return;
            at = at.next_sibling();
        }
    }

private:
    void ReadRow(const pugi::xml_node& row) {
        const int repeats = Repeats(row, "table:number-rows-repeated");
        std::vector<std::string> cells;
        if (!Cells(row, cells)) return;
        const bool empty = std::all_of(cells.begin(), cells.end(),
                                       [](const std::string& cell) { return cell.empty(); });
        for (int i = 0; i < repeats && !empty; ++i) {
            if (!AddRow(sheet_, static_cast<int>(std::min(number_ + 1 + i, kLastSheetRow)), cells))
                return;
        }
        number_ = std::min(number_ + repeats, kLastSheetRow);
    }

    bool Cells(const pugi::xml_node& row, std::vector<std::string>& cells) {
        for (pugi::xml_node cell : row.children()) {
            const std::string_view name = LocalName(cell);
            if (name != "table-cell" && name != "covered-table-cell") continue;
            std::string value = CellValue(cell);
            if (IsMerged(cell) && (!value.empty() || name == "covered-table-cell")) {
                sheet_.error = "list má sloučené buňky (řádek " + std::to_string(number_ + 1) +
                               "); zrušte sloučení, každá otázka má své čtyři buňky";
                return false;
            }
            const int repeats = Repeats(cell, "table:number-columns-repeated");
            const int room = kMostColumns - static_cast<int>(cells.size());
            for (int i = 0; i < std::min(repeats, room); ++i) cells.push_back(value);
            if (room <= 0) break;
        }
        return true;
    }

    Sheet& sheet_;
    std::int64_t number_ = 0;
};

bool IsEncrypted(ZipParts& zip) {
    std::string manifest;
    if (!zip.Has("META-INF/manifest.xml") || !zip.Read("META-INF/manifest.xml", manifest))
        return false;
    return manifest.find("encryption-data") != std::string::npos;
}
}  // namespace

Sheet ReadOds(std::string_view bytes) {
    Sheet sheet;
    ZipParts zip(bytes);
    sheet.error = zip.Error();
    if (sheet.error.empty() && IsEncrypted(zip))
        sheet.error = "soubor je chráněný heslem; uložte ho bez hesla";
    std::string content;
    if (sheet.error.empty() && !zip.Read("content.xml", content)) sheet.error = zip.Error();
    pugi::xml_document document;
    if (sheet.error.empty()) sheet.error = ParsePart(document, content, "content.xml");
    if (!sheet.error.empty()) return sheet;
    const pugi::xml_node spreadsheet =
        ChildNamed(ChildNamed(ChildNamed(document, "document-content"), "body"), "spreadsheet");
    const pugi::xml_node table = ChildNamed(spreadsheet, "table");
    if (!spreadsheet) {
        sheet.error = "soubor není tabulka (dokument .ods bez sešitu)";
    } else if (table) {
        TablePart(sheet).Read(table);
    }
    if (sheet.error.empty() && sheet.rows.empty()) sheet.error = "první list je prázdný";
    return sheet;
}

}  // namespace sets
