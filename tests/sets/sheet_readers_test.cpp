#include "sets/csv_reader.h"
#include "sets/ods_reader.h"
#include "sets/sheet_file.h"
#include "sets/sheet_writer.h"
#include "sets/xlsx_reader.h"
#include "sheet_files.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using sets::Sheet;
using sets_testing::OdsText;
using sets_testing::OdsWith;
using sets_testing::XlsxWith;
using Cells = std::vector<std::string>;
using testing_support::ScratchFolder;

bool Mentions(const Sheet& sheet, const std::string& words) {
    return sheet.error.find(words) != std::string::npos;
}

TEST(CsvReader, CzechAndEnglishDialectsGiveTheSameCells) {
    // A Czech spreadsheet: ";" and Windows-1250 ("Žluťoučký kůň" in that code page).
    const Sheet czech = sets::ReadCsv("Ot\xE1zka;Odpov\xEC\xEF\r\n\x8Elu\x9Dou\xE8k\xFD;k\xF9\xF2\r\n");
    // An English one: "," and UTF-8 behind a byte order mark, a quoted cell with the
    // separator, a doubled quote and a line break inside.
    const Sheet english = sets::ReadCsv(
        "\xEF\xBB\xBFQuestion,Answer\n\"Žluťoučký, \"\"kůň\"\"\nběží\",kůň\n\n3,4\n");
    ASSERT_TRUE(czech.error.empty()) << czech.error;
    ASSERT_EQ(czech.rows.size(), 2u);
    EXPECT_EQ(czech.rows[0].cells, (Cells{"Otázka", "Odpověď"}));
    EXPECT_EQ(czech.rows[1].cells, (Cells{"Žluťoučký", "kůň"}));
    ASSERT_TRUE(english.error.empty()) << english.error;
    ASSERT_EQ(english.rows.size(), 3u);
    EXPECT_EQ(english.rows[1].cells, (Cells{"Žluťoučký, \"kůň\" běží", "kůň"}));
    EXPECT_EQ(english.rows[1].number, 2);
    EXPECT_EQ(english.rows[2].number, 4) << "the empty record still counts as a row";
    EXPECT_TRUE(sets::ReadCsv("a;b;c\n\"x\n").error.starts_with("řádek 2:"));
    EXPECT_FALSE(sets::ReadCsv("\n;;\n").error.empty()) << "no filled row";
}

TEST(CsvReader, TheSeparatorIsTheOneTheFirstLineUsesOutsideQuotes) {
    EXPECT_EQ(sets::CsvSeparator("\"a;b;c\",d,e\nx;y;z;w"), ',');
    EXPECT_EQ(sets::CsvSeparator("Kolik je 1,5 + 1?;2,5;3"), ';');
    EXPECT_EQ(sets::CsvSeparator("1,5;2,5;3,5"), ';') << "decimal commas in a Czech file";
    EXPECT_EQ(sets::CsvSeparator("one cell"), ';');
}

TEST(XlsxReader, SharedStringsInlineTextNumbersAndCachedFormulas) {
    const std::string data =
        "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c></row>"
        "<row r=\"3\"><c r=\"A3\" t=\"inlineStr\"><is><t>Kolik je pí?</t></is></c>"
        "<c r=\"B3\"><v>3.1400000000000001</v></c><c r=\"D3\"><f>1+1</f><v>2</v></c>"
        "<c r=\"E3\" t=\"str\"><f>A1</f><v>Téma</v></c><c r=\"F3\" t=\"s\"><v>99</v></c></row>";
    const std::string strings =
        "<si><t>Otázka</t></si><si><r><t>Správná </t></r><r><t>odpověď</t></r>"
        "<rPh><t>x</t></rPh></si>";
    const Sheet sheet = sets::ReadXlsx(XlsxWith(data, strings));
    ASSERT_TRUE(sheet.error.empty()) << sheet.error;
    ASSERT_EQ(sheet.rows.size(), 2u);
    EXPECT_EQ(sheet.rows[0].cells, (Cells{"Otázka", "Správná odpověď"}));
    EXPECT_EQ(sheet.rows[1].number, 3);
    EXPECT_EQ(sheet.rows[1].cells, (Cells{"Kolik je pí?", "3,14", "", "2", "Téma"}))
        << "a shared string out of range is an empty cell";
    EXPECT_EQ(sets::ColumnOfReference("AA12"), 26);
    EXPECT_EQ(sets::ColumnOfReference("12"), -1);
}

TEST(OdsReader, RepeatedColumnsAndRowsFormulasNumbersAndSpacing) {
    const std::string rows =
        "<table:table-header-rows><table:table-row>" + OdsText("Otázka") +
        OdsText("Odpověď") + "</table:table-row></table:table-header-rows>"
        "<table:table-row table:number-rows-repeated=\"3\"><table:table-cell "
        "table:number-columns-repeated=\"1024\"/></table:table-row>"
        "<table:table-row>" + OdsText("<text:span>Dva</text:span><text:s text:c=\"2\"/>a dva") +
        "<table:table-cell table:formula=\"of:=2+2\" office:value-type=\"float\" "
        "office:value=\"4\" calcext:value-type=\"float\"><text:p>4</text:p></table:table-cell>"
        "<table:table-cell office:value-type=\"float\" office:value=\"0.5\"><text:p>0,50 Kč"
        "</text:p></table:table-cell>" +
        OdsText("x", " table:number-columns-repeated=\"2\"") +
        "<table:table-cell table:number-columns-repeated=\"16000\"/></table:table-row>"
        "<table:table-row table:number-rows-repeated=\"1048000\"><table:table-cell/>"
        "</table:table-row>";
    const Sheet sheet = sets::ReadOds(OdsWith(rows));
    ASSERT_TRUE(sheet.error.empty()) << sheet.error;
    ASSERT_EQ(sheet.rows.size(), 2u);
    EXPECT_EQ(sheet.rows[0].cells, (Cells{"Otázka", "Odpověď"}));
    EXPECT_EQ(sheet.rows[1].number, 5);
    EXPECT_EQ(sheet.rows[1].cells, (Cells{"Dva a dva", "4", "0,5", "x", "x"}));
}

