// SDL key positions to the 9-bit set-1 scan codes the game reads from key messages
// (the set-1 code, plus 0x100 for extended keys).
#pragma once

#include <cstdint>

namespace platform {

// `sdlScancode` is an SDL_Scancode value; 0 for keys with no set-1 code.
uint32_t SetOneScanCode(int sdlScancode);

}  // namespace platform
