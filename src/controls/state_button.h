// A button with several looks, one per state: it cycles through them on each release, or,
// as a member of a radio group, stays selected while the other members fall back to 0.
#pragma once

#include "frame/control.h"

#include <memory>
#include <string>

class StateButton : public Control {
public:
    static constexpr int32_t kEventReleased = 1;
    static constexpr int32_t kNoGroup = -1;

    explicit StateButton(int32_t id) : Control(id) {}

    // Always 1; a missing picture gives a text button. `columns` is the number of states.
    int SetUp(int x, int y, const char* pictureName, int32_t columns, int32_t group,
              uint32_t flags);
    int SetUp(int x, int y, const char* pictureName, int32_t columns, uint32_t flags);
    // Kept within 0..columns - 1.
    void SetState(int32_t state);
    int32_t GetState() const { return state_; }
    int32_t Group() const { return group_; }
    int32_t Columns() const { return columns_; }

    void Render() override;
    int Reload() override;
    void HandleInput(int32_t code, int32_t value, int32_t* handled) override;

protected:
    bool IsUsable() const { return !(GetFlags() & (kHidden | kDisabled)); }
    bool IsPointerOverBounds() const { return IsPointerIn(Bounds()); }

    int32_t pressedBy_ = 0;  // 0 idle, -1 the left button, else the character that pressed it
    int32_t columns_ = 1;
    int32_t state_ = 0;

private:
    void Advance();
    // Tells the other members of the group to fall back to state 0.
    void ResetGroup(int32_t value);

    std::shared_ptr<const gfx::Surface> strip_;  // shared with the picture cache
    std::string name_;
    int32_t group_ = kNoGroup;
};
