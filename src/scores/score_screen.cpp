// The score tables screen: the columns of one table, the name entry for a new result,
// sorting, stepping through the tables and playing again.
#include "score_screen.h"

#include "controls/edit_field.h"
#include "controls/label.h"
#include "controls/list_box.h"
#include "frame/interface.h"
#include "score_state.h"
#include "score_text.h"
#include "screens/common_screen.h"
#include "screens/screen_tools.h"
#include "screens/shared_fonts.h"
#include "screens/state_words.h"
#include "sound/sound.h"

#include "platform/platform.h"

#include <cstdio>
#include <string>

namespace {

using namespace screens;

enum ScoreId : int32_t {
    kPreviousTable = 772,
    kNextTable = 773,
    kRankColumn = 774,
    kMainMenuButton = 775,
    kPointsColumn = 776,
    kDateColumn = 777,
    kPercentageColumn = 778,
    kAnsweredColumn = 779,
    kWrongOrRightColumn = 780,
    kPerQuestionColumn = 781,
    kFirstNameField = 782,
    kFirstPercentSign = 792,
    kPlayForP = 816,
    kPlayForR = 817,
    kPlayMulti = 818,
    kPlayAgainHint = 819,
    kSortByPoints = 1072,
    kSortByPercentage = 1073,
    kSortByAnswered = 1074,
    kFirstGameRowMark = 1080,  // one a row: "this game" beside the rows a buzzer game added
};

constexpr uint32_t kGameRowColour = 0x1A1AC8;  // a deep red name, 0x00BBGGRR
constexpr uint32_t kGameRowMarkColour = 0x8CE2FF;  // gold over the dark background

// Wide enough for a whole "DD/MM/YY" in the regular font; a narrower column cut off the day.
constexpr int kDateColumnX = 604;
constexpr int kDateColumnWidth = 80;

constexpr uint32_t kColumnFlags = ListBox::kBarOnlyWhenNeeded;
constexpr uint32_t kNameFieldFlags =
    EditField::kAlwaysEditing | EditField::kClickToFocus | Control::kDisabled;

scores::ScoreTable shownTable;
// The rows the buzzer game that just ended added, as shown (sorting moves them).
uint32_t shownGameRows = 0;

bool ShowsGameRows() { return scores::scoreViewRequest == scores::kStateMultiGame; }

bool IsSecondTable() { return scores::scoreTableNo == scores::kTableForR; }

ListBox* AddColumn(int32_t id, int x, int width, const gfx::Font* font, const char* placeholder) {
    auto* column = new ListBox(id);
    column->SetUp(x, 191, width, 280, scores::kScoreRows, font, kColumnFlags, 8);
    column->SetTextColor(0x000000);
    for (int i = 0; i < scores::kScoreRows; ++i) column->AddItem(placeholder, nullptr, 0, nullptr);
    return AddToScreen(column);
}

void AddColumns() {
    if (IsSecondTable()) {
        AddColumn(kAnsweredColumn, 325, 40, FontBold20, "0");
        AddColumn(kPercentageColumn, 390, 60, FontBold20, "0.0");
        AddColumn(kWrongOrRightColumn, 515, 40, FontRegular20, "0");
        AddColumn(kDateColumn, kDateColumnX, kDateColumnWidth, FontRegular20, "1/1/00");
        return;
    }
    AddColumn(kPointsColumn, 269, 45, FontBold20, "0");
    AddColumn(kPercentageColumn, 315, 60, FontBold20, "0.0");
    AddColumn(kAnsweredColumn, 407, 40, FontRegular20, "0");
    AddColumn(kWrongOrRightColumn, 483, 40, FontRegular20, "0");
    AddColumn(kPerQuestionColumn, 568, 35, FontRegular20, "");
    AddColumn(kDateColumn, kDateColumnX, kDateColumnWidth, FontRegular20, "1/1/00");
}

void AddRows() {
    const int nameX = IsSecondTable() ? 184 : 174;
    const int percentX = IsSecondTable() ? 453 : 380;
    for (int i = 0; i < scores::kScoreRows; ++i) {
        auto* name = new EditField(kFirstNameField + i);
        name->SetUp(nameX, 191 + 22 * i, 90, "", FontBold20, kNameFieldFlags);
        name->SetTextColor(0x000000);
        AddToScreen(name);
        auto* percent = new Label(kFirstPercentSign + i);
        percent->SetUp(percentX, 198 + 22 * i, "%", FontSmall14, 0);
        percent->SetTextColor(0x000000);
        AddToScreen(percent);
    }
    if (!ShowsGameRows()) return;
    const std::string mark = platform::Utf8ToCp1250("« tato hra");
    for (int i = 0; i < scores::kScoreRows; ++i) {
        auto* label = new Label(kFirstGameRowMark + i);
        label->SetUp(700, 196 + 22 * i, mark.c_str(), FontSmall14,
                     Control::kTransparent | Control::kHidden);
        label->SetTextColor(kGameRowMarkColour);
        AddToScreen(label);
    }
}

void MarkGameRows() {
    for (int i = 0; i < scores::kScoreRows; ++i) {
        const bool ours = ShowsGameRows() && ((shownGameRows >> i) & 1u);
        if (Control* field = Interface::FindControl(kFirstNameField + i)) {
            field->SetTextColor(ours ? kGameRowColour : 0x000000);
            field->Refresh();
        }
        if (ours) ShowControl(kFirstGameRowMark + i);
        else HideControl(kFirstGameRowMark + i);
    }
}

void AddRankColumn() {
    auto* ranks = new ListBox(kRankColumn);
    ranks->SetUp(135, 191, 30, 280, scores::kScoreRows, FontBold20, kColumnFlags, 8);
    ranks->SetTextColor(0x000000);
    for (int i = 0; i < scores::kScoreRows; ++i) {
        ranks->AddItem(scores::RankText(i).c_str(), nullptr, 0, nullptr);
    }
    AddToScreen(ranks);
}

void AddSortButtons(bool byPoints, bool hiddenUntilNamed) {
    const uint32_t flags = hiddenUntilNamed && scores::newScoreRow != -1 ? Control::kHidden : 0;
    if (byPoints) {
        AddButton(kSortByPoints, 266, 144, "Bitmaps\\sr_point", flags);
        AddButton(kSortByPercentage, 331, 144, "Bitmaps\\sr_perc", flags);
    } else {
        AddButton(kSortByAnswered, 312, 144, "Bitmaps\\sr_nq", flags);
        AddButton(kSortByPercentage, 407, 144, "Bitmaps\\sr_perc2", flags);
    }
}

void AddPlayAgain(int32_t id, const char* picture, const char* animation) {
    AddAnimatedButton(id, 42, 56, picture, animation, 5, 0.1f, 2, 0);
    // The hint is persistent: one is enough however often the screen is built.
    if (!Interface::FindControl(kPlayAgainHint)) {
        AddCentredHint(kPlayAgainHint, "Bitmaps\\tt_gag", Control::kHidden | Control::kPersistent);
    }
}

void AddArrows() {
    AddAnimatedButton(kPreviousTable, 326, 506, "Bitmaps\\pr_ar_b", "Bitmaps\\pr_ar_ba", 6, 0.1f,
                      3, 0);
    AddAnimatedButton(kNextTable, 433, 506, "Bitmaps\\nx_ar_b", "Bitmaps\\nx_ar_ba", 6, 0.1f, 3, 0);
    scores::newScoreRow = -1;  // browsing never takes a name
}

void SetBackgroundOfTable() {
    char name[32];
    std::snprintf(name, sizeof name, "Bitmaps\\tt_bg%d", scores::scoreTableNo);
    Interface::SetBackground(name, false);
}

void FillColumn(int32_t id, const std::string scores::ScoreRowTexts::*text,
                const std::array<scores::ScoreRowTexts, scores::kScoreRows>& rows) {
    auto* column = dynamic_cast<ListBox*>(Interface::FindControl(id));
    if (!column) return;
    column->Clear();
    for (const scores::ScoreRowTexts& row : rows) column->AddItem((row.*text).c_str(), nullptr, 0, nullptr);
}

void LoadAndShow(bool reload) {
    if (reload && !scores::LoadScoreTable(scores::scoreTableNo, shownTable)) return;
    for (int i = 0; i < scores::kScoreRows; ++i) {
        if (auto* field = dynamic_cast<EditField*>(Interface::FindControl(kFirstNameField + i))) {
            field->SetText("");
        }
    }
    if (scores::newScoreRow != -1) {
        if (Control* field = Interface::FindControl(kFirstNameField + scores::newScoreRow)) {
            field->ClearFlags(Control::kDisabled);
            Interface::SetFocus(field);
        }
    }
    const auto rows = scores::FormatScoreTable(shownTable, scores::scoreTableNo);
    for (int i = 0; i < scores::kScoreRows; ++i) {
        if (auto* field = dynamic_cast<EditField*>(Interface::FindControl(kFirstNameField + i))) {
            field->SetText(rows[i].name.c_str());
        }
    }
    using Texts = scores::ScoreRowTexts;
    FillColumn(kPointsColumn, &Texts::points, rows);
    FillColumn(kAnsweredColumn, &Texts::answered, rows);
    FillColumn(kWrongOrRightColumn, &Texts::wrongOrRight, rows);
    FillColumn(kPercentageColumn, &Texts::percentage, rows);
    FillColumn(kPerQuestionColumn, &Texts::pointsPerQuestion, rows);
    FillColumn(kDateColumn, &Texts::date, rows);
    MarkGameRows();
}

// A result that could not be written is never lost silently: the player learns it, and
// where, once per start.
void TellIfNotSaved() {
    if (scores::unsavedResultFolder.empty() || scores::unsavedResultTold) return;
    scores::unsavedResultTold = true;
    const std::string folder = scores::unsavedResultFolder;
    Interface::Log(("Cannot write the score table in " + folder).c_str(), false);
    const std::string text = platform::Utf8ToCp1250(
        "Výsledek nebyl uložen: do složky " + folder + " nelze zapisovat.");
    platform::ShowMessageBox(text.c_str(), "Chyba", platform::BoxIcon::Error);
}

void Sort(scores::SortKey key) {
    shownTable.Sort(key, &shownGameRows);
    LoadAndShow(false);
}

void CommitName(const char* text) {
    scores::CommitScoreName(text);
    scores::newScoreRow = -1;
    LoadAndShow(true);
    TellIfNotSaved();
}

// The name field `field` is done: it stops taking keys and its text goes into the table.
void CommitField(EditField& field) {
    char text[256];
    field.GetText(text);
    field.SetFlags(Control::kDisabled);
    field.ClearFlags(EditField::kAlwaysEditing);
    CommitName(text);
}

void StepTable(bool forwards) {
    const int next = forwards ? scores::NextTableNo(scores::scoreTableNo)
                              : scores::PreviousTableNo(scores::scoreTableNo);
    scores::scoreViewRequest = -next;
    Interface::SetState(StateScores, false);
}

}  // namespace

