// The sound switch in the bottom bar: a speaker that mutes and unmutes, and four bars that
// set the volume. Its picture has five frames side by side (muted, then one to four bars
// lit) in two rows (normal, pointer over); it follows the settings whichever way they
// change (the mute key too).
#pragma once

#include "frame/control.h"

#include <memory>
#include <string>

namespace sound {

class SoundControl : public Control {
public:
    static constexpr int kWidth = 50;
    static constexpr int kHeight = 24;
    static constexpr int kSpeakerWidth = 25;  // the bars take the rest, one step each
    static constexpr int kBars = 4;

    SoundControl(int32_t id, int32_t hintId) : Control(id), hintId_(hintId) {}

    // Always 1: without its picture the control shows a word instead.
    int SetUp(int x, int y, const char* pictureName, uint32_t flags);

    void Render() override;
    int Reload() override;
    void Update() override;
    void HandleInput(int32_t code, int32_t value, int32_t* handled) override;

    // The frame that shows the current settings: 0 muted, else the lit bars.
    static int FrameForSettings();

private:
    void Press(int x);

    std::shared_ptr<const gfx::Surface> strip_;  // shared with the picture cache
    std::string name_;
    int32_t hintId_;
    bool pointerOver_ = false;
    int shownFrame_ = -1;
};

}  // namespace sound
