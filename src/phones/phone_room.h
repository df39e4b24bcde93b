// The phones in the room: who joined, which slot each phone id holds, the last view the game
// sent each slot, and each connection's message budget. It decides what one WebSocket message
// does; the server (phone_server.h) only carries bytes. Single-threaded: the server's thread
// owns it.
#pragma once

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
    // A connection may send `rateBurst` messages at once and `ratePerSecond` on average.
    int ratePerSecond = 10;
    int rateBurst = 20;
    // How often a phone's round-trip time is written to the log, at most.
    uint32_t roundTripLogMs = 30000;
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
    // `press` receives each phone key the room passes on to the game, on the server's thread.
    using PressSink = std::function<void(int32_t key)>;
    explicit PhoneRoom(PressSink press, RoomLimits limits = {});

    // Keeps `slot` for the phone `phoneId` (a phone seen in an earlier game), unless the slot
    // is taken or the id is not a phone id; a phone that returns with that id gets the slot.
    void Remember(int slot, const std::string& phoneId);
    // Slots rows' keys use: a new phone never takes one of them.
    void SetRowSlots(const std::vector<int>& slots);

    void Open(ConnectionId connection, uint32_t now);
    Outcome Handle(ConnectionId connection, std::string_view message, bool binary, uint32_t now);
    void Close(ConnectionId connection);

    // Stores the slot's view; the text to send and the connection to send it to (0: none).
    std::pair<ConnectionId, std::string> Publish(int slot, const PhoneView& view);

    int JoinedCount() const;
    // The slot's phone name in Windows-1250, cut to the game's field; empty for a free slot.
    std::string NameOf(int slot) const;
    // The slot's phone is connected now; the last round trip it reported in ms, -1 none.
    bool ConnectedOf(int slot) const;
    const std::string& PhoneIdOf(int slot) const;
    int32_t RoundTripOf(int slot) const;

private:
    struct Slot {
        std::string phoneId;  // empty: never taken
        std::string name;     // Windows-1250, at most 27 bytes
        ConnectionId connection = 0;
        uint32_t lastSeen = 0;
        uint32_t lastRoundTripLog = 0;
        bool roundTripLogged = false;
        int32_t roundTripMs = -1;
        PhoneView view;
    };
    struct Connection {
        int slot = -1;
        double budget = 0;
        uint32_t lastRefill = 0;
    };

    bool TakeBudget(Connection& connection, uint32_t now);
    Outcome Join(ConnectionId id, Connection& connection, const std::string& phoneId,
                 const std::string& name, uint32_t now);
    int SlotOf(const std::string& phoneId) const;   // -1: no slot holds it
    int SlotFor(const std::string& phoneId) const;  // its own slot, or the one it may take
    void Press(const Connection& connection, int button);

    PressSink press_;
    RoomLimits limits_;
    std::array<Slot, platform::kPhoneSlots> slots_;
    std::array<bool, platform::kPhoneSlots> rowSlots_{};
    std::map<ConnectionId, Connection> connections_;
};

}  // namespace phones
