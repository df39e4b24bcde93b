// A file dropped onto the game window becomes a set: a .txt, .csv, .xlsx or .ods file of at
// most kLargestDroppedFile bytes is copied into the sets folder under a free name.
#pragma once

#include <cstdint>
#include <string>

namespace screens {

constexpr std::uintmax_t kLargestDroppedFile = 10 * 1024 * 1024;

struct DropOutcome {
    bool added = false;
    std::string name;     // the name in the sets folder (UTF-8), when added
    std::string message;  // for the player (UTF-8, Czech)
};

// Never overwrites: a name already taken gets " 2", " 3" … before its extension.
DropOutcome AddDroppedFile(const std::string& path);

// Takes every file dropped since the last call, adds each, and tells the player: on the sets
// panel when the screen has one (opened for it), else in a message box.
void HandleDroppedFiles();

}  // namespace screens
