// 8-bit RGB PNG files without alpha and without time or text chunks, so that the same
// picture always gives the same bytes.
#pragma once

#include "image.h"

#include <cstdint>
#include <vector>

namespace art {

// Empty on a libpng failure.
std::vector<uint8_t> EncodePng(const Image& image);

}  // namespace art
