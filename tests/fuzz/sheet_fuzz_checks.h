// Shared by the spreadsheet fuzz targets: what every sheet a reader returns must hold, and the
// questions made from it run through every check.
#pragma once

#include "fuzz_support.h"
#include "qbank/checks.h"
#include "qbank/sheet_import.h"
#include "qbank/sheet_source.h"
#include "sets/sheet.h"

namespace fuzzing {

inline void CheckSheet(const sets::Sheet& sheet) {
    Require(sheet.error.empty() || sheet.rows.empty() || sheet.rows.size() <= sets::kMostRows,
            "a refused sheet holds no more rows than the limit");
    Require(!sheet.error.empty() || !sheet.rows.empty(), "an empty sheet says so");
    int previous = 0;
    for (const sets::SheetRow& row : sheet.rows) {
        Require(row.number > previous, "rows come in order, each once");
        previous = row.number;
        Require(!row.cells.empty() && !row.cells.back().empty(), "rows end in a filled cell");
        Require(row.cells.size() <= sets::kMostColumns, "rows hold at most the column limit");
        for (const std::string& cell : row.cells)
            Require(cell.size() <= sets::kLongestCell + 4, "cells are cut to the limit");
    }
    const auto files = qbank::SheetSources("fuzz.sheet", sheet);
    qbank::CheckOptions options;
    options.fit = false;  // the text measure needs fonts and is not what is fuzzed here
    const qbank::CheckedQuestions checked = qbank::CheckSources(files, options);
    Require(qbank::GoodQuestions(checked).size() <= checked.questions.size(),
            "the good questions are among the questions");
}

}  // namespace fuzzing
