// A question set saved as .ods: the first table's text and number cells (a number as a Czech
// spreadsheet shows it, a formula by the value it last computed). Repeated rows and columns
// are expanded only as far as they hold something; merged cells are refused.
#pragma once

#include "sheet.h"

#include <string_view>

namespace sets {

Sheet ReadOds(std::string_view bytes);

}  // namespace sets
