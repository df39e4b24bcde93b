// Phone buttons as buzzer keys: the one place that says how a phone's button is written as a
// key code. Phones join the game's own server (src/phones) and each gets a slot.
//
// Keyboard keys are 9-bit scan codes (0..511) and pad buttons have bit 16 set (pad_keys.h).
// A phone button is the 32-bit value
//
//     0x20000 | slot << 8 | button
//
// bit 17 set marks a phone, so no keyboard or pad code can take it; users2.dat keeps it in the
// same `key` field.
//   slot    0..15: the phone's slot, given when it first joins (the lowest free one) and kept
//           for its phone id, so a phone that reconnects gets its slot back.
//   button  0: the buzzer; 1..3: the first, second and third answer.
// The pictures of phone buzzers follow the pads' in the key-picture strip, one a slot.
#pragma once

#include "pad_keys.h"

#include <cstdint>

namespace platform {

constexpr int32_t kPhoneKeyFlag = 0x20000;
constexpr int kPhoneSlots = 16;
constexpr int kPhoneBuzzer = 0;
constexpr int kPhoneAnswers = 3;

inline bool IsPhoneButton(int button) { return button >= 0 && button <= kPhoneAnswers; }

// The key of `button` on the phone in `slot`; 0 (no key) when either is out of range.
inline int32_t MakePhoneKey(int slot, int button) {
    if (slot < 0 || slot >= kPhoneSlots || !IsPhoneButton(button)) return 0;
    return kPhoneKeyFlag | slot << 8 | button;
}

inline bool IsPhoneKey(int32_t key) {
    if ((key & ~0xFFFF) != kPhoneKeyFlag) return false;
    return (key >> 8 & 0xFF) < kPhoneSlots && IsPhoneButton(key & 0xFF);
}
inline int PhoneSlotOf(int32_t key) { return IsPhoneKey(key) ? key >> 8 & 0xFF : -1; }
inline bool IsPhoneBuzzer(int32_t key) { return IsPhoneKey(key) && (key & 0xFF) == kPhoneBuzzer; }

constexpr int kPhoneKeyFrames = kPhoneSlots;
constexpr int kFirstPhoneKeyFrame = kKeyboardKeyFrames + kPadKeyFrames;

// The frame of the key-picture strip that shows a phone's buzzer; -1 for anything else.
inline int PhoneKeyFrame(int32_t key) {
    return IsPhoneBuzzer(key) ? kFirstPhoneKeyFrame + PhoneSlotOf(key) : -1;
}
// The phone buzzer a strip frame shows; 0 for any other frame.
inline int32_t PhoneKeyOfFrame(int frame) {
    const int slot = frame - kFirstPhoneKeyFrame;
    return slot >= 0 && slot < kPhoneKeyFrames ? MakePhoneKey(slot, kPhoneBuzzer) : 0;
}

// The answer (0..2) an answer button gives; -1 for the buzzer and anything else.
inline int PhoneAnswerOf(int32_t key) { return IsPhoneKey(key) ? (key & 0xFF) - 1 : -1; }

// The class game's phones: up to kClassSeats, each answering every question. Their answers are
// keys of their own, apart from every buzzer key (bit 18 set), so no stored buzzer key can
// take one:
//
//     0x40000 | seat << 8 | question << 2 | answer
//
//   seat      0..59: given to a phone id when it first joins the class room, kept for it
//   question  0..63: the question the phone was shown (a game asks at most 30)
//   answer    0..2
constexpr int32_t kClassKeyFlag = 0x40000;
constexpr int kClassSeats = 60;
constexpr int kClassQuestions = 64;

inline int32_t MakeClassKey(int seat, int question, int answer) {
    if (seat < 0 || seat >= kClassSeats || question < 0 || question >= kClassQuestions ||
        answer < 0 || answer >= kPhoneAnswers) {
        return 0;
    }
    return kClassKeyFlag | seat << 8 | question << 2 | answer;
}
inline bool IsClassKey(int32_t key) {
    return (key & ~0xFFFF) == kClassKeyFlag && (key >> 8 & 0xFF) < kClassSeats && (key & 3) < 3;
}
inline int ClassSeatOf(int32_t key) { return IsClassKey(key) ? key >> 8 & 0xFF : -1; }
inline int ClassQuestionOf(int32_t key) { return IsClassKey(key) ? (key & 0xFF) >> 2 : -1; }
inline int ClassAnswerOf(int32_t key) { return IsClassKey(key) ? key & 3 : -1; }

}  // namespace platform
