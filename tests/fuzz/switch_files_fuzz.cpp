// The switch files: any bytes as System\ini2.dat (the single-player screens and the
// multiplayer set-up read it) or System\ini_dr2.dat (the question browser reads it).
#include "game_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    fuzzing::StartRun();
    const bool browser = data[0] & 1;
    fuzzing::WriteInput(browser ? "home/System/ini_dr2.dat" : "home/System/ini2.dat", data + 1,
                        size - 1);
    if (browser) {
        fuzzing::ShowState(StateBrowser);
    } else {
        fuzzing::ShowState(StateSingleMenu);
        fuzzing::ShowState(StateMultiSetUp);
    }
    // Left before the next input is written, so that what a screen writes back on leaving
    // comes from this input.
    fuzzing::ShowState(StateMainMenu);
    return 0;
}
