// Decoded pictures kept by the file they came from, so that a screen built again shares or
// copies its pictures instead of decoding every one of them again.
#pragma once

#include "gfx/surface.h"

#include <memory>
#include <string>

namespace Interface::detail {

// The picture last read from `fileName` in `layout`, shared; null when none is kept or the
// file has changed since (its size, time or inode differ). Kept pictures are never written to.
std::shared_ptr<const gfx::Surface> FindCachedPicture(const std::string& fileName,
                                                      gfx::PixelLayout layout);
// Keeps `picture`, just read from `fileName`. Past a bound every kept picture is dropped
// first, so the cache never holds more than a few screens' worth.
void CachePicture(const std::string& fileName, std::shared_ptr<const gfx::Surface> picture);
void ClearPictureCache();

}  // namespace Interface::detail
