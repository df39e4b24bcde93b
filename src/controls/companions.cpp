#include "companions.h"

#include "frame/control.h"
#include "frame/interface.h"

namespace companions {

namespace {

// The companion shown last; the control is compared so that a later screen's control of the
// same id is never touched.
struct Shown {
    int32_t id = -1;
    const Control* control = nullptr;
};

Shown& LastShown() {
    static Shown shown;
    return shown;
}

}  // namespace

void Show(int32_t id) {
    Control* control = Interface::FindControl(id);
    if (!control) return;
    Shown& last = LastShown();
    if (last.id != id && last.control && Interface::FindControl(last.id) == last.control) {
        Interface::FindControl(last.id)->SetFlags(Control::kHidden);
    }
    control->ClearFlags(Control::kHidden);
    last = {id, control};
}

void Hide(int32_t id) {
    if (Control* control = Interface::FindControl(id)) control->SetFlags(Control::kHidden);
}

}  // namespace companions
