// The set-up screen's rules: rows switched on and off, names typed, buzzer keys chosen on
// the on-screen keyboard, the show-the-answer switch, Back and Next.
#include "buzzer_keys.h"
#include "controls/companions.h"
#include "controls/edit_field.h"
#include "controls/keyboard_picker.h"
#include "controls/toggle_picture.h"
#include "frame/interface.h"
#include "game_length.h"
#include "multi_state.h"
#include "pad_buzzers.h"
#include "phone_buzzers.h"
#include "platform/phone_keys.h"
#include "play_presentation.h"
#include "room/player_colours.h"
#include "player_keys.h"
#include "screens/common_screen.h"
#include "screens/screen_tools.h"
#include "screens/state_words.h"
#include "screens/sets_panel.h"
#include "screens/topic_panel.h"
#include "setup_guide.h"

#include <cstring>

namespace multi {

using namespace screens;

namespace {

bool IsRowControl(int32_t id, int32_t first) { return id >= first && id < first + kRows; }

EditField* NameField(int row) {
    return dynamic_cast<EditField*>(Interface::FindControl(kFirstNameField + row));
}

KeyboardPicker* Keyboard() {
    return dynamic_cast<KeyboardPicker*>(Interface::FindControl(kKeyboard));
}

const char* FieldText(int row) {
    const EditField* field = NameField(row);
    return field ? field->Text() : "";
}

void Enable(int32_t id, bool enabled) {
    if (Control* control = Interface::FindControl(id)) {
        if (enabled) control->ClearFlags(Control::kDisabled);
        else control->SetFlags(Control::kDisabled);
    }
}

// Hides or disables a button and puts it back to its still look.
void HaltButton(int32_t id, uint32_t flags) {
    if (auto* button = dynamic_cast<AnimatedButton*>(Interface::FindControl(id))) {
        button->Halt(flags);
    }
}

void ShowKeyPicture(int row) {
    if (auto* picture =
            dynamic_cast<AnimatedPicture*>(Interface::FindControl(kFirstKeyPicture + row))) {
        picture->SetFrame(players[row].keyPicture);
    }
    ShowControl(kFirstKeyPicture + row);
}

void DropFocusFrom(int32_t id) {
    if (Interface::GetFocusId() == id) Interface::SetFocus(static_cast<Control*>(nullptr));
}

// An empty name gives up the row's key.
void ForgetKey(int row) {
    HideControl(kFirstKeyPicture + row);
    ShowControl(kFirstKeyButton + row);
    if (KeyboardPicker* keyboard = Keyboard()) keyboard->ClearPlayerKey(row);
    ClearKey(row);
}

void MpBeginKeyChoice() {
    // The keyboard covers rows 1 to 3.
    for (int row = 1; row <= 3; ++row) {
        Enable(kFirstSelectSwitch + row, false);
        MpHideRow(row, false);
    }
    const int32_t lockedWhileChoosing[] = {kFirstKeyPicture,    kFirstKeyPicture + 1,
                                       kFirstNameField,     kFirstNameField + 4,
                                       kFirstSelectSwitch, kFirstSelectSwitch + 4};
    for (int32_t id : lockedWhileChoosing) {
        Enable(id, false);
    }
    DropFocusFrom(kFirstNameField);
    DropFocusFrom(kFirstNameField + 4);
    HaltButton(kBackButton, Control::kDisabled);
    HaltButton(kNextButton, Control::kDisabled);
    // The keyboard takes clicks while the topic panel holds the screen: it would choose a
    // key for a click on the panel above it.
    Enable(screens::kTopicButton, false);
    Enable(screens::kSetsButton, false);
}

void MpEndKeyChoice() {
    for (int row = 0; row < kRows; ++row) {
        Enable(kFirstKeyPicture + row, true);
        Enable(kFirstSelectSwitch + row, true);
        if (players[row].active) MpShowRow(row);
    }
    Enable(kBackButton, true);
    Enable(kNextButton, true);
    Enable(screens::kTopicButton, true);
    Enable(screens::kSetsButton, true);
}

void OpenKeyboard(int row) {
    if (FieldText(row)[0] == '\0') return;
    KeyboardPicker* keyboard = Keyboard();
    if (!keyboard) return;
    // A key is chosen and the keyboard closes within the second: no new choice meanwhile.
    if (IsShown(kKeyboard) && (keyboard->GetFlags() & Control::kDisabled)) return;
    // A row that gave up its turn keeps the key it had.
    if (keyboardPlayer >= 0 && keyboardPlayer != row && HasKey(players[keyboardPlayer])) {
        keyboard->SetPlayerKey(keyboardPlayer, players[keyboardPlayer].key);
    }
    MpBeginKeyChoice();
    keyboardPlayer = row;
    keyboard->SelectPlayer(row);
    keyboard->ClearFlags(Control::kDisabled);
    keyboard->Render();
    ShowControl(kKeyboard);
    SayChoosing(row);
}

void KeyChosen() {
    KeyboardPicker* keyboard = Keyboard();
    if (!keyboard || keyboardPlayer < 0) return;
    const int32_t key = keyboard->GetPlayerKey(keyboardPlayer);
    if (!AssignKey(keyboardPlayer, key, KeyPictureOf(*keyboard, keyboardPlayer))) {
        SayIfKeyTaken(keyboardPlayer, key);
        keyboard->ClearPlayerKey(keyboardPlayer);
        keyboard->Render();
        return;
    }
    // The choice is made: the keyboard takes no other key in the second before it closes.
    keyboard->SetFlags(Control::kDisabled);
    platform::SetCursor(platform::kCursorBusy);
    if (auto* timer = dynamic_cast<EventTimer*>(Interface::FindControl(kScheduler))) {
        timer->Schedule(1.0f, kCloseKeyboard);
    }
}

void CloseKeyboard() {
    HideControl(kKeyboard);
    if (keyboardPlayer >= 0 && HasKey(players[keyboardPlayer])) {
        HaltButton(kFirstKeyButton + keyboardPlayer, Control::kHidden);
        ShowKeyPicture(keyboardPlayer);
    }
    MpEndKeyChoice();
    keyboardPlayer = -1;
    platform::SetCursor(platform::kCursorArrow);
    Interface::SetFocus(static_cast<Control*>(nullptr));
    ClearGuide();
}

bool KeyboardTakesKeys() {
    const KeyboardPicker* keyboard = Keyboard();
    return keyboard && keyboardPlayer >= 0 && !IsHidden(kKeyboard) &&
           !(keyboard->GetFlags() & Control::kDisabled);
}

// Esc: the keyboard closes without a choice and the row keeps the key it had, if any.
void CancelKeyChoice() {
    const int row = keyboardPlayer;
    if (KeyboardPicker* keyboard = Keyboard(); keyboard && HasKey(players[row])) {
        keyboard->SetPlayerKey(row, players[row].key);
    }
    HideControl(kKeyboard);
    MpEndKeyChoice();
    keyboardPlayer = -1;
    Interface::SetFocus(static_cast<Control*>(nullptr));
    ClearGuide();
}

// Another switched-on row with this name, or -1: two players of one name cannot be told apart
// on the panel or in the results.
int RowNamed(int row, const char* name) {
    if (name[0] == '\0') return -1;
    for (int other = 0; other < kRows; ++other) {
        if (other != row && players[other].active && std::strcmp(FieldText(other), name) == 0) {
            return other;
        }
    }
    return -1;
}

void NameEvent(int row, int32_t event) {
    const char* text = FieldText(row);
    if (event == EditField::kEventEnter) {
        if (const int other = RowNamed(row, text); other >= 0) {
            SayNameTaken(other);
            return;
        }
        ClearGuide();
        CopyName(players[row], text);
        if (text[0] == '\0') ForgetKey(row);
        Interface::SetFocus(static_cast<Control*>(nullptr));
    } else if (event == EditField::kEventPressedOutside && text[0] == '\0') {
        ForgetKey(row);
    }
}

void SwitchEvent(int row, int32_t event) {
    if (event != AnimatedPicture::kEventAnimationEnded) return;
    auto* selectSwitch =
        dynamic_cast<TogglePicture*>(Interface::FindControl(kFirstSelectSwitch + row));
    if (!selectSwitch) return;
    if (selectSwitch->IsOn()) MpHideRow(row, true);
    else MpShowRow(row);
    ForgetStaleRefusal();
}

void ShowSwitchHint() {
    if (showCorrectAnswer == 0) {
        HideControl(kSwitchOnHint);
        companions::Show(kSwitchOffHint);
    } else {
        HideControl(kSwitchOffHint);
        companions::Show(kSwitchOnHint);
    }
}

void ToggleShowAnswer() {
    auto* answerSwitch = dynamic_cast<AnimatedPicture*>(Interface::FindControl(kShowAnswerSwitch));
    const bool turningOn = showCorrectAnswer == 0;
    if (answerSwitch) answerSwitch->StartAnimation(turningOn ? 1 : 2, false);
    showCorrectAnswer = turningOn ? 1 : 0;
    ShowSwitchHint();
    WriteShowAnswerSwitch();
}

void CopyNamesFromFields() {
    for (int row = 0; row < kRows; ++row) CopyName(players[row], FieldText(row));
}

// Two switched-on rows of one name: the panel and the results could not tell them apart.
bool DuplicateNames() {
    for (int row = 0; row < kRows; ++row) {
        for (int other = 0; other < row; ++other) {
            if (players[row].active && players[other].active &&
                std::strcmp(players[row].name, players[other].name) == 0) {
                return true;
            }
        }
    }
    return false;
}

bool MpConfirmPlayers() {
    int count = 0;
    for (int row = 0; row < kRows; ++row) {
        const EditField* field = NameField(row);
        if (!field) continue;
        const char* text = field->Text();
        if (!(field->GetFlags() & (Control::kDisabled | Control::kHidden))) {
            if (text[0] == '\0') return false;
            CopyName(players[row], text);
            if (!HasKey(players[row])) return false;
            ++count;
        } else if (text[0] != '\0') {
            CopyName(players[row], text);
        }
    }
    MpSavePlayers();
    if (count < 2 || DuplicateNames()) return false;
    Player aside[kRows];
    std::copy(std::begin(players), std::end(players), std::begin(aside));
    int next = 0;
    for (Player& player : players) player = Player{};
    for (int row = 0; row < kRows; ++row) {
        if (!aside[row].active) continue;
        players[next] = aside[row];
        players[next].score = 0;  // a game always starts from nothing
        playerRows[next] = row;
        ++next;
    }
    playerCount = count;
    return true;
}

// A phone that is not connected is said first: Next pressed while the warning shows starts the
// game all the same (the phone may come back during it).
bool WarnedAboutPhones() {
    const std::string warning = PhoneRowsWarning();
    if (warning.empty() || Saying(warning)) return false;
    SayWarning(warning);
    return true;
}

// A switched-on row without a name keeps its place: confirming refuses it, and the row must
// stay on for its name to be typed.
void Next() {
    CopyNamesFromFields();
    if (NextRefusal().empty() && WarnedAboutPhones()) return;
    if (MpConfirmPlayers()) Interface::SetState(StateMultiGame, false);
    else SayWhyNotNext();
}

void Back() {
    CopyNamesFromFields();
    MpSavePlayers();
    Interface::SetState(StateMainMenu, false);
}

}  // namespace

void MpShowRow(int row) {
    ShowControl(kFirstAvatar + row);
    if (!HasKey(players[row])) {
        ShowControl(kFirstKeyButton + row);
    } else {
        ShowKeyPicture(row);
    }
    if (EditField* field = NameField(row)) {
        field->ClearFlags(Control::kDisabled | EditField::kSeeThrough);
        field->SetTextColor(room::PlayerColour(row));
        field->Refresh();
        if (players[row].name[0] == '\0') Interface::SetFocus(field);
    }
    players[row].active = 1;
}

void MpHideRow(int row, bool leaving) {
    HideControl(kFirstAvatar + row);
    HaltButton(kFirstKeyButton + row, Control::kHidden);
    HideControl(kFirstKeyPicture + row);
    if (EditField* field = NameField(row)) {
        field->SetFlags(Control::kDisabled | EditField::kSeeThrough);
        field->SetTextColor(kGrey);
        field->Refresh();
        DropFocusFrom(kFirstNameField + row);
    }
    if (leaving) {
        players[row].active = 0;
        --playerCount;
    }
}

// A phone's buzzer pressed while no keyboard is open takes the first switched-on row whose
// name is still empty: the name typed on the phone fills it and the row's keyboard opens.
// A phone that already holds a row takes no second one.
void TakeRowForPhone(int32_t key) {
    const std::string name = PhoneNameOf(key);
    if (name.empty()) return;
    for (const Player& player : players) {
        if (player.active && player.key == key) return;
    }
    for (int row = 0; row < kRows; ++row) {
        EditField* field = NameField(row);
        if (!players[row].active || !field || field->Text()[0] != '\0' || HasKey(players[row])) {
            continue;
        }
        field->SetText(UniqueRowName(row, name).c_str());
        CopyName(players[row], field->Text());
        OpenKeyboard(row);
        return;
    }
}

std::string UniqueRowName(int row, const std::string& name) {
    if (RowNamed(row, name.c_str()) < 0) return name;
    for (int number = 2; number <= kRows + 1; ++number) {
        const std::string suffix = " " + std::to_string(number);
        std::string numbered = name.substr(0, kNameBytes - 1 - suffix.size());
        while (!numbered.empty() && numbered.back() == ' ') numbered.pop_back();
        numbered += suffix;
        if (RowNamed(row, numbered.c_str()) < 0) return numbered;
    }
    return name;
}

void RenamePhoneRow(int32_t buzzerKey, const std::string& name) {
    for (int row = 0; row < kRows; ++row) {
        EditField* field = NameField(row);
        if (players[row].key != buzzerKey || !field) continue;
        field->SetText(UniqueRowName(row, name).c_str());
        CopyName(players[row], field->Text());
        MpSavePlayers();
    }
}

void SetUpPadPressed(int32_t key) {
    KeyboardPicker* keyboard = Keyboard();
    if (keyboard && (keyboardPlayer < 0 || IsHidden(kKeyboard)) && platform::IsPhoneBuzzer(key)) {
        TakeRowForPhone(key);
    }
    if (!KeyboardTakesKeys()) return;
    Keyboard()->SetPlayerKey(keyboardPlayer, key);
    KeyChosen();
}

void SetUpKeyDown(int32_t key) {
    if (!KeyboardTakesKeys()) return;
    if (key == kEscScanCode) return CancelKeyChoice();
    if (IsGameKey(key)) return SayKeyReserved();
    SayIfKeyTaken(keyboardPlayer, key);
}

void SetUpOnControlEvent(int32_t id, int32_t event) {
    if (GameLengthEvent(id, event)) return;
    if (IsRowControl(id, kFirstNameField)) return NameEvent(id - kFirstNameField, event);
    if (IsRowControl(id, kFirstSelectSwitch)) return SwitchEvent(id - kFirstSelectSwitch, event);
    if (id == kKeyboard && event == KeyboardPicker::kEventAssigned) return KeyChosen();
    if (id == kScheduler && event == kCloseKeyboard) return CloseKeyboard();
    if (id == kShowAnswerSwitch && event == AnimatedPicture::kEventPointerOver) {
        return ShowSwitchHint();
    }
    if (event != 1) return;
    if (IsRowControl(id, kFirstKeyButton)) return OpenKeyboard(id - kFirstKeyButton);
    if (IsRowControl(id, kFirstKeyPicture)) return OpenKeyboard(id - kFirstKeyPicture);
    switch (id) {
        case kShowAnswerSwitch: ToggleShowAnswer(); break;
        case kAdvertButton:
            if (IsHidden(kAdvertPicture)) {
                controlsFrozen = 1;
                ShowControl(kAdvertPicture);
            }
            break;
        case kBackButton: Back(); break;
        case kNextButton: Next(); break;
        default: break;
    }
}

}  // namespace multi
