// The base of every on-screen element: a position, a face kept in its own surface, an id,
// flag bits and the operations the frame calls each frame and for each input event.
#pragma once

#include "gfx/canvas.h"
#include "gfx/surface.h"

#include <cstdint>
#include <memory>

class Control {
public:
    // Flag bits shared by every class; bits from 0x1000000 up belong to the classes.
    static constexpr uint32_t kEscape = 0x01;
    static constexpr uint32_t kDefault = 0x02;
    static constexpr uint32_t kTypeThrough = 0x08;
    static constexpr uint32_t kDisabled = 0x10;
    static constexpr uint32_t kHidden = 0x20;
    static constexpr uint32_t kPersistent = 0x40;
    static constexpr uint32_t kTransparent = 0x80;
    static constexpr uint32_t kFramed = 0x100;
    static constexpr uint32_t kHotAreas = 0x400;
    static constexpr uint32_t kUnfreezable = 0x800;

    explicit Control(int32_t id);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    virtual void Render();
    virtual void Refresh();
    virtual int CreatePicture();
    virtual int Reload();
    virtual void Draw();
    virtual void Update();
    virtual void HandleInput(int32_t code, int32_t value, int32_t* handled);

    uint32_t SetFlags(uint32_t bits);
    uint32_t ClearFlags(uint32_t bits);
    uint32_t GetFlags() const { return flags_; }
    int32_t GetId() const { return id_; }
    void SetPosition(int x, int y);
    void SetSize(int width, int height);
    void GetSize(int* width, int* height) const;
    int X() const { return x_; }
    int Y() const { return y_; }
    int Width() const { return bounds_.right - bounds_.left; }
    int Height() const { return bounds_.bottom - bounds_.top; }
    void SetTextColor(uint32_t color);
    uint32_t TextColor() const { return textColor_; }
    void SetHint(const char* text);
    const char* GetHint() const { return hint_; }
    // A hot area is kept within the control's size; left -1 clears the hot-area flag.
    virtual void SetHotArea1(int left, int top, int right, int bottom);
    virtual void SetHotArea2(int left, int top, int right, int bottom);
    const gfx::Rect& HotArea1() const { return hotArea1_; }
    const gfx::Rect& HotArea2() const { return hotArea2_; }
    const gfx::Rect& Bounds() const { return bounds_; }
    void SetAccelerator(int32_t code) { accelerator_ = code; }
    int32_t GetAccelerator() const { return accelerator_; }
    // The pointer over `rect` (relative to the position); without one, the bounds or, while
    // the hot-area flag is set, hot area 1.
    bool IsPointerIn(const gfx::Rect& rect) const;
    bool IsPointerIn() const;
    bool HasFocus() const;
    // The bevel frame over the face, with the focus ring and the disabled cross.
    void DrawFrame(gfx::Canvas& canvas);
    gfx::Surface* Picture() const { return picture_.get(); }

protected:
    std::unique_ptr<gfx::Surface>& PictureHolder() { return picture_; }

private:
    void StoreHotArea(gfx::Rect& area, int left, int top, int right, int bottom);

    int x_ = 0;
    int y_ = 0;
    gfx::Rect bounds_;
    gfx::Rect hotArea1_;
    gfx::Rect hotArea2_;
    std::unique_ptr<gfx::Surface> picture_;
    uint32_t textColor_ = 0xFFFFFF;
    char hint_[51] = "";
    int32_t id_;
    uint32_t flags_ = 0;
    int32_t accelerator_ = 0;
};
