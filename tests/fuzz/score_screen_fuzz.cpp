// The score screen: any bytes as one of the three table files, browsed, or with a game's
// result inserted and its name typed.
#include "game_harness.h"
#include "scores/score_state.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    fuzzing::StartRun();
    const int tableNo = data[0] % 3 + 1;
    const bool afterGame = data[0] & 4;
    fuzzing::WriteInput(std::string("home/System/") + scores::ScoreFileName(tableNo), data + 1,
                        size - 1);
    if (afterGame && tableNo != scores::kTableMulti) {
        const uint32_t state =
            tableNo == scores::kTableForP ? scores::kStateForP : scores::kStateForR;
        scores::InsertSingleScore(state, {"", 40, 8, 2, 6});
        scores::scoreViewRequest = static_cast<int32_t>(state);
    } else {
        scores::scoreViewRequest = -tableNo;
    }
    fuzzing::ShowState(StateScores);
    headless::TypeText("Fuzz\r");
    fuzzing::Frame();
    return 0;
}
