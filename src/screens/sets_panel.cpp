#include "sets_panel.h"

#include "frame/interface.h"
#include "gfx/text_wrap.h"
#include "panel_drawing.h"
#include "platform/platform.h"
#include "question_sets.h"
#include "quiz/topic_choice.h"
#include "screen_tools.h"
#include "shared_fonts.h"
#include "sound/sound.h"
#include "topic_panel.h"

#include <algorithm>

namespace screens {

namespace {

constexpr int kWidth = 640;
constexpr int kTitleHeight = 50;
constexpr int kRowHeight = 30;
constexpr int kShownRows = 8;
constexpr int kNoticeHeight = 58;
constexpr int kLineHeight = 24;
constexpr int kNoticeLines = 2;
constexpr int kMargin = 16;
constexpr int kButtonHeight = 34;
constexpr int kHeight = kTitleHeight + kShownRows * kRowHeight + kNoticeHeight + 12 +
                        kButtonHeight + kMargin;
constexpr int kShownProblemLines = (kShownRows * kRowHeight + kNoticeHeight) / kLineHeight;
constexpr int kSwitchWidth = 40;
constexpr int kSwitchHeight = 20;
constexpr int kCountRight = 470;
constexpr int kProblemsLeft = 482;
constexpr int kArrowSize = 30;
constexpr int kFolderWidth = 180;
constexpr int kTemplateWidth = 120;
constexpr int kDoneWidth = 130;
// Keys as the frame hands them over: set-1 scan codes, extended ones plus 256.
constexpr int32_t kKeyUp = 0x148, kKeyDown = 0x150, kKeyPageUp = 0x149, kKeyPageDown = 0x151;

SetsPanel* Panel() { return dynamic_cast<SetsPanel*>(Interface::FindControl(kSetsPanel)); }

void OpenPanel() {
    if (SetsPanel* panel = Panel()) panel->Open();
}

// "1 problém", "3 problémy", "12 problémů" (Windows-1250).
std::string Problems(int count) {
    const char* word = count == 1 ? "problém" : count >= 2 && count <= 4 ? "problémy" : "problémů";
    return std::to_string(count) + " " + Cp(word);
}

// The lines `utf8` takes in `width` pixels of `font`, at most `most` of them.
std::vector<std::string> Wrapped(const std::string& utf8, const gfx::Font& font, int width,
                                 int most) {
    const gfx::WrapResult wrapped =
        gfx::WrapText(Cp(utf8), font, width, most * font.Height());
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= wrapped.text.size()) {
        std::size_t end = wrapped.text.find("\n\r", start);
        if (end == std::string::npos) end = wrapped.text.size();
        lines.push_back(wrapped.text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// A triangle pointing up or down, drawn row by row in `box`.
void DrawArrow(gfx::Canvas& canvas, const gfx::Rect& box, bool up) {
    DrawBox(canvas, box, box.Height() / 2, kButtonRimColor, kButtonColor);
    const int centre = (box.left + box.right) / 2, height = 9;
    const int top = box.top + (box.Height() - height) / 2;
    for (int row = 0; row < height; ++row) {
        const int half = up ? row : height - 1 - row;
        canvas.FillRect({centre - half, top + row, centre + half + 1, top + row + 1}, kTextColor);
    }
}

}  // namespace

SetsPanel::SetsPanel() : Control(kSetsPanel) { SetFlags(kTransparent | kHidden); }

void SetsPanel::ReadEntries() {
    entries_ = ListSets(ShippedQuestionCount());
    chosen_.clear();
    for (const std::string& name : ChosenSetNames()) chosen_.insert(name);
    // As the game plays it: without a chosen file the shipped set alone plays.
    const bool anyFile = std::any_of(entries_.begin(), entries_.end(), [this](const SetEntry& e) {
        return !e.shipped && chosen_.count(e.name);
    });
    if (!anyFile) chosen_ = {kShippedSetName};
    firstSet_ = std::clamp(firstSet_, 0, std::max(0, static_cast<int>(entries_.size()) - kShownRows));
}

bool SetsPanel::IsChosen(int entry) const {
    return entry >= 0 && entry < static_cast<int>(entries_.size()) &&
           chosen_.count(entries_[static_cast<std::size_t>(entry)].name) > 0;
}

int SetsPanel::ChosenQuestions() const {
    int questions = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (IsChosen(static_cast<int>(i))) questions += entries_[i].questions;
    return questions;
}

std::vector<std::string> SetsPanel::ChosenNames() const {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (IsChosen(static_cast<int>(i))) names.push_back(entries_[i].name);
    return names;
}

void SetsPanel::Open() {
    if (IsOpen()) return;
    SetPosition((Interface::kPlayWidth - kWidth) / 2, (Interface::kPlayHeight - kHeight) / 2);
    SetSize(kWidth, kHeight);
    ReadEntries();
    problemsOf_ = -1;
    notice_.clear();
    Render();
    controlsFrozen = 1;
    ClearFlags(kHidden);
}

void SetsPanel::Reread(const std::string& message) {
    ReadEntries();
    problemsOf_ = -1;
    notice_ = message;
    noticeIsRefusal_ = false;
    Render();
}

// Keeps the choice and reads the questions afresh; false, with the reason shown, when the
// panel should stay open.
bool SetsPanel::Apply() {
    const std::vector<std::string> names = ChosenNames();
    const int questions = ChosenQuestions();
    if (questions < quiz::kSmallestChoice) {
        notice_ = "Na hru je to málo: vybrané sady mají " + std::to_string(questions) +
                  " otázek, hra potřebuje aspoň " + std::to_string(quiz::kSmallestChoice) + ".";
        noticeIsRefusal_ = true;
        return false;
    }
    const std::vector<std::string> previous = ChosenSetNames();
    // Unchanged (also after a cut was shown): nothing to read again.
    if (names == previous) return true;
    if (!WriteChosenSetNames(names)) {
        notice_ = "Volbu sad nejde uložit do profilu.";
        noticeIsRefusal_ = true;
        return false;
    }
    const SetsOutcome outcome = ReloadSets();
    if (outcome.refused) {
        WriteChosenSetNames(previous);
        ReloadSets();
    }
    RefreshTopicChoice();
    notice_ = outcome.notice;
    noticeIsRefusal_ = outcome.refused;
    return notice_.empty();
}

bool SetsPanel::Close() {
    if (!Apply()) {
        Render();
        return false;
    }
    SetFlags(kHidden);
    controlsFrozen = 0;
    return true;
}

int SetsPanel::Lines() const {
    return problemsOf_ < 0 ? static_cast<int>(entries_.size())
                           : static_cast<int>(problemLines_.size());
}

int SetsPanel::FirstShown() const { return problemsOf_ < 0 ? firstSet_ : firstProblemLine_; }

void SetsPanel::Scroll(int rows) {
    const int shown = problemsOf_ < 0 ? kShownRows : kShownProblemLines;
    const int last = std::max(0, Lines() - shown);
    int& first = problemsOf_ < 0 ? firstSet_ : firstProblemLine_;
    first = std::clamp(first + rows, 0, last);
    Render();
}

void SetsPanel::ShowProblems(int entry) {
    const SetEntry& set = entries_[static_cast<std::size_t>(entry)];
    problemsOf_ = entry;
    firstProblemLine_ = 0;
    problemLines_.clear();
    const int width = kWidth - 2 * kMargin;
    for (const std::string& problem : set.problems) {
        for (std::string& line : Wrapped(problem, *FontRegular20, width, 3))
            problemLines_.push_back(std::move(line));
    }
    if (problemLines_.empty()) problemLines_.push_back(Cp("Sada nemá žádné problémy."));
    Render();
}

std::vector<std::string> SetsPanel::ShownProblemLines() const {
    if (problemsOf_ < 0) return {};
    const auto first = problemLines_.begin() + firstProblemLine_;
    const auto last = first + std::min<int>(kShownProblemLines,
                                            static_cast<int>(problemLines_.end() - first));
    return {first, last};
}

gfx::Rect SetsPanel::OnScreen(const gfx::Rect& area) const {
    return {X() + area.left, Y() + area.top, X() + area.right, Y() + area.bottom};
}

gfx::Rect SetsPanel::Local(const gfx::Rect& area) const {
    return {area.left - X(), area.top - Y(), area.right - X(), area.bottom - Y()};
}

gfx::Rect SetsPanel::SwitchArea(int entry) const {
    const int row = entry - firstSet_;
    if (problemsOf_ >= 0 || row < 0 || row >= kShownRows) return {};
    const int top = kTitleHeight + row * kRowHeight;
    return OnScreen({kMargin, top, kCountRight, top + kRowHeight - 2});
}

gfx::Rect SetsPanel::ProblemsButtonArea(int entry) const {
    const int row = entry - firstSet_;
    if (problemsOf_ >= 0 || row < 0 || row >= kShownRows) return {};
    const int top = kTitleHeight + row * kRowHeight + 2;
    return OnScreen({kProblemsLeft, top, kWidth - kMargin, top + kRowHeight - 6});
}

gfx::Rect SetsPanel::FolderArea() const {
    const int top = kHeight - kMargin - kButtonHeight;
    return OnScreen({kMargin, top, kMargin + kFolderWidth, top + kButtonHeight});
}

gfx::Rect SetsPanel::TemplateArea() const {
    const int top = kHeight - kMargin - kButtonHeight, left = 2 * kMargin + kFolderWidth;
    return OnScreen({left, top, left + kTemplateWidth, top + kButtonHeight});
}

gfx::Rect SetsPanel::DoneArea() const {
    const int top = kHeight - kMargin - kButtonHeight;
    return OnScreen({kWidth - kMargin - kDoneWidth, top, kWidth - kMargin, top + kButtonHeight});
}

gfx::Rect SetsPanel::UpArea() const {
    const int right = kWidth - kMargin - kArrowSize - 6;
    return OnScreen({right - kArrowSize, 10, right, 10 + kArrowSize});
}

gfx::Rect SetsPanel::DownArea() const {
    const int right = kWidth - kMargin;
    return OnScreen({right - kArrowSize, 10, right, 10 + kArrowSize});
}

void SetsPanel::Render() {
    if (!Picture()) return;
    gfx::Canvas canvas(*Picture());
    canvas.FillRect({0, 0, Width(), Height()}, gfx::kKeyColor);
    canvas.SetBackgroundMode(gfx::BackgroundMode::Transparent);
    DrawBox(canvas, {0, 0, Width(), Height()}, kPanelRadius, kRimColor, kPanelColor);
    canvas.SetTextColor(kHeadingColor);
    canvas.SelectFont(FontBold26);
    const bool scrolls = Lines() > (problemsOf_ < 0 ? kShownRows : kShownProblemLines);
    const int titleRight = scrolls ? Local(UpArea()).left - 8 : kWidth - kMargin;
    if (problemsOf_ < 0) {
        canvas.TextOut(kMargin, 10, Cp("Sady otázek"));
        DrawSets(canvas);
    } else {
        const std::string name = Cp(entries_[static_cast<std::size_t>(problemsOf_)].name);
        canvas.DrawText(Cp("Problémy: ") + name, {kMargin, 10, titleRight, kTitleHeight});
        DrawProblems(canvas);
    }
    if (scrolls) {
        DrawArrow(canvas, Local(UpArea()), true);
        DrawArrow(canvas, Local(DownArea()), false);
    }
    DrawFooter(canvas);
}

void SetsPanel::DrawSets(gfx::Canvas& canvas) {
    const int last = std::min(static_cast<int>(entries_.size()), firstSet_ + kShownRows);
    for (int entry = firstSet_; entry < last; ++entry) {
        const SetEntry& set = entries_[static_cast<std::size_t>(entry)];
        const gfx::Rect row = Local(SwitchArea(entry));
        const int switchTop = row.top + (row.Height() - kSwitchHeight) / 2;
        DrawSwitch(canvas, {row.left, switchTop, row.left + kSwitchWidth, switchTop + kSwitchHeight},
                   IsChosen(entry));
        canvas.SelectFont(FontRegular20);
        canvas.SetTextColor(kCountColor);
        const std::string count = set.unreadable ? Cp("nečitelná") : Questions(set.questions);
        const int countLeft = kCountRight - canvas.TextExtent(count).width;
        canvas.TextOut(countLeft, row.top + 3, count);
        canvas.SetTextColor(kTextColor);
        canvas.SelectFont(FontBold20);
        canvas.DrawText(Cp(set.name),
                        {row.left + kSwitchWidth + 10, row.top + 3, countLeft - 8, row.bottom});
        if (set.problems.empty()) continue;
        const gfx::Rect button = Local(ProblemsButtonArea(entry));
        DrawBox(canvas, button, button.Height() / 2, kButtonRimColor,
                set.unreadable ? kRefusalButtonColor : kButtonColor);
        canvas.SetTextColor(kTextColor);
        canvas.SelectFont(FontRegular20);
        DrawCentred(canvas, button, set.unreadable ? Cp("proč?") : Problems(static_cast<int>(set.problems.size())));
    }
    const int top = kTitleHeight + kShownRows * kRowHeight + 8;
    const auto lines = Wrapped(notice_.empty() ? "Vybráno: " + platform::Cp1250ToUtf8(Questions(ChosenQuestions()))
                                               : notice_,
                               *FontBold20, kWidth - 2 * kMargin, kNoticeLines);
    canvas.SelectFont(FontBold20);
    canvas.SetTextColor(noticeIsRefusal_ && !notice_.empty() ? kRefusalColor : kHeadingColor);
    for (std::size_t i = 0; i < lines.size(); ++i)
        canvas.TextOut(kMargin, top + static_cast<int>(i) * kLineHeight, lines[i]);
}

void SetsPanel::DrawProblems(gfx::Canvas& canvas) {
    canvas.SelectFont(FontRegular20);
    canvas.SetTextColor(kTextColor);
    int top = kTitleHeight;
    for (const std::string& line : ShownProblemLines()) {
        canvas.TextOut(kMargin, top, line);
        top += kLineHeight;
    }
}

void SetsPanel::DrawFooter(gfx::Canvas& canvas) {
    if (problemsOf_ >= 0) {
        DrawButton(canvas, Local(DoneArea()), Cp("Zpět"));
        return;
    }
    DrawButton(canvas, Local(FolderArea()), Cp("Otevřít složku"));
    DrawButton(canvas, Local(TemplateArea()), Cp("Šablona"));
    DrawButton(canvas, Local(DoneArea()), Cp("Hotovo"), kOnColor);
}

void SetsPanel::Click() {
    const int x = Interface::MouseX(), y = Interface::MouseY();
    const bool scrolls = Lines() > (problemsOf_ < 0 ? kShownRows : kShownProblemLines);
    if (scrolls && Contains(UpArea(), x, y)) return Scroll(-1);
    if (scrolls && Contains(DownArea(), x, y)) return Scroll(1);
    if (Contains(DoneArea(), x, y)) {
        sound::PlaySound(sound::SoundId::Click);
        if (problemsOf_ >= 0) {
            problemsOf_ = -1;
            Render();
            return;
        }
        Close();
        return;
    }
    if (problemsOf_ >= 0) return;
    if (Contains(FolderArea(), x, y)) {
        std::string why;
        if (!platform::MakeUserSubfolder(kSetsFolderName, &why))
            return Reread("Složku " + SetsFolder() + " nejde založit: " + why);
        const std::string failure = platform::OpenFolderOnDesktop(SetsFolder());
        return Reread(failure.empty() ? "Složka se otevírá: " + SetsFolder() : failure);
    }
    if (Contains(TemplateArea(), x, y)) {
        const std::string failure = WriteTemplates();
        return Reread(failure.empty() ? "Šablona.xlsx a Šablona.ods jsou ve složce " + SetsFolder()
                                      : "Šablonu nejde zapsat: " + failure);
    }
    for (int entry = 0; entry < static_cast<int>(entries_.size()); ++entry) {
        const SetEntry& set = entries_[static_cast<std::size_t>(entry)];
        if (!set.problems.empty() && Contains(ProblemsButtonArea(entry), x, y))
            return ShowProblems(entry);
        if (!Contains(SwitchArea(entry), x, y)) continue;
        sound::PlaySound(sound::SoundId::Click);
        const bool refused = set.unreadable && !IsChosen(entry);
        if (!refused && !chosen_.erase(set.name)) chosen_.insert(set.name);
        notice_ = refused ? "Sadu „" + set.name + "“ nejde přečíst; proč, ukáže tlačítko vpravo." : "";
        noticeIsRefusal_ = refused;
        Render();
        return;
    }
}

void SetsPanel::HandleInput(int32_t code, int32_t value, int32_t* handled) {
    if (!IsOpen()) return;
    if (code == Interface::kInputLeftDown && *handled) {
        *handled = 0;
        Click();
    } else if (code == Interface::kInputKeyDown && (value == kKeyUp || value == kKeyDown)) {
        Scroll(value == kKeyUp ? -1 : 1);
    } else if (code == Interface::kInputKeyDown && (value == kKeyPageUp || value == kKeyPageDown)) {
        Scroll(value == kKeyPageUp ? -kShownProblemLines : kShownProblemLines);
    } else if (code == Interface::kInputChar && (value == 13 || value == 27)) {
        if (problemsOf_ < 0) {
            Close();
        } else {
            problemsOf_ = -1;
            Render();
        }
    }
}

void AddSetsChoice(int x, int y) {
    auto* button = AddToScreen(new TextButton(kSetsButton, OpenPanel));
    if (button) {
        button->SetPosition(x, y);
        button->SetSize(170, kButtonHeight);
        button->SetLabel(Cp("Sady otázek"));
    }
    AddToScreen(new SetsPanel());
}

bool ShowOnSetsPanel(const std::string& message) {
    SetsPanel* panel = Panel();
    // Not while the button is held back: another panel (the keyboard) holds the screen.
    const Control* button = Interface::FindControl(kSetsButton);
    if (!panel || !button || (button->GetFlags() & (Control::kHidden | Control::kDisabled))) return false;
    panel->Open();
    panel->Reread(message);
    return true;
}

}  // namespace screens
