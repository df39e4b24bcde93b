// A push button: a four-row picture (normal, focused, pressed, disabled), or its name as
// text when the picture is missing. Reports event 1 when released.
#pragma once

#include "frame/control.h"

#include <memory>
#include <string>

class PictureButton : public Control {
public:
    static constexpr int32_t kEventReleased = 1;
    static constexpr int32_t kEventPointerOff = 3;

    explicit PictureButton(int32_t id) : Control(id) {}

    // Always 1: a button whose picture cannot be loaded shows its name instead.
    int SetUp(int x, int y, const char* pictureName, int32_t accelerator, uint32_t flags);

    void Render() override;
    int Reload() override;
    // Without its picture the button grows to hold the hot area, so it can still be pressed
    // wherever the picture would have been.
    void SetHotArea1(int left, int top, int right, int bottom) override;
    void SetHotArea2(int left, int top, int right, int bottom) override;
    void HandleInput(int32_t code, int32_t value, int32_t* handled) override;

    const std::string& Name() const { return name_; }
    int32_t PressedBy() const { return pressedBy_; }
    bool HasStrip() const { return strip_ != nullptr; }

protected:
    // Whether a typed character presses this button: Esc with the escape flag, Enter with the
    // default flag or the focus, or the accelerator.
    bool IsPressCharacter(int32_t value) const;
    bool IsPointerOver() const { return IsPointerIn(); }

    std::shared_ptr<const gfx::Surface> strip_;  // shared with the picture cache
    std::string name_;
    int32_t pressedBy_ = 0;  // 0 idle, -1 the left button, else the character that pressed it

private:
    void FitTextFaceTo(int left, int right, int bottom);
    void ShowCompanions() const;
    void HideCompanions() const;
};