void BuildScoresScreen() {
    ShowControl(kCreditsButton);
    HideControl(kHelpButton);
    Interface::SetFillColor(0xFFFFFF);
    const int32_t request = scores::scoreViewRequest;
    scores::scoreTableNo = scores::TableNoForViewRequest(request);
    SetBackgroundOfTable();
    shownGameRows = scores::gameRows;
    switch (request) {
        case 0x0104:
            AddSortButtons(true, true);
            AddPlayAgain(kPlayForP, "Bitmaps\\tt1_g", "Bitmaps\\tt1_ga");
            break;
        case 0x0203:
            AddSortButtons(true, false);
            AddPlayAgain(kPlayMulti, "Bitmaps\\tt3_g", "Bitmaps\\tt3_ga");
            break;
        case 0x0103:
            AddSortButtons(false, true);
            AddPlayAgain(kPlayForR, "Bitmaps\\tt2_g", "Bitmaps\\tt2_ga");
            break;
        default:
            AddArrows();
            AddSortButtons(!IsSecondTable(), false);
            break;
    }
    AddColumns();
    AddRows();
    AddAnimatedButton(kMainMenuButton, 383, 498, "Bitmaps\\tt_mm_b", "Bitmaps\\tt_mm_ba", 6, 0.1f,
                      3, 0);
    AddRankColumn();
    LoadAndShow(true);
    if (scores::newScoreRow != -1 || (ShowsGameRows() && shownGameRows != 0)) {
        sound::PlaySound(sound::SoundId::NewEntry);
    }
    TellIfNotSaved();
}

