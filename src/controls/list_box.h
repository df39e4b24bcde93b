// A vertical list of one-line items, right-aligned, with an outlined scroll bar: the
// columns of the score tables. Items are selected by the pointer or by the arrow
// characters, chosen by Enter, and scrolled by the bar's arrows or by dragging its thumb.
#pragma once

#include "frame/control.h"

#include <memory>

class ListBox : public Control {
public:
    static constexpr uint32_t kEnterWithoutFocus = 0x02;
    static constexpr uint32_t kArrowsWithoutFocus = 0x04;
    static constexpr uint32_t kBarOnLeft = 0x1000000;
    static constexpr uint32_t kBarOnlyWhenNeeded = 0x2000000;
    static constexpr uint32_t kItemHints = 0x4000000;

    static constexpr int32_t kEventSelected = 1;
    static constexpr int32_t kEventChosen = 2;

    // Selection characters: they arrive as typed characters, not as key codes.
    static constexpr int32_t kCharUp = 0x26;
    static constexpr int32_t kCharDown = 0x28;

    static constexpr int kTextCapacity = 50;

    using ReleaseCallback = void (*)(int32_t value);

    struct Item {
        char text[kTextCapacity + 1];
        char secondText[kTextCapacity + 1];
        int32_t value;
        ReleaseCallback release;
    };

    explicit ListBox(int32_t id);
    // Frees the items without calling their release callbacks.
    ~ListBox() override;

    // 0 when the items cannot be allocated.
    int SetUp(int x, int y, int width, int height, int capacity, const gfx::Font* font,
              uint32_t flags, int barWidth);
    // 0 when the list is full. Keeps the first 50 characters of each text. The face is drawn
    // again at the next update, before the frame is composed, not per item: a table adds
    // hundreds of rows at once.
    int AddItem(const char* text, const char* secondText, int32_t value, ReleaseCallback release);
    // Calls each item's release callback with its value and empties the list.
    void Clear();
    // Selects item `index` and reports event 1; 0 for an index outside the list.
    int Select(int index);

    int Count() const { return count_; }
    int Capacity() const { return capacity_; }
    int First() const { return first_; }
    int Visible() const { return visible_; }
    int Selected() const { return selected_; }
    int RowHeight() const { return rowHeight_; }
    const Item& ItemAt(int index) const { return items_[static_cast<std::size_t>(index)]; }
    bool Dragging() const { return dragY_ != -1; }
    float Scale() const { return scale_; }
    int ThumbOffset() const { return thumbOffset_; }
    int ThumbLength() const { return thumbLength_; }
    // The top of row `row` (0 = the first visible item) inside the face.
    int RowTop(int row) const { return 4 + row * (rowHeight_ + 3); }

    void Render() override;
    void Update() override;
    void HandleInput(int32_t code, int32_t value, int32_t* handled) override;
    virtual void DrawBackground(gfx::Canvas& canvas);
    virtual void DrawOverlay(gfx::Canvas& canvas);

private:
    bool BarShown() const;
    void DrawBar(gfx::Canvas& canvas);
    // The thumb's scale, offset and length for the current count and first item.
    void MeasureThumb();
    void DrawItems(gfx::Canvas& canvas);
    // The text column and the bar in screen coordinates: [left, right).
    int TextLeft() const;
    int TextRight() const;
    // The row under the pointer, counted from the first visible item; may be out of range.
    int RowAtPointer() const;
    void HandlePress(int32_t code);
    void HandlePointerMove(int32_t* handled);
    void FollowDrag();
    void HandleCharacter(int32_t value, int32_t* handled);
    void MoveUp(int32_t* handled);
    void MoveDown(int32_t* handled);
    void ScrollTo(int first);

    std::unique_ptr<Item[]> items_;
    int capacity_ = 0;
    int count_ = 0;
    int first_ = 0;
    int visible_ = 1;
    int trackLength_ = 1;
    const gfx::Font* font_ = nullptr;
    int rowHeight_ = 16;
    int dragY_ = -1;
    int dragFirst_ = -1;
    int barWidth_ = 0;
    float scale_ = 1.0f;
    int thumbOffset_ = 0;
    int thumbLength_ = 0;
    int selected_ = -1;
    bool faceStale_ = false;
};
