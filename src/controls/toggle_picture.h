// A picture that flips between its two end frames, animating forward to "on" and backward
// to "off" on each press.
#pragma once

#include "animated_picture.h"

class TogglePicture : public AnimatedPicture {
public:
    static constexpr int32_t kEventToggled = 1;

    explicit TogglePicture(int32_t id) : AnimatedPicture(id) {}

    // The state only; the picture is not changed.
    void SetOn(uint8_t on) { on_ = on; }
    uint8_t IsOn() const { return on_; }

    void HandleInput(int32_t code, int32_t value, int32_t* handled) override;

private:
    uint8_t on_ = 0;
};
