#include "look.h"

#include <cmath>

namespace art {

Look LookOf(const Cell& cell) {
    if (cell.rows == 4) {
        switch (cell.row) {
            case 0: return {};
            case 1: return {1, false, false};
            case 2: return {1, true, false};
            default: return {0, false, true};
        }
    }
    const double phase = cell.frames > 1 ? double(cell.frame) / (cell.frames - 1) : 0;
    switch (cell.motion) {
        case Motion::Forward: return {phase, false, false};
        case Motion::Loop: {
            // A breathing highlight: the loop runs frame 0 .. n-1 and starts again.
            const double pulse = (1 - std::cos(2 * M_PI * cell.frame / cell.frames)) / 2;
            return {0.45 + 0.55 * pulse, false, false};
        }
        case Motion::None: break;
    }
    return {};
}

}  // namespace art
