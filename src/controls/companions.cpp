#include "companions.h"

#include "frame/control.h"
#include "frame/interface.h"

namespace companions {

void Show(int32_t id) {
    if (Control* control = Interface::FindControl(id)) control->ClearFlags(Control::kHidden);
}

void Hide(int32_t id) {
    if (Control* control = Interface::FindControl(id)) control->SetFlags(Control::kHidden);
}

}  // namespace companions
