// The messages between a phone and the game, one JSON object per WebSocket text message.
// README.md ("Phones as buzzers") documents names, fields and limits. Every message carries
// "v": kProtocolVersion; a phone's message of another version is refused.
#pragma once

#include "phone_view.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace phones {

constexpr int kProtocolVersion = 1;
constexpr std::size_t kMaxMessageBytes = 1024;
constexpr std::size_t kMinPhoneIdBytes = 8;
constexpr std::size_t kMaxPhoneIdBytes = 64;

// A phone id as phones send it: [A-Za-z0-9_-], kMinPhoneIdBytes..kMaxPhoneIdBytes.
bool IsPhoneId(std::string_view id);

// A phone's message, checked: join, buzz, answer N, ping.
struct PhoneCommand {
    enum class Kind { Join, Buzz, Answer, Ping } kind = Kind::Ping;
    std::string phoneId;   // join: [A-Za-z0-9_-], 8..64 bytes
    std::string name;      // join: UTF-8 as sent (the room maps and cuts it)
    int answer = 0;        // answer: 1..3
    int question = -1;     // answer in the class game: "q", the question answered, 0..63
    double pingTime = 0;   // ping: the phone's clock, echoed back
    int32_t roundTripMs = -1;  // ping: the last round trip the phone measured, -1 none
};

// Nothing when the text is not such a message: not JSON, not an object, another version,
// an unknown type, a missing or ill-typed field, or over kMaxMessageBytes.
std::optional<PhoneCommand> ParsePhoneCommand(std::string_view text);

// The game's messages.
// A class room says so, for the page to show a class phone no buzzer.
std::string EncodeWelcome(int slot, std::string_view nameUtf8, bool classRoom);
std::string EncodeState(const PhoneView& view);
std::string EncodePong(double pingTime);
std::string EncodeRefused(std::string_view what, std::string_view why);

}  // namespace phones
