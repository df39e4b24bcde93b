// Rows of text written as a spreadsheet our readers and the common spreadsheets open: .xlsx
// (inline strings), .ods, or .csv (";", UTF-8 with a byte order mark, every cell quoted). The
// template and `qbank export` use it.
#pragma once

#include <string>
#include <vector>

namespace sets {

using TextRows = std::vector<std::vector<std::string>>;  // UTF-8 cells

std::string XlsxBytes(const TextRows& rows);
std::string OdsBytes(const TextRows& rows);
std::string CsvBytes(const TextRows& rows);

// Writes the kind the file name ends in (.xlsx, .ods, .csv); empty when written, else why not
// (Czech).
std::string WriteSheet(const std::string& path, const TextRows& rows);

// The header row every set may start with.
std::vector<std::string> HeaderRow();

}  // namespace sets
