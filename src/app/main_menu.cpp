#include "main_menu.h"

#include "frame/interface.h"
#include "scores/score_state.h"
#include "screens/common_screen.h"
#include "screens/screen_tools.h"
#include "screens/state_words.h"
#include "sound/sound_control.h"

namespace screens {

namespace {

enum MainMenuId : int32_t {
    kSingleButton = 2,
    kMultiButton = 3,
    kScoresButton = 4,
    kBrowserButton = 5,
    kClassButton = 6,
    kClassHint = 47,
    kMultiHint = 48,
    kBrowserHint = 49,
    kSingleHint = 50,
    kScoresHint = 51,
};

constexpr uint32_t kHiddenPersistent = Control::kHidden | Control::kPersistent;

void BuildFrameButtons() {
    AddButton(kExitButton, 762, 575, "Bitmaps\\MMenu\\exit_b", Control::kPersistent);
    AddButton(kCreditsButton, 13, 575, "Bitmaps\\MMenu\\c_b", Control::kPersistent);
    AddButton(kHelpButton, 40, 575, "Bitmaps\\MMenu\\help_b", kHiddenPersistent);
    AddButton(kMinimiseButton, 735, 575, "Bitmaps\\MMenu\\min_b", Control::kPersistent);
    auto* soundControl = new sound::SoundControl(kSoundControl, kSoundHint);
    soundControl->SetUp(682, 575, "Bitmaps\\MMenu\\snd_b", Control::kPersistent);
    AddToScreen(soundControl);
    AddButton(kAdvertButton, 577, 408, "Bitmaps\\rekl_b", 0);
    AddCentredHint(kBackHint, "Bitmaps\\tt_back", kHiddenPersistent);
    AddCentredHint(kCreditsHint, "Bitmaps\\tt_cred", kHiddenPersistent);
    AddCentredHint(kMinimiseHint, "Bitmaps\\tt_min", kHiddenPersistent);
    AddCentredHint(kExitHint, "Bitmaps\\tt_end", kHiddenPersistent);
    AddCentredHint(kHelpHint, "Bitmaps\\tt_help", kHiddenPersistent);
    AddCentredHint(kCheckHint, "Bitmaps\\tt_check", kHiddenPersistent);
    AddCentredHint(kSoundHint, "Bitmaps\\tt_snd", kHiddenPersistent);
}

}  // namespace

void BuildMainMenu() {
    Interface::RemoveAllControls(true);
    scores::scoreViewRequest = -1;
    scores::newScoreRow = -1;
    Interface::SetBackground("Bitmaps\\main_bg", false);
    BuildFrameButtons();
    AddMenuButton(kBrowserButton, 67, 341, "Bitmaps\\MMenu\\coc_b", "Bitmaps\\MMenu\\coc_ba", 52);
    AddMenuButton(kScoresButton, 219, 265, "Bitmaps\\MMenu\\tt_b", "Bitmaps\\MMenu\\tt_ba", 54);
    AddMenuButton(kMultiButton, 370, 191, "Bitmaps\\MMenu\\tp_b", "Bitmaps\\MMenu\\tp_ba", 51);
    AddMenuButton(kSingleButton, 520, 116, "Bitmaps\\MMenu\\op_b", "Bitmaps\\MMenu\\op_ba", 51);
    // The class game sits above the one-player entry: the climb runs out of screen there.
    AddMenuButton(kClassButton, 520, 16, "Bitmaps\\MMenu\\ct_b", "Bitmaps\\MMenu\\ct_ba", 51);
    AddCentredHint(kSingleHint, "Bitmaps\\MMenu\\op_ttip", Control::kHidden);
    AddCentredHint(kMultiHint, "Bitmaps\\MMenu\\tp_ttip", Control::kHidden);
    AddCentredHint(kBrowserHint, "Bitmaps\\MMenu\\coc_ttip", Control::kHidden);
    AddCentredHint(kScoresHint, "Bitmaps\\MMenu\\tt_ttip", Control::kHidden);
    AddCentredHint(kClassHint, "Bitmaps\\MMenu\\ct_ttip", Control::kHidden);
    AddPicture(kAdvertPicture, 0, 0, "Bitmaps\\reklama", 1, 0.0f, Control::kHidden);
}

void MainMenuOnControlEvent(int32_t id, int32_t event) {
    if (event != 1) return;
    switch (id) {
        case kAdvertButton:
            if (IsHidden(kAdvertPicture)) {
                ShowControl(kAdvertPicture);
                controlsFrozen = 1;
            }
            break;
        case kSingleButton: Interface::SetState(StateSingleMenu, false); break;
        case kMultiButton: Interface::SetState(StateMultiSetUp, false); break;
        case kScoresButton: Interface::SetState(StateScores, false); break;
        case kBrowserButton: Interface::SetState(StateBrowser, false); break;
        case kClassButton: Interface::SetState(StateClassLobby, false); break;
        default: break;
    }
}

}  // namespace screens
