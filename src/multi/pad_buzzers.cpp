#include "pad_buzzers.h"

#include "controls/keyboard_picker.h"
#include "multi_state.h"
#include "platform/pad_keys.h"
#include "player_keys.h"

namespace multi {

int32_t KeyPictureOf(const KeyboardPicker& keyboard, int row) {
    const int32_t key = keyboard.GetPlayerKey(row);
    if (platform::IsPadKey(key)) return platform::PadKeyFrame(key);
    return keyboard.GetKeyNumber(row);
}

int PadAnswerFor(int32_t key) {
    if (!answerOpen || !platform::IsPadKey(key)) return -1;
    if (answeringPlayer < 0 || answeringPlayer >= kRows) return -1;
    // Some player's buzzer never answers: not another player's on a shared pad, and not the
    // claimer's own, which a double tap would otherwise press twice.
    if (PlayerWithKey(key) >= 0) return -1;
    const int32_t own = players[answeringPlayer].key;
    if (!platform::IsPadKey(own) || platform::PadSlotOf(own) != platform::PadSlotOf(key)) {
        return -1;
    }
    return platform::PadAnswerOf(key);
}

}  // namespace multi
