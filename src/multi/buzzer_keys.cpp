#include "buzzer_keys.h"

#include "controls/key_layout.h"
#include "controls/keyboard_picker.h"
#include "platform/pad_keys.h"
#include "platform/phone_keys.h"

#include <algorithm>
#include <iterator>

namespace multi {

namespace {

// Esc ends the game; F1..F3, the digits 1..3 and keypad 1..3 answer; F11 and F12 switch the
// screen and the sound on every screen.
constexpr int32_t kGameKeys[] = {0x01, 0x02, 0x03, 0x04, 0x3B, 0x3C, 0x3D,
                                 0x4F, 0x50, 0x51, 0x57, 0x58};

struct OfferedKeys {
    KeyLayout layout;
    bool loaded = false;
};

OfferedKeys& Offered() {
    static OfferedKeys offered;
    return offered;
}

}  // namespace

void LoadOfferedKeys() {
    Offered().layout.Load(KeyboardPicker::kLayoutFile);
    Offered().loaded = true;
}

bool IsBuzzerKey(int32_t key) {
    if (platform::IsPadKey(key) || platform::IsPhoneBuzzer(key)) return true;
    if (key <= 0 || key >= KeyLayout::kKeyCount) return false;
    if (IsGameKey(key)) return false;
    if (!Offered().loaded) LoadOfferedKeys();
    return Offered().layout.Has(key);
}

bool IsGameKey(int32_t key) {
    return std::find(std::begin(kGameKeys), std::end(kGameKeys), key) != std::end(kGameKeys);
}

}  // namespace multi
