// The game's four callbacks: the frame calls them on a state change, a control's event,
// every frame and every input event; they route by the screen on top of the state stack.
#pragma once

#include <cstdint>

class Control;

void OnStateChanged();
int32_t OnControlEvent(Control* control, int32_t event, int32_t value);
void OnTick();
int32_t OnInput(int32_t code, int32_t value, int32_t* handled);
