// A push button that plays an animation strip while the pointer is over it and can also be
// pressed by a hot key (F1..F3, the digits 1..3 or the keypad's 1..3).
#pragma once

#include "animation.h"
#include "picture_button.h"

// Set by the question browser while the shown question has its right answer marked; the
// browser's next button picks its hint picture by it.
extern uint8_t browserAnswerShown;

class AnimatedButton : public PictureButton {
public:
    // Options: the hover and release animations loop / run ping-pong.
    static constexpr int32_t kOptionLoop = 0x1;
    static constexpr int32_t kOptionPingPong = 0x4;
    static constexpr int32_t kHotKeyF1 = 0x3B;
    static constexpr int32_t kHotKeyF2 = 0x3C;
    static constexpr int32_t kHotKeyF3 = 0x3D;

    explicit AnimatedButton(int32_t id) : PictureButton(id) {}

    // 0 when the animation strip cannot be loaded (the button still works, without it).
    int SetUp(int x, int y, const char* pictureName, const char* animationName, int32_t frames,
              float framePeriodSeconds, int32_t options, int32_t accelerator, uint32_t flags);
    void StartAnimation(int32_t mode, bool loop);
    void StopAnimation() { animation_.running = false; }
    void SetFrame(int32_t frame);
    // Stops the animation, back to the static look, then sets `flags` (to disable or hide).
    void Halt(uint32_t flags);
    void SetHotKey(int32_t scanCode) { hotKey_ = scanCode; }

    void Render() override;
    void Update() override;
    void HandleInput(int32_t code, int32_t value, int32_t* handled) override;

    bool IsAnimating() const { return animating_; }
    int32_t CurrentFrame() const { return animation_.currentFrame; }
    int32_t Hover() const { return hover_; }

private:
    static constexpr int32_t kEntered = 1;
    static constexpr int32_t kLeft = 2;

    bool IsHotKey(int32_t scanCode) const;
    bool IsPointerOverHotAreas() const;
    void Enter();
    void Leave();
    void Release();
    void ShowCompanions() const;
    void HideCompanions() const;

    bool animating_ = false;
    std::shared_ptr<const gfx::Surface> animationStrip_;  // shared with the picture cache
    std::string animationName_;
    Animation animation_;
    int32_t options_ = 0;
    int32_t hover_ = 0;  // 1 after the pointer entered, 2 after it left
    int32_t hotKey_ = 0;
};
