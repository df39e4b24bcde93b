// A question set's file read into a sheet by its kind (.csv, .xlsx, .ods, any case), within
// the size limit: a file over kLargestSetFile bytes is refused unread.
#pragma once

#include "sheet.h"

#include <string>

namespace sets {

// The file name's extension in lower case, with its dot (".xlsx"); empty without one.
std::string LowerExtension(const std::string& path);
// Whether the file name ends in an extension a sheet reader takes.
bool IsSheetFile(const std::string& path);
Sheet ReadSheetFile(const std::string& path);
// The same for bytes already read; `path` only names the kind.
Sheet ReadSheetBytes(const std::string& path, std::string_view bytes);

}  // namespace sets
