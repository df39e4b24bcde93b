// What every screen has: the ids of the exit dialog, the credits overlay and the minimise
// button, their building, and the closing of overlays by Esc or a click.
#pragma once

#include <cstdint>

namespace screens {

// Ids of the controls every screen shares.
enum CommonId : int32_t {
    kExitButton = 1,
    kCreditsButton = 52,
    kHelpButton = 53,
    kMinimiseButton = 54,
    kBackHint = 55,
    kCreditsHint = 56,
    kMinimiseHint = 57,
    kExitHint = 58,
    kCreditsPicture = 59,
    kAdvertButton = 60,
    kAdvertPicture = 61,
    kHelpHint = 66,
    kCheckHint = 68,
    kExitDialog = 69,
    kExitYes = 70,
    kExitNo = 71,
    kExitYesHint = 72,
    kExitNoHint = 73,
    kSoundControl = 80,
    kSoundHint = 81,
    kSingleHelp = 293,
    kMultiHelp = 595,
    kBrowserHelp = 1040,
};

// Built last on every screen, after the screen's own controls.
void BuildCommonControls();
// Esc or a left press while an overlay is up closes the first visible overlay.
void DismissOverlay(int32_t code, int32_t value);

}  // namespace screens
