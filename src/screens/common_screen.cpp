#include "common_screen.h"

#include "frame/interface.h"
#include "multi/multi_player.h"
#include "scores/score_screen.h"
#include "screen_tools.h"
#include "single/single_player.h"
#include "state_words.h"

namespace screens {

void BuildCommonControls() {
    AddPicture(kExitDialog, 114, 223, "Bitmaps\\end", 1, 0.0f, Control::kHidden);
    AddButton(kExitYes, 503, 306, "Bitmaps\\end_y", Control::kHidden | Control::kUnfreezable);
    AddButton(kExitNo, 251, 306, "Bitmaps\\end_n", Control::kHidden | Control::kUnfreezable);
    AddPicture(kCreditsPicture, 0, 0, "Bitmaps\\credits", 1, 0.0f, Control::kHidden);
    AddCentredHint(kExitYesHint, "Bitmaps\\tt_end_y", Control::kHidden);
    AddCentredHint(kExitNoHint, "Bitmaps\\tt_end_n", Control::kHidden);
}

namespace {

void OpenExitDialog() {
    if (Interface::GetState() == StateScores) ScoresCommitPendingName();
    if (!IsHidden(kExitDialog)) return;
    ShowControl(kExitDialog);
    ShowControl(kExitYes);
    ShowControl(kExitNo);
    Interface::SetFocus(kExitNo);
    controlsFrozen = 1;
}

void CloseExitDialog() {
    HideControl(kExitDialog);
    HideControl(kExitYes);
    HideControl(kExitNo);
    controlsFrozen = 0;
    const int32_t state = Interface::GetState();
    if (state == StateMultiGame) MpOnExitDialogDeclined();
    if (state == StateForP) SingleOnExitDialogDeclined();
}

}  // namespace

void CommonOnControlEvent(int32_t id, int32_t event) {
    if (event != 1) return;
    switch (id) {
        case kCreditsButton:
            if (IsHidden(kCreditsPicture)) {
                ShowControl(kCreditsPicture);
                controlsFrozen = 1;
            }
            break;
        case kExitButton: OpenExitDialog(); break;
        case kExitYes: Interface::RequestQuit(); break;
        case kExitNo: CloseExitDialog(); break;
        case kMinimiseButton: platform::MinimiseMainWindow(); break;
        default: break;
    }
}

void DismissOverlay(int32_t code, int32_t value) {
    const bool escape = code == Interface::kInputChar && value == 27;
    if (!controlsFrozen || !(escape || code == Interface::kInputLeftDown)) return;
    HideControl(kHelpHint);
    HideControl(kCreditsHint);
    Interface::SetFocus(static_cast<Control*>(nullptr));
    for (int32_t overlay : {kCreditsPicture, kAdvertPicture, kSingleHelp, kMultiHelp, kBrowserHelp}) {
        if (IsShown(overlay)) {
            HideControl(overlay);
            controlsFrozen = 0;
            return;
        }
    }
}

}  // namespace screens
