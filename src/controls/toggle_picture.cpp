#include "toggle_picture.h"

#include "companions.h"
#include "frame/interface.h"

namespace {

// The multiplayer switches show a hint picture while the pointer is over them.
constexpr int32_t kFirstSwitch = 517;
constexpr int32_t kLastSwitch = 521;
constexpr int32_t kFirstSwitchHint = 74;

int32_t CompanionOf(int32_t id) {
    return id >= kFirstSwitch && id <= kLastSwitch ? kFirstSwitchHint + (id - kFirstSwitch) : -1;
}

}  // namespace

void TogglePicture::HandleInput(int32_t code, int32_t, int32_t* handled) {
    if (controlsFrozen || !IsUsable() || !*handled) return;
    const int32_t companion = CompanionOf(GetId());
    switch (code) {
        case Interface::kInputLeftDown:
        case Interface::kInputDoubleClick:
            if (!IsPointerOver()) break;
            if (on_) {
                StartAnimation(kAnimationBackward, false);
                on_ = 0;
            } else {
                StartAnimation(kAnimationForward, false);
                on_ = 1;
            }
            *handled = 0;
            Interface::ReportControlEvent(this, kEventToggled, 1);
            break;
        case Interface::kInputMouseMove:
            if (companion < 0) break;
            if (IsPointerOver()) {
                companions::Show(companion);
            } else {
                companions::Hide(companion);
            }
            break;
        default:
            break;
    }
}
