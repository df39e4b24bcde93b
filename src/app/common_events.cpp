#include "common_events.h"

#include "frame/interface.h"
#include "multi/multi_player.h"
#include "scores/score_screen.h"
#include "screens/common_screen.h"
#include "screens/screen_tools.h"
#include "screens/state_words.h"
#include "single/single_player.h"

namespace app {

namespace {

using namespace screens;

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

}  // namespace app
