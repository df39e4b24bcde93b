#include "question_browser.h"

#include "frame/interface.h"
#include "screens/common_screen.h"
#include "screens/screen_tools.h"
#include "screens/shared_fonts.h"
#include "screens/state_words.h"
#include "single/single_player.h"
#include "quiz/topic_choice.h"
#include "screens/topic_panel.h"

#include <cstring>

namespace screens {

namespace {

enum BrowserId : int32_t {
    kAnswer1 = 1025,
    kAnswer2 = 1026,
    kAnswer3 = 1027,
    kQuestionText = 1028,
    kNextButton = 1029,
    kMark1 = 1030,
    kMark2 = 1031,
    kMark3 = 1032,
    kSwitch = 1033,
    kSwitchOnHint = 1041,
    kNextHint = 1043,
    kSwitchOffHint = 1044,
    kBackButton = 775,
};

constexpr int32_t kAnswerTexts[] = {kAnswer1, kAnswer2, kAnswer3};
constexpr int32_t kMarks[] = {kMark1, kMark2, kMark3};
constexpr int kSwitchOnFrame = 7;

int32_t browserIndex = 0;
int32_t browserQuizMode = 0;

std::string SwitchFile() { return platform::UserFolder() + "\\System\\ini_dr2.dat"; }

void ReadSwitch() {
    std::FILE* file = platform::OpenFile(SwitchFile(), "rb");
    if (!file) return;
    uint8_t bytes[4];
    if (std::fread(bytes, 1, 4, file) == 4) {
        const int32_t value = static_cast<int32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 |
                                                   static_cast<uint32_t>(bytes[3]) << 24);
        browserQuizMode = value == 1 ? 1 : 0;
    }
    std::fclose(file);
}

void WriteSwitch() {
    const uint8_t bytes[4] = {static_cast<uint8_t>(browserQuizMode), 0, 0, 0};
    platform::WriteFileAtomically(SwitchFile(), bytes, sizeof bytes);
}

void SetText(int32_t id, const char* text) {
    if (auto* block = dynamic_cast<WrappedText*>(Interface::FindControl(id))) block->SetText(text);
}

void ShowQuestion(const quiz::Question& question) {
    SetText(kQuestionText, question.question);
    for (int i = 0; i < quiz::kAnswerCount; ++i) SetText(kAnswerTexts[i], question.answers[i]);
}

void HideMarks() {
    for (int32_t mark : kMarks) HideControl(mark);
}

void Reveal();

void Next() {
    ++browserIndex;
    browserAnswerShown = 0;
    if (!singleQuiz || browserIndex >= singleQuiz->deckSize) {
        Interface::SetState(StateMainMenu, false);
        return;
    }
    ShowQuestion(singleQuiz->GetQuestion(browserIndex, true));
    if (browserQuizMode == 0) {
        Reveal();
    } else {
        HideMarks();
    }
}

void Reveal() {
    if (browserAnswerShown) {
        Next();
        return;
    }
    const int32_t slot = singleQuiz ? singleQuiz->correctSlot[browserIndex] : 0;
    for (int i = 0; i < quiz::kAnswerCount; ++i) {
        if (i == slot) ShowControl(kMarks[i]);
        else HideControl(kMarks[i]);
    }
    browserAnswerShown = 1;
}

void ShowSwitchHints() {
    if (browserQuizMode == 1) {
        ShowControl(kSwitchOnHint);
        HideControl(kSwitchOffHint);
    } else {
        ShowControl(kSwitchOffHint);
        HideControl(kSwitchOnHint);
    }
}

// Flips the switch with its animation; the click also shows the new hint.
void ToggleSwitch() {
    auto* switchPicture = dynamic_cast<AnimatedPicture*>(Interface::FindControl(kSwitch));
    const bool turningOn = browserQuizMode != 1;
    if (switchPicture) switchPicture->StartAnimation(turningOn ? 1 : 2, false);
    browserQuizMode = turningOn ? 1 : 0;
    ShowSwitchHints();
}

void MarkFirst() {
    const int32_t slot = singleQuiz ? singleQuiz->correctSlot[0] : 0;
    for (int i = 0; i < quiz::kAnswerCount; ++i) {
        if (i == slot) ShowControl(kMarks[i]);
        else HideControl(kMarks[i]);
    }
}

// A new order of one topic's questions (-1: all), from its first question.
void ShowTopic(int topic) {
    if (!singleQuiz) return;
    singleQuiz->Shuffle(quiz::kDeckSize,
                        topic < 0 ? std::vector<int32_t>{} : quiz::RecordsOfTopic(topic));
    browserIndex = 0;
    browserAnswerShown = 1;
    ShowQuestion(singleQuiz->GetQuestion(0, true));
    MarkFirst();
}

}  // namespace

