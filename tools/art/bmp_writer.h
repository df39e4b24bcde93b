// Uncompressed 24-bit BMP files: a BITMAPFILEHEADER, a 40-byte BITMAPINFOHEADER and
// bottom-up rows of blue, green, red padded to four bytes, the layout every BMP reader
// (SDL_LoadBMP included) takes.
#pragma once

#include "image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace art {

std::vector<uint8_t> EncodeBmp(const Image& image);

}  // namespace art