TEST(SheetReaders, DamagedProtectedMergedOrEmptyFilesSayWhatIsWrong) {
    const std::string good = sets::XlsxBytes({{"Otázka", "A", "B", "C"}});
    std::string cut = good.substr(0, good.size() / 2);
    std::string flipped = good;
    flipped[flipped.size() / 3] ^= 0x55;
    EXPECT_FALSE(sets::ReadXlsx(cut).error.empty());
    EXPECT_FALSE(sets::ReadXlsx(flipped).error.empty());
    EXPECT_TRUE(Mentions(sets::ReadXlsx("just text"), "není tabulka"));
    EXPECT_TRUE(Mentions(sets::ReadXlsx(XlsxWith("<row><c t=\"s\"><v>0</v></c></row></bad>")),
                         "je poškozená (XML"));
    EXPECT_TRUE(Mentions(sets::ReadXlsx(std::string("\xD0\xCF\x11\xE0rest", 8)), "heslem"));
    EXPECT_TRUE(Mentions(sets::ReadOds(OdsWith(OdsText("a"), "<manifest:encryption-data/>")),
                         "heslem"));
    EXPECT_TRUE(Mentions(sets::ReadXlsx(XlsxWith("<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>a"
                                                 "</t></is></c></row>",
                                                 "", "<mergeCells count=\"1\"><mergeCell "
                                                 "ref=\"A1:B1\"/></mergeCells>")),
                         "sloučené buňky (A1:B1)"));
    EXPECT_TRUE(Mentions(sets::ReadOds(OdsWith("<table:table-row>" +
                                               OdsText("a", " table:number-columns-spanned=\"2\"") +
                                               "<table:covered-table-cell/></table:table-row>")),
                         "sloučené buňky (řádek 1)"));
    EXPECT_TRUE(Mentions(sets::ReadXlsx(XlsxWith("")), "prázdný"));
    EXPECT_TRUE(Mentions(sets::ReadOds(OdsWith("")), "prázdný"));
    EXPECT_TRUE(Mentions(sets::ReadOds(sets::ZipBytes({{"mimetype", "x"}})), "content.xml"));
}

TEST(SheetReaders, AZipBombAndRepeatedTextAreRefusedBeforeTheyFillMemory) {
    const std::string zeros(static_cast<std::size_t>(sets::kLargestUnpacked) + 1, '\0');
    const std::string bomb = sets::ZipBytes({{"content.xml", zeros}});
    ASSERT_LT(bomb.size(), 1024u * 1024u);
    EXPECT_TRUE(Mentions(sets::ReadOds(bomb), "50 MB"));
    // A small file whose long text repeats a million times fills no gigabytes either.
    const std::string repeated = "<table:table-row table:number-rows-repeated=\"1000000\">" +
                                 OdsText(std::string(5000, 'x'), " table:number-columns-repeated=\"99\"") +
                                 "</table:table-row>";
    EXPECT_TRUE(Mentions(sets::ReadOds(OdsWith(repeated)), "16 MB textu"));
}

TEST(SheetFiles, LargeUnreadableAndUnknownFilesAreRefusedUnread) {
    ScratchFolder folder;
    std::filesystem::create_directories(folder / "složka.csv");
    EXPECT_TRUE(Mentions(sets::ReadSheetFile(folder / "složka.csv"), "nedá přečíst"));
    EXPECT_TRUE(Mentions(sets::ReadSheetFile(folder / "chybí.ods"), "nedá přečíst"));
    folder.Write("velká.xlsx", "");
    std::filesystem::resize_file(folder / "velká.xlsx", sets::kLargestSetFile + 1);
    EXPECT_TRUE(Mentions(sets::ReadSheetFile(folder / "velká.xlsx"), "10 MB"));
    EXPECT_TRUE(sets::IsSheetFile("Sada.XLSX"));
    EXPECT_FALSE(sets::IsSheetFile("sada.xls"));
}

TEST(SheetWriter, WhatItWritesReadsBackInEveryFormat) {
    ScratchFolder folder;
    const sets::TextRows rows = {sets::HeaderRow(),
                                 {"Co je \"<&>\"?", "znaky", "; a ,", "", "Téma"}};
    for (const std::string name : {"s.xlsx", "s.ods", "s.csv"}) {
        ASSERT_EQ(sets::WriteSheet(folder / name, rows), "") << name;
        const Sheet sheet = sets::ReadSheetFile(folder / name);
        ASSERT_TRUE(sheet.error.empty()) << name << ": " << sheet.error;
        ASSERT_EQ(sheet.rows.size(), 2u) << name;
        EXPECT_EQ(sheet.rows[0].cells, rows[0]) << name;
        EXPECT_EQ(sheet.rows[1].cells, rows[1]) << name;
    }
    EXPECT_FALSE(sets::WriteSheet(folder / "s.txt", rows).empty());
}

}  // namespace
