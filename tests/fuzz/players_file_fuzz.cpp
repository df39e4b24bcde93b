// The buzzer game's players: any bytes as System\users2.dat, read by the set-up screen, shown
// in its rows and on the game screen's player panel, then written back by the set-up.
#include "game_harness.h"

#include "multi/multi_player.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzzing::StartGame();
    MpResetState();
    fuzzing::WriteInput("home/System/users2.dat", data, size);
    fuzzing::ShowState(StateMultiSetUp);
    fuzzing::ShowState(StateMultiGame);
    fuzzing::ShowState(StateMultiSetUp);
    fuzzing::ShowState(StateMainMenu);
    return 0;
}
