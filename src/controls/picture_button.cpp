#include "picture_button.h"

#include "button_face.h"
#include "companions.h"
#include "frame/interface.h"

#include <algorithm>

namespace {

constexpr std::size_t kMaxName = 260;
constexpr int32_t kEsc = 27;
constexpr int32_t kEnter = 13;

// Hint pictures shown while the pointer is over a button and hidden when it moves off;
// `hiddenOver` is a picture the button's own hint replaces (-1 for none).
struct ButtonCompanion {
    int32_t button;
    int32_t shown;
    int32_t hiddenOver;
};
constexpr ButtonCompanion kCompanions[] = {
    {1, 58, -1}, {52, 56, -1}, {53, 66, -1}, {54, 57, -1}, {70, 72, 58}, {71, 73, 58},
};
constexpr int32_t kPanelButton = 71;

const ButtonCompanion* CompanionOf(int32_t id) {
    for (const ButtonCompanion& entry : kCompanions) {
        if (entry.button == id) return &entry;
    }
    return nullptr;
}

}  // namespace

int PictureButton::SetUp(int x, int y, const char* pictureName, int32_t accelerator,
                         uint32_t flags) {
    SetPosition(x, y);
    SetFlags(flags);
    name_ = std::string(pictureName ? pictureName : "").substr(0, kMaxName);
    SetAccelerator(accelerator);
    int32_t width = 0, height = 0;
    if (Interface::LoadStrip(&strip_, name_.c_str(), &width, &height)) {
        SetSize(width, height / 4);
    } else {
        SetSize(8 * static_cast<int>(name_.size()) + 8, 24);
    }
    Render();
    return 1;
}

void PictureButton::Render() {
    if (!Picture()) return;
    if (strip_) {
        button_face::PaintCell(*this, *strip_, 0, button_face::RowFor(*this, pressedBy_));
    } else {
        button_face::PaintText(*this, name_.c_str());
    }
}

void PictureButton::FitTextFaceTo(int left, int right, int bottom) {
    if (strip_ || left == -1) return;
    SetSize(std::max(Width(), right), std::max(Height(), bottom));
}

void PictureButton::SetHotArea1(int left, int top, int right, int bottom) {
    FitTextFaceTo(left, right, bottom);
    Control::SetHotArea1(left, top, right, bottom);
}

void PictureButton::SetHotArea2(int left, int top, int right, int bottom) {
    FitTextFaceTo(left, right, bottom);
    Control::SetHotArea2(left, top, right, bottom);
}

int PictureButton::Reload() {
    if (!CreatePicture()) return 0;
    strip_.reset();
    int result = 1;
    if (!name_.empty()) result = Interface::LoadStrip(&strip_, name_.c_str(), nullptr, nullptr);
    Render();
    return result;
}

bool PictureButton::IsPressCharacter(int32_t value) const {
    const uint32_t flags = GetFlags();
    return (value == kEsc && (flags & kEscape)) ||
           (value == kEnter && ((flags & kDefault) || HasFocus())) ||
           (GetAccelerator() != 0 && value == GetAccelerator());
}

void PictureButton::ShowCompanions() const {
    if (const ButtonCompanion* entry = CompanionOf(GetId())) {
        if (entry->hiddenOver >= 0) companions::Hide(entry->hiddenOver);
        companions::Show(entry->shown);
    }
}

void PictureButton::HideCompanions() const {
    if (const ButtonCompanion* entry = CompanionOf(GetId())) companions::Hide(entry->shown);
}

void PictureButton::HandleInput(int32_t code, int32_t value, int32_t* handled) {
    if (controlsFrozen && !(GetFlags() & kUnfreezable)) return;
    const bool usable = !(GetFlags() & (kHidden | kDisabled));
    const int32_t id = GetId();
    switch (code) {
        case Interface::kInputChar:
            if (usable && *handled && IsPressCharacter(value)) {
                Interface::SetFocus(this);
                pressedBy_ = value;
                Render();
                *handled = 0;
            }
            break;
        case Interface::kInputCharUp:
            if (pressedBy_ > 0 && value == pressedBy_) {
                if (!IsPointerIn(Bounds())) Interface::SetFocus(int32_t{0});
                pressedBy_ = 0;
                Render();
                // The game may tear this button down while it handles the event.
                Interface::ReportControlEvent(this, kEventReleased, *handled);
                *handled = 0;
            }
            break;
        case Interface::kInputLeftDown:
        case Interface::kInputDoubleClick:
            if (usable && *handled && IsPointerOver()) {
                pressedBy_ = -1;
                Render();
                *handled = 0;
            }
            break;
        case Interface::kInputLeftUp:
            if (pressedBy_ == -1) {
                pressedBy_ = 0;
                Render();
                if (IsPointerOver()) {
                    Interface::ReportControlEvent(this, kEventReleased, *handled);
                    *handled = 0;
                    if (id == kPanelButton) companions::Hide(CompanionOf(id)->shown);
                }
            }
            break;
        case Interface::kInputMouseMove:
            if (!usable) break;
            if (IsPointerOver()) {
                Interface::SetFocus(this);
                *handled = 0;
                ShowCompanions();
            } else {
                if (HasFocus()) Interface::SetFocus(int32_t{0});
                HideCompanions();
                Interface::ReportControlEvent(this, kEventPointerOff, *handled);
            }
            break;
        default:
            break;
    }
}
