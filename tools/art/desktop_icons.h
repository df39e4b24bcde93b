// The game's icon for desktops: the window icon's emblem on a see-through ground, as PNG
// files of the hicolor theme at the usual sizes.
#pragma once

#include "output.h"

#include <vector>

namespace art {

inline constexpr int kDesktopIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// "hicolor/48x48/apps/brellik.png" and so on, one file a size.
std::vector<OutputFile> MakeDesktopIcons();

}  // namespace art
