#include "player_keys.h"

#include "buzzer_keys.h"

namespace multi {

// A key the keyboard offers or a pad button; anything else a damaged file may hold is no
// key, so its row is asked for one instead of waiting on a key nobody can press.
bool HasKey(const Player& player) { return IsBuzzerKey(player.key); }

int PlayerWithKey(int32_t key) {
    for (int i = 0; i < kRows; ++i) {
        if (players[i].active && HasKey(players[i]) && players[i].key == key) return i;
    }
    return -1;
}

bool KeyHeldByOtherRow(int row, int32_t key) {
    for (int i = 0; i < kRows; ++i) {
        if (i != row && HasKey(players[i]) && players[i].key == key) return true;
    }
    return false;
}

bool AssignKey(int row, int32_t key, int32_t keyPicture) {
    if (row < 0 || row >= kRows || !IsBuzzerKey(key) || KeyHeldByOtherRow(row, key)) {
        return false;
    }
    players[row].key = key;
    players[row].keyPicture = keyPicture;
    return true;
}

void ClearKey(int row) {
    if (row < 0 || row >= kRows) return;
    players[row].key = -1;
    players[row].keyPicture = -1;
}

void DropDuplicateKeys() {
    for (int row = 0; row < kRows; ++row) {
        if (!HasKey(players[row])) {
            ClearKey(row);
            continue;
        }
        for (int earlier = 0; earlier < row; ++earlier) {
            if (HasKey(players[earlier]) && players[earlier].key == players[row].key) {
                ClearKey(row);
                break;
            }
        }
    }
}

}  // namespace multi
