// Spreadsheets to and from our formats: the questions that passed every check written as our
// text sources, and a compiled question file written as a spreadsheet.
#pragma once

#include "checks.h"
#include "sets/sheet_writer.h"

#include <string>
#include <vector>

namespace qbank {

// The questions no problem points at (a repeated question's later copy is left out, the
// first kept); problems of the whole set leave every question in.
std::vector<const EncodedQuestion*> GoodQuestions(const CheckedQuestions& checked);

// Our text format for `questions`, all of one topic (UTF-8).
std::string SourceText(const std::string& topic, const std::vector<const SourceQuestion*>& questions);

// A question file's lines (Windows-1250, four a question) as spreadsheet rows under the
// header, the topic of each record from `topics` (UTF-8, one per record) when it has one.
sets::TextRows QuestionRows(const std::vector<std::string>& lines,
                            const std::vector<std::string>& topics);

}  // namespace qbank
