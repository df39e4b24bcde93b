#pragma once

#include "gfx/surface.h"

#include <string>

namespace Interface::detail {

// Reads a PNG file into a new surface of `layout`. Palette, grey and 16-bit pictures come
// out as plain RGB; an alpha channel (or a transparency chunk) is composited over black.
bool ReadPng(const std::string& fileName, gfx::PixelLayout layout, gfx::Surface& out);

}  // namespace Interface::detail
