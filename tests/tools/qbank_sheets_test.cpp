#include "qbank/checks.h"
#include "qbank/commands.h"
#include "qbank/sheet_import.h"
#include "qbank/sheet_source.h"
#include "sets/sheet_writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using testing_support::ScratchFolder;

sets::Sheet SheetOf(std::vector<std::vector<std::string>> rows) {
    sets::Sheet sheet;
    for (std::size_t i = 0; i < rows.size(); ++i) sets::AddRow(sheet, static_cast<int>(i) + 1, rows[i]);
    return sheet;
}

std::vector<std::string> Question(int n, std::string topic = "") {
    const std::string s = std::to_string(n);
    std::vector<std::string> row = {"Kolik je " + s + " krát tři?", std::to_string(3 * n),
                                    std::to_string(3 * n + 7), std::to_string(3 * n + 19)};
    if (!topic.empty()) row.push_back(topic);
    return row;
}

TEST(QbankSheets, RowsBecomeQuestionsWithTheirRowNumbersAndTopics) {
    const auto files = qbank::SheetSources(
        "dir/Moje_sada.xlsx",
        SheetOf({{"Otázka", "Správná odpověď", "Špatná", "Špatná"}, Question(1), Question(2, "Zeměpis"),
                 Question(3)}));
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].topic, "Moje sada") << "a row without a topic takes the file's name";
    EXPECT_EQ(files[0].topicLine, 0);
    ASSERT_EQ(files[0].questions.size(), 2u);
    EXPECT_EQ(files[0].questions[1].lines, (std::array<int, 4>{4, 4, 4, 4}));
    EXPECT_EQ(files[1].topic, "Zeměpis");
    EXPECT_EQ(files[1].topicLine, 3);
    EXPECT_EQ(files[1].questions[0].fields[1], "6");
}

TEST(QbankSheets, ASheetOfAnotherShapeIsOneProblemNamingIt) {
    auto only = [](const sets::Sheet& sheet) {
        const auto files = qbank::SheetSources("s.csv", sheet);
        EXPECT_EQ(files.size(), 1u);
        EXPECT_TRUE(files[0].questions.empty());
        return files[0].problems.at(0).message;
    };
    EXPECT_TRUE(only(SheetOf({{"a", "b"}, {"c", "d"}})).starts_with("tabulka má jen 2 sloupce; "));
    EXPECT_TRUE(only(SheetOf({std::vector<std::string>(10, "x")})).starts_with("tabulka má 10 sloupců; "));
    EXPECT_NE(only(SheetOf({{"Otázka", "Správná"}})).find("jen záhlaví"), std::string::npos);
    sets::Sheet broken;
    broken.error = "soubor je poškozený";
    EXPECT_EQ(only(broken), "soubor je poškozený");
}

TEST(QbankSheets, ChecksNameRowsAndOnlyTheGoodQuestionsAreKept) {
    const auto files = qbank::SheetSources(
        "s.ods", SheetOf({Question(1), Question(2), {"Prázdná odpověď", "", "a", "b"}, Question(1),
                          {"Stejné", "ano", "ANO", "ne"}, {"Znak ☃", "a", "b", "c"}}));
    qbank::CheckOptions options;
    options.fit = false;
    const qbank::CheckedQuestions checked = qbank::CheckSources(files, options);
    std::vector<int> rows;
    for (const qbank::Problem& problem : checked.problems) rows.push_back(problem.line);
    EXPECT_EQ(rows, (std::vector<int>{3, 4, 5, 6}));
    const auto good = qbank::GoodQuestions(checked);
    ASSERT_EQ(good.size(), 2u);
    EXPECT_EQ(good[0]->source->lines[0], 1) << "the first of two equal questions stays";
    EXPECT_EQ(good[1]->source->lines[0], 2);
}

TEST(QbankSheets, ImportWritesTheGoodQuestionsAndExportWritesAQuestionFileBack) {
    ScratchFolder folder;
    sets::TextRows rows = {sets::HeaderRow()};
    for (int i = 1; i <= 40; ++i) rows.push_back(Question(i, i % 2 ? "Liché" : "Sudé"));
    rows.push_back({"Vadná", "", "", ""});
    ASSERT_EQ(sets::WriteSheet(folder / "sada.xlsx", rows), "");
    qbank::CompileOptions import;
    import.sources = {folder / "sada.xlsx"};
    import.output = folder / "sada.txt";
    import.fit = false;
    std::ostringstream out, err;
    EXPECT_EQ(qbank::Import(import, out, err), 1) << "a row was left out";
    EXPECT_NE(err.str().find("sada.xlsx:42: the correct answer is empty"), std::string::npos) << err.str();
    EXPECT_TRUE(folder.Read("sada.txt").starts_with("# téma: Liché\n\nKolik je 1 krát"));

    qbank::CompileOptions compile = import;
    compile.sources = {folder / "sada.txt", folder / "sada-2.txt"};
    compile.output = folder / "Data/otazky4.crp";
    ASSERT_EQ(qbank::Compile(compile, out, err), 0) << err.str();
    ASSERT_EQ(qbank::Export(compile.output, folder / "zpět.ods", out, err), 0) << err.str();
    const auto back = qbank::ReadSources(folder / "zpět.ods");
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].questions.size() + back[1].questions.size(), 40u);
    EXPECT_TRUE(back[0].topic == "Liché" || back[0].topic == "Sudé") << back[0].topic;
}

}  // namespace
