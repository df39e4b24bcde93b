// The game's own HTTP and WebSocket server for phones as buzzers, on a thread of its own.
// It serves the phone page (a fixed list of files from the game's web folder) and one
// WebSocket per phone at /ws, which needs the room token of the join address. A phone's press
// reaches the game only as a platform message (kWmPhoneButtonDown, posted from the server's
// thread with its arrival tick less half the phone's round trip); what the game tells phones
// goes through Publish, which hands the view to the server's thread. No game state is touched
// from that thread. GET /room?t= tells a page whether its token is still the room's.
#pragma once

#include "phone_view.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace phones {

constexpr uint16_t kDefaultPort = 47800;
constexpr int kPortsTried = 20;

struct ServerConfig {
    std::string bindAddress = "0.0.0.0";  // every interface: phones must reach it
    uint16_t port = kDefaultPort;         // the first port tried; the next ones if taken
    std::string webFolder = "web";        // the phone page's files
    // Connections (page or WebSocket) that have not joined, in all and from one address; when
    // full, the oldest of the address holding the most gives way to the newcomer.
    int maxWaiting = 256;
    int maxWaitingPerAddress = 12;
    uint32_t requestTimeoutMs = 5000;     // to send a whole request, or to join after upgrading
    // A WebSocket that sends no message for this long is let go. Pongs do not count (the
    // WebSocket layer restarts its clock only on messages): the page pings every 5 s.
    uint32_t idleTimeoutMs = 30000;
    uint32_t pingIntervalMs = 2000;       // the server's pings to joined phones, for round trips
    std::size_t maxRequestBytes = 4096;   // request line and headers
    int pressesPerSecond = 10;            // presses a phone may send on average (more dropped)
    int pressBurst = 20;                  //   and at once
    int messagesPerSecond = 50;           // messages of any kind (more close the connection)
    int messageBurst = 100;               //   and at once
    std::vector<std::string> knownPhones; // by slot: phone ids seen before, kept their slots
    std::vector<int> rowSlots;            // slots whose keys the game's rows use
    bool classRoom = false;               // the class game's room (phone_room.h)
};

// The files the server may send, by request path; nothing else of the web folder is reachable.
struct WebFile {
    const char* path;
    const char* file;
    const char* contentType;
};
const std::vector<WebFile>& WebFiles();

class PhoneServer {
public:
    PhoneServer();
    ~PhoneServer();
    PhoneServer(const PhoneServer&) = delete;
    PhoneServer& operator=(const PhoneServer&) = delete;

    // Binds the first free port from config.port on, draws a new room token and starts the
    // thread. False (with a log line saying why) when no port or no random token can be had.
    bool Start(const ServerConfig& config);
    void Stop();  // closes every connection and joins the thread
    bool Running() const;

    uint16_t Port() const;
    std::string BindAddress() const;  // as configured; "0.0.0.0" for every interface
    const std::string& Token() const;
    // http://<address>:<port>/?t=<token> for the address listened on, or for each of the
    // machine's addresses when it listens on all of them.
    std::vector<std::string> JoinUrls() const;

    // Safe from the game's thread: the view goes to the slot's phone now and on its next join.
    void Publish(int slot, const PhoneView& view);
    // Safe from the game's thread, in a class room: the seat's phone is told it was removed and
    // let go, and may not join again.
    void Remove(int slot);
    // Safe from the game's thread: the slots whose keys the game's rows use now. A new phone
    // never gets one of them; other slots of phones that left may be given away.
    void SetRowSlots(std::vector<int> slots);
    // The lines the server wants in the game's log since the last call.
    std::vector<std::string> TakeLog();
    // Phones joined now, and a slot's phone name (Windows-1250), as last seen by the server.
    int JoinedCount() const;
    std::string PhoneName(int slot) const;
    // Each slot as last seen by the server: connected now, and its round trip in ms as the
    // server measures it (else as the phone reported it; -1 none).
    struct PhoneStatus {
        bool connected = false;
        int32_t roundTripMs = -1;
    };
    PhoneStatus StatusOf(int slot) const;
    // The phone id that holds the slot, as last seen by the server; empty for a free slot.
    std::string PhoneIdOf(int slot) const;

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
    std::vector<std::string> lastLog_;  // what a failed start or a stop said
};

}  // namespace phones
