// The host's phone switch on the buzzer set-up screen: it turns phones on and off and shows or
// hides the join panel (room/phone_join_panel.h).
#pragma once

#include "frame/control.h"

namespace multi {

constexpr int32_t kPhoneSwitch = 640;

// The switch, always shown; the panel, shown when the host opens it with the switch.
void AddPhoneJoinControls();

class PhoneSwitch : public Control {
public:
    PhoneSwitch();
    void Render() override;
    void Update() override;
    void HandleInput(int32_t code, int32_t value, int32_t* handled) override;

private:
    enum class Look { Off, CodeHidden, CodeShown };
    Look shown_ = Look::Off;
};

}  // namespace multi
