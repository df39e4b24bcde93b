#include "message_queue.h"

#include <algorithm>

namespace platform {

std::deque<Message>& MessageQueue() {
    static std::deque<Message> queue;
    return queue;
}

namespace {

bool IsPress(const Message& message) {
    return message.id == kWmKeyDown || message.id == kWmSysKeyDown ||
           message.id == kWmPadButtonDown || message.id == kWmPhoneButtonDown;
}

uint32_t KeyData(uint32_t scanCode, bool released, bool wasDown) {
    uint32_t data = kKeyRepeatCountOne | (scanCode & 0xFF) << 16;
    if (scanCode & 0x100) data |= kKeyExtendedBit;
    if (wasDown) data |= kKeyPreviousStateBit;
    if (released) data |= kKeyTransitionBit;
    return data;
}
}  // namespace

void PostKeyDown(uint32_t scanCode, uint8_t ch, bool alt, bool repeat, uint32_t time) {
    const uint32_t data = KeyData(scanCode, false, repeat);
    PostMessage({alt ? kWmSysKeyDown : kWmKeyDown, 0, data, time});
    if (ch != 0) PostMessage({alt ? kWmSysChar : kWmChar, ch, data});
}

void PostKeyUp(uint32_t scanCode, uint8_t ch, bool alt) {
    const uint32_t data = KeyData(scanCode, true, true);
    if (ch != 0) PostMessage({alt ? kWmSysChar : kWmChar, ch, data});
    PostMessage({alt ? kWmSysKeyUp : kWmKeyUp, 0, data});
}

void PostPress(const Message& message) {
    auto& queue = MessageQueue();
    // Tick counts wrap: the signed difference orders them.
    const auto later = [&](const Message& waiting) {
        return IsPress(waiting) && static_cast<int32_t>(waiting.time - message.time) > 0;
    };
    queue.insert(std::find_if(queue.begin(), queue.end(), later), message);
}

void PostCrossThread(Message message) {
    if (message.id != kWmPhoneButtonDown) return PostMessage(message);
    message.time = message.lParam;
    PostPress(message);
}

void PostChar(uint8_t ch) { PostMessage({kWmChar, ch, kKeyRepeatCountOne}); }

}  // namespace platform
