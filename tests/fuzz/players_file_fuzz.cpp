// The buzzer game's players: any bytes as System\users2.dat, read by the set-up screen and
// shown in its rows.
#include "game_harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzzing::StartRun();
    fuzzing::WriteInput("home/System/users2.dat", data, size);
    fuzzing::ShowState(StateMultiSetUp);
    return 0;
}
