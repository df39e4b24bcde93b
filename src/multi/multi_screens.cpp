// The buzzer game's screens: the set-up with its five player rows, the game with its player
// panel.
#include "buzzer_check.h"
#include "controls/edit_field.h"
#include "controls/keyboard_picker.h"
#include "controls/label.h"
#include "controls/toggle_picture.h"
#include "frame/interface.h"
#include "game_length.h"
#include "multi_player.h"
#include "multi_state.h"
#include "pad_buzzers.h"
#include "phone_switch.h"
#include "play_presentation.h"
#include "platform/pad_keys.h"
#include "platform/phone_keys.h"
#include "player_keys.h"
#include "screens/common_screen.h"
#include "screens/screen_tools.h"
#include "screens/sets_panel.h"
#include "screens/topic_panel.h"
#include "quiz/topic_choice.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace multi {

using namespace screens;

namespace {

constexpr int32_t kScoresHint = 819;
constexpr int kSwitchOnFrame = 7;
constexpr int kRowOffFrame = 6;
constexpr int kKeyFrames =
    platform::kKeyboardKeyFrames + platform::kPadKeyFrames + platform::kPhoneKeyFrames;
constexpr uint32_t kNameFieldFlags = 0x8000090;  // click-to-focus, transparent, disabled

constexpr int kAvatarX = 218;
constexpr int kAvatarY[kRows] = {156, 203, 249, 292, 339};
constexpr int kSwitchX[kRows] = {551, 573, 551, 573, 551};
constexpr int kSwitchY[kRows] = {160, 206, 252, 298, 344};
constexpr int kKeyButtonX[kRows] = {492, 511, 492, 511, 492};
constexpr int kKeyButtonY[kRows] = {162, 207, 252, 297, 342};
constexpr int kNameX = 317;
constexpr int kNameY[kRows] = {173, 219, 264, 310, 352};
constexpr int kKeyPictureX[kRows] = {500, 521, 500, 521, 500};
constexpr int kKeyPictureY[kRows] = {171, 219, 263, 307, 352};

constexpr int kPanelScoreX = 756;
constexpr int kPanelNameX = 676;
constexpr int kPanelKeyX = 646;
constexpr int kPanelY[kRows] = {420, 446, 472, 496, 520};
constexpr int kPanelKeyY[kRows] = {418, 443, 468, 493, 518};

std::string Numbered(const char* format, int number) {
    char name[64];
    std::snprintf(name, sizeof name, format, number);
    return name;
}

void SetFrame(AnimatedPicture* picture, int frame) {
    if (picture) picture->SetFrame(frame);
}

Label* AddLabel(int32_t id, int x, int y, const char* text, const gfx::Font* font) {
    auto* label = new Label(id);
    label->SetUp(x, y, text, font, Control::kTransparent);
    return AddToScreen(label);
}

void AddSetUpHints() {
    AddCentredHint(kSwitchOnHint, "Bitmaps\\tt_ans_y", Control::kHidden);
    AddCentredHint(kSwitchOffHint, "Bitmaps\\tt_ans_n", Control::kHidden);
    AddCentredHint(kNextHint, "Bitmaps\\tt_play", Control::kHidden);
    SetFrame(AddPicture(kShowAnswerSwitch, 76, 500, "Bitmaps\\ans_r_sw", 8, 0.1f, 0),
             showCorrectAnswer == 1 ? kSwitchOnFrame : 0);
    for (int row = 0; row < kRows; ++row) {
        AddCentredHint(kFirstSwitchHint + row, "Bitmaps\\tt_onoff", Control::kHidden);
    }
    for (int row = 0; row < kRows; ++row) {
        AddCentredHint(kFirstKeyHint + row, "Bitmaps\\tt_key", Control::kHidden);
    }
}

void AddRows() {
    for (int row = 0; row < kRows; ++row) {
        AddPicture(kFirstAvatar + row, kAvatarX, kAvatarY[row],
                   Numbered("Bitmaps\\MultiP\\p%d_av", row + 1).c_str(), 1, 0.0f,
                   Control::kHidden);
    }
    for (int row = 0; row < kRows; ++row) {
        auto* selectSwitch = new TogglePicture(kFirstSelectSwitch + row);
        selectSwitch->SetUp(kSwitchX[row], kSwitchY[row],
                            Numbered("Bitmaps\\MultiP\\p%d_sel", row + 1).c_str(), 7, 0.1f, 0);
        selectSwitch->SetFrame(kRowOffFrame);
        selectSwitch->SetOn(1);
        AddToScreen(selectSwitch);
    }
    for (int row = 0; row < kRows; ++row) {
        AddAnimatedButton(kFirstKeyButton + row, kKeyButtonX[row], kKeyButtonY[row],
                          Numbered("Bitmaps\\MultiP\\disk%d_b", row + 1).c_str(),
                          Numbered("Bitmaps\\MultiP\\disk%d", row + 1).c_str(), 5, 0.1f, 2,
                          Control::kHidden);
    }
    Interface::SetFillColor(0xFF00FF);
    for (int row = 0; row < kRows; ++row) {
        auto* field = new EditField(kFirstNameField + row);
        field->SetUp(kNameX, kNameY[row], 100, players[row].name, MpFontName, kNameFieldFlags);
        field->SetTextColor(kGrey);
        AddToScreen(field);
    }
    for (int row = 0; row < kRows; ++row) {
        AddPicture(kFirstKeyPicture + row, kKeyPictureX[row], kKeyPictureY[row],
                   "Bitmaps\\keys", kKeyFrames, 1.0f, Control::kHidden | Control::kTransparent);
    }
    SetFrame(dynamic_cast<AnimatedPicture*>(Interface::FindControl(kFirstKeyPicture)), 1);
    SetFrame(dynamic_cast<AnimatedPicture*>(Interface::FindControl(kFirstKeyPicture + 1)), 25);
}

void AddPlayerPanel() {
    const int shown = playerCount > 2 ? std::min<int>(playerCount, kRows) : 2;
    for (int i = 0; i < shown; ++i) {
        AddLabel(kFirstScoreLabel + i, kPanelScoreX, kPanelY[i], "0", MpFontQuestion);
        AddLabel(kFirstNameLabel + i, kPanelNameX, kPanelY[i], "", nullptr);
        AddPicture(kFirstPanelKey + i, kPanelKeyX, kPanelKeyY[i], "Bitmaps\\keys", kKeyFrames,
                   1.0f, Control::kTransparent);
    }
    for (int i = 0; i < shown && i < playerCount; ++i) {
        if (!players[i].active) continue;
        if (auto* name = dynamic_cast<Label*>(Interface::FindControl(kFirstNameLabel + i))) {
            // A shrunk name stays centred on its row's line.
            const gfx::Font& font = PanelNameFont(i);
            name->SetPosition(kPanelNameX, kPanelY[i] + (gfx::DefaultFont().Height() - font.Height()) / 2);
            name->SetFont(&font);
            name->SetText(PanelName(i).c_str());
        }
        SetFrame(dynamic_cast<AnimatedPicture*>(Interface::FindControl(kFirstPanelKey + i)),
                 players[i].keyPicture);
    }
}

void AddAnswerButtons() {
    const int xs[] = {544, 560, 576};
    const int ys[] = {300, 399, 500};
    for (int k = 0; k < 3; ++k) {
        AnimatedButton* button = AddAnimatedButton(
            kFirstAnswerButton + k, xs[k], ys[k], Numbered("Bitmaps\\a%d_b", k + 1).c_str(),
            Numbered("Bitmaps\\a%d_ba", k + 1).c_str(), 5, 0.05f, 2, Control::kDisabled);
        if (button) button->SetHotKey(0x3B + k);  // F1, F2, F3
    }
}

}  // namespace

