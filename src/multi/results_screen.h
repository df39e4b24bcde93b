// The result of a buzzer game, shown when it ends (by Esc, the stop button, its chosen
// length or its last question) before the multiplayer table: every player by points, equal
// points sharing a place, the winners named, right and wrong answers in the players' colours.
#pragma once

#include <cstdint>
#include <vector>

namespace multi {

// One player's line of the result.
struct Standing {
    int player = 0;  // index in the game
    int place = 1;   // 1 for the winners; players with equal points share a place
    int32_t points = 0;
    int32_t right = 0;
    int32_t wrong = 0;
};

// The players of the game that just ended, best first.
std::vector<Standing> GameStandings();

void BuildResults();
void ResultsOnControlEvent(int32_t id, int32_t event);
// A click or a key that is nobody's buzzer leads on to the multiplayer table, once the
// screen has been up two seconds.
void ResultsInput(int32_t code, int32_t value);

constexpr int32_t kResultsHeadline = 1301;
constexpr int32_t kFirstResultsHeader = 1302;  // place, player, points, right, wrong
constexpr int32_t kFirstResultsCell = 1310;    // + row * kResultsColumns + column
constexpr int kResultsColumns = 5;

}  // namespace multi
