// Hint pictures that buttons and pictures show and hide by id while the pointer is over
// them. A companion that is not on the screen is skipped. They share the bottom bar, so one
// shows at a time: showing one hides the one shown before, which may have missed the
// pointer leaving when another control took that move.
#pragma once

#include <cstdint>

namespace companions {

void Show(int32_t id);
void Hide(int32_t id);

}  // namespace companions
