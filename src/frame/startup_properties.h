#pragma once

#include <cstdint>
#include <string>

// What the entry function tells the frame about the program; the frame keeps a pointer to
// it and reads it every frame.
struct StartupProperties {
    uint8_t showFps = 0;
    uint8_t showStatusLine = 1;
    char profileName[51] = "tarvex_p";
    char title[51] = "Brellik";
    uint8_t runWhenInactive = 1;
    int32_t framePeriodMs = 27;
    // The runtime path (where Debug.log goes) when the profile names none; empty means the
    // working directory. An installed game points it at the user folder.
    std::string runtimeFolder;
};
