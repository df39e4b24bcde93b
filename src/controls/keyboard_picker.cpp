#include "keyboard_picker.h"

#include "frame/interface.h"

#include <algorithm>

namespace {

// Keys whose marker sits centred at the top of the key: tab, left control, both shifts,
// left alt, keypad 0, right control, right alt.
constexpr int32_t kWideKeys[] = {15, 29, 42, 54, 56, 82, 285, 312};
// Keys whose marker sits at the left, centred vertically: keypad plus, keypad Enter.
constexpr int32_t kTallKeys[] = {78, 284};

bool IsOneOf(int32_t key, const int32_t* begin, const int32_t* end) {
    return std::find(begin, end, key) != end;
}

}  // namespace

KeyboardPicker::KeyboardPicker(int32_t id) : Control(id) { playerKeys_.fill(-1); }

int KeyboardPicker::SetUp(int x, int y, const char* keyboardName, const char* currentMarkerName,
                          const char* takenMarkerName, uint32_t flags) {
    LoadLayout();
    SelectPlayer(0);
    SetPosition(x, y);
    SetFlags(flags);
    keyboardName_ = std::string(keyboardName ? keyboardName : "").substr(0, 260);
    currentMarkerName_ = std::string(currentMarkerName ? currentMarkerName : "").substr(0, 260);
    takenMarkerName_ = std::string(takenMarkerName ? takenMarkerName : "").substr(0, 260);
    int ok = Interface::LoadPicture(&currentMarker_, currentMarkerName_.c_str(), &markerWidth_,
                                    &markerHeight_, 0);
    ok &= Interface::LoadPicture(&takenMarker_, takenMarkerName_.c_str(), nullptr, nullptr, 0);
    int32_t width = 0, height = 0;
    if (Interface::LoadPicture(&keyboard_, keyboardName_.c_str(), &width, &height, 0)) {
        SetSize(width, height);
    } else {
        ok = 0;
    }
    return ok;
}

void KeyboardPicker::LoadLayout() { layout_.Load(kLayoutFile); }

void KeyboardPicker::SelectPlayer(int index) {
    if (!IsPlayer(index)) return;
    currentPlayer_ = index;
    previousKey_ = playerKeys_[index];
    playerKeys_[index] = -1;
    previous_ = MarkerPositionOf(previousKey_);
    marker_ = Position{};
}

int32_t KeyboardPicker::GetPlayerKey(int index) const {
    return IsPlayer(index) ? playerKeys_[index] : -1;
}

void KeyboardPicker::SetPlayerKey(int index, int32_t key) {
    if (IsPlayer(index)) playerKeys_[index] = key;
}

void KeyboardPicker::ClearPlayerKey(int index) { SetPlayerKey(index, -1); }

void KeyboardPicker::ClearAllPlayerKeys() { playerKeys_.fill(-1); }

int KeyboardPicker::GetKeyNumber(int index) const {
    const int32_t key = GetPlayerKey(index);
    if (key < 0 || key >= KeyLayout::kKeyCount) return 0;
    return layout_.Entry(key).line + 1;
}

KeyboardPicker::Position KeyboardPicker::MarkerPositionOf(int32_t key) const {
    if (!layout_.Has(key)) return {};
    const gfx::Rect& a = layout_.Entry(key).area1;
    if (IsOneOf(key, std::begin(kWideKeys), std::end(kWideKeys))) {
        return {a.left + (a.right - a.left) / 2 - 9, a.top + 2};
    }
    if (key == KeyLayout::kEnterKey) return {a.left + (a.right - a.left) / 2 - 9, a.top + 6};
    if (IsOneOf(key, std::begin(kTallKeys), std::end(kTallKeys))) {
        return {a.left + 2, a.top + (a.bottom - a.top) / 2 - 9};
    }
    return {a.left + 2, a.top + 2};
}

bool KeyboardPicker::IsTaken(int32_t key) const {
    return std::find(playerKeys_.begin(), playerKeys_.end(), key) != playerKeys_.end();
}

void KeyboardPicker::AssignHoveredKey() {
    if (!IsPlayer(currentPlayer_) || hoveredKey_ == -1 || IsTaken(hoveredKey_)) return;
    playerKeys_[static_cast<std::size_t>(currentPlayer_)] = hoveredKey_;
    previousKey_ = -1;
    Render();
    Interface::ReportControlEvent(this, kEventAssigned, 1);
}

void KeyboardPicker::PlaceMarker(gfx::Surface& face, const gfx::Surface* marker,
                                 Position at) const {
    if (!marker || !at.IsSet()) return;
    gfx::CopyOpaque(face, at.x, at.y, markerWidth_, markerHeight_, *marker, 0, 0);
}

void KeyboardPicker::Render() {
    gfx::Surface* face = Picture();
    if (!face || !keyboard_) return;
    gfx::CopyOpaque(*face, 0, 0, face->width, face->height, *keyboard_, 0, 0);
    for (int32_t key : playerKeys_) {
        if (key != -1) PlaceMarker(*face, takenMarker_.get(), MarkerPositionOf(key));
    }
    if (IsPlayer(currentPlayer_) && playerKeys_[static_cast<std::size_t>(currentPlayer_)] != -1) {
        marker_ = MarkerPositionOf(playerKeys_[static_cast<std::size_t>(currentPlayer_)]);
        PlaceMarker(*face, currentMarker_.get(), marker_);
    }
    if (previousKey_ != -1) PlaceMarker(*face, currentMarker_.get(), previous_);
    if (GetFlags() & kFramed) {
        gfx::Canvas canvas(*face);
        DrawFrame(canvas);
    }
}

void KeyboardPicker::HandleInput(int32_t code, int32_t value, int32_t* handled) {
    if ((GetFlags() & (kHidden | kDisabled)) || *handled == 0) return;
    switch (code) {
        case Interface::kInputLeftDown:
            if (IsPointerIn()) armed_ = true;
            break;
        case Interface::kInputLeftUp:
            if (!IsPointerIn() || !armed_) break;
            armed_ = false;
            // The hovered key may also be the last key pressed, which the picture need not
            // show: a click takes it all the same.
            if (hoveredKey_ == -1) {
                marker_ = Position{};
            } else {
                AssignHoveredKey();
            }
            break;
        case Interface::kInputMouseMove:
            if (IsPointerIn()) {
                hoveredKey_ = layout_.KeyAt(Interface::MouseX() - X(), Interface::MouseY() - Y());
            }
            break;
        case Interface::kInputKeyDown:
            if (value >= 32 && HasFocus()) *handled = 0;
            // A held key's repeats choose nothing; a key the picture does not offer is not
            // kept either, so that a click cannot choose it afterwards.
            if (Interface::KeyDownIsRepeat()) break;
            if (layout_.Has(value)) {
                hoveredKey_ = value;
                AssignHoveredKey();
            } else {
                hoveredKey_ = -1;
                marker_ = Position{};
                Render();
            }
            break;
        default: break;
    }
}
