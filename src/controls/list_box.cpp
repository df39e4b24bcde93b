#include "list_box.h"

#include "frame/interface.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>

ListBox::ListBox(int32_t id) : Control(id) {}

ListBox::~ListBox() = default;

int ListBox::SetUp(int x, int y, int width, int height, int capacity, const gfx::Font* font,
                   uint32_t flags, int barWidth) {
    SetPosition(x, y);
    SetFlags(flags);
    font_ = font;
    if (capacity < 0) return 0;
    items_.reset(new (std::nothrow) Item[static_cast<std::size_t>(capacity)]());
    if (!items_) return 0;
    capacity_ = capacity;
    count_ = 0;
    gfx::Size extent;
    rowHeight_ = 16;
    if (font_ && Interface::MeasureText("X", font_, &extent) && extent.height > 0) {
        rowHeight_ = extent.height;
    }
    visible_ = std::max((height - 8) / rowHeight_, 0);
    trackLength_ = height - 19;
    barWidth_ = barWidth;
    SetSize(width, height);
    return 1;
}

int ListBox::AddItem(const char* text, const char* secondText, int32_t value,
                     ReleaseCallback release) {
    if (count_ >= capacity_) return 0;
    Item& item = items_[static_cast<std::size_t>(count_)];
    std::snprintf(item.text, sizeof item.text, "%s", text ? text : "");
    if (secondText) std::snprintf(item.secondText, sizeof item.secondText, "%s", secondText);
    item.value = value;
    item.release = release;
    ++count_;
    // A drag reads the thumb's scale before the face is next drawn.
    if (BarShown()) MeasureThumb();
    faceStale_ = true;
    return 1;
}

void ListBox::Clear() {
    for (int i = 0; i < count_; ++i) {
        Item& item = items_[static_cast<std::size_t>(i)];
        item.text[0] = '\0';
        if (item.release) item.release(item.value);
        item.value = 0;
    }
    count_ = 0;
    first_ = 0;
    selected_ = -1;
    Render();
}

int ListBox::Select(int index) {
    if (index < 0 || index >= count_) return 0;
    if (index != selected_) {
        selected_ = index;
        Render();
    }
    Interface::ReportControlEvent(this, kEventSelected, 1);
    return 1;
}

bool ListBox::BarShown() const {
    return !((GetFlags() & kBarOnlyWhenNeeded) && visible_ >= count_);
}

int ListBox::TextLeft() const {
    return (GetFlags() & kBarOnLeft) ? X() + barWidth_ + 8 : X() + 4;
}

int ListBox::TextRight() const {
    return (GetFlags() & kBarOnLeft) ? X() + Width() - 4 : X() + Width() - barWidth_ - 4;
}

int ListBox::RowAtPointer() const {
    // Rows are hit where they are drawn: one row pitch each.
    return (Interface::MouseY() - Y() - 4) / (rowHeight_ + 3);
}

void ListBox::Render() {
    gfx::Surface* face = Picture();
    if (!face) return;
    faceStale_ = false;
    gfx::Canvas canvas(*face);
    DrawBackground(canvas);
    canvas.SetTextColor(TextColor());
    canvas.SetBackgroundColor(Interface::FillColor());
    canvas.SelectFont(font_);
    DrawItems(canvas);
    if (GetFlags() & kFramed) DrawFrame(canvas);
    DrawOverlay(canvas);
}

void ListBox::Update() {
    if (faceStale_) Render();
}

void ListBox::DrawBackground(gfx::Canvas& canvas) {
    canvas.FillRect({0, 0, Width(), Height()}, Interface::FillColor());
    if (BarShown()) DrawBar(canvas);
}

void ListBox::DrawOverlay(gfx::Canvas&) {}

void ListBox::DrawBar(gfx::Canvas& canvas) {
    const int b = (GetFlags() & kBarOnLeft) ? 4 : Width() - barWidth_ - 4;
    const int c = b + 4;
    const int h = Height();
    canvas.SetPen(Interface::LightPenColor());
    canvas.MoveTo(c, 4);
    canvas.LineTo(b, 8);
    canvas.LineTo(b + 8, 8);
    canvas.LineTo(c, 4);
    canvas.MoveTo(c, h - 4);
    canvas.LineTo(b, h - 8);
    canvas.LineTo(b + 8, h - 8);
    canvas.LineTo(c, h - 4);
    canvas.MoveTo(b + 3, 10);
    canvas.LineTo(b + 3, h - 9);
    canvas.MoveTo(b + 5, 10);
    canvas.LineTo(b + 5, h - 9);
    MeasureThumb();
    canvas.MoveTo(c, thumbOffset_ + 10);
    canvas.LineTo(c, thumbOffset_ + thumbLength_ + 10);
}

void ListBox::MeasureThumb() {
    if (visible_ < count_) {
        scale_ = static_cast<float>(trackLength_) / static_cast<float>(count_);
        thumbOffset_ = static_cast<int>(static_cast<float>(first_) * scale_);
        thumbLength_ = static_cast<int>(scale_ * static_cast<float>(visible_)) + 1;
    } else {
        thumbOffset_ = 0;
        thumbLength_ = trackLength_;
    }
}

