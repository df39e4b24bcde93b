// A question set saved as CSV. A Czech spreadsheet separates cells with ";" and writes
// Windows-1250, an English one uses "," and UTF-8 (often with a byte order mark); both are
// recognised from the text itself. Cells may be quoted ("a ""b"", c"), and a quoted cell may
// hold line breaks; the row number is the record's, as the spreadsheet showed it.
#pragma once

#include "sheet.h"

#include <string_view>

namespace sets {

Sheet ReadCsv(std::string_view bytes);

// The cell separator the text uses: ";" when its first line holds one outside quotes (a Czech
// text is full of commas: decimal ones, sentences), else "," when it holds one, else ";".
char CsvSeparator(std::string_view text);

}  // namespace sets
