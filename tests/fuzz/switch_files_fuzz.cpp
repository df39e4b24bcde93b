// The switch files: any bytes as System\ini2.dat (the single-player screens and the
// multiplayer set-up read it) or System\ini_dr2.dat (the question browser reads it).
#include "game_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    fuzzing::StartGame();
    const bool browser = data[0] & 1;
    fuzzing::WriteInput(browser ? "home/System/ini_dr2.dat" : "home/System/ini2.dat", data + 1,
                        size - 1);
    fuzzing::ShowState(browser ? StateBrowser : StateSingleMenu);
    fuzzing::ShowState(browser ? StateMainMenu : StateMultiSetUp);
    fuzzing::ShowState(StateMainMenu);
    return 0;
}