void BuildSetUp() {
    HideControl(kScoresHint);
    claimStart.Stop();
    claimElapsed = 0;
    answerStart.Stop();
    answerElapsed = 0;
    for (Player& player : players) player = Player{};
    ReadShowAnswerSwitch();
    claimOpen = false;
    answerOpen = false;
    MpLoadPlayers();
    AddTimer(kScheduler);
    Interface::SetBackground("Bitmaps\\MultiP\\mm_bg", false);
    AddSetUpHints();
    AddAnimatedButton(kBackButton, 18, 501, "Bitmaps\\OneP\\mm_b", "Bitmaps\\OneP\\mm_ba", 6, 0.1f,
                      3, 0);
    AddAnimatedButton(kNextButton, 379, 516, "Bitmaps\\MultiP\\mm_nx_b", "Bitmaps\\MultiP\\mm_nx",
                      6, 0.1f, 3, 0);
    AddRows();
    auto* keyboard = new KeyboardPicker(kKeyboard);
    keyboard->SetUp(135, 208, "Bitmaps\\MultiP\\keyboard", "Bitmaps\\MultiP\\target",
                    "Bitmaps\\MultiP\\target_g", Control::kHidden);
    AddToScreen(keyboard);
    RestoreRows();
    ReadGameLength();
    AddGameLengthChoice();
    AddButton(kAdvertButton, 577, 408, "Bitmaps\\rekl_b", 0);
    // Below the advert button; the advert, shown over the whole screen, covers it.
    AddTopicChoice(570, 528);
    AddSetsChoice(400, 462);  // below the game length, clear of "Další"
    AddPicture(kAdvertPicture, 0, 0, "Bitmaps\\reklama", 1, 0.0f, Control::kHidden);
    AddPhoneJoinControls();
}

