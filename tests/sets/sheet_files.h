// Spreadsheet files as LibreOffice and Excel write them, made by the tests from their parts:
// shared strings, number cells, repeated columns, formulas with cached values.
#pragma once

#include "sets/zip_writer.h"

#include <string>

namespace sets_testing {

inline std::string XlsxWith(const std::string& sheetData, const std::string& sharedStrings = "",
                            const std::string& afterData = "") {
    const std::string relations = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    std::vector<sets::ZipPart> parts = {
        {"xl/workbook.xml",
         "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
         "xmlns:r=\"" + relations + "\"><sheets><sheet name=\"List1\" sheetId=\"1\" "
         "r:id=\"rId7\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId7\" Type=\"" + relations + "/worksheet\" "
         "Target=\"worksheets/first.xml\"/></Relationships>"},
        {"xl/worksheets/first.xml",
         "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
         "<sheetData>" + sheetData + "</sheetData>" + afterData + "</worksheet>"}};
    if (!sharedStrings.empty()) {
        parts.push_back({"xl/sharedStrings.xml",
                         "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">" +
                             sharedStrings + "</sst>"});
    }
    return sets::ZipBytes(parts);
}

inline std::string OdsWith(const std::string& tableContent, const std::string& manifest = "") {
    return sets::ZipBytes(
        {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
         {"META-INF/manifest.xml",
          "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">" +
              manifest + "</manifest:manifest>"},
         {"content.xml",
          "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
          "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
          "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body>"
          "<office:spreadsheet><table:table table:name=\"List1\">" + tableContent +
              "</table:table></office:spreadsheet></office:body></office:document-content>"}});
}

// An ODS text cell.
inline std::string OdsText(const std::string& text, const std::string& attributes = "") {
    return "<table:table-cell office:value-type=\"string\"" + attributes + "><text:p>" + text +
           "</text:p></table:table-cell>";
}

}  // namespace sets_testing
