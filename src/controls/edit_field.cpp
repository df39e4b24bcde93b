#include "edit_field.h"

#include "background_copy.h"
#include "frame/interface.h"
#include "gfx/font_fit.h"

#include <cstdio>
#include <cstring>
#include <string>

EditField::EditField(int32_t id) : Control(id) {}

int EditField::SetUp(int x, int y, int width, const char* text, const gfx::Font* font,
                     uint32_t flags) {
    SetPosition(x, y);
    SetFlags(flags);
    int height = 24;
    if (font) {
        font_ = font;
        gfx::Size extent;
        if (Interface::MeasureText("X", font_, &extent)) height = extent.height + 8;
    }
    SetSize(width, height);
    SetText(text);
    return 1;
}

int EditField::SetText(const char* text) {
    const char* wanted = text ? text : "";
    if (std::strncmp(text_, wanted, kTextCapacity) == 0) return 0;
    std::snprintf(text_, sizeof text_, "%s", wanted);
    Render();
    return 1;
}

void EditField::GetText(char* buffer) const {
    if (buffer) std::memcpy(buffer, text_, sizeof text_);
}

bool EditField::MayEdit() const {
    return (GetFlags() & (kAlwaysEditing | kTypeThrough)) || HasFocus();
}

void EditField::Render() {
    gfx::Surface* face = Picture();
    if (!face) return;
    gfx::Canvas canvas(*face);
    if (GetFlags() & kSeeThrough) {
        CopyBackgroundUnder(*this, *face);
        canvas.SetBackgroundMode(gfx::BackgroundMode::Transparent);
    } else {
        canvas.FillRect({0, 0, face->width, face->height}, Interface::FillColor());
    }
    canvas.SetTextColor(TextColor());
    canvas.SetBackgroundColor(Interface::FillColor());
    std::string shown = (GetFlags() & kPassword) ? std::string(std::strlen(text_), '*') : text_;
    // A name wider than the field is shrunk, not cut; the caret's room is kept so that the
    // size does not change as it blinks.
    const gfx::Font& font = font_ ? *font_ : gfx::DefaultFont();
    const gfx::Font& fitted = gfx::FontToFit(font, shown + '_', face->width - 2 * kTextInset);
    canvas.SelectFont(&fitted);
    if (caretOn_ && ((GetFlags() & kAlwaysEditing) || HasFocus())) shown += '_';
    canvas.TextOut(kTextInset, kTextInset + (font.Height() - fitted.Height()) / 2, shown);
    if (GetFlags() & kFramed) DrawFrame(canvas);
}

void EditField::Update() {
    if (!Picture()) return;
    const bool editing = !(GetFlags() & kDisabled) && ((GetFlags() & kAlwaysEditing) || HasFocus());
    if (!editing) {
        // The focus went elsewhere (Enter, a click): the caret must not stay drawn.
        if (caretOn_) {
            caretOn_ = false;
            Render();
        }
        return;
    }
    ++blinkCounter_;
    const bool hidePhase = (blinkCounter_ / 5) % 2 != 0;
    if (hidePhase == caretOn_) {
        caretOn_ = !hidePhase;
        Render();
    }
}

void EditField::HandleInput(int32_t code, int32_t value, int32_t* handled) {
    if (controlsFrozen || (GetFlags() & (kHidden | kDisabled)) || *handled == 0) return;
    if (GetFlags() & kReadOnly) return;
    switch (code) {
        case Interface::kInputChar: HandleCharacter(value, handled); break;
        case Interface::kInputCharUp: HandleCharacterUp(value, handled); break;
        case Interface::kInputLeftDown:
        case Interface::kInputDoubleClick: HandlePress(handled); break;
        case Interface::kInputMouseMove: HandlePointerMove(handled); break;
        default: break;
    }
}

void EditField::HandleCharacter(int32_t value, int32_t* handled) {
    if (value >= 32 && HasFocus()) *handled = 0;
    if (!MayEdit() || value == 0) return;
    const auto character = static_cast<uint8_t>(value & 0xFF);
    const std::size_t length = std::strlen(text_);
    if (character == 8) {
        if (length > 0) text_[length - 1] = '\0';
        Render();
    } else if (character == 13) {
        // The event may tear the screen down, this field with it: nothing of it is used after.
        *handled = 0;
        if ((GetFlags() & kAlwaysEditing) || HasFocus()) {
            Interface::ReportControlEvent(this, kEventEnter, 1);
        }
        Interface::SetFocus(static_cast<int32_t>(0));
        return;
    } else if (character >= 32) {
        if (length < static_cast<std::size_t>(kTextCapacity) &&
            static_cast<int>(length) < maxLength_) {
            text_[length] = static_cast<char>(character);
            text_[length + 1] = '\0';
            Render();
            *handled = 0;
            Interface::ReportControlEvent(this, kEventAppended, 1);
            return;
        }
    }
    *handled = 0;
}

void EditField::HandleCharacterUp(int32_t value, int32_t* handled) {
    if (HasFocus() || value > 31) *handled = 0;
}

void EditField::HandlePress(int32_t* handled) {
    if (!IsPointerIn(Bounds())) {
        Interface::ReportControlEvent(this, kEventPressedOutside, 1);
        return;
    }
    if ((GetFlags() & kClickToFocus) && !HasFocus()) Interface::SetFocus(this);
    *handled = 0;
    Interface::ReportControlEvent(this, kEventPressed, 1);
}

void EditField::HandlePointerMove(int32_t* handled) {
    if (GetFlags() & kClickToFocus) return;
    if (IsPointerIn(Bounds())) {
        Interface::SetFocus(this);
        *handled = 0;
    } else if (HasFocus()) {
        Interface::SetFocus(static_cast<int32_t>(0));
    }
}
