// The switch files: any bytes as System\ini2.dat (read by the single-player menu and by the
// multiplayer set-up) or System\ini_dr2.dat (read by the question browser). The first byte
// chooses the screen, so that each input builds one screen and the target stays fast.
#include "game_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    fuzzing::StartRun();
    static constexpr int32_t kScreens[] = {StateSingleMenu, StateBrowser, StateMultiSetUp};
    const int32_t state = kScreens[data[0] % 3];
    const char* file = state == StateBrowser ? "home/System/ini_dr2.dat" : "home/System/ini2.dat";
    fuzzing::WriteInput(file, data + 1, size - 1);
    fuzzing::ShowState(state);
    return 0;
}
