// A phone's WebSocket messages: any bytes through the room's message handler, the code the
// server runs for each message it reads. The input is cut at 0xFF bytes into messages; each
// one's first byte picks one of three connections, text or binary, how much time passed, and
// whether the game then publishes a view that lets that slot answer.
#include "phones/phone_room.h"
#include "platform/phone_keys.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    phones::PhoneRoom room([](int32_t key, uint32_t) {
        if (!platform::IsPhoneKey(key)) std::abort();  // only real phone keys reach the game
    });
    uint32_t now = 0;
    for (phones::ConnectionId id = 1; id <= 3; ++id) room.Open(id, "192.0.2.1", now);
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start < input.size()) {
        std::size_t end = input.find('\xFF', start);
        if (end == std::string_view::npos) end = input.size();
        const auto control = static_cast<uint8_t>(input[start]);
        const std::string_view message = input.substr(start + 1, end - start - 1);
        start = end + 1;
        const phones::ConnectionId id = 1 + control % 3;
        now += (control >> 3 & 7) * 50u;
        phones::Outcome outcome = room.Handle(id, message, (control & 4) != 0, now);
        if (outcome.replaced != 0) room.Close(outcome.replaced);
        if (outcome.close) {
            room.Close(id);
            room.Open(id, "192.0.2.1", now);
        }
        if (control & 0x80) {
            phones::PhoneView view;
            view.phase = phones::Phase::Answer;
            view.answers = {std::string(message.substr(0, 40)), "b", "c"};
            room.Publish(static_cast<int>(id - 1), view);
        }
        if (room.JoinedCount() > platform::kPhoneSlots) std::abort();
    }
    return 0;
}
