// The desktop facilities shared by the backends: the files dropped onto the window, waiting
// for the game, and starting the desktop's file manager on a folder.
#pragma once

#include <string>

namespace platform {

// Forgets the drops that wait (a new backend starts with none).
void ForgetDroppedFiles();
// Runs `xdg-open path` in a process of its own that the game never waits for. Empty when it
// started, else why not (Czech, UTF-8).
std::string LaunchFileManager(const std::string& path);

}  // namespace platform
