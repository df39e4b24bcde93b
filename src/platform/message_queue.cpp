#include "message_queue.h"

namespace platform {

std::deque<Message>& MessageQueue() {
    static std::deque<Message> queue;
    return queue;
}

namespace {
uint32_t KeyData(uint32_t scanCode, bool released, bool wasDown) {
    uint32_t data = kKeyRepeatCountOne | (scanCode & 0xFF) << 16;
    if (scanCode & 0x100) data |= kKeyExtendedBit;
    if (wasDown) data |= kKeyPreviousStateBit;
    if (released) data |= kKeyTransitionBit;
    return data;
}
}  // namespace

void PostKeyDown(uint32_t scanCode, uint8_t ch, bool alt, bool repeat) {
    const uint32_t data = KeyData(scanCode, false, repeat);
    PostMessage({alt ? kWmSysKeyDown : kWmKeyDown, 0, data});
    if (ch != 0) PostMessage({alt ? kWmSysChar : kWmChar, ch, data});
}

void PostKeyUp(uint32_t scanCode, uint8_t ch, bool alt) {
    const uint32_t data = KeyData(scanCode, true, true);
    if (ch != 0) PostMessage({alt ? kWmSysChar : kWmChar, ch, data});
    PostMessage({alt ? kWmSysKeyUp : kWmKeyUp, 0, data});
}

void PostChar(uint8_t ch) { PostMessage({kWmChar, ch, kKeyRepeatCountOne}); }

}  // namespace platform
