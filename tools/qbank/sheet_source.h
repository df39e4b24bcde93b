// Question sets typed in a spreadsheet (.csv, .xlsx, .ods) as question sources: one question
// a row (the question, the correct answer, two wrong answers) and an optional fifth column,
// the topic; a row without one takes the file's name as its topic. A header row is
// recognised and skipped. Every line number of such a source is the row's number, so the
// checks speak of rows as the spreadsheet numbers them.
#pragma once

#include "sets/sheet.h"
#include "source.h"

#include <string>
#include <vector>

namespace qbank {

constexpr int kTopicColumn = kFields;

// The sheet's questions, one source a topic in the order the topics first appear; a sheet
// that could not be read, or whose shape is not the one above, gives one source holding only
// that problem.
std::vector<SourceFile> SheetSources(const std::string& path, const sets::Sheet& sheet);

// Any source by its file name: a spreadsheet as above, anything else as our text format.
std::vector<SourceFile> ReadSources(const std::string& path);

// Whether the row is a header: its first cell says "Otázka" or "Question".
bool IsHeaderRow(const sets::SheetRow& row);

}  // namespace qbank
