#include "slider.h"

#include "frame/interface.h"

#include <algorithm>
#include <cmath>

namespace {
// The stepping characters: right and down step up, left and up step down.
constexpr int32_t kLeft = 0x25;
constexpr int32_t kUp = 0x26;
constexpr int32_t kRight = 0x27;
constexpr int32_t kDown = 0x28;
}  // namespace

int32_t Slider::PositionUnderPointer() const {
    const bool vertical = GetFlags() & kVertical;
    const int length = vertical ? Height() : Width();
    if (length <= 0) return 0;
    const int offset = vertical ? Interface::MouseY() - Y() : Interface::MouseX() - X();
    const double p = std::trunc(static_cast<double>(offset) / length * columns_);
    return static_cast<int32_t>(std::clamp(p, 0.0, static_cast<double>(columns_ - 1)));
}

bool Slider::IsStepCharacter(int32_t value) const {
    if (GetFlags() & kVertical) return value == kDown || value == kUp;
    return value == kRight || value == kLeft;
}

void Slider::HandleInput(int32_t code, int32_t value, int32_t* handled) {
    switch (code) {
        case Interface::kInputChar:
            if (IsUsable() && *handled && HasFocus() && IsStepCharacter(value)) {
                Interface::SetFocus(this);
                pressedBy_ = value;
                Render();
                *handled = 0;
            }
            break;
        case Interface::kInputCharUp:
            if (pressedBy_ > 0 && value == pressedBy_) {
                if (!IsPointerOverBounds()) Interface::SetFocus(int32_t{0});
                pressedBy_ = 0;
                if (value == kRight || value == kDown) {
                    state_ = state_ + 1 > columns_ - 1 ? 0 : state_ + 1;
                } else {
                    state_ = state_ - 1 < 0 ? columns_ - 1 : state_ - 1;
                }
                Render();
                Interface::ReportControlEvent(this, kEventReleased, *handled);
                *handled = 0;
            }
            break;
        case Interface::kInputLeftDown:
        case Interface::kInputDoubleClick:
            if (IsUsable() && *handled && IsPointerOverBounds()) {
                pressedBy_ = -1;
                state_ = PositionUnderPointer();
                Render();
                Interface::ReportControlEvent(this, kEventReleased, *handled);
                *handled = 0;
            }
            break;
        case Interface::kInputLeftUp:
            if (pressedBy_ == -1) {
                pressedBy_ = 0;
                Render();
                *handled = 0;
            }
            break;
        case Interface::kInputMouseMove:
            if (!IsUsable()) break;
            if (IsPointerOverBounds()) {
                Interface::SetFocus(this);
                const int32_t position = PositionUnderPointer();
                if (pressedBy_ == -1 && position != state_) {
                    state_ = position;
                    Render();
                    Interface::ReportControlEvent(this, kEventReleased, *handled);
                }
                *handled = 0;
            } else if (HasFocus()) {
                Interface::SetFocus(int32_t{0});
            }
            break;
        default:
            break;
    }
}
