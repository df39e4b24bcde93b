// A font of the same face and weight, smaller, for a text that must fit a width: a name is
// shrunk rather than cut wherever a smaller size can still be read.
#pragma once

#include "font.h"

#include <string_view>

namespace gfx {

// The smallest cell height a shrunk text gets by default; below it the text is left to be
// clipped or cut.
constexpr int kSmallestFittedHeight = 9;

// `font` itself when `text` fits `width` pixels in it, else the largest smaller size of the
// same face in which it fits (never below `smallest`). The fonts live as long as the program.
const Font& FontToFit(const Font& font, std::string_view text, int width,
                      int smallest = kSmallestFittedHeight);

}  // namespace gfx
