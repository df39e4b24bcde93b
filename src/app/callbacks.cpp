#include "callbacks.h"

#include "classroom/class_mode.h"
#include "common_events.h"
#include "controls/picture_button.h"
#include "frame/interface.h"
#include "intro.h"
#include "main_menu.h"
#include "multi/multi_player.h"
#include "multi/phone_buzzers.h"
#include "platform/phone_keys.h"
#include "question_browser.h"
#include "scores/score_screen.h"
#include "screens/common_screen.h"
#include "screens/set_drop.h"
#include "screens/state_words.h"
#include "single/single_player.h"
#include "sound/sound.h"

namespace {

void BuildScreen(int32_t state) {
    switch (ScreenIdOf(state)) {
        case kScreenIntroAndMenu:
            if (state == StateIntro) screens::BuildIntro();
            if (state == StateMainMenu) screens::BuildMainMenu();
            break;
        case kScreenSingle: SingleBuildScreen(); break;
        case kScreenMulti: MpBuildScreen(); break;
        case kScreenScores: BuildScoresScreen(); break;
        case kScreenBrowser: screens::BuildQuestionBrowser(); break;
        case kScreenClass: ClassBuildScreen(); break;
        default: break;
    }
}

bool BuildsAScreen(int32_t state) {
    const int32_t screen = ScreenIdOf(state);
    return state == StateIntro || state == StateMainMenu ||
           (screen >= kScreenSingle && screen <= kScreenClass);
}

}  // namespace

void OnStateChanged() {
    Interface::RemoveAllControls(false);
    const int32_t state = Interface::GetState();
    if (BuildsAScreen(state)) platform::SetCursor(platform::kCursorBusy);
    ClassFollowState(state);
    BuildScreen(state);
    multi::PhonesFollowState(state);
    screens::BuildCommonControls();
    platform::SetCursor(platform::kCursorArrow);
}

int32_t OnControlEvent(Control* control, int32_t event, int32_t value) {
    if (!control || value == 0) return 0;
    // Every push button clicks, whatever its screen does with it.
    if (event == PictureButton::kEventReleased && dynamic_cast<PictureButton*>(control)) {
        sound::PlaySound(sound::SoundId::Click);
    }
    // The screen's rules may rebuild the screen and retire the control: keep only its id.
    const int32_t id = control->GetId();
    const int32_t state = Interface::GetState();
    switch (ScreenIdOf(state)) {
        case kScreenIntroAndMenu:
            if (state == StateIntro) screens::IntroOnControlEvent(id, event);
            if (state == StateMainMenu) screens::MainMenuOnControlEvent(id, event);
            break;
        case kScreenSingle: SingleOnControlEvent(id, event, value); break;
        case kScreenMulti: MpOnControlEvent(id, event, value); break;
        case kScreenScores: ScoresOnControlEvent(id, event); break;
        case kScreenBrowser: screens::BrowserOnControlEvent(id, event); break;
        case kScreenClass: ClassOnControlEvent(id, event, value); break;
        default: break;
    }
    app::CommonOnControlEvent(id, event);
    return 0;
}

void OnTick() {
    multi::UpdatePhones();
    switch (ScreenIdOf(Interface::GetState())) {
        case kScreenSingle: SingleTick(); break;
        case kScreenMulti: MpTick(); break;
        case kScreenClass: ClassTick(); break;
        default: break;
    }
}

int32_t OnInput(int32_t code, int32_t value, int32_t* handled) {
    if (code == Interface::kInputFileDropped) {
        screens::HandleDroppedFiles();
        return 0;
    }
    // Phones stay joined between games; their buttons mean something on the buzzer screens only.
    if (code == Interface::kInputKeyDown && platform::IsPhoneKey(value) &&
        ScreenIdOf(Interface::GetState()) != kScreenMulti) {
        return 0;
    }
    if (code == Interface::kInputKeyDown && platform::IsClassKey(value) &&
        ScreenIdOf(Interface::GetState()) != kScreenClass) {
        return 0;
    }
    if (code == Interface::kInputRestored) platform::SetMainWindowTopMost(true);
    if (code == Interface::kInputDeactivated) platform::SetMainWindowTopMost(false);
    const int32_t state = Interface::GetState();
    switch (ScreenIdOf(state)) {
        case kScreenIntroAndMenu:
            if (state == StateIntro &&
                (code == Interface::kInputChar || code == Interface::kInputLeftDown)) {
                Interface::SetState(StateMainMenu, false);
            }
            break;
        case kScreenSingle: SingleInput(code, value, handled); break;
        case kScreenMulti: MpInput(code, value, handled); break;
        case kScreenBrowser: screens::BrowserInput(code, value); break;
        case kScreenClass: ClassInput(code, value, handled); break;
        default: break;
    }
    screens::DismissOverlay(code, value);
    sound::OnInput(code, value);
    return 0;
}
