#include "common_screen.h"

#include "frame/interface.h"
#include "screen_tools.h"

namespace screens {

void BuildCommonControls() {
    AddPicture(kExitDialog, 114, 223, "Bitmaps\\end", 1, 0.0f, Control::kHidden);
    AddButton(kExitYes, 503, 306, "Bitmaps\\end_y", Control::kHidden | Control::kUnfreezable);
    AddButton(kExitNo, 251, 306, "Bitmaps\\end_n", Control::kHidden | Control::kUnfreezable);
    AddPicture(kCreditsPicture, 0, 0, "Bitmaps\\credits", 1, 0.0f, Control::kHidden);
    AddCentredHint(kExitYesHint, "Bitmaps\\tt_end_y", Control::kHidden);
    AddCentredHint(kExitNoHint, "Bitmaps\\tt_end_n", Control::kHidden);
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
