// Game-pad buttons as buzzer keys: the one place that says how a pad button is written
// as a key code, how it is named and which picture shows it.
//
// Keyboard keys are 9-bit scan codes (0..511). A pad button is the 32-bit value
//
//     0x10000 | slot << 8 | button
//
// bit 16 set marks a pad, so every pad code is at least 65536 and no keyboard code can
// take it; users2.dat keeps it in the same `key` field as a keyboard key, so files written
// before pads existed read as they did.
//   slot    0..7: the pad's number, shown to players as "1".."8"; a pad keeps its number
//           when plugged in again and after a restart (pad_slots.h).
//   button  0..20: a game-controller button in SDL's order (A, B, X, Y, Back, Guide,
//           Start, left stick, right stick, LB, RB, the four D-pad directions, Misc,
//           the four paddles, touchpad);
//           32..47: button 1..16 of a plain joystick that no controller mapping describes.
// The pictures of pad buttons follow the 84 keyboard frames of the key-picture strip.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

constexpr int32_t kPadKeyFlag = 0x10000;
constexpr int kPadSlots = 8;
constexpr int kControllerButtons = 21;
constexpr int kJoystickButtonBase = 32;
constexpr int kJoystickButtons = 16;
constexpr int kPadButtonsPerSlot = kControllerButtons + kJoystickButtons;
constexpr int kKeyboardKeyFrames = 84;
constexpr int kPadKeyFrames = kPadSlots * kPadButtonsPerSlot;

inline bool IsControllerButton(int button) { return button >= 0 && button < kControllerButtons; }
inline bool IsJoystickButton(int button) {
    return button >= kJoystickButtonBase && button < kJoystickButtonBase + kJoystickButtons;
}

// The key of `button` on pad `slot`; 0 (no key) when either is out of range.
inline int32_t MakePadKey(int slot, int button) {
    if (slot < 0 || slot >= kPadSlots) return 0;
    if (!IsControllerButton(button) && !IsJoystickButton(button)) return 0;
    return kPadKeyFlag | slot << 8 | button;
}

inline bool IsPadKey(int32_t key) {
    if ((key & ~0xFFFF) != kPadKeyFlag) return false;
    const int slot = key >> 8 & 0xFF, button = key & 0xFF;
    return slot < kPadSlots && (IsControllerButton(button) || IsJoystickButton(button));
}
inline int PadSlotOf(int32_t key) { return IsPadKey(key) ? key >> 8 & 0xFF : -1; }
inline int PadButtonOf(int32_t key) { return IsPadKey(key) ? key & 0xFF : -1; }

// The frame of the key-picture strip that shows a pad key; -1 for anything else.
inline int PadKeyFrame(int32_t key) {
    if (!IsPadKey(key)) return -1;
    const int button = PadButtonOf(key);
    const int index = IsControllerButton(button)
                          ? button
                          : kControllerButtons + button - kJoystickButtonBase;
    return kKeyboardKeyFrames + PadSlotOf(key) * kPadButtonsPerSlot + index;
}

// The pad key a strip frame shows; 0 for a keyboard frame.
inline int32_t PadKeyOfFrame(int frame) {
    const int index = frame - kKeyboardKeyFrames;
    if (index < 0 || index >= kPadKeyFrames) return 0;
    const int slot = index / kPadButtonsPerSlot, button = index % kPadButtonsPerSlot;
    return MakePadKey(slot, button < kControllerButtons
                                ? button
                                : kJoystickButtonBase + button - kControllerButtons);
}

// The answer (0..2) a face button gives to the player who claimed with that pad: A, B and
// X on a controller, buttons 1, 2 and 3 on a plain joystick; -1 for other buttons.
inline int PadAnswerOf(int32_t key) {
    const int button = PadButtonOf(key);
    if (button >= 0 && button <= 2) return button;
    if (button >= kJoystickButtonBase && button <= kJoystickButtonBase + 2) {
        return button - kJoystickButtonBase;
    }
    return -1;
}

// The button's name as a player reads it (UTF-8): "A", "LB", "Start", "Tlačítko 3".
inline std::string PadButtonName(int button) {
    static const char* const kNames[kControllerButtons] = {
        "A",  "B",  "X",     "Y",  "Back", "Guide", "Start", "L3", "R3", "LB", "RB",
        "↑", "↓", "←", "→", "Misc", "P1",   "P2",    "P3", "P4", "Touch"};
    if (IsControllerButton(button)) return kNames[button];
    if (IsJoystickButton(button)) {
        return "Tlačítko " + std::to_string(button - kJoystickButtonBase + 1);
    }
    return "";
}

}  // namespace platform
