// Choosing the question sets a game draws from: a button that opens a panel of the sets (the
// shipped one first, then the files of the sets folder) with a switch, the good questions and
// the problems of each; a set's problems open in a scrollable list, each with its row or line.
// "Otevřít složku" shows the folder in the desktop's file manager, "Šablona" writes the
// spreadsheet templates there, "Hotovo" keeps the choice in the profile and reads the
// questions afresh (the topic panel then offers the chosen sets' topics); a choice of fewer
// than kSmallestChoice questions is refused with a message. Every mode's set-up shares it.
#pragma once

#include "frame/control.h"
#include "set_list.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace screens {

constexpr int32_t kSetsButton = 1903;
constexpr int32_t kSetsPanel = 1904;

// Adds the button at (x, y) and the hidden panel over the screen. Call after the screen's
// controls, so the panel lies over them.
void AddSetsChoice(int x, int y);

// Opens the screen's sets panel, read afresh, with `message` (UTF-8) on it; false when the
// screen has none or its button is held back.
bool ShowOnSetsPanel(const std::string& message);

class SetsPanel : public Control {
public:
    SetsPanel();

    // Lists the sets afresh and opens.
    void Open();
    // Keeps a playable choice and closes; stays open with the reason when it is refused, or
    // with the notice of a cut, which the next "Hotovo" closes.
    bool Close();
    bool IsOpen() const { return !(GetFlags() & kHidden); }
    // Lists the sets afresh (a file was added) and shows `message` (UTF-8).
    void Reread(const std::string& message);

    const std::vector<SetEntry>& Entries() const { return entries_; }
    bool IsChosen(int entry) const;
    const std::string& Notice() const { return notice_; }
    // The entry whose problems show, or -1 while the sets show.
    int ProblemsShown() const { return problemsOf_; }
    // The problem lines shown, top first (Windows-1250, wrapped).
    std::vector<std::string> ShownProblemLines() const;

    // Where things lie on the screen, for the pointer; an entry off the shown rows has none.
    gfx::Rect SwitchArea(int entry) const;
    gfx::Rect ProblemsButtonArea(int entry) const;
    gfx::Rect FolderArea() const;
    gfx::Rect TemplateArea() const;
    gfx::Rect DoneArea() const;  // "Zpět" while problems show
    gfx::Rect UpArea() const;
    gfx::Rect DownArea() const;

    void Render() override;
    void HandleInput(int32_t code, int32_t value, int32_t* handled) override;

private:
    void ReadEntries();
    int ChosenQuestions() const;
    std::vector<std::string> ChosenNames() const;
    bool Apply();
    void Scroll(int rows);
    int Lines() const;
    int FirstShown() const;
    void ShowProblems(int entry);
    void Click();
    gfx::Rect OnScreen(const gfx::Rect& area) const;
    gfx::Rect Local(const gfx::Rect& area) const;
    void DrawSets(gfx::Canvas& canvas);
    void DrawProblems(gfx::Canvas& canvas);
    void DrawFooter(gfx::Canvas& canvas);

    std::vector<SetEntry> entries_;
    std::set<std::string> chosen_;
    std::vector<std::string> problemLines_;  // of the entry shown, wrapped (Windows-1250)
    int firstSet_ = 0;
    int firstProblemLine_ = 0;
    int problemsOf_ = -1;
    std::string notice_;  // UTF-8
    bool noticeIsRefusal_ = false;
};

}  // namespace screens
