// The score screen after a game and while browsing: the stored row, the ways a typed name is
// kept, and sorting, which changes only what is shown.
#include "controls/edit_field.h"
#include "controls/list_box.h"
#include "scores/score_files.h"
#include "scores/score_state.h"
#include "single_game_fixture.h"

#include <cstring>
#include <filesystem>
#include <string>

using game_testing::SinglePlayerTest;

namespace {

using ScoreScreenTest = SinglePlayerTest;

std::string Int32Bytes(int32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
    return bytes;
}

// One stored row: the name padded with zeros, four numbers, the date, reserved bytes and a
// zero percentage.
std::string RowBytes(const std::string& name, int32_t points, int32_t answered, int32_t wrong,
                     int32_t right, const std::string& date) {
    std::string row = name + std::string(28 - name.size(), '\0');
    row += Int32Bytes(points) + Int32Bytes(answered) + Int32Bytes(wrong) + Int32Bytes(right);
    row += date + std::string(9 - date.size(), '\0');
    row += std::string(7, '\0') + std::string(4, '\0');
    return row;
}

std::string EmptyRowBytes() { return RowBytes("", -100, 0, 0, 0, ""); }

std::string ColumnText(int32_t id, int row) {
    auto* column = dynamic_cast<ListBox*>(Interface::FindControl(id));
    return column && row < column->Count() ? column->ItemAt(row).text : "";
}

std::string NameShown(int row) {
    auto* field = dynamic_cast<EditField*>(Interface::FindControl(782 + row));
    return field ? field->Text() : "";
}

}  // namespace

TEST_F(ScoreScreenTest, AGameLeavesItsRowInTheFileByteForByte) {
    headless::SetTime(1796731200);  // 2026-12-08 12:00 UTC
    PlayClockGameToScores(1);
    headless::TypeText("Jana");
    headless::TypeText("\r");
    RunFor(100);
    std::string expected = RowBytes("Jana", 5, 2, 1, 1, "08/12/26");
    for (int row = 1; row < 10; ++row) expected += EmptyRowBytes();
    EXPECT_EQ(dir.Read("home/System/sp_fp2.sco"), expected);
    EXPECT_EQ(NameShown(0), "Jana");
    EXPECT_EQ(ColumnText(776, 0), "5");
    EXPECT_EQ(ColumnText(777, 0), "08/12/26");
}

TEST_F(ScoreScreenTest, ATypedNameIsKeptByPlayAgainAndByTheMainMenuButton) {
    for (int32_t button : {816, 775}) {
        Interface::SetState(StateMainMenu, false);
        RunFor(100);
        PlayClockGameToScores(0);
        headless::TypeText(button == 816 ? "Eva" : "Ota");
        Frame();
        ClickControl(button);
        EXPECT_EQ(Interface::GetState(), button == 816 ? StateForP : StateMainMenu);
        scores::ScoreTable table;
        ASSERT_TRUE(scores::LoadScoreTable(scores::kTableForP, table));
        // The second game ties with the first and goes below it.
        EXPECT_STREQ(table.rows[button == 816 ? 0 : 1].name, button == 816 ? "Eva" : "Ota");
    }
}

TEST_F(ScoreScreenTest, ATieGoesBelowTheOlderResult) {
    PlayClockGameToScores(0);
    headless::TypeText("Prvni\r");
    RunFor(100);
    ClickControl(775);
    RunFor(100);
    PlayClockGameToScores(0);
    EXPECT_EQ(scores::newScoreRow, 1);
    EXPECT_EQ(Interface::GetFocusId(), 783);
    EXPECT_EQ(NameShown(0), "Prvni");
}

