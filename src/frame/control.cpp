#include "control.h"

#include "frame/interface.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

Control::Control(int32_t id) : id_(id) {}

Control::~Control() = default;

void Control::Render() {}

void Control::Refresh() { Render(); }

int Control::CreatePicture() {
    int32_t width = Width(), height = Height();
    const int flags = Interface::kPictureBlank |
                      ((flags_ & kTransparent) ? Interface::kPictureTransparent : 0);
    return Interface::LoadPicture(&picture_, nullptr, &width, &height, flags);
}

int Control::Reload() { return CreatePicture(); }

void Control::Draw() {
    if ((flags_ & kHidden) || !picture_) return;
    gfx::Surface& back = Interface::BackBuffer();
    int x = x_, y = y_, left = 0, top = 0;
    int width = picture_->width, height = picture_->height;
    if (x < 0) {
        left = -x;
        width += x;
        x = 0;
    }
    if (y < 0) {
        top = -y;
        height += y;
        y = 0;
    }
    if (x + width >= back.width) width = back.width - x;
    if (y + height >= back.height) height = back.height - y;
    if (width <= 0 || height <= 0) return;
    if (flags_ & kTransparent) {
        Interface::BlitKeyed(back, x, y, *picture_, {left, top, left + width, top + height});
    } else {
        gfx::CopyOpaque(back, x, y, width, height, *picture_, left, top);
    }
}

void Control::Update() {}

void Control::HandleInput(int32_t, int32_t, int32_t*) {}

uint32_t Control::SetFlags(uint32_t bits) {
    const uint32_t newlyOff = bits & ~flags_ & (kHidden | kDisabled);
    if (newlyOff && HasFocus()) Interface::SetFocus(static_cast<int32_t>(0));
    flags_ |= bits;
    const uint32_t flags = flags_;
    // The refresh may report an event in which the game tears this control down.
    Refresh();
    return flags;
}

uint32_t Control::ClearFlags(uint32_t bits) {
    flags_ &= ~bits;
    const uint32_t flags = flags_;
    Refresh();
    return flags;
}

void Control::SetPosition(int x, int y) {
    x_ = x;
    y_ = y;
}

void Control::SetSize(int width, int height) {
    if (width == Width() && height == Height()) return;
    bounds_.right = bounds_.left + width;
    bounds_.bottom = bounds_.top + height;
    CreatePicture();
    Render();
}

void Control::GetSize(int* width, int* height) const {
    if (width) *width = Width();
    if (height) *height = Height();
}

void Control::SetTextColor(uint32_t color) {
    textColor_ = color;
    Render();
}

void Control::SetHint(const char* text) {
    if (!text || !*text) {
        hint_[0] = '\0';
        return;
    }
    std::snprintf(hint_, sizeof hint_, " %.48s ", text);
}

void Control::StoreHotArea(gfx::Rect& area, int left, int top, int right, int bottom) {
    area = {std::max(left, 0), std::max(top, 0), std::min(right, Width()),
            std::min(bottom, Height())};
}

void Control::SetHotArea1(int left, int top, int right, int bottom) {
    if (left == -1) {
        ClearFlags(kHotAreas);
        return;
    }
    StoreHotArea(hotArea1_, left, top, right, bottom);
    SetFlags(kHotAreas);
}

void Control::SetHotArea2(int left, int top, int right, int bottom) {
    if (left == -1) {
        ClearFlags(kHotAreas);
        return;
    }
    StoreHotArea(hotArea2_, left, top, right, bottom);
    SetFlags(kHotAreas);
}

bool Control::IsPointerIn(const gfx::Rect& rect) const {
    const int mx = Interface::MouseX(), my = Interface::MouseY();
    return x_ + rect.left <= mx && mx < x_ + rect.right && y_ + rect.top <= my &&
           my < y_ + rect.bottom;
}

bool Control::IsPointerIn() const { return IsPointerIn((flags_ & kHotAreas) ? hotArea1_ : bounds_); }

bool Control::HasFocus() const { return Interface::GetFocusId() == id_; }

void Control::DrawFrame(gfx::Canvas& canvas) {
    const int w = Width(), h = Height();
    const uint32_t light = Interface::LightPenColor(), dark = Interface::DarkPenColor();
    auto bevel = [&](int inset) {
        canvas.SetPen(light);
        canvas.MoveTo(inset, h - 1 - inset);
        canvas.LineTo(inset, inset);
        canvas.LineTo(w - 1 - inset, inset);
        canvas.SetPen(dark);
        canvas.LineTo(w - 1 - inset, h - 1 - inset);
        canvas.LineTo(inset, h - 1 - inset);
    };
    bevel(0);
    if (HasFocus()) bevel(1);
    if (flags_ & kDisabled) {
        canvas.SetPen(dark);
        canvas.MoveTo(1, 1);
        canvas.LineTo(w - 2, h - 2);
        canvas.MoveTo(w - 2, 1);
        canvas.LineTo(1, h - 2);
    }
}
