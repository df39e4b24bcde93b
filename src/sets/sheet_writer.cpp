#include "sheet_writer.h"

#include "sheet_file.h"
#include "zip_writer.h"

#include <fstream>

namespace sets {

namespace {
constexpr const char* kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
constexpr const char* kSheetName = "Otázky";

// Text as XML character data; control characters, which XML cannot hold, are left out.
std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
        }
    }
    return out;
}

std::string ColumnLetter(std::size_t column) { return std::string(1, static_cast<char>('A' + column)); }

std::string XlsxSheet(const TextRows& rows) {
    std::string xml = kXmlDeclaration;
    xml += "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
           "<cols><col min=\"1\" max=\"5\" width=\"40\" customWidth=\"1\"/></cols><sheetData>";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::string number = std::to_string(r + 1);
        xml += "<row r=\"" + number + "\">";
        for (std::size_t c = 0; c < rows[r].size() && c < 26; ++c) {
            xml += "<c r=\"" + ColumnLetter(c) + number + "\" t=\"inlineStr\"><is><t xml:space=\"preserve\">" +
                   Escaped(rows[r][c]) + "</t></is></c>";
        }
        xml += "</row>";
    }
    return xml + "</sheetData></worksheet>";
}

std::string OdsContent(const TextRows& rows) {
    std::string xml = kXmlDeclaration;
    xml += "<office:document-content "
           "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
           "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
           "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" office:version=\"1.2\">"
           "<office:body><office:spreadsheet><table:table table:name=\"" +
           std::string(kSheetName) + "\">";
    for (const std::vector<std::string>& row : rows) {
        xml += "<table:table-row>";
        for (const std::string& cell : row) {
            xml += "<table:table-cell office:value-type=\"string\"><text:p>" + Escaped(cell) +
                   "</text:p></table:table-cell>";
        }
        xml += "</table:table-row>";
    }
    return xml + "</table:table></office:spreadsheet></office:body></office:document-content>";
}

std::string Quoted(const std::string& cell) {
    std::string out = "\"";
    for (char c : cell) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}
}  // namespace

std::string XlsxBytes(const TextRows& rows) {
    const std::string relations = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    const std::string package = "http://schemas.openxmlformats.org/package/2006/relationships";
    const std::string types =
        std::string(kXmlDeclaration) +
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" "
        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/xl/workbook.xml\" ContentType=\"application/"
        "vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
        "<Override PartName=\"/xl/worksheets/sheet1.xml\" ContentType=\"application/"
        "vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/></Types>";
    const std::string rootRelations =
        std::string(kXmlDeclaration) + "<Relationships xmlns=\"" + package +
        "\"><Relationship Id=\"rId1\" Type=\"" + relations +
        "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
    const std::string workbook =
        std::string(kXmlDeclaration) +
        "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"" + relations + "\"><sheets><sheet name=\"" + kSheetName +
        "\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
    const std::string workbookRelations =
        std::string(kXmlDeclaration) + "<Relationships xmlns=\"" + package +
        "\"><Relationship Id=\"rId1\" Type=\"" + relations +
        "/worksheet\" Target=\"worksheets/sheet1.xml\"/></Relationships>";
    return ZipBytes({{"[Content_Types].xml", types},
                     {"_rels/.rels", rootRelations},
                     {"xl/workbook.xml", workbook},
                     {"xl/_rels/workbook.xml.rels", workbookRelations},
                     {"xl/worksheets/sheet1.xml", XlsxSheet(rows)}});
}

std::string OdsBytes(const TextRows& rows) {
    const std::string mediaType = "application/vnd.oasis.opendocument.spreadsheet";
    const std::string manifest =
        std::string(kXmlDeclaration) +
        "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
        "manifest:version=\"1.2\"><manifest:file-entry manifest:full-path=\"/\" "
        "manifest:version=\"1.2\" manifest:media-type=\"" + mediaType +
        "\"/><manifest:file-entry manifest:full-path=\"content.xml\" "
        "manifest:media-type=\"text/xml\"/></manifest:manifest>";
    return ZipBytes({{"mimetype", mediaType},
                     {"META-INF/manifest.xml", manifest},
                     {"content.xml", OdsContent(rows)}});
}

std::string CsvBytes(const TextRows& rows) {
    std::string csv = "\xEF\xBB\xBF";
    for (const std::vector<std::string>& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) csv += (c ? ";" : "") + Quoted(row[c]);
        csv += "\r\n";
    }
    return csv;
}

std::string WriteSheet(const std::string& path, const TextRows& rows) {
    const std::string extension = LowerExtension(path);
    std::string bytes;
    if (extension == ".xlsx") bytes = XlsxBytes(rows);
    else if (extension == ".ods") bytes = OdsBytes(rows);
    else if (extension == ".csv") bytes = CsvBytes(rows);
    else return "tabulka se zapíše jen jako .xlsx, .ods nebo .csv";
    if (bytes.empty()) return "tabulku se nepodařilo sestavit";
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) return "soubor " + path + " se nedá zapsat";
    return {};
}

std::vector<std::string> HeaderRow() {
    return {"Otázka", "Správná odpověď", "Špatná odpověď", "Špatná odpověď", "Téma (nepovinné)"};
}

}  // namespace sets
