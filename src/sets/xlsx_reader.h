// A question set saved as .xlsx: the first sheet's text and number cells (a number as the
// spreadsheet shows it, a formula by the value it last computed). Merged cells are refused:
// a merged question or answer cannot say which row it belongs to.
#pragma once

#include "sheet.h"

#include <string_view>

namespace sets {

Sheet ReadXlsx(std::string_view bytes);

// "C7" -> 2: the 0-based column of a cell reference; -1 when it names none.
int ColumnOfReference(std::string_view reference);

}  // namespace sets
