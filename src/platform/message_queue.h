// The message queue both backends feed, and the order of messages one key makes.
#pragma once

#include "platform.h"

#include <deque>

namespace platform {

std::deque<Message>& MessageQueue();

// A key press made at tick `time`: KeyDown (or SysKeyDown with Alt held), then Char (SysChar
// with Alt) when the key types character `ch` (0 = none).
void PostKeyDown(uint32_t scanCode, uint8_t ch, bool alt, bool repeat, uint32_t time);
// A pad's or a phone's press, stamped with `message.time`: it goes before the presses already
// waiting that were made after it, so claims that wait together follow the order they were
// made in, whichever device made them.
void PostPress(const Message& message);
// A message posted from another thread (PostFromAnyThread) joins the queue: a phone's press
// by its stamp (lParam), anything else at the end.
void PostCrossThread(Message message);
// A key release: Char with the key-up flag when the key types `ch`, then KeyUp (SysKeyUp).
void PostKeyUp(uint32_t scanCode, uint8_t ch, bool alt);
// The character a typed text contributes without a key of its own (an input method).
void PostChar(uint8_t ch);

}  // namespace platform