void ListBox::DrawItems(gfx::Canvas& canvas) {
    // Flush with the face's right edge, or with the text column's when the bar is there.
    const int right = (BarShown() && !(GetFlags() & kBarOnLeft)) ? Width() - barWidth_ - 4
                                                                  : Width();
    int y = 4;
    for (int index = first_; y + rowHeight_ <= Height() - 4 && index < capacity_; ++index) {
        const char* text = items_[static_cast<std::size_t>(index)].text;
        if (*text) canvas.TextOut(right - canvas.TextExtent(text).width, y, text);
        y += rowHeight_ + 3;
    }
}

void ListBox::HandleInput(int32_t code, int32_t value, int32_t* handled) {
    if (controlsFrozen) return;
    if (code == Interface::kInputLeftUp && Dragging()) {
        dragY_ = -1;
        return;
    }
    if ((GetFlags() & (kHidden | kDisabled)) || *handled == 0) return;
    switch (code) {
        case Interface::kInputLeftDown:
        case Interface::kInputDoubleClick: HandlePress(code); break;
        case Interface::kInputLeftUp:
        case Interface::kInputMouseMove: HandlePointerMove(handled); break;
        case Interface::kInputChar: HandleCharacter(value, handled); break;
        default: break;
    }
}

void ListBox::HandlePress(int32_t code) {
    // Only presses on the list itself count: the row arithmetic would otherwise take a press
    // just above it for the first row.
    if (!IsPointerIn(Bounds())) return;
    const int mx = Interface::MouseX(), my = Interface::MouseY();
    if (TextLeft() <= mx && mx < TextRight()) {
        const int row = RowAtPointer();
        if (row >= 0 && row < visible_ && Select(first_ + row) &&
            code == Interface::kInputDoubleClick) {
            Interface::ReportControlEvent(this, kEventChosen, 1);
        }
        return;
    }
    const bool inBar = (GetFlags() & kBarOnLeft) ? mx < TextLeft() : mx >= TextRight();
    if (!inBar) return;
    if (my > Y() && my < Y() + 10 && first_ > 0) {
        ScrollTo(first_ - 1);
    } else if (my > Y() + Height() - 10 && my < Y() + Height() && first_ + visible_ < count_) {
        ScrollTo(first_ + 1);
    } else if (my > Y() && my < Y() + Height() && count_ > visible_) {
        dragY_ = my;
        dragFirst_ = first_;
    }
}

void ListBox::HandlePointerMove(int32_t* handled) {
    if (IsPointerIn(Bounds())) {
        Interface::SetFocus(this);
        *handled = 0;
        const int mx = Interface::MouseX();
        const int row = RowAtPointer();
        if ((GetFlags() & kItemHints) && TextLeft() <= mx && mx < TextRight() && row >= 0 &&
            row < visible_ && first_ + row < count_) {
            SetHint(items_[static_cast<std::size_t>(first_ + row)].secondText);
        }
    } else if (HasFocus()) {
        Interface::SetFocus(static_cast<int32_t>(0));
    }
    if (Dragging()) FollowDrag();
}

void ListBox::FollowDrag() {
    // The scale is computed when the bar is drawn; a list never drawn uses 1 pixel per item.
    const float scale = scale_ > 0.0f ? scale_ : 1.0f;
    const float items = static_cast<float>(Interface::MouseY() - dragY_) / scale;
    int n = static_cast<int>(std::clamp(std::trunc(items), -1e6f, 1e6f)) + dragFirst_;
    n = std::max(n, 0);
    if (n + visible_ >= count_) n = std::max(count_ - visible_, 0);
    if (n != first_) ScrollTo(n);
}

void ListBox::ScrollTo(int first) {
    first_ = first;
    Render();
}

void ListBox::HandleCharacter(int32_t value, int32_t* handled) {
    const bool focused = HasFocus();
    if (value == 13 && (focused || (GetFlags() & kEnterWithoutFocus))) {
        if (first_ <= selected_ && selected_ < first_ + visible_) {
            *handled = 0;
            Interface::ReportControlEvent(this, kEventChosen, 1);
        }
    } else if (value == kCharUp && (focused || (GetFlags() & kArrowsWithoutFocus))) {
        MoveUp(handled);
    } else if (value == kCharDown && (focused || (GetFlags() & kArrowsWithoutFocus))) {
        MoveDown(handled);
    }
}

void ListBox::MoveUp(int32_t* handled) {
    const int s = selected_;
    if (s < first_) {
        Select(first_);
    } else if (s >= first_ + visible_) {
        Select(first_ + visible_ - 1);
    } else if (s > 0) {
        first_ = std::min(first_, s - 1);
        Select(s - 1);
    } else {
        *handled = 0;
    }
}

void ListBox::MoveDown(int32_t* handled) {
    const int s = selected_;
    if (s < first_) {
        Select(first_);
    } else if (s >= first_ + visible_) {
        Select(first_ + visible_ - 1);
    } else if (s < count_ - 1) {
        if (s + 1 >= first_ + visible_) first_ = s - visible_ + 2;
        Select(s + 1);
    } else {
        *handled = 0;
    }
}
