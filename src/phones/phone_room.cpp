#include "phone_room.h"

#include "phone_names.h"
#include "phone_protocol.h"
#include "platform/platform.h"

#include <algorithm>

namespace phones {

PhoneRoom::PhoneRoom(PressSink press, RoomLimits limits)
    : press_(std::move(press)), limits_(limits) {}

void PhoneRoom::Open(ConnectionId connection, uint32_t now) {
    Connection& c = connections_[connection];
    c.budget = limits_.rateBurst;
    c.lastRefill = now;
}

void PhoneRoom::Close(ConnectionId connection) {
    const auto found = connections_.find(connection);
    if (found == connections_.end()) return;
    const int slot = found->second.slot;
    if (slot >= 0 && slots_[slot].connection == connection) slots_[slot].connection = 0;
    connections_.erase(found);
}

bool PhoneRoom::TakeBudget(Connection& connection, uint32_t now) {
    const uint32_t elapsed = now - connection.lastRefill;  // wraps safely
    connection.lastRefill = now;
    connection.budget = std::min<double>(limits_.rateBurst,
                                         connection.budget + elapsed * limits_.ratePerSecond / 1000.0);
    if (connection.budget < 1) return false;
    connection.budget -= 1;
    return true;
}

int PhoneRoom::SlotOf(const std::string& phoneId) const {
    for (int i = 0; i < platform::kPhoneSlots; ++i) {
        if (slots_[i].phoneId == phoneId) return i;
    }
    return -1;
}

int PhoneRoom::SlotFor(const std::string& phoneId) const {
    if (const int slot = SlotOf(phoneId); slot >= 0) return slot;
    // A new phone takes the lowest never-taken slot, else the slot whose phone left longest ago.
    int oldest = -1;
    for (int i = 0; i < platform::kPhoneSlots; ++i) {
        if (rowSlots_[i]) continue;
        if (slots_[i].phoneId.empty()) return i;
        if (slots_[i].connection != 0) continue;
        if (oldest < 0 || static_cast<int32_t>(slots_[i].lastSeen - slots_[oldest].lastSeen) < 0) {
            oldest = i;
        }
    }
    return oldest;
}

Outcome PhoneRoom::Join(ConnectionId id, Connection& connection, const std::string& phoneId,
                        const std::string& name, uint32_t now) {
    Outcome outcome;
    if (connection.slot >= 0) {
        outcome.replies.push_back(EncodeRefused("join", "already joined"));
        return outcome;
    }
    const int slot = SlotFor(phoneId);
    if (slot < 0) {
        outcome.replies.push_back(EncodeRefused("join", "room full"));
        outcome.close = true;
        outcome.log = "Phones: room full, a new phone was turned away";
        return outcome;
    }
    Slot& s = slots_[slot];
    // A slot given to a new phone starts clean, but with what the game shows that slot now: the
    // game sends a view again only when it changes.
    if (s.phoneId != phoneId) s = Slot{.view = s.view};
    if (s.connection != 0 && s.connection != id) {
        outcome.replaced = s.connection;
        const auto old = connections_.find(s.connection);
        if (old != connections_.end()) old->second.slot = -1;
    }
    s.phoneId = phoneId;
    s.name = GameName(name, slot + 1);
    s.connection = id;
    s.lastSeen = now;
    connection.slot = slot;
    outcome.joined = true;
    outcome.replies.push_back(EncodeWelcome(slot, platform::Cp1250ToUtf8(s.name)));
    outcome.replies.push_back(EncodeState(s.view));
    outcome.log = "Phones: phone " + std::to_string(slot + 1) + " joined";
    return outcome;
}

void PhoneRoom::Press(const Connection& connection, int button) {
    if (press_) press_(platform::MakePhoneKey(connection.slot, button));
}

Outcome PhoneRoom::Handle(ConnectionId id, std::string_view message, bool binary, uint32_t now) {
    Outcome outcome;
    const auto found = connections_.find(id);
    if (found == connections_.end()) {
        outcome.close = true;
        return outcome;
    }
    Connection& connection = found->second;
    if (!TakeBudget(connection, now)) {
        outcome.close = true;
        outcome.log = "Phones: a connection sent too many messages and was closed";
        return outcome;
    }
    const std::optional<PhoneCommand> command =
        binary ? std::nullopt : ParsePhoneCommand(message);
    if (!command) {
        outcome.close = true;
        return outcome;
    }
    if (command->kind == PhoneCommand::Kind::Join) {
        return Join(id, connection, command->phoneId, command->name, now);
    }
    if (connection.slot < 0) {  // everything but a join needs one
        outcome.close = true;
        return outcome;
    }
    Slot& slot = slots_[connection.slot];
    slot.lastSeen = now;
    switch (command->kind) {
        case PhoneCommand::Kind::Buzz: Press(connection, platform::kPhoneBuzzer); break;
        case PhoneCommand::Kind::Answer:
            // The game checks again; this saves a phone that may not answer a silent drop.
            if (slot.view.phase != Phase::Answer) {
                outcome.replies.push_back(EncodeRefused("answer", "not your turn"));
            } else {
                Press(connection, command->answer);
            }
            break;
        case PhoneCommand::Kind::Ping:
            outcome.replies.push_back(EncodePong(command->pingTime));
            if (command->roundTripMs >= 0) slot.roundTripMs = command->roundTripMs;
            if (command->roundTripMs >= 0 &&
                (!slot.roundTripLogged || now - slot.lastRoundTripLog >= limits_.roundTripLogMs)) {
                slot.roundTripLogged = true;
                slot.lastRoundTripLog = now;
                outcome.log = "Phones: phone " + std::to_string(connection.slot + 1) +
                              " round trip " + std::to_string(command->roundTripMs) + " ms";
            }
            break;
        case PhoneCommand::Kind::Join: break;
    }
    return outcome;
}

std::pair<ConnectionId, std::string> PhoneRoom::Publish(int slot, const PhoneView& view) {
    if (slot < 0 || slot >= platform::kPhoneSlots) return {0, {}};
    slots_[slot].view = view;
    return {slots_[slot].connection, EncodeState(view)};
}

int PhoneRoom::JoinedCount() const {
    return static_cast<int>(std::count_if(slots_.begin(), slots_.end(),
                                          [](const Slot& s) { return s.connection != 0; }));
}

std::string PhoneRoom::NameOf(int slot) const {
    if (slot < 0 || slot >= platform::kPhoneSlots) return {};
    return slots_[slot].name;
}

bool PhoneRoom::ConnectedOf(int slot) const {
    return slot >= 0 && slot < platform::kPhoneSlots && slots_[slot].connection != 0;
}

int32_t PhoneRoom::RoundTripOf(int slot) const {
    if (slot < 0 || slot >= platform::kPhoneSlots) return -1;
    return slots_[slot].roundTripMs;
}

void PhoneRoom::Remember(int slot, const std::string& phoneId) {
    if (slot < 0 || slot >= platform::kPhoneSlots || !IsPhoneId(phoneId)) return;
    if (!slots_[slot].phoneId.empty() || SlotOf(phoneId) >= 0) return;
    slots_[slot].phoneId = phoneId;
}

void PhoneRoom::SetRowSlots(const std::vector<int>& slots) {
    rowSlots_.fill(false);
    for (const int slot : slots) {
        if (slot >= 0 && slot < platform::kPhoneSlots) rowSlots_[slot] = true;
    }
}

const std::string& PhoneRoom::PhoneIdOf(int slot) const {
    static const std::string none;
    return slot >= 0 && slot < platform::kPhoneSlots ? slots_[slot].phoneId : none;
}

}  // namespace phones
