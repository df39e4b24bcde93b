// The phones in the room: who joined, which slot each phone id holds, the last view the game
// sent each slot, each phone's message budget and the connections still waiting to join. It
// decides what one WebSocket message does and which waiting connection gives way to a new
// one; the server (phone_server.h) only carries bytes. Single-threaded: the server's thread
// owns it.
#pragma once

#include "phone_protocol.h"
#include "phone_view.h"
#include "platform/phone_keys.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace phones {

using ConnectionId = uint64_t;

struct RoomLimits {
    // Presses (buzz, answer) a phone may send at once and on average; more are dropped.
    int pressesPerSecond = 10;
    int pressBurst = 20;
    // Messages of any kind, WebSocket control frames too, at once and on average; more close
    // the connection. Far beyond any thumb: only a flood reaches it.
    int messagesPerSecond = 50;
    int messageBurst = 100;
    // Connections that have not joined (page loads, sockets before their join): in all, and
    // from one address. When places run out the oldest of the busiest address is let go.
    int maxWaiting = 256;
    int maxWaitingPerAddress = 12;
    // How often a phone's round-trip time is written to the log, at most.
    uint32_t roundTripLogMs = 30000;
    // A press is stamped earlier by half the phone's round trip, by at most this.
    int32_t maxCompensationMs = 40;
    // The class game's room: kClassSeats seats, answers as class keys, a seat kept for its
    // phone for the whole game (never given to a newcomer), removed phones kept out.
    bool classRoom = false;
};

// What one message did.
struct Outcome {
    std::vector<std::string> replies;  // to the connection the message came from
    bool close = false;                // the connection misbehaved: close it
    std::string log;                   // a line for the game's log, or empty
    bool joined = false;               // the connection joined with this message
    ConnectionId replaced = 0;         // the phone's earlier connection, to be closed
};

class PhoneRoom {
public:
    // `press` receives each phone key the room passes on to the game, on the server's thread,
    // with the tick it counts as pressed at.
    using PressSink = std::function<void(int32_t key, uint32_t stamp)>;
    explicit PhoneRoom(PressSink press, RoomLimits limits = {});

    // Keeps `slot` for the phone `phoneId` (a phone seen in an earlier game), unless the slot
    // is taken or the id is not a phone id; a phone that returns with that id gets the slot.
    void Remember(int slot, const std::string& phoneId);
    // The slots whose keys the game's rows use: never given to another phone.
    void SetRowSlots(const std::vector<int>& slots);

    // A new connection from `address`; the connections that have not joined and must now be
    // let go to make room for it (already forgotten by the room).
    std::vector<ConnectionId> Open(ConnectionId connection, const std::string& address, uint32_t now);
    Outcome Handle(ConnectionId connection, std::string_view message, bool binary, uint32_t now);
    // A WebSocket control frame (ping, pong, close) counts as a message: false when it is one
    // too many and the connection must be closed.
    bool Control(ConnectionId connection, uint32_t now);
    // A round trip the server measured on the connection with its own ping.
    void MeasuredRoundTrip(ConnectionId connection, int32_t ms);
    void Close(ConnectionId connection);

    // Stores the slot's view; the text to send and the connection to send it to (0: none).
    std::pair<ConnectionId, std::string> Publish(int slot, const PhoneView& view);
    // Class room: the host removed the seat's phone; it may not join again. The connection to
    // tell and close (0: none) and what to tell it.
    std::pair<ConnectionId, std::string> Remove(int slot);

    int Seats() const { return static_cast<int>(slots_.size()); }
    int JoinedCount() const;
    // The slot's phone name in Windows-1250, cut to the game's field; empty for a free slot.
    std::string NameOf(int slot) const;
    // The slot's phone is connected now.
    bool ConnectedOf(int slot) const;
    const std::string& PhoneIdOf(int slot) const;
    // The median of the round trips the server measured, else the last one the phone
    // reported, in ms; -1 none.
    int32_t RoundTripOf(int slot) const;

private:
    static constexpr int kRoundTrips = 10;
    struct Slot {
        std::string phoneId;  // empty: never taken
        std::string name;     // Windows-1250, at most 27 bytes
        ConnectionId connection = 0;
        uint64_t leftAt = 0;  // the room's sequence when its phone left; 0: not in this room
        uint32_t lastRoundTripLog = 0;
        bool roundTripLogged = false;
        int32_t reportedRoundTripMs = -1;
        std::array<int32_t, kRoundTrips> measured{};  // the last ones, oldest overwritten
        int measuredCount = 0;
        int nextMeasured = 0;  // the one to overwrite once all are set
        PhoneView view;
        int answered = -1;  // class room: the question this phone answered last
    };
    struct Connection {
        std::string address;
        uint64_t openedAt = 0;  // the room's sequence
        bool waiting = true;    // has not joined
        int slot = -1;
    };
    // Refilled with time, spent one per message.
    struct Bucket {
        double level = 0;
        uint32_t refilled = 0;
        bool Take(int perSecond, int burst, uint32_t now);
        bool Full(int perSecond, int burst, uint32_t now) const;
    };
    // Follows the phone id once joined, the address before: a new connection starts nothing anew.
    struct Budget {
        Bucket presses;
        Bucket messages;
    };

    std::vector<ConnectionId> MakeRoomFor(const std::string& address);
    Budget& BudgetOf(const Connection& connection, uint32_t now);
    Outcome Join(ConnectionId id, Connection& connection, const std::string& phoneId,
                 const std::string& name);
    int SlotOf(const std::string& phoneId) const;   // -1: no slot holds it
    int SlotFor(const std::string& phoneId) const;  // its own slot, or the one it may take
    bool IsRowSlot(int slot) const;
    int32_t MeasuredRoundTripOf(const Slot& slot) const;  // median, -1 none
    void Press(const Connection& connection, int button, uint32_t now);
    Outcome ClassAnswer(const Connection& connection, const PhoneCommand& command, uint32_t now);
    Outcome Ping(const Connection& connection, const PhoneCommand& command, uint32_t now);

    PressSink press_;
    RoomLimits limits_;
    std::vector<Slot> slots_;
    std::array<bool, platform::kPhoneSlots> rowSlots_{};
    std::map<ConnectionId, Connection> connections_;
    std::map<std::string, Budget, std::less<>> budgets_;
    std::vector<std::string> removed_;  // class room: phone ids the host removed
    uint64_t sequence_ = 0;  // 64 bits: never wraps
};

}  // namespace phones
