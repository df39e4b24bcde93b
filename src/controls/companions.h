// Hint pictures that buttons and pictures show and hide by id while the pointer is over
// them. A companion that is not on the screen is skipped.
#pragma once

#include <cstdint>

namespace companions {

void Show(int32_t id);
void Hide(int32_t id);

}  // namespace companions
