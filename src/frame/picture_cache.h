// Decoded pictures kept by the file they came from, so that a screen built again copies its
// pictures instead of decoding every one of them again.
#pragma once

#include "gfx/surface.h"

#include <string>

namespace Interface::detail {

// Copies the picture last read from `fileName` in `layout` into `out`; false when none is
// kept or the file has changed since (its size, time or inode differ).
bool FindCachedPicture(const std::string& fileName, gfx::PixelLayout layout, gfx::Surface& out);
// Keeps a copy of `picture`, just read from `fileName`. Past a bound every kept picture is
// dropped first, so the cache never holds more than a few screens' worth.
void CachePicture(const std::string& fileName, const gfx::Surface& picture);
void ClearPictureCache();

}  // namespace Interface::detail
