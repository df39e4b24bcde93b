// The class game on a wide screen: the question counter in the left band and the top five in
// the right one, large, in the pupils' colours, for the back of the classroom. The board in the
// play area stays as it is.
#pragma once

#include "class_game.h"
#include "platform/platform.h"

namespace classroom {

constexpr int kSideTopFive = 5;

// What the bands show for question `number` (from 0; -1 none yet) of `game`.
platform::SideBands ClassSideBands(const ClassGame& game, int number);

}  // namespace classroom
