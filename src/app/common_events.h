// The rules every screen shares that reach into the modes: the exit dialog, which asks the
// score table to keep a name being typed and lets a paused game go on when it is declined.
#pragma once

#include <cstdint>

namespace app {

// Run after the screen's own rules for each control event.
void CommonOnControlEvent(int32_t id, int32_t event);

}  // namespace app