TEST_F(ScoreScreenTest, SortingReordersTheRowsShownButNotTheFile) {
    // Points order: Ada 30 points of 10 questions (90 %), Bob 20 of 4 (100 %), Cyril 10 of 40.
    std::string table = RowBytes("Ada", 30, 10, 1, 9, "01/02/26") +
                        RowBytes("Bob", 20, 4, 0, 4, "02/02/26") +
                        RowBytes("Cyril", 10, 40, 30, 10, "03/02/26");
    for (int row = 3; row < 10; ++row) table += EmptyRowBytes();
    dir.Write("home/System/sp_fp2.sco", table);
    Interface::SetState(StateScores, false);
    RunFor(100);
    EXPECT_EQ(NameShown(0), "Ada");
    ClickControl(1073);  // by percentage
    EXPECT_EQ(NameShown(0), "Bob");
    EXPECT_EQ(ColumnText(776, 0), "20");
    EXPECT_EQ(ColumnText(779, 0), "4");
    EXPECT_EQ(NameShown(2), "Cyril");
    EXPECT_EQ(NameShown(3), "");
    ClickControl(1072);  // by points again
    EXPECT_EQ(NameShown(0), "Ada");
    EXPECT_EQ(dir.Read("home/System/sp_fp2.sco"), table);
}

TEST_F(ScoreScreenTest, ADamagedTableStillShowsAndTheNextGameWritesItWhole) {
    dir.Write("home/System/sp_fp2.sco", RowBytes("Ada", 30, 10, 1, 9, "01/02/26").substr(0, 64) +
                                            std::string(36, '\0'));  // 100 bytes
    Interface::SetState(StateScores, false);
    RunFor(100);
    EXPECT_EQ(NameShown(0), "Ada");
    EXPECT_EQ(ColumnText(776, 0), "30");
    Interface::SetState(StateMainMenu, false);
    RunFor(100);
    PlayClockGameToScores(0);
    EXPECT_EQ(scores::newScoreRow, 1);
    EXPECT_EQ(dir.Read("home/System/sp_fp2.sco").size(), 640u);
    EXPECT_EQ(NameShown(0), "Ada");
}

// Folders that cannot be written, in ways that hold even for root: a regular file where the
// System folder or the user folder itself should be.
TEST_F(ScoreScreenTest, AResultThatCannotBeStoredIsToldOnceAndTakesNoName) {
    std::filesystem::remove_all(dir / "home/System");
    dir.Write("home/System", "");
    PlayClockGameToScores(1);
    EXPECT_EQ(scores::newScoreRow, -1);
    EXPECT_TRUE(Interface::FindControl(782)->GetFlags() & Control::kDisabled);
    EXPECT_NE(Interface::GetFocusId(), 782);
    EXPECT_TRUE(Shown(1072));  // the sort buttons do not wait for a name
    ASSERT_EQ(headless::Boxes().size(), 1u);
    EXPECT_EQ(headless::Boxes()[0].text,
              platform::Utf8ToCp1250("Výsledek nebyl uložen: do složky " + (dir / "home") +
                                     "/System nelze zapisovat."));
    EXPECT_NE(LogText().find("Cannot write the score table"), std::string::npos);
    ClickControl(775);
    RunFor(100);
    PlayClockGameToScores(0);
    EXPECT_EQ(headless::Boxes().size(), 1u);  // once per start is enough
    EXPECT_EQ(dir.Read("home/System"), "");
}

TEST_F(ScoreScreenTest, AUserFolderThatCannotBeMadeNeitherStopsTheGameNorHidesTheMessage) {
    dir.Write("blocked", "");
    const std::string home = dir / "blocked/home";
    ::setenv("BRELLIK_HOME", home.c_str(), 1);
    platform::ReleaseSingleInstance();
    EXPECT_TRUE(platform::AcquireSingleInstance("Brellik"));  // no lock, but the game runs
    PlayClockGameToScores(0);
    EXPECT_EQ(Interface::GetState(), StateScores);
    ASSERT_EQ(headless::Boxes().size(), 1u);
    EXPECT_NE(headless::Boxes()[0].text.find(home + "/System"), std::string::npos);
    SaveScreenshot("scores_not_saved");
}