void BuildQuestionBrowser() {
    ShowControl(kHelpButton);
    Interface::SetBackground("Bitmaps\\Ans\\ans_bg", false);
    AddAnimatedButton(kBackButton, 703, 374, "Bitmaps\\ans\\ans_mm_b", "Bitmaps\\ans\\ans_mm", 6,
                      0.1f, 3, 0);
    AddAnimatedButton(kNextButton, 702, 467, "Bitmaps\\ans\\ans_nx_b", "Bitmaps\\ans\\ans_nx", 6,
                      0.1f, 3, 0);
    ReadSwitch();
    if (AnimatedPicture* switchPicture =
            AddPicture(kSwitch, 696, 286, "Bitmaps\\ans\\ans_sw", 8, 0.1f, 0)) {
        if (browserQuizMode == 1) switchPicture->SetFrame(kSwitchOnFrame);
    }
    quiz::Question first{};
    if (singleQuiz) {
        singleQuiz->Shuffle(quiz::kDeckSize);
        first = singleQuiz->GetQuestion(0, true);
    }
    AddPicture(kMark1, 544, 282, "Bitmaps\\Ans\\an_ok01", 1, 0.0f, Control::kHidden);
    AddPicture(kMark2, 560, 380, "Bitmaps\\Ans\\an_ok02", 1, 0.0f, Control::kHidden);
    AddPicture(kMark3, 576, 479, "Bitmaps\\Ans\\an_ok03", 1, 0.0f, Control::kHidden);
    AddText(kQuestionText, 55, 98, 500, 110, first.question, FontBold26);
    AddText(kAnswer1, 44, 255, 490, 80, first.answers[0], FontBold26);
    AddText(kAnswer2, 56, 354, 490, 80, first.answers[1], FontBold26);
    AddText(kAnswer3, 73, 453, 490, 80, first.answers[2], FontBold26);
    browserIndex = 0;
    AddCentredHint(kSwitchOnHint, "Bitmaps\\Ans\\tt_la", Control::kHidden);
    AddCentredHint(kSwitchOffHint, "Bitmaps\\Ans\\tt_ia", Control::kHidden);
    AddPicture(kBrowserHelp, 124, 85, "Bitmaps\\Ans\\help_d", 1, 0.0f, Control::kHidden);
    AddCentredHint(kNextHint, "Bitmaps\\Ans\\tt_nx_q", Control::kHidden);
    // The first question always comes marked, whatever the mode.
    MarkFirst();
    AddBrowserTopicButton(510, 24, ShowTopic);  // top right, beside the title
}

void BrowserOnControlEvent(int32_t id, int32_t event) {
    switch (id) {
        case kHelpButton:
            if (event == 1 && IsHidden(kBrowserHelp)) {
                ShowControl(kBrowserHelp);
                controlsFrozen = 1;
            }
            break;
        case kBackButton:
            if (event == 1) Interface::SetState(StateMainMenu, false);
            break;
        case kSwitch:
            if (event == 3) ShowSwitchHints();
            if (event == 1) {
                ToggleSwitch();
                WriteSwitch();
            }
            break;
        case kNextButton:
            if (event != 1) break;
            if (browserQuizMode != 1 || browserAnswerShown) Next();
            else Reveal();
            break;
        default: break;
    }
}

void BrowserInput(int32_t code, int32_t value) {
    if (controlsFrozen) return;
    if (code == Interface::kInputChar && value == 13) ToggleSwitch();
    if (code == Interface::kInputChar && value == ' ') {
        if (browserQuizMode == 1 && !browserAnswerShown) Reveal();
        else Next();
    }
    if (code == Interface::kInputKeyDown && value == 1) Interface::SetState(StateMainMenu, false);
}

void ResetBrowserState() {
    browserIndex = 0;
    browserQuizMode = 0;
    browserAnswerShown = 1;
}

int32_t BrowserIndex() { return browserIndex; }
int32_t BrowserQuizMode() { return browserQuizMode; }

}  // namespace screens
