// A state button whose state is picked by the pointer position along it, or stepped by the
// arrow characters while it has the focus.
#pragma once

#include "state_button.h"

class Slider : public StateButton {
public:
    static constexpr uint32_t kVertical = 0x1000000;

    explicit Slider(int32_t id) : StateButton(id) {}

    void HandleInput(int32_t code, int32_t value, int32_t* handled) override;

private:
    // The column under the pointer, within 0..columns - 1.
    int32_t PositionUnderPointer() const;
    bool IsStepCharacter(int32_t value) const;
};
