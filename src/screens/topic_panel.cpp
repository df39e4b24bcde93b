#include "topic_panel.h"

#include "frame/interface.h"
#include "frame/profile_keys.h"
#include "panel_drawing.h"
#include "platform/platform.h"
#include "quiz/topic_choice.h"
#include "screen_tools.h"
#include "shared_fonts.h"
#include "sound/sound.h"

#include <string>

namespace screens {

namespace {

constexpr int kWidth = 560;
constexpr int kTitleHeight = 50;
constexpr int kRowHeight = 26;
constexpr int kRowsInOneColumn = 16;
constexpr int kFooterHeight = 112;
constexpr int kMargin = 16;
constexpr int kColumnGap = 16;
constexpr int kSwitchWidth = 40;
constexpr int kSwitchHeight = 20;
constexpr int kShortcutWidth = 90;
constexpr int kDoneWidth = 130;
constexpr int kButtonHeight = 34;

TopicPanel* Panel() { return dynamic_cast<TopicPanel*>(Interface::FindControl(kTopicPanel)); }

std::string ChoiceLabel() {
    return Cp("Témata: ") + Questions(quiz::ChoiceIsPlayable() ? quiz::ChosenQuestionCount()
                                                              : quiz::TotalTopicQuestions());
}

void OpenPanel() {
    if (TopicPanel* panel = Panel()) panel->Open();
}

void (*browserChanged)(int topic) = nullptr;
int browserTopic = -1;

std::string BrowserLabel() {
    return Cp("Téma: ") + (browserTopic < 0 ? Cp("vše") : quiz::TopicName(browserTopic));
}

void NextBrowserTopic() {
    // A topic no question belongs to is passed by: its empty pool would draw every question.
    do browserTopic = browserTopic + 1 < quiz::TopicCount() ? browserTopic + 1 : -1;
    while (browserTopic >= 0 && quiz::QuestionsOfTopic(browserTopic) == 0);
    if (auto* button = dynamic_cast<TextButton*>(Interface::FindControl(kBrowserTopicButton)))
        button->SetLabel(BrowserLabel());
    if (browserChanged) browserChanged(browserTopic);
}

}  // namespace

TopicPanel::TopicPanel() : Control(kTopicPanel) { SetFlags(kTransparent | kHidden); }

int TopicPanel::Rows() const {
    const int topics = quiz::TopicCount();
    return topics <= kRowsInOneColumn ? topics : (topics + 1) / 2;
}

gfx::Rect TopicPanel::OnScreen(const gfx::Rect& area) const {
    return {X() + area.left, Y() + area.top, X() + area.right, Y() + area.bottom};
}

gfx::Rect TopicPanel::RowArea(int topic) const {
    const bool twoColumns = quiz::TopicCount() > kRowsInOneColumn;
    const int columnWidth = twoColumns ? (kWidth - 2 * kMargin - kColumnGap) / 2
                                       : kWidth - 2 * kMargin;
    const int column = topic / Rows(), row = topic % Rows();
    const int left = kMargin + column * (columnWidth + kColumnGap);
    const int top = kTitleHeight + row * kRowHeight;
    return OnScreen({left, top, left + columnWidth, top + kRowHeight - 2});
}

gfx::Rect TopicPanel::AllArea() const {
    const int top = Height() - kMargin - kButtonHeight;
    return OnScreen({kMargin, top, kMargin + kShortcutWidth, top + kButtonHeight});
}

gfx::Rect TopicPanel::NoneArea() const {
    const int top = Height() - kMargin - kButtonHeight;
    const int left = 2 * kMargin + kShortcutWidth;
    return OnScreen({left, top, left + kShortcutWidth, top + kButtonHeight});
}

gfx::Rect TopicPanel::DoneArea() const {
    const int top = Height() - kMargin - kButtonHeight;
    return OnScreen({kWidth - kMargin - kDoneWidth, top, kWidth - kMargin, top + kButtonHeight});
}

void TopicPanel::Open() {
    if (IsOpen()) return;
    const int height = kTitleHeight + Rows() * kRowHeight + kFooterHeight;
    SetPosition((Interface::kPlayWidth - kWidth) / 2, (Interface::kPlayHeight - height) / 2);
    refused_ = false;
    SetSize(kWidth, height);
    Render();
    controlsFrozen = 1;
    ClearFlags(kHidden);
}

bool TopicPanel::Close() {
    if (!quiz::ChoiceIsPlayable()) {
        refused_ = true;
        Render();
        return false;
    }
    if (!WriteTopicChoice()) Interface::Log("Topics: the choice could not be saved", false);
    SetFlags(kHidden);
    controlsFrozen = 0;
    RefreshTopicChoice();
    return true;
}

void RefreshTopicChoice() {
    if (auto* button = dynamic_cast<TextButton*>(Interface::FindControl(kTopicButton)))
        button->SetLabel(ChoiceLabel());
}

void TopicPanel::Render() {
    if (!Picture()) return;
    gfx::Canvas canvas(*Picture());
    canvas.FillRect({0, 0, Width(), Height()}, gfx::kKeyColor);
    canvas.SetBackgroundMode(gfx::BackgroundMode::Transparent);
    DrawBox(canvas, {0, 0, Width(), Height()}, kPanelRadius, kRimColor, kPanelColor);
    canvas.SetTextColor(kHeadingColor);
    canvas.SelectFont(FontBold26);
    DrawCentred(canvas, {0, 8, Width(), kTitleHeight - 4}, Cp("Témata otázek"));
    for (int topic = 0; topic < quiz::TopicCount(); ++topic) DrawRow(canvas, topic);
    DrawFooter(canvas);
}

void TopicPanel::DrawRow(gfx::Canvas& canvas, int topic) {
    const gfx::Rect screen = RowArea(topic);
    const gfx::Rect row = {screen.left - X(), screen.top - Y(), screen.right - X(),
                           screen.bottom - Y()};
    const bool on = quiz::IsTopicChosen(topic);
    const int switchTop = row.top + (row.Height() - kSwitchHeight) / 2;
    const gfx::Rect track = {row.left, switchTop, row.left + kSwitchWidth,
                             switchTop + kSwitchHeight};
    DrawSwitch(canvas, track, on);
    canvas.SelectFont(FontRegular20);
    canvas.SetTextColor(kCountColor);
    const std::string count = std::to_string(quiz::QuestionsOfTopic(topic));
    const int countLeft = row.right - canvas.TextExtent(count).width;
    canvas.TextOut(countLeft, row.top + 1, count);
    canvas.SetTextColor(kTextColor);
    canvas.SelectFont(FontBold20);
    const int nameLeft = track.right + 10;
    canvas.DrawText(quiz::TopicName(topic), {nameLeft, row.top + 1, countLeft - 8, row.bottom});
}

void TopicPanel::DrawFooter(gfx::Canvas& canvas) {
    const int top = kTitleHeight + Rows() * kRowHeight + 6;
    canvas.SelectFont(FontBold20);
    canvas.SetTextColor(kHeadingColor);
    canvas.TextOut(kMargin, top, Cp("Vybráno: ") + Questions(quiz::ChosenQuestionCount()));
    if (refused_) {
        canvas.SetTextColor(kRefusalColor);
        canvas.TextOut(kMargin, top + 24,
                       Cp("Na hru je to málo: vyberte aspoň ") +
                           std::to_string(quiz::kSmallestChoice) + Cp(" otázek."));
    }
    const auto local = [this](const gfx::Rect& area) {
        return gfx::Rect{area.left - X(), area.top - Y(), area.right - X(), area.bottom - Y()};
    };
    DrawButton(canvas, local(AllArea()), Cp("vše"));
    DrawButton(canvas, local(NoneArea()), Cp("nic"));
    DrawButton(canvas, local(DoneArea()), Cp("Hotovo"), kOnColor);
}

void TopicPanel::Click() {
    const int x = Interface::MouseX(), y = Interface::MouseY();
    if (Contains(DoneArea(), x, y)) {
        Close();
        return;
    }
    if (Contains(AllArea(), x, y)) quiz::ChooseAllTopics(true);
    else if (Contains(NoneArea(), x, y)) quiz::ChooseAllTopics(false);
    else {
        const int topics = quiz::TopicCount();
        int topic = 0;
        while (topic < topics && !Contains(RowArea(topic), x, y)) ++topic;
        if (topic == topics) return;
        quiz::ChooseTopic(topic, !quiz::IsTopicChosen(topic));
    }
    refused_ = false;
    sound::PlaySound(sound::SoundId::Click);
    Render();
}

void TopicPanel::HandleInput(int32_t code, int32_t value, int32_t* handled) {
    if (!IsOpen()) return;
    if (code == Interface::kInputLeftDown && *handled) {
        *handled = 0;
        Click();
    } else if (code == Interface::kInputChar && (value == 13 || value == 27)) {
        Close();
    }
}

void AddTopicChoice(int x, int y) {
    if (quiz::TopicCount() == 0) return;
    auto* button = AddToScreen(new TextButton(kTopicButton, OpenPanel));
    if (button) {
        button->SetPosition(x, y);
        button->SetSize(210, kButtonHeight);
        button->SetLabel(ChoiceLabel());
    }
    AddToScreen(new TopicPanel());
}

void AddBrowserTopicButton(int x, int y, void (*changed)(int topic)) {
    browserChanged = changed;
    browserTopic = -1;
    if (quiz::TopicCount() == 0) return;
    auto* button = AddToScreen(new TextButton(kBrowserTopicButton, NextBrowserTopic));
    if (!button) return;
    button->SetPosition(x, y);
    button->SetSize(270, kButtonHeight);
    button->SetLabel(BrowserLabel());
}

namespace {
constexpr std::string_view kChoiceKey = "Topics off=";
}  // namespace

void ReadTopicChoice() {
    quiz::SetChoiceFromProfileValue(profile::ReadValue(kChoiceKey).value_or(""));
}

bool WriteTopicChoice() { return profile::WriteValue(kChoiceKey, quiz::ChoiceProfileValue()); }

}  // namespace screens
