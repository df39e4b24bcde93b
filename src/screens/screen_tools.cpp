#include "screen_tools.h"

#include "frame/interface.h"

namespace screens {

PictureButton* AddButton(int32_t id, int x, int y, const char* picture, uint32_t flags) {
    auto* button = new PictureButton(id);
    button->SetUp(x, y, picture, 0, flags);
    return AddToScreen(button);
}

AnimatedButton* AddAnimatedButton(int32_t id, int x, int y, const char* picture,
                                  const char* animation, int frames, float period, int options,
                                  uint32_t flags) {
    auto* button = new AnimatedButton(id);
    button->SetUp(x, y, picture, animation, frames, period, options, 0, flags);
    return AddToScreen(button);
}

AnimatedButton* AddMenuButton(int32_t id, int x, int y, const char* picture,
                              const char* animation, int labelTop) {
    AnimatedButton* button = AddAnimatedButton(id, x, y, picture, animation, 5, 0.1f, 2, 0);
    if (button) {
        button->SetHotArea1(0, 0, 110, 100);
        button->SetHotArea2(67, labelTop, 273, 97);
    }
    return button;
}

AnimatedPicture* AddPicture(int32_t id, int x, int y, const char* strip, int frames,
                            float period, uint32_t flags) {
    auto* picture = new AnimatedPicture(id);
    picture->SetUp(x, y, strip, frames, period, flags);
    return AddToScreen(picture);
}

AnimatedPicture* AddCentredHint(int32_t id, const char* picture, uint32_t flags) {
    AnimatedPicture* hint = AddPicture(id, 0, 0, picture, 1, 0.0f, flags);
    if (hint) hint->SetPosition(400 - hint->Width() / 2, 576);
    return hint;
}

WrappedText* AddText(int32_t id, int x, int y, int width, int height, const char* text,
                     const gfx::Font* font) {
    auto* block = new WrappedText(id);
    block->SetTextColor(0x000000);  // before the face exists: drawn once, by SetUp
    block->SetUp(x, y, width, height, text, font, WrappedText::kSoft);
    return AddToScreen(block);
}

EventTimer* AddTimer(int32_t id) {
    EventTimer* timer = AddToScreen(new EventTimer(id));
    if (timer) timer->CancelAll();
    return timer;
}

void ShowControl(int32_t id) {
    if (Control* control = Interface::FindControl(id)) control->ClearFlags(Control::kHidden);
}

void HideControl(int32_t id) {
    if (Control* control = Interface::FindControl(id)) control->SetFlags(Control::kHidden);
}

bool IsShown(int32_t id) {
    const Control* control = Interface::FindControl(id);
    return control && !(control->GetFlags() & Control::kHidden);
}

bool IsHidden(int32_t id) {
    const Control* control = Interface::FindControl(id);
    return control && (control->GetFlags() & Control::kHidden);
}

AnimatedPicture* PictureOf(int32_t id) {
    return dynamic_cast<AnimatedPicture*>(Interface::FindControl(id));
}

void SetFrameOf(int32_t id, int frame) {
    if (AnimatedPicture* picture = PictureOf(id)) picture->SetFrame(frame);
}

void SetText(int32_t id, const char* text) {
    if (auto* block = dynamic_cast<WrappedText*>(Interface::FindControl(id))) block->SetText(text);
}

}  // namespace screens
