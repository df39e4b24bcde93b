#include "state_button.h"

#include "button_face.h"
#include "frame/interface.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr std::size_t kMaxName = 260;
}  // namespace

int StateButton::SetUp(int x, int y, const char* pictureName, int32_t columns, int32_t group,
                       uint32_t flags) {
    SetPosition(x, y);
    SetFlags(flags);
    columns_ = std::max(columns, 1);
    group_ = group;
    state_ = 0;
    name_ = std::string(pictureName ? pictureName : "").substr(0, kMaxName);
    int32_t width = 0, height = 0;
    if (Interface::LoadStrip(&strip_, name_.c_str(), &width, &height)) {
        SetSize(width / columns_, height / 4);
    } else {
        SetSize(8 * static_cast<int>(name_.size()) + 24, 24);
    }
    Render();
    return 1;
}

int StateButton::SetUp(int x, int y, const char* pictureName, int32_t columns, uint32_t flags) {
    return SetUp(x, y, pictureName, columns, kNoGroup, flags);
}

void StateButton::SetState(int32_t state) {
    state_ = std::clamp(state, 0, columns_ - 1);
    Render();
}

void StateButton::Render() {
    if (!Picture()) return;
    if (strip_) {
        button_face::PaintCell(*this, *strip_, state_, button_face::RowFor(*this, pressedBy_));
        return;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%c %.48s", static_cast<char>('0' + state_), name_.c_str());
    button_face::PaintText(*this, text);
}

int StateButton::Reload() {
    if (!CreatePicture()) return 0;
    strip_.reset();
    int result = 1;
    if (!name_.empty()) result = Interface::LoadStrip(&strip_, name_.c_str(), nullptr, nullptr);
    Render();
    return result;
}

void StateButton::Advance() {
    ++state_;
    if (state_ >= columns_) state_ = group_ == kNoGroup ? 0 : columns_ - 1;
}

void StateButton::ResetGroup(int32_t value) {
    if (group_ != kNoGroup) Interface::DispatchInput(Interface::kInputGroupReset, value);
}

void StateButton::HandleInput(int32_t code, int32_t value, int32_t* handled) {
    switch (code) {
        case Interface::kInputChar:
            if (IsUsable() && *handled && GetAccelerator() != 0 && value == GetAccelerator()) {
                Interface::SetFocus(this);
                pressedBy_ = value;
                Render();
                *handled = 0;
            }
            break;
        case Interface::kInputCharUp:
            if (pressedBy_ > 0 && value == pressedBy_) {
                pressedBy_ = 0;
                Advance();
                Render();
                // The others fall back while this button still has the focus: the reset
                // goes by the focused button's group.
                ResetGroup(group_);
                if (!IsPointerOverBounds()) Interface::SetFocus(int32_t{0});
                // The game may tear this button down while it handles the event.
                Interface::ReportControlEvent(this, kEventReleased, *handled);
                *handled = 0;
            }
            break;
        case Interface::kInputLeftDown:
        case Interface::kInputDoubleClick:
            if (IsUsable() && *handled && IsPointerOverBounds()) {
                pressedBy_ = -1;
                Render();
                *handled = 0;
            }
            break;
        case Interface::kInputLeftUp:
            if (pressedBy_ != -1) break;
            pressedBy_ = 0;
            if (IsPointerOverBounds()) {
                Advance();
                Render();
                ResetGroup(GetId());
                if (IsPointerOverBounds()) {
                    Interface::ReportControlEvent(this, kEventReleased, *handled);
                    *handled = 0;
                }
            }
            break;
        case Interface::kInputMouseMove:
            if (!IsUsable()) break;
            if (IsPointerOverBounds()) {
                Interface::SetFocus(this);
                *handled = 0;
            } else if (HasFocus()) {
                Interface::SetFocus(int32_t{0});
            }
            break;
        case Interface::kInputGroupReset: {
            const auto* focused = dynamic_cast<const StateButton*>(Interface::GetFocus());
            if (group_ != kNoGroup && focused && focused != this && focused->group_ == group_) {
                state_ = 0;
                Render();
                *handled = 0;
            }
            break;
        }
        default:
            break;
    }
}
