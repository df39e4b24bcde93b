// A question set as a table: the rows of a spreadsheet or a CSV file, each with the number
// the spreadsheet shows beside it and its cells as UTF-8 text. Every reader fills one of
// these or says in Czech what is wrong with the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sets {

constexpr std::int64_t kLargestSetFile = 10 * 1024 * 1024;     // bytes of the file itself
constexpr std::int64_t kLargestUnpacked = 50 * 1024 * 1024;    // bytes of a spreadsheet's parts
constexpr int kMostRows = 20000;    // far more than a set plays; a larger sheet is refused
constexpr int kMostColumns = 64;    // cells further right are left out
constexpr std::size_t kLongestCell = 4096;  // a longer cell is cut: no field holds that much
// All the cells' text together: repeated rows and shared strings could otherwise make a small
// file fill gigabytes.
constexpr std::size_t kMostSheetText = 16 * 1024 * 1024;

struct SheetRow {
    int number = 0;                  // 1-based, as the spreadsheet numbers its rows
    std::vector<std::string> cells;  // UTF-8, cleaned (CleanCell); no empty cell at the end
};

struct Sheet {
    std::vector<SheetRow> rows;  // only rows with something in them, in order
    std::string error;           // Czech, UTF-8; empty when the file was read
    std::size_t textBytes = 0;   // of every row's cells
};

// A cell's text with blanks and line breaks at both ends dropped and those inside made single
// spaces: a spreadsheet cell may hold a line break that no field of ours can.
std::string CleanCell(std::string_view text);

// Adds `cells` as row `number` unless every cell is empty; false with `sheet.error` set when
// the sheet would hold more than kMostRows rows or kMostSheetText bytes of text.
bool AddRow(Sheet& sheet, int number, std::vector<std::string> cells);

}  // namespace sets
