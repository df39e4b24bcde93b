#include "phone_room.h"

#include "phone_names.h"
#include "phone_protocol.h"
#include "platform/platform.h"

#include <algorithm>

namespace phones {

PhoneRoom::PhoneRoom(PressSink press, RoomLimits limits)
    : press_(std::move(press)),
      limits_(limits),
      slots_(limits.classRoom ? platform::kClassSeats : platform::kPhoneSlots) {}

bool PhoneRoom::Bucket::Take(int perSecond, int burst, uint32_t now) {
    const uint32_t elapsed = now - refilled;  // wraps safely
    refilled = now;
    level = std::min<double>(burst, level + elapsed * (perSecond / 1000.0));
    if (level < 1) return false;
    level -= 1;
    return true;
}

bool PhoneRoom::Bucket::Full(int perSecond, int burst, uint32_t now) const {
    return level + (now - refilled) * (perSecond / 1000.0) >= burst;
}

std::vector<ConnectionId> PhoneRoom::Open(ConnectionId connection, const std::string& address,
                                          uint32_t now) {
    std::vector<ConnectionId> dropped = MakeRoomFor(address);
    connections_[connection] = Connection{address, ++sequence_, true, -1};
    // A budget that would be full again holds nothing worth keeping.
    if (budgets_.size() > 4u * static_cast<std::size_t>(limits_.maxWaiting)) {
        std::erase_if(budgets_, [&](const auto& entry) {
            return entry.second.presses.Full(limits_.pressesPerSecond, limits_.pressBurst, now) &&
                   entry.second.messages.Full(limits_.messagesPerSecond, limits_.messageBurst, now);
        });
    }
    return dropped;
}

// The oldest waiting connection of the address that holds the most, when the newcomer's
// address or the whole room is at its limit. Joined phones never give way.
std::vector<ConnectionId> PhoneRoom::MakeRoomFor(const std::string& address) {
    std::map<std::string_view, int> waiting;
    int total = 0;
    for (const auto& [id, c] : connections_) {
        if (!c.waiting) continue;
        ++waiting[c.address];
        ++total;
    }
    std::string_view victim;
    if (waiting[address] >= limits_.maxWaitingPerAddress) {
        victim = address;
    } else if (total >= limits_.maxWaiting) {
        int most = 0;
        for (const auto& [from, count] : waiting) {
            if (count > most) most = count, victim = from;
        }
    } else {
        return {};
    }
    auto oldest = connections_.end();
    for (auto it = connections_.begin(); it != connections_.end(); ++it) {
        if (it->second.waiting && it->second.address == victim &&
            (oldest == connections_.end() || it->second.openedAt < oldest->second.openedAt)) {
            oldest = it;
        }
    }
    if (oldest == connections_.end()) return {};
    const ConnectionId id = oldest->first;
    connections_.erase(oldest);
    return {id};
}

void PhoneRoom::Close(ConnectionId connection) {
    const auto found = connections_.find(connection);
    if (found == connections_.end()) return;
    const int slot = found->second.slot;
    if (slot >= 0 && slots_[slot].connection == connection) {
        slots_[slot].connection = 0;
        slots_[slot].leftAt = ++sequence_;
    }
    connections_.erase(found);
}

PhoneRoom::Budget& PhoneRoom::BudgetOf(const Connection& connection, uint32_t now) {
    const std::string key = connection.slot >= 0 ? "phone " + slots_[connection.slot].phoneId
                                                 : "address " + connection.address;
    const auto [it, added] = budgets_.try_emplace(key);
    if (added) {
        it->second.presses = {static_cast<double>(limits_.pressBurst), now};
        it->second.messages = {static_cast<double>(limits_.messageBurst), now};
    }
    return it->second;
}

int PhoneRoom::SlotOf(const std::string& phoneId) const {
    for (int i = 0; i < Seats(); ++i) {
        if (slots_[i].phoneId == phoneId) return i;
    }
    return -1;
}

bool PhoneRoom::IsRowSlot(int slot) const {
    return slot < platform::kPhoneSlots && rowSlots_[slot];
}

int PhoneRoom::SlotFor(const std::string& phoneId) const {
    if (const int slot = SlotOf(phoneId); slot >= 0) return slot;
    // A new phone takes the lowest never-taken slot, else the slot whose phone left longest
    // ago; never a slot whose key a row uses.
    // In a class a pupil whose phone left keeps the seat with its points: newcomers only take
    // seats never taken, so a flood of new ids cannot push out a pupil.
    int oldest = -1;
    for (int i = 0; i < Seats(); ++i) {
        if (IsRowSlot(i) || slots_[i].connection != 0) continue;
        if (slots_[i].phoneId.empty()) return i;
        if (!limits_.classRoom && (oldest < 0 || slots_[i].leftAt < slots_[oldest].leftAt)) oldest = i;
    }
    return oldest;
}

Outcome PhoneRoom::Join(ConnectionId id, Connection& connection, const std::string& phoneId,
                        const std::string& name) {
    Outcome outcome;
    if (connection.slot >= 0) {
        outcome.replies.push_back(EncodeRefused("join", "already joined"));
        return outcome;
    }
    if (std::find(removed_.begin(), removed_.end(), phoneId) != removed_.end()) {
        outcome.replies.push_back(EncodeRefused("join", "removed"));
        outcome.close = true;
        outcome.log = "Phones: a removed phone was turned away";
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
    connection.slot = slot;
    connection.waiting = false;
    outcome.joined = true;
    outcome.replies.push_back(EncodeWelcome(slot, platform::Cp1250ToUtf8(s.name), limits_.classRoom));
    outcome.replies.push_back(EncodeState(s.view));
    outcome.log = "Phones: phone " + std::to_string(slot + 1) + " joined";
    return outcome;
}

int32_t PhoneRoom::MeasuredRoundTripOf(const Slot& slot) const {
    if (slot.measuredCount == 0) return -1;
    std::array<int32_t, kRoundTrips> sorted = slot.measured;
    const auto end = sorted.begin() + slot.measuredCount;
    std::sort(sorted.begin(), end);
    const int half = slot.measuredCount / 2;
    return slot.measuredCount % 2 ? sorted[half] : (sorted[half - 1] + sorted[half]) / 2;
}

void PhoneRoom::Press(const Connection& connection, int button, uint32_t now) {
    // Half the round trip ago is when the phone sent it; a far phone is not punished for it.
    const int32_t median = MeasuredRoundTripOf(slots_[connection.slot]);
    const int32_t early = median < 0 ? 0 : std::min(limits_.maxCompensationMs, median / 2);
    if (press_) press_(platform::MakePhoneKey(connection.slot, button), now - early);
}

Outcome PhoneRoom::Ping(const Connection& connection, const PhoneCommand& command, uint32_t now) {
    Outcome outcome;
    Slot& slot = slots_[connection.slot];
    outcome.replies.push_back(EncodePong(command.pingTime));
    if (command.roundTripMs >= 0) slot.reportedRoundTripMs = command.roundTripMs;
    const int32_t roundTrip = RoundTripOf(connection.slot);
    if (roundTrip >= 0 &&
        (!slot.roundTripLogged || now - slot.lastRoundTripLog >= limits_.roundTripLogMs)) {
        slot.roundTripLogged = true;
        slot.lastRoundTripLog = now;
        outcome.log = "Phones: phone " + std::to_string(connection.slot + 1) + " round trip " +
                      std::to_string(roundTrip) + " ms";
    }
    return outcome;
}

bool PhoneRoom::Control(ConnectionId id, uint32_t now) {
    const auto found = connections_.find(id);
    return found != connections_.end() &&
           BudgetOf(found->second, now)
               .messages.Take(limits_.messagesPerSecond, limits_.messageBurst, now);
}

Outcome PhoneRoom::Handle(ConnectionId id, std::string_view message, bool binary, uint32_t now) {
    Outcome outcome;
    const auto found = connections_.find(id);
    if (found == connections_.end()) {
        outcome.close = true;
        return outcome;
    }
    Connection& connection = found->second;
    if (!Control(id, now)) {
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
        return Join(id, connection, command->phoneId, command->name);
    }
    if (connection.slot < 0) {  // everything but a join needs one
        outcome.close = true;
        return outcome;
    }
    const bool press = command->kind == PhoneCommand::Kind::Buzz ||
                       command->kind == PhoneCommand::Kind::Answer;
    // A thumb mashing the buzzer: the extra presses go nowhere, the phone stays.
    if (press && !BudgetOf(connection, now).presses.Take(limits_.pressesPerSecond,
                                                        limits_.pressBurst, now)) {
        return outcome;
    }
    const Slot& slot = slots_[connection.slot];
    if (limits_.classRoom && command->kind != PhoneCommand::Kind::Ping) {
        return ClassAnswer(connection, *command, now);
    }
    switch (command->kind) {
        case PhoneCommand::Kind::Buzz: Press(connection, platform::kPhoneBuzzer, now); break;
        case PhoneCommand::Kind::Answer:
            // The game checks again; this saves a phone that may not answer a silent drop.
            if (slot.view.phase != Phase::Answer) {
                outcome.replies.push_back(EncodeRefused("answer", "not your turn"));
            } else {
                Press(connection, command->answer, now);
            }
            break;
        case PhoneCommand::Kind::Ping: return Ping(connection, *command, now);
        case PhoneCommand::Kind::Join: break;
    }
    return outcome;
}

// Every refusal is said to the phone; only an answer to the question it is shown goes on.
Outcome PhoneRoom::ClassAnswer(const Connection& connection, const PhoneCommand& command,
                               uint32_t now) {
    Outcome outcome;
    Slot& slot = slots_[connection.slot];
    const char* refusal = nullptr;
    if (command.kind != PhoneCommand::Kind::Answer) refusal = "no buzzer in this game";
    else if (slot.view.phase != Phase::Choose) refusal = "not open";
    else if (command.question != slot.view.question) refusal = "another question";
    else if (slot.answered == command.question) refusal = "already answered";
    if (refusal) {
        outcome.replies.push_back(EncodeRefused("answer", refusal));
        return outcome;
    }
    slot.answered = command.question;
    const int32_t median = MeasuredRoundTripOf(slot);
    const int32_t early = median < 0 ? 0 : std::min(limits_.maxCompensationMs, median / 2);
    const int32_t key = platform::MakeClassKey(connection.slot, command.question, command.answer - 1);
    if (press_ && key != 0) press_(key, now - early);
    return outcome;
}

std::pair<ConnectionId, std::string> PhoneRoom::Remove(int slot) {
    if (!limits_.classRoom || slot < 0 || slot >= Seats() || slots_[slot].phoneId.empty()) {
        return {0, {}};
    }
    Slot& s = slots_[slot];
    removed_.push_back(s.phoneId);
    const ConnectionId connection = s.connection;
    if (connection != 0) Close(connection);
    s.name.clear();
    return {connection, EncodeRefused("join", "removed")};
}

void PhoneRoom::MeasuredRoundTrip(ConnectionId id, int32_t ms) {
    const auto found = connections_.find(id);
    if (found == connections_.end() || found->second.slot < 0 || ms < 0) return;
    Slot& slot = slots_[found->second.slot];
    slot.measured[slot.measuredCount < kRoundTrips ? slot.measuredCount++ : slot.nextMeasured] = ms;
    if (slot.measuredCount == kRoundTrips) slot.nextMeasured = (slot.nextMeasured + 1) % kRoundTrips;
}

void PhoneRoom::SetRowSlots(const std::vector<int>& slots) {
    rowSlots_.fill(false);
    for (const int slot : slots) {
        if (slot >= 0 && slot < platform::kPhoneSlots) rowSlots_[slot] = true;
    }
}

std::pair<ConnectionId, std::string> PhoneRoom::Publish(int slot, const PhoneView& view) {
    if (slot < 0 || slot >= Seats()) return {0, {}};
    slots_[slot].view = view;
    return {slots_[slot].connection, EncodeState(view)};
}

int PhoneRoom::JoinedCount() const {
    return static_cast<int>(std::count_if(slots_.begin(), slots_.end(),
                                          [](const Slot& s) { return s.connection != 0; }));
}

std::string PhoneRoom::NameOf(int slot) const {
    if (slot < 0 || slot >= Seats()) return {};
    return slots_[slot].name;
}

bool PhoneRoom::ConnectedOf(int slot) const {
    return slot >= 0 && slot < Seats() && slots_[slot].connection != 0;
}

int32_t PhoneRoom::RoundTripOf(int slot) const {
    if (slot < 0 || slot >= Seats()) return -1;
    const int32_t measured = MeasuredRoundTripOf(slots_[slot]);
    return measured >= 0 ? measured : slots_[slot].reportedRoundTripMs;
}

void PhoneRoom::Remember(int slot, const std::string& phoneId) {
    if (slot < 0 || slot >= Seats() || !IsPhoneId(phoneId)) return;
    if (!slots_[slot].phoneId.empty() || SlotOf(phoneId) >= 0) return;
    slots_[slot].phoneId = phoneId;
}

const std::string& PhoneRoom::PhoneIdOf(int slot) const {
    static const std::string none;
    return slot >= 0 && slot < Seats() ? slots_[slot].phoneId : none;
}

}  // namespace phones
