// The single-player screens: the variant choice, the lives game and the clock game.
#include "frame/interface.h"
#include "screens/common_screen.h"
#include "screens/screen_tools.h"
#include "screens/shared_fonts.h"
#include "screens/state_words.h"
#include "screens/sets_panel.h"
#include "screens/topic_panel.h"
#include "quiz/topic_choice.h"
#include "single_player.h"
#include "single_state.h"

#include "controls/label.h"

#include <cstdio>

namespace single {

using namespace screens;

namespace {

constexpr int kSwitchOnFrame = 7;
constexpr int kLifeFrameOfThree = 2;

void AddChoiceButtons(uint32_t flags) {
    const int32_t ids[] = {kChoose1, kChoose2, kChoose3};
    const int xs[] = {544, 560, 576};
    const int ys[] = {300, 399, 500};
    const char* pictures[][2] = {{"Bitmaps\\a1_b", "Bitmaps\\a1_ba"},
                                 {"Bitmaps\\a2_b", "Bitmaps\\a2_ba"},
                                 {"Bitmaps\\a3_b", "Bitmaps\\a3_ba"}};
    for (int i = 0; i < 3; ++i) {
        AnimatedButton* button = AddAnimatedButton(ids[i], xs[i], ys[i], pictures[i][0],
                                                   pictures[i][1], 5, 0.05f, 2, flags);
        if (button) button->SetHotKey(0x3B + i);  // F1, F2, F3
    }
}

void AddTexts(const quiz::Question& question, bool withAnswers) {
    AddText(kQuestionText, 55, 98, 500, 110, question.question, SingleFontText);
    AddText(kAnswer1, 48, 255, 490, 80, withAnswers ? question.answers[0] : "", SingleFontText);
    AddText(kAnswer2, 65, 354, 490, 80, withAnswers ? question.answers[1] : "", SingleFontText);
    AddText(kAnswer3, 82, 453, 490, 80, withAnswers ? question.answers[2] : "", SingleFontText);
}

void AddMarkers() {
    AddPicture(kMarker1, 5, 239, "Bitmaps\\OneP\\f_ok_1", 2, 1.0f, Control::kHidden);
    AddPicture(kMarker2, 21, 337, "Bitmaps\\OneP\\f_ok_2", 2, 1.0f, Control::kHidden);
    AddPicture(kMarker3, 37, 437, "Bitmaps\\OneP\\f_ok_3", 2, 1.0f, Control::kHidden);
}

Label* AddScoreLabel(int x, int y, const gfx::Font* font, uint32_t flags) {
    auto* label = new Label(kScoreLabel);
    label->SetUp(x, y, "0", font, flags);
    return AddToScreen(label);
}

void AddGameTimer() { AddTimer(kTimer); }

void SetFrame(AnimatedPicture* picture, int frame) {
    if (picture) picture->SetFrame(frame);
}

}  // namespace

void BuildVariantChoice() {
    ReadShowAnswerSwitch();
    ShowControl(kHelpButton);
    AddButton(kAdvertButton, 577, 408, "Bitmaps\\rekl_b", 0);
    AnimatedPicture* answerSwitch =
        AddPicture(kShowAnswerSwitch, 76, 500, "Bitmaps\\ans_r_sw", 8, 0.1f, 0);
    if (singleShowAnswer == 1) SetFrame(answerSwitch, kSwitchOnFrame);
    AddMenuButton(kStartForR, 219, 266, "Bitmaps\\OneP\\for_p_b", "Bitmaps\\OneP\\for_p_ba", 54);
    AddMenuButton(kStartForP, 367, 188, "Bitmaps\\OneP\\for_r_b", "Bitmaps\\OneP\\for_r_ba", 54);
    AddAnimatedButton(kBackToMenu, 18, 501, "Bitmaps\\OneP\\mm_b", "Bitmaps\\OneP\\mm_ba", 6,
                      0.1f, 3, 0);
    AddCentredHint(kForPHint, "Bitmaps\\OneP\\f_r_ttip", Control::kHidden);
    AddCentredHint(kForRHint, "Bitmaps\\OneP\\f_p_ttip", Control::kHidden);
    AddPicture(kHelp, 124, 85, "Bitmaps\\OneP\\help_mm", 1, 0.0f, Control::kHidden);
    // Below the advert button; the advert, shown over the whole screen, covers it.
    AddTopicChoice(570, 528);
    AddSetsChoice(390, 528);
    AddPicture(kAdvertPicture, 0, 0, "Bitmaps\\reklama", 1, 0.0f, Control::kHidden);
    AddCentredHint(kSwitchOnHint, "Bitmaps\\tt_ans_y", Control::kHidden);
    AddCentredHint(kSwitchOffHint, "Bitmaps\\tt_ans_n", Control::kHidden);
}

void BuildForR() {
    waitForContinue = false;
    premiumActive = false;
    Interface::SetBackground("Bitmaps\\OneP\\ForR\\bg", false);
    Interface::SetFillColor(0x000000);
    AddGameTimer();
    currentQuestion = quiz::Question{};
    if (singleQuiz) {
        singleQuiz->Shuffle(quiz::kDeckSize, quiz::ChosenRecords());
        currentQuestion = singleQuiz->GetQuestion(0, true);
        singleQuiz->modeValue1 = 0;
        singleQuiz->modeValue2 = 3;
    }
    SetFrame(AddPicture(kLives, 620, 179, "Bitmaps\\OneP\\ForR\\jokers", 7, 0.0f,
                        Control::kTransparent),
             kLifeFrameOfThree);
    SetFrame(AddPicture(kPremiumBlink, 620, 179, "Bitmaps\\cr_blk", 6, 0.0f, Control::kHidden),
             kLifeFrameOfThree);
    AddPicture(kStopButton, 624, 181, "Bitmaps\\stop_bmp", 1, 0.0f, Control::kHidden);
    AddTexts(currentQuestion, true);
    AddChoiceButtons(0);
    AddScoreLabel(686, 422, nullptr, 0);
    AddMarkers();
    AddPicture(kHelp, 124, 85, "Bitmaps\\OneP\\ForR\\help_d", 1, 0.0f, Control::kHidden);
    AddPicture(kGameOver, 114, 223, "Bitmaps\\gameover", 1, 0.0f, Control::kHidden);
}

void BuildForP() {
    waitForContinue = false;
    singleAnswerOpen = false;
    clockStart.Stop();
    clockElapsed = 0;
    ShowControl(kHelpButton);
    Interface::SetBackground("Bitmaps\\OneP\\ForP\\bg", false);
    Interface::SetFillColor(0x000000);
    AddGameTimer();
    if (singleQuiz) singleQuiz->Shuffle(quiz::kDeckSize, quiz::ChosenRecords());
    SetFrame(AddPicture(kClock, 620, 179, "Bitmaps\\timer", 12, 0.0f, Control::kTransparent),
             kIdleClockFrame);
    AddPicture(kStopButton, 624, 181, "Bitmaps\\stop_bmp", 1, 0.0f, Control::kHidden);
    AddButton(kStartButton, 620, 179, "Bitmaps\\Start_b", Control::kTransparent);
    for (int points = 1; points <= 10; ++points) {
        char name[64];
        std::snprintf(name, sizeof name, "Bitmaps\\OneP\\ForP\\%d-sub", points);
        AddPicture(kFirstPointPicture + points - 1, 620, 179, name, 4, 0.12f, Control::kHidden);
    }
    AddTexts(quiz::Question{}, false);
    AddChoiceButtons(Control::kDisabled);
    AddMarkers();
    AddScoreLabel(687, 419, SingleFontScore, Label::kSoft);
    AddPicture(kHelp, 124, 85, "Bitmaps\\OneP\\ForP\\help_d", 1, 0.0f, Control::kHidden);
    AddPicture(kGameOver, 114, 223, "Bitmaps\\gameover", 1, 0.0f, Control::kHidden);
}

}  // namespace single
