// One frame of a horizontal strip, optionally run through by time; it also reports pointer
// and click events so that any picture can serve as a hot spot.
#pragma once

#include "animation.h"
#include "frame/control.h"

#include <memory>
#include <string>

class AnimatedPicture : public Control {
public:
    static constexpr int32_t kEventClicked = 1;
    static constexpr int32_t kEventPointerOver = 3;
    static constexpr int32_t kEventAnimationEnded = 4;
    static constexpr int32_t kEventPointerOff = 5;

    explicit AnimatedPicture(int32_t id) : Control(id) {}

    // 0 when the strip cannot be loaded; the picture then draws nothing.
    int SetUp(int x, int y, const char* stripName, int32_t frames, float framePeriodSeconds,
              uint32_t flags);
    // Runs from the mode's first frame, whatever the current frame was.
    void StartAnimation(int32_t mode, bool loop);
    // Shown from the next update on; kept within the strip's frames.
    void SetFrame(int32_t frame);
    int32_t CurrentFrame() const { return animation_.currentFrame; }
    bool IsRunning() const { return animation_.running; }

    void Render() override;
    void Refresh() override;
    int Reload() override;
    void Update() override;
    void HandleInput(int32_t code, int32_t value, int32_t* handled) override;

protected:
    bool IsPointerOver() const { return IsPointerIn(); }
    bool IsUsable() const { return !(GetFlags() & (kHidden | kDisabled)); }
    // Reports the end of a run that does not loop; the last thing a render does, since the
    // game may tear the picture down while it handles the event.
    void ReportEnd();

    Animation animation_;

private:
    std::shared_ptr<const gfx::Surface> strip_;  // shared with the picture cache
    std::string name_;
    bool armed_ = false;
};
