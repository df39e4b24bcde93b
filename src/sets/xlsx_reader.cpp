#include "xlsx_reader.h"

#include "number_text.h"
#include "xml_parts.h"
#include "zip_parts.h"


namespace sets {

namespace {
constexpr std::string_view kOleMagic = "\xD0\xCF\x11\xE0";
constexpr int kLastSheetRow = 1048576;

// Every text run of an element, in order: <t> alone, or the <t> of each <r> of rich text.
// Phonetic runs (<rPh>) are left out.
std::string RunText(const pugi::xml_node& element) {
    if (const pugi::xml_node t = ChildNamed(element, "t")) return t.text().get();
    std::string text;
    for (pugi::xml_node run = element.first_child(); run; run = run.next_sibling()) {
        if (LocalName(run) == "r") text += ChildNamed(run, "t").text().get();
    }
    return text;
}

std::string ReadSharedStrings(ZipParts& zip, std::vector<std::string>& strings) {
    const std::string part = "xl/sharedStrings.xml";
    if (!zip.Has(part)) return {};
    std::string bytes;
    if (!zip.Read(part, bytes)) return zip.Error();
    pugi::xml_document document;
    if (std::string error = ParsePart(document, bytes, part); !error.empty()) return error;
    const pugi::xml_node table = ChildNamed(document, "sst");
    for (pugi::xml_node item = table.first_child(); item; item = item.next_sibling()) {
        if (LocalName(item) == "si") strings.push_back(CleanCell(RunText(item)));
    }
    return {};
}

// The first sheet's part, as the workbook and its relations name it.
std::string FirstSheetPart(ZipParts& zip, std::string& part) {
    std::string bytes;
    if (!zip.Read("xl/workbook.xml", bytes)) return zip.Error();
    pugi::xml_document workbook;
    if (std::string error = ParsePart(workbook, bytes, "xl/workbook.xml"); !error.empty())
        return error;
    const pugi::xml_node sheet =
        ChildNamed(ChildNamed(ChildNamed(workbook, "workbook"), "sheets"), "sheet");
    if (!sheet) return "sešit nemá žádný list";
    const std::string id = AttributeNamed(sheet, "id").value();
    if (!zip.Read("xl/_rels/workbook.xml.rels", bytes)) return zip.Error();
    pugi::xml_document relations;
    if (std::string error = ParsePart(relations, bytes, "xl/_rels/workbook.xml.rels");
        !error.empty())
        return error;
    for (pugi::xml_node relation : ChildNamed(relations, "Relationships").children()) {
        if (id != relation.attribute("Id").value()) continue;
        const std::string target = relation.attribute("Target").value();
        part = target.starts_with('/') ? target.substr(1) : "xl/" + target;
        return {};
    }
    return "sešit neříká, kde je jeho první list";
}

class SheetPart {
public:
    SheetPart(const std::vector<std::string>& strings, Sheet& sheet)
        : strings_(strings), sheet_(sheet) {}

    void Read(const pugi::xml_node& worksheet) {
        if (const pugi::xml_node merged = ChildNamed(ChildNamed(worksheet, "mergeCells"),
                                                     "mergeCell")) {
            sheet_.error = std::string("list má sloučené buňky (") +
                           merged.attribute("ref").value() +
                           "); zrušte sloučení, každá otázka má své čtyři buňky";
            return;
        }
        int number = 0;
        for (pugi::xml_node row : ChildNamed(worksheet, "sheetData").children()) {
            if (LocalName(row) != "row") continue;
            number = RowNumber(row, number);
            if (number < 0) return;
            if (!AddRow(sheet_, number, Cells(row))) return;
        }
    }

private:
    int RowNumber(const pugi::xml_node& row, int previous) {
        const pugi::xml_attribute stated = row.attribute("r");
        const int number = stated ? stated.as_int() : previous + 1;
        if (number <= previous || number > kLastSheetRow) {
            sheet_.error = "list je poškozený (řádek " + std::string(stated.value()) +
                           " po řádku " + std::to_string(previous) + ")";
            return -1;
        }
        return number;
    }

    std::vector<std::string> Cells(const pugi::xml_node& row) {
        std::vector<std::string> cells;
        for (pugi::xml_node cell : row.children()) {
            if (LocalName(cell) != "c") continue;
            const pugi::xml_attribute reference = cell.attribute("r");
            const int column = reference ? ColumnOfReference(reference.value())
                                         : static_cast<int>(cells.size());
            if (column < 0 || column >= kMostColumns) continue;
            if (cells.size() <= static_cast<std::size_t>(column)) cells.resize(column + 1);
            cells[column] = Value(cell);
        }
        return cells;
    }

    std::string Value(const pugi::xml_node& cell) const {
        const std::string_view type = cell.attribute("t").value();
        const char* stored = ChildNamed(cell, "v").text().get();
        if (type == "s") {
            const std::size_t index = ChildNamed(cell, "v").text().as_uint(~0u);
            return index < strings_.size() ? strings_[index] : std::string();
        }
        if (type == "inlineStr") return RunText(ChildNamed(cell, "is"));
        if (type == "b") return std::string_view(stored) == "1" ? "PRAVDA" : "NEPRAVDA";
        if (type == "str" || type == "e") return stored;
        return NumberAsShown(stored);
    }

    const std::vector<std::string>& strings_;
    Sheet& sheet_;
};
}  // namespace

int ColumnOfReference(std::string_view reference) {
    int column = 0;
    std::size_t letters = 0;
    while (letters < reference.size() && reference[letters] >= 'A' && reference[letters] <= 'Z') {
        column = column * 26 + (reference[letters] - 'A' + 1);
        if (++letters > 3) return -1;  // past XFD, the last column a sheet has
    }
    return letters == 0 ? -1 : column - 1;
}

Sheet ReadXlsx(std::string_view bytes) {
    Sheet sheet;
    if (bytes.starts_with(kOleMagic)) {
        sheet.error = "soubor je chráněný heslem, nebo je ve starém formátu .xls; "
                      "uložte ho bez hesla jako .xlsx";
        return sheet;
    }
    ZipParts zip(bytes);
    std::vector<std::string> strings;
    std::string part;
    sheet.error = zip.Error();
    if (sheet.error.empty()) sheet.error = ReadSharedStrings(zip, strings);
    if (sheet.error.empty()) sheet.error = FirstSheetPart(zip, part);
    std::string sheetBytes;
    if (sheet.error.empty() && !zip.Read(part, sheetBytes)) sheet.error = zip.Error();
    pugi::xml_document document;
    if (sheet.error.empty()) sheet.error = ParsePart(document, sheetBytes, part);
    if (sheet.error.empty()) SheetPart(strings, sheet).Read(ChildNamed(document, "worksheet"));
    if (sheet.error.empty() && sheet.rows.empty()) sheet.error = "první list je prázdný";
    return sheet;
}

}  // namespace sets