void BuildGame() {
    ShowControl(kHelpButton);
    ResetBuzzerCheck();
    questionsShown = 0;
    awaitingContinue = false;
    Interface::SetFillColor(0x000000);
    Interface::SetBackground("Bitmaps\\MultiP\\ms_bg", false);
    AddTimer(kScheduler);
    SetFrame(AddPicture(kTimerPicture, 620, 179, "Bitmaps\\timer", 12, 0.0f,
                        Control::kTransparent),
             kIdleClockFrame);
    AddPicture(kStopButton, 624, 181, "Bitmaps\\stop_bmp", 1, 0.0f, Control::kHidden);
    // A small question set makes a shorter game; it ends at the set's end as a full one does.
    questionLimit = multiQuiz ? multiQuiz->Shuffle(quiz::kDeckSize, quiz::ChosenRecords())
                              : quiz::kDeckSize;
    AddButton(kStartButton, 620, 179, "Bitmaps\\Start_b", Control::kTransparent);
    AddText(kQuestionText, 55, 98, 500, 110, "", MpFontQuestion);
    AddText(kFirstAnswerText, 48, 255, 490, 80, "", MpFontQuestion);
    AddText(kFirstAnswerText + 1, 65, 354, 490, 80, "", MpFontQuestion);
    AddText(kFirstAnswerText + 2, 82, 453, 490, 80, "", MpFontQuestion);
    AddAnswerButtons();
    for (int points = 1; points <= 10; ++points) {
        AddPicture(kFirstPointPicture + points - 1, 620, 179,
                   Numbered("Bitmaps\\OneP\\ForP\\%d-sub", points).c_str(), 4, 0.1f,
                   Control::kHidden);
    }
    AddPicture(kFirstMarker, 5, 239, "Bitmaps\\OneP\\f_ok_1", 2, 1.0f, Control::kHidden);
    AddPicture(kFirstMarker + 1, 21, 337, "Bitmaps\\OneP\\f_ok_2", 2, 1.0f, Control::kHidden);
    AddPicture(kFirstMarker + 2, 37, 437, "Bitmaps\\OneP\\f_ok_3", 2, 1.0f, Control::kHidden);
    AddPlayerPanel();
    // The verdicts in the free band under the last answer, the answer countdown between the
    // clock and the players: neither covers a question, an answer or the panel.
    AddLabel(kMessageLine, 48, 548, "", MpFontName);
    AddLabel(kStatusLine, 618, 350, "", MpFontQuestion);
    AddPlayPresentation();
    AddPicture(kMultiHelp, 124, 85, "Bitmaps\\MultiP\\help_d", 1, 0.0f, Control::kHidden);
    AddPicture(kGameOver, 114, 223, "Bitmaps\\gameover", 1, 0.0f, Control::kHidden);
}

void RestoreRows() {
    auto* keyboard = dynamic_cast<KeyboardPicker*>(Interface::FindControl(kKeyboard));
    playerCount = 0;
    for (int row = 0; row < kRows; ++row) {
        Player& player = players[row];
        if (player.name[0] == '\0') continue;
        if (HasKey(player) && keyboard) {
            keyboard->SetPlayerKey(row, player.key);
            player.keyPicture = KeyPictureOf(*keyboard, row);
        }
        if (!player.active) continue;
        ++playerCount;
        MpShowRow(row);
        if (auto* selectSwitch =
                dynamic_cast<TogglePicture*>(Interface::FindControl(kFirstSelectSwitch + row))) {
            selectSwitch->SetFrame(0);
            selectSwitch->SetOn(0);
        }
    }
}

}  // namespace multi