void ScoresCommitPendingName() {
    for (int i = 0; i < scores::kScoreRows; ++i) {
        auto* field = dynamic_cast<EditField*>(Interface::FindControl(kFirstNameField + i));
        if (field && !(field->GetFlags() & Control::kDisabled)) {
            CommitField(*field);
            return;
        }
    }
}

void ScoresOnControlEvent(int32_t id, int32_t event) {
    if (id >= kFirstNameField && id < kFirstNameField + scores::kScoreRows) {
        if (event != 4) return;
        const int32_t request = scores::scoreViewRequest;
        if (auto* field = dynamic_cast<EditField*>(Interface::FindControl(id))) CommitField(*field);
        if (request == 0x0103) {
            ShowControl(kSortByAnswered);
            ShowControl(kSortByPercentage);
        }
        if (request == 0x0104) {
            ShowControl(kSortByPoints);
            ShowControl(kSortByPercentage);
        }
        return;
    }
    if (event != 1) return;
    switch (id) {
        case kPlayForP:
            ScoresCommitPendingName();
            Interface::SetState(StateForP, false);
            break;
        case kPlayForR:
            ScoresCommitPendingName();
            Interface::SetState(StateForR, false);
            break;
        case kPlayMulti: Interface::SetState(StateMultiSetUp, false); break;
        case kMainMenuButton:
            ScoresCommitPendingName();
            Interface::SetState(StateMainMenu, false);
            break;
        case kSortByPoints: Sort(scores::SortKey::Points); break;
        case kSortByPercentage: Sort(scores::SortKey::Percentage); break;
        case kSortByAnswered: Sort(scores::SortKey::Answered); break;
        case kPreviousTable: StepTable(false); break;
        case kNextTable: StepTable(true); break;
        default: break;
    }
}
