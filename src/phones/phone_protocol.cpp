#include "phone_protocol.h"

#include <nlohmann/json.hpp>

#include <cstdio>

namespace phones {

namespace {

using nlohmann::json;

}  // namespace

bool IsPhoneId(std::string_view id) {
    if (id.size() < kMinPhoneIdBytes || id.size() > kMaxPhoneIdBytes) return false;
    for (const char c : id) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '_' || c == '-';
        if (!ok) return false;
    }
    return true;
}

namespace {

std::string Colour(uint32_t rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", rgb & 0xFFFFFFu);
    return text;
}

const char* NoteName(WaitNote note) {
    switch (note) {
        case WaitNote::None: return "";
        case WaitNote::Full: return "full";
        case WaitNote::Running: return "running";
    }
    return "";
}

// What a class phone needs beside the buzzer game's fields.
void AddClassFields(json& message, const PhoneView& view) {
    switch (view.phase) {
        case Phase::Choose: message["seconds"] = view.seconds; [[fallthrough]];
        case Phase::Chosen:
            message["q"] = view.question;
            message["chosen"] = view.chosen;
            break;
        case Phase::Outcome:
            message["verdict"] = view.right ? "right" : "wrong";
            message["chosen"] = view.chosen;
            message["points"] = view.points;
            message["total"] = view.total;
            message["place"] = view.place;
            message["of"] = view.of;
            message["streak"] = view.streak;
            break;
        case Phase::Result:
            if (view.of > 0) {
                message["total"] = view.total;
                message["of"] = view.of;
            }
            break;
        default: break;
    }
}

json Message(const char* type) { return json{{"v", kProtocolVersion}, {"type", type}}; }

// Invalid UTF-8 from the game's side is replaced rather than thrown over.
std::string Dump(const json& message) {
    return message.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::optional<PhoneCommand> CommandOf(const json& message) {
    const auto version = message.find("v");
    const auto type = message.find("type");
    if (version == message.end() || !version->is_number_integer() ||
        version->get<int64_t>() != kProtocolVersion) {
        return std::nullopt;
    }
    if (type == message.end() || !type->is_string()) return std::nullopt;
    const std::string& name = type->get_ref<const std::string&>();
    PhoneCommand command;
    if (name == "buzz") {
        command.kind = PhoneCommand::Kind::Buzz;
    } else if (name == "answer") {
        const auto n = message.find("n");
        if (n == message.end() || !n->is_number_integer()) return std::nullopt;
        const int64_t answer = n->get<int64_t>();
        if (answer < 1 || answer > 3) return std::nullopt;
        command.kind = PhoneCommand::Kind::Answer;
        command.answer = static_cast<int>(answer);
        if (const auto q = message.find("q"); q != message.end()) {
            if (!q->is_number_integer()) return std::nullopt;
            const int64_t question = q->get<int64_t>();
            if (question < 0 || question >= 64) return std::nullopt;
            command.question = static_cast<int>(question);
        }
    } else if (name == "ping") {
        const auto t = message.find("t");
        if (t == message.end() || !t->is_number()) return std::nullopt;
        command.kind = PhoneCommand::Kind::Ping;
        command.pingTime = t->get<double>();
        const auto rtt = message.find("rtt");
        if (rtt != message.end() && rtt->is_number_integer()) {
            const int64_t ms = rtt->get<int64_t>();
            if (ms >= 0 && ms < 600000) command.roundTripMs = static_cast<int32_t>(ms);
        }
    } else if (name == "join") {
        const auto id = message.find("id");
        const auto player = message.find("name");
        if (id == message.end() || !id->is_string()) return std::nullopt;
        command.phoneId = id->get<std::string>();
        if (!IsPhoneId(command.phoneId)) return std::nullopt;
        if (player != message.end()) {
            if (!player->is_string()) return std::nullopt;
            command.name = player->get<std::string>();
        }
        command.kind = PhoneCommand::Kind::Join;
    } else {
        return std::nullopt;
    }
    return command;
}

}  // namespace

const char* PhaseName(Phase phase) {
    switch (phase) {
        case Phase::Waiting: return "waiting";
        case Phase::Question: return "question";
        case Phase::Claims: return "claims";
        case Phase::Answer: return "answer";
        case Phase::Other: return "other";
        case Phase::LockedOut: return "lockedout";
        case Phase::Right: return "right";
        case Phase::Wrong: return "wrong";
        case Phase::Heard: return "heard";
        case Phase::TimeUp: return "timeup";
        case Phase::Result: return "result";
        case Phase::Choose: return "choose";
        case Phase::Chosen: return "chosen";
        case Phase::Outcome: return "outcome";
    }
    return "waiting";
}

std::optional<PhoneCommand> ParsePhoneCommand(std::string_view text) {
    if (text.size() > kMaxMessageBytes) return std::nullopt;
    const json message = json::parse(text, nullptr, false);
    if (message.is_discarded() || !message.is_object()) return std::nullopt;
    return CommandOf(message);
}

std::string EncodeWelcome(int slot, std::string_view nameUtf8, bool classRoom) {
    json message = Message("welcome");
    message["slot"] = slot;
    message["name"] = std::string(nameUtf8);
    if (classRoom) message["game"] = "class";
    return Dump(message);
}

std::string EncodeState(const PhoneView& view) {
    json message = Message("state");
    message["phase"] = PhaseName(view.phase);
    message["player"] = view.player;
    message["colour"] = Colour(view.colour);
    message["answers"] = view.answers;
    message["note"] = NoteName(view.note);
    if (view.phase == Phase::Answer) message["seconds"] = view.seconds;
    if (view.phase == Phase::Other || view.phase == Phase::Heard) {
        message["claimer"] = {{"name", view.claimer.name}, {"colour", Colour(view.claimer.colour)}};
    }
    if (view.phase == Phase::Heard) message["verdict"] = view.right ? "right" : "wrong";
    if (view.phase == Phase::Right || view.phase == Phase::Wrong || view.phase == Phase::Heard) {
        message["points"] = view.points;
    }
    if (view.phase == Phase::Result) message["place"] = view.place;
    AddClassFields(message, view);
    json scores = json::array();
    for (const PhoneScore& score : view.scores) {
        scores.push_back({{"name", score.name}, {"points", score.points},
                          {"colour", Colour(score.colour)}});
    }
    message["scores"] = std::move(scores);
    return Dump(message);
}

std::string EncodePong(double pingTime) {
    json message = Message("pong");
    message["t"] = pingTime;
    return Dump(message);
}

std::string EncodeRefused(std::string_view what, std::string_view why) {
    json message = Message("refused");
    message["what"] = std::string(what);
    message["why"] = std::string(why);
    return Dump(message);
}

}  // namespace phones
