// Small helpers the screen builders and rules share: making controls and adding them to
// the frame's list, and showing or hiding controls by id.
#pragma once

#include "controls/animated_button.h"
#include "controls/animated_picture.h"
#include "controls/event_timer.h"
#include "controls/fade_picture.h"
#include "controls/picture_button.h"
#include "controls/wrapped_text.h"
#include "frame/interface.h"

#include <cstdint>

namespace screens {

// Adds a set-up control at the back of the list; a full list destroys it and gives none.
template <typename T>
T* AddToScreen(T* control) {
    if (Interface::AddControl(control, true)) return control;
    delete control;
    return nullptr;
}

PictureButton* AddButton(int32_t id, int x, int y, const char* picture, uint32_t flags);
AnimatedButton* AddAnimatedButton(int32_t id, int x, int y, const char* picture,
                                  const char* animation, int frames, float period, int options,
                                  uint32_t flags);
// A menu button: a round icon in 110 x 100 and its label in the second hot area.
AnimatedButton* AddMenuButton(int32_t id, int x, int y, const char* picture,
                              const char* animation, int labelTop);
AnimatedPicture* AddPicture(int32_t id, int x, int y, const char* strip, int frames,
                            float period, uint32_t flags);
// A one-frame hint picture centred at the bottom edge of the play area.
AnimatedPicture* AddCentredHint(int32_t id, const char* picture, uint32_t flags);
WrappedText* AddText(int32_t id, int x, int y, int width, int height, const char* text,
                     const gfx::Font* font);
EventTimer* AddTimer(int32_t id);

void ShowControl(int32_t id);
void HideControl(int32_t id);
// True when the control exists and is not hidden.
bool IsShown(int32_t id);
// True when the control exists and is hidden.
bool IsHidden(int32_t id);

// The animated picture with the id, or nullptr; a frame or a text set by id, when the control
// exists.
AnimatedPicture* PictureOf(int32_t id);
void SetFrameOf(int32_t id, int frame);
void SetText(int32_t id, const char* text);

}  // namespace screens
