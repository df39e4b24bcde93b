// The fixed-size control list, the keyboard focus and the delivery of input and events.
#include "frame/control.h"
#include "frame_state.h"
#include "platform/platform.h"

namespace Interface {

using detail::State;

int AddControl(Control* control, bool atBack) {
    auto& slots = State().controls;
    if (!control) return 0;
    if (atBack) {
        for (Control*& slot : slots) {
            if (!slot) {
                slot = control;
                return 1;
            }
        }
        return 0;
    }
    if (slots[kControlSlots - 1]) return 0;
    for (int i = kControlSlots - 1; i > 0; --i) slots[i] = slots[i - 1];
    slots[0] = control;
    return 1;
}

Control* FindControl(int32_t id) {
    for (Control* control : State().controls) {
        if (control && control->GetId() == id) return control;
    }
    return nullptr;
}

bool HasControl(const Control* control) {
    for (const Control* listed : State().controls) {
        if (listed && listed == control) return true;
    }
    return false;
}

void RemoveControl(Control* control) {
    auto& slots = State().controls;
    for (int i = 0; i < kControlSlots; ++i) {
        if (slots[i] != control) continue;
        for (int j = i; j < kControlSlots - 1; ++j) slots[j] = slots[j + 1];
        slots[kControlSlots - 1] = nullptr;
        return;
    }
}

void RemoveAllControls(bool all) {
    auto& slots = State().controls;
    int i = 0;
    while (i < kControlSlots) {
        Control* control = slots[i];
        if (control && (all || !(control->GetFlags() & Control::kPersistent))) {
            RemoveControl(control);
            State().retired.push_back(control);
            continue;  // the next control has moved into this slot
        }
        ++i;
    }
}

void DestroyRetiredControls() {
    std::vector<Control*> retired;
    retired.swap(State().retired);
    for (Control* control : retired) delete control;
}

Control* ControlAt(int slot) {
    return slot >= 0 && slot < kControlSlots ? State().controls[slot] : nullptr;
}

void SetControlAt(int slot, Control* control) {
    if (slot >= 0 && slot < kControlSlots) State().controls[slot] = control;
}

Control* GetFocus() {
    const int32_t focusId = State().focusId;
    for (Control* control : State().controls) {
        if (!control) break;
        if (control->GetId() == focusId) return control;
    }
    return nullptr;
}

int32_t GetFocusId() { return State().focusId; }

void SetFocus(int32_t id) {
    Control* previous = GetFocus();
    if (previous && previous->GetId() == id) return;
    State().focusId = id;
    if (previous) previous->Refresh();
    if (Control* now = GetFocus()) {
        now->Refresh();
    } else {
        State().focusId = 0;
    }
}

void SetFocus(Control* control) {
    if (control) {
        SetFocus(control->GetId());
        return;
    }
    if (Control* previous = GetFocus()) previous->Refresh();
    State().focusId = 0;
}

int32_t ReportControlEvent(Control* control, int32_t code, int32_t value) {
    const auto callback = State().onControlEvent;
    return callback ? callback(control, code, value) : 0;
}

int32_t DispatchInput(int32_t code, int32_t value) {
    int32_t handled = 1;
    const int32_t state = GetState();
    Control* focused = GetFocus();
    if (focused) focused->HandleInput(code, value, &handled);
    for (int i = 0; i < kControlSlots; ++i) {
        Control* control = State().controls[i];
        if (!control || GetState() != state) break;
        if (control == focused) continue;
        control->HandleInput(code, value, &handled);
    }
    const auto callback = State().onInput;
    if (callback && GetState() == state) return callback(code, value, &handled);
    return 0;
}

int MouseX() { return State().mouseX; }
int MouseY() { return State().mouseY; }

// ---- The screen-state stack ------------------------------------------------------------------

int32_t GetState() { return State().stateStack[State().stateTop]; }

void SetState(int32_t word, bool push) {
    detail::FrameState& s = State();
    if (push && s.stateTop >= kStateSlots - 1) push = false;
    if (push) ++s.stateTop;
    s.stateStack[s.stateTop] = word;
    // The bands belong to the screen that filled them; the next one fills its own.
    platform::SetSideBands({});
    if (s.onStateChanged) s.onStateChanged();
    s.inputBlocked = true;
}

void PopStates(int count) {
    detail::FrameState& s = State();
    if (s.stateTop - count < 0) count = s.stateTop;
    s.stateTop -= count;
    platform::SetSideBands({});
    if (s.onStateChanged) s.onStateChanged();
}

int StateTop() { return State().stateTop; }
bool InputBlocked() { return State().inputBlocked; }

}  // namespace Interface
