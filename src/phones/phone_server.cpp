// The only translation unit that includes Boost.Beast and Boost.Asio: they are heavy to
// compile. Everything runs on the server's one thread; the room (phone_room.h) decides what a
// message does.
#include "phone_server.h"

#include "phone_protocol.h"
#include "phone_room.h"
#include "platform/platform.h"

#include <utility>  // Asio 1.74 uses std::exchange without including it

#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>

#include <algorithm>
#include <array>
#include <chrono>
#include <deque>
#include <fstream>
#include <future>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

namespace phones {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;
using ErrorCode = beast::error_code;

namespace {

constexpr std::size_t kMaxWebFileBytes = 1 << 20;
constexpr int kMaxRequestsPerConnection = 16;
constexpr std::size_t kMaxQueuedMessages = 32;
constexpr std::size_t kMaxDiscardedBytes = 64 * 1024;
constexpr std::size_t kTokenBytes = 16;  // 128 bits

std::string HexOf(const unsigned char* bytes, std::size_t size) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 15];
    }
    return text;
}

// Compares in time that does not depend on where the texts differ.
bool SameSecret(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    unsigned char difference = 0;
    for (std::size_t i = 0; i < a.size(); ++i) difference |= a[i] ^ b[i];
    return difference == 0;
}

// The value of `name` in the query of a request target, or empty.
std::string_view QueryValue(std::string_view target, std::string_view name) {
    const std::size_t question = target.find('?');
    if (question == std::string_view::npos) return {};
    std::string_view query = target.substr(question + 1);
    while (!query.empty()) {
        const std::size_t amp = query.find('&');
        const std::string_view pair = query.substr(0, amp);
        if (pair.size() > name.size() && pair.substr(0, name.size()) == name &&
            pair[name.size()] == '=') {
            return pair.substr(name.size() + 1);
        }
        if (amp == std::string_view::npos) break;
        query.remove_prefix(amp + 1);
    }
    return {};
}

std::string_view View(beast::string_view text) { return {text.data(), text.size()}; }

std::string_view PathOf(std::string_view target) { return target.substr(0, target.find('?')); }

// The address and port a Host header names: "1.2.3.4:5" or "[v6]:5"; nothing when it names
// anything else (a name, no port).
std::optional<std::pair<asio::ip::address, unsigned>> ParseHost(std::string_view host) {
    const std::size_t colon = host.rfind(':');
    if (colon == std::string_view::npos || colon + 1 == host.size()) return std::nullopt;
    std::string_view address = host.substr(0, colon);
    if (address.size() >= 2 && address.front() == '[' && address.back() == ']') {
        address = address.substr(1, address.size() - 2);
    } else if (address.find(':') != std::string_view::npos) {
        return std::nullopt;  // IPv6 only in brackets
    }
    unsigned port = 0;
    for (const char c : host.substr(colon + 1)) {
        if (c < '0' || c > '9' || port > 65535) return std::nullopt;
        port = port * 10 + static_cast<unsigned>(c - '0');
    }
    ErrorCode error;
    const asio::ip::address parsed = asio::ip::make_address(std::string(address), error);
    if (error) return std::nullopt;
    return std::make_pair(parsed, port);
}

// The page itself only loads its own files and opens its own socket; old browsers do not
// count ws: as 'self', so the socket's address is named.
std::string PagePolicy(std::string_view host) {
    return "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self' data:; "
           "connect-src 'self' ws://" + std::string(host) +
           "; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";
}

std::string UrlHost(const std::string& address) {
    return address.find(':') == std::string::npos ? address : "[" + address + "]";
}

uint32_t MsSince(std::chrono::steady_clock::time_point then) {
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::steady_clock::now() - then)
                                     .count());
}

}  // namespace

const std::vector<WebFile>& WebFiles() {
    static const std::vector<WebFile> files = {
        {"/", "index.html", "text/html; charset=utf-8"},
        {"/index.html", "index.html", "text/html; charset=utf-8"},
        {"/phone.js", "phone.js", "text/javascript; charset=utf-8"},
        {"/phone.css", "phone.css", "text/css; charset=utf-8"},
    };
    return files;
}

class PhoneServer::Impl {
public:
    class Session;
    class HttpSession;
    class WsSession;

    explicit Impl(const ServerConfig& config)
        : config_(config),
          room_([](int32_t key, uint32_t stamp) {
              platform::PostFromAnyThread(
                  {platform::kWmPhoneButtonDown, static_cast<uint32_t>(key), stamp});
          },
                RoomLimits{.pressesPerSecond = config.pressesPerSecond,
                           .pressBurst = config.pressBurst,
                           .messagesPerSecond = config.messagesPerSecond,
                           .messageBurst = config.messageBurst,
                           .maxWaiting = config.maxWaiting,
                           .maxWaitingPerAddress = config.maxWaitingPerAddress,
                           .classRoom = config.classRoom}) {}

    bool Start();
    void Stop();
    void Publish(int slot, const PhoneView& view);
    void Remove(int slot);
    void SetRowSlots(std::vector<int> slots) {
        asio::post(io_, [this, slots = std::move(slots)] { room_.SetRowSlots(slots); });
    }
    void Log(std::string line) {
        std::lock_guard lock(mutex_);
        if (log_.size() < 256) log_.push_back(std::move(line));
    }
    std::vector<std::string> TakeLog() {
        std::lock_guard lock(mutex_);
        return std::exchange(log_, {});
    }
    void SnapshotRoom() {
        std::lock_guard lock(mutex_);
        joined_ = room_.JoinedCount();
        for (int i = 0; i < room_.Seats(); ++i) {
            names_[i] = room_.NameOf(i);
            statuses_[i] = {room_.ConnectedOf(i), room_.RoundTripOf(i)};
            ids_[i] = room_.PhoneIdOf(i);
        }
    }
    std::string PhoneIdOf(int slot) {
        std::lock_guard lock(mutex_);
        return slot >= 0 && slot < room_.Seats() ? ids_[slot] : std::string();
    }
    PhoneServer::PhoneStatus StatusOf(int slot) {
        std::lock_guard lock(mutex_);
        return slot >= 0 && slot < room_.Seats() ? statuses_[slot]
                                                         : PhoneServer::PhoneStatus{};
    }
    int JoinedCount() {
        std::lock_guard lock(mutex_);
        return joined_;
    }
    std::string PhoneName(int slot) {
        std::lock_guard lock(mutex_);
        return slot >= 0 && slot < room_.Seats() ? names_[slot] : std::string();
    }
    // A Host header naming one of this computer's addresses and the server's port (a page
    // of another site, through a name pointed at us, names its own).
    bool HostAllowed(std::string_view host);
    void DropSession(ConnectionId id);

    const ServerConfig config_;
    uint16_t port_ = 0;
    std::string token_;

    // Server thread only.
    PhoneRoom room_;
    ConnectionId nextConnection_ = 1;
    std::map<ConnectionId, std::weak_ptr<Session>> sessions_;  // every connection
    std::map<ConnectionId, std::weak_ptr<WsSession>> phones_;  // the WebSockets of them
    std::map<std::string, std::string, std::less<>> files_;  // file name -> contents
    std::vector<asio::ip::address> ownAddresses_;
    std::optional<std::chrono::steady_clock::time_point> addressesRead_;

    // Shared with the game's thread.
    std::mutex mutex_;
    std::vector<std::string> log_;
    int joined_ = 0;
    std::array<std::string, platform::kClassSeats> names_;
    std::array<PhoneServer::PhoneStatus, platform::kClassSeats> statuses_;
    std::array<std::string, platform::kClassSeats> ids_;

    // Declared last so that it goes first: handlers it still holds may reach the members above.
    asio::io_context io_{1};
    tcp::acceptor acceptor_{io_};
    asio::steady_timer acceptPause_{io_};
    std::thread thread_;

private:
    void ReadWebFiles();
    void ReadOwnAddresses();
    bool Bind();
    void Accept();
    void OnAccept(ErrorCode error, tcp::socket socket);
};

// What the server may let go of: any connection, when it stops or needs the place.
class PhoneServer::Impl::Session {
public:
    virtual ~Session() = default;
    virtual void Drop() = 0;  // closes at once
};

// One WebSocket: a phone, or something pretending to be one.
class PhoneServer::Impl::WsSession : public Session,
                                     public std::enable_shared_from_this<WsSession> {
public:
    WsSession(Impl& server, beast::tcp_stream&& stream, ConnectionId id)
        : server_(server), ws_(std::move(stream)), joinTimer_(server.io_),
          pingTimer_(server.io_), id_(id) {}

    ~WsSession() override {
        server_.room_.Close(id_);
        if (joined_) server_.SnapshotRoom();
        server_.phones_.erase(id_);
        server_.sessions_.erase(id_);
    }

    void Accept(http::request<http::empty_body> request) {
        websocket::stream_base::timeout timeout;
        timeout.handshake_timeout = std::chrono::milliseconds(server_.config_.requestTimeoutMs);
        timeout.idle_timeout = std::chrono::milliseconds(server_.config_.idleTimeoutMs);
        timeout.keep_alive_pings = false;  // ours go out on their own clock
        ws_.set_option(timeout);
        ws_.read_message_max(kMaxMessageBytes);
        ws_.control_callback([this](websocket::frame_type kind, beast::string_view payload) {
            OnControl(kind, View(payload));
        });
        server_.phones_[id_] = weak_from_this();
        server_.sessions_[id_] = weak_from_this();
        // A connection that upgrades but never joins does not keep its place.
        joinTimer_.expires_after(std::chrono::milliseconds(server_.config_.requestTimeoutMs));
        joinTimer_.async_wait([self = shared_from_this()](ErrorCode error) {
            if (!error && !self->joined_) self->Drop();
        });
        ws_.async_accept(request, [self = shared_from_this()](ErrorCode error) {
            if (!error) self->Read();
        });
    }

    void Send(std::string text) {
        if (closing_) return;
        if (queue_.size() >= kMaxQueuedMessages) return Drop();  // it does not read: let go
        queue_.push_back(std::move(text));
        if (queue_.size() == 1) Write();
    }

    // Another connection joined with this phone's id (a second tab): told so, then closed
    // normally, so that the page stops reconnecting.
    void Replaced() {
        Send(EncodeRefused("join", "replaced"));
        if (queue_.empty()) return Close(websocket::close_code::normal);
        closeWhenSent_ = websocket::close_code::normal;
    }

    // The host removed this phone: told so, then closed normally, so the page stops
    // reconnecting.
    void Dismiss(std::string why) {
        Send(std::move(why));
        if (queue_.empty()) return Close(websocket::close_code::normal);
        closeWhenSent_ = websocket::close_code::normal;
    }

    void Drop() override {
        closing_ = true;
        joinTimer_.cancel();
        pingTimer_.cancel();
        ErrorCode ignored;
        beast::get_lowest_layer(ws_).socket().shutdown(tcp::socket::shutdown_both, ignored);
        beast::get_lowest_layer(ws_).socket().close(ignored);
    }

private:
    void Read() {
        ws_.async_read(buffer_, [self = shared_from_this()](ErrorCode error, std::size_t) {
            self->OnRead(error);
        });
    }

    void OnRead(ErrorCode error) {
        if (error || closing_) return Drop();
        const std::string text = beast::buffers_to_string(buffer_.data());
        buffer_.consume(buffer_.size());
        Outcome outcome = server_.room_.Handle(id_, text, ws_.got_binary(), platform::GetTickCount());
        if (!outcome.log.empty()) server_.Log(outcome.log);
        if (outcome.replaced != 0) {
            const auto old = server_.phones_.find(outcome.replaced);
            if (old != server_.phones_.end()) {
                if (auto session = old->second.lock()) session->Replaced();
            }
        }
        if (outcome.joined && !joined_) {
            joined_ = true;
            joinTimer_.cancel();
            Ping();
        }
        // Joins change names; pings bring round trips for the host's panel.
        if (outcome.joined || !outcome.replies.empty()) server_.SnapshotRoom();
        for (std::string& reply : outcome.replies) Send(std::move(reply));
        if (outcome.close) return Close(websocket::close_code::policy_error);
        Read();
    }

    // Pings, pongs and closes count against the budget as messages do.
    void OnControl(websocket::frame_type kind, std::string_view payload) {
        if (closing_) return;
        if (!server_.room_.Control(id_, platform::GetTickCount())) {
            server_.Log("Phones: a connection sent too many messages and was closed");
            closing_ = true;  // inside the read: let go once it returns
            asio::post(server_.io_, [self = shared_from_this()] { self->Drop(); });
            return;
        }
        if (kind != websocket::frame_type::pong || pingPayload_.empty() || payload != pingPayload_) {
            return;
        }
        pingPayload_.clear();
        server_.room_.MeasuredRoundTrip(id_, static_cast<int32_t>(MsSince(pingSentAt_)));
        server_.SnapshotRoom();
    }

    // The server's own ping, for the phone's round trip; the browser answers it by itself.
    void Ping() {
        if (closing_) return;
        if (!pingInFlight_) {
            pingInFlight_ = true;
            pingPayload_ = std::to_string(++pingsSent_);
            pingSentAt_ = std::chrono::steady_clock::now();
            ws_.async_ping(websocket::ping_data(pingPayload_.c_str()),
                           [self = shared_from_this()](ErrorCode error) {
                               self->pingInFlight_ = false;
                               if (error) self->Drop();
                           });
        }
        pingTimer_.expires_after(std::chrono::milliseconds(server_.config_.pingIntervalMs));
        pingTimer_.async_wait([self = shared_from_this()](ErrorCode error) {
            if (!error) self->Ping();
        });
    }

    // Told why with a close frame, then let go.
    void Close(websocket::close_code code) {
        if (closing_) return;
        closing_ = true;
        joinTimer_.cancel();
        pingTimer_.cancel();
        ws_.async_close(code, [self = shared_from_this()](ErrorCode) { self->Drop(); });
    }

    void Write() {
        ws_.text(true);
        ws_.async_write(asio::buffer(queue_.front()),
                        [self = shared_from_this()](ErrorCode error, std::size_t) {
                            if (error) return self->Drop();
                            self->queue_.pop_front();
                            if (!self->queue_.empty()) return self->Write();
                            if (self->closeWhenSent_) self->Close(*self->closeWhenSent_);
                        });
    }

    Impl& server_;
    websocket::stream<beast::tcp_stream> ws_;
    beast::flat_buffer buffer_;
    std::deque<std::string> queue_;
    asio::steady_timer joinTimer_;
    asio::steady_timer pingTimer_;
    const ConnectionId id_;
    bool joined_ = false;
    bool closing_ = false;
    std::optional<websocket::close_code> closeWhenSent_;
    bool pingInFlight_ = false;
    uint64_t pingsSent_ = 0;
    std::string pingPayload_;  // of the ping whose pong is awaited; empty: none
    std::chrono::steady_clock::time_point pingSentAt_;
};

// One HTTP connection: the page's files, the room check, or the upgrade to a WebSocket.
class PhoneServer::Impl::HttpSession : public Session,
                                       public std::enable_shared_from_this<HttpSession> {
public:
    HttpSession(Impl& server, tcp::socket&& socket, ConnectionId id)
        : server_(server), stream_(std::move(socket)), id_(id) {}
    ~HttpSession() override {
        if (upgraded_) return;  // the WebSocket carries the connection on
        server_.room_.Close(id_);
        server_.sessions_.erase(id_);
    }

    void Read() {
        parser_.emplace();
        parser_->header_limit(static_cast<std::uint32_t>(server_.config_.maxRequestBytes));
        parser_->body_limit(0);
        stream_.expires_after(std::chrono::milliseconds(server_.config_.requestTimeoutMs));
        http::async_read(stream_, buffer_, *parser_,
                         [self = shared_from_this()](ErrorCode error, std::size_t) {
                             self->OnRead(error);
                         });
    }

    void Drop() override {
        ErrorCode ignored;
        stream_.socket().shutdown(tcp::socket::shutdown_both, ignored);
        stream_.close();
    }

private:
    using Response = http::response<http::string_body>;

    void OnRead(ErrorCode error) {
        if (error == http::error::header_limit) {
            return Refuse(http::status::request_header_fields_too_large, 11);
        }
        if (error && error.category() == ErrorCode(http::error::bad_target).category() &&
            error != http::error::end_of_stream && error != http::error::partial_message) {
            return Refuse(http::status::bad_request, 11);
        }
        if (error) return Drop();
        http::request<http::empty_body> request = parser_->release();
        if (!server_.HostAllowed(View(request[http::field::host]))) {
            return Refuse(http::status::misdirected_request, request.version());
        }
        if (websocket::is_upgrade(request)) return Upgrade(std::move(request));
        ++requests_;
        Respond(request);
    }

    bool UpgradeAllowed(const http::request<http::empty_body>& request) const {
        const std::string_view target = View(request.target());
        if (PathOf(target) != "/ws") return false;
        if (!SameSecret(QueryValue(target, "t"), server_.token_)) return false;
        const std::string_view host = View(request[http::field::host]);
        const std::string_view origin = View(request[http::field::origin]);
        // The page the game served opens the socket: its origin is the address it was
        // loaded from, which is the one the socket goes to.
        return origin.size() == host.size() + 7 && origin.substr(0, 7) == "http://" &&
               origin.substr(7) == host;
    }

    void Upgrade(http::request<http::empty_body> request) {
        if (!UpgradeAllowed(request)) return Refuse(http::status::forbidden, request.version());
        upgraded_ = true;  // the room's record of the connection passes to the WebSocket
        stream_.expires_never();
        std::make_shared<WsSession>(server_, std::move(stream_), id_)->Accept(std::move(request));
    }

    static std::shared_ptr<Response> MakeResponse(http::status status, unsigned version) {
        auto response = std::make_shared<Response>(status, version);
        response->set(http::field::cache_control, "no-store");
        response->set("Referrer-Policy", "no-referrer");
        response->set("X-Content-Type-Options", "nosniff");
        return response;
    }

    // Answers and closes.
    void Refuse(http::status status, unsigned version) {
        auto response = MakeResponse(status, version);
        response->set(http::field::content_type, "text/plain");
        response->body() = std::string(http::obsolete_reason(status)) + "\n";
        response->keep_alive(false);
        response->prepare_payload();
        Write(response, true);
    }

    void Respond(const http::request<http::empty_body>& request) {
        const bool head = request.method() == http::verb::head;
        if (request.method() != http::verb::get && !head) {
            return Refuse(http::status::method_not_allowed, request.version());
        }
        const bool last = !request.keep_alive() || requests_ >= kMaxRequestsPerConnection;
        const std::string_view target = View(request.target());
        if (PathOf(target) == "/room") {  // is this page's token still the room's?
            const bool ours = SameSecret(QueryValue(target, "t"), server_.token_);
            auto response = MakeResponse(ours ? http::status::no_content : http::status::forbidden,
                                         request.version());
            response->keep_alive(!last);
            return Write(response, last);
        }
        const WebFile* found = nullptr;
        for (const WebFile& file : WebFiles()) {
            if (PathOf(target) == file.path) found = &file;
        }
        const auto contents = found ? server_.files_.find(found->file) : server_.files_.end();
        if (contents == server_.files_.end()) {
            return Refuse(http::status::not_found, request.version());
        }
        auto response = MakeResponse(http::status::ok, request.version());
        response->set(http::field::content_type, found->contentType);
        if (std::string_view(found->file) == "index.html") {  // the page that carries the token
            response->set("Content-Security-Policy", PagePolicy(View(request[http::field::host])));
        }
        response->keep_alive(!last);
        if (head) {
            response->content_length(contents->second.size());
        } else {
            response->body() = contents->second;
            response->prepare_payload();
        }
        Write(response, last);
    }

    void Write(std::shared_ptr<Response> response, bool last) {
        stream_.expires_after(std::chrono::milliseconds(server_.config_.requestTimeoutMs));
        http::async_write(stream_, *response,
                          [self = shared_from_this(), response, last](ErrorCode error, std::size_t) {
                              if (error) return self->Drop();
                              if (last) return self->Finish();
                              self->Read();
                          });
    }

    // Closing with unread bytes would reset the connection and could lose the answer on
    // the way: the rest is read and thrown away first, briefly and boundedly.
    void Finish() {
        ErrorCode ignored;
        stream_.socket().shutdown(tcp::socket::shutdown_send, ignored);
        stream_.expires_after(std::chrono::seconds(1));
        Discard();
    }

    void Discard() {
        stream_.async_read_some(asio::buffer(discard_),
                                [self = shared_from_this()](ErrorCode error, std::size_t size) {
                                    self->discarded_ += size;
                                    if (error || self->discarded_ > kMaxDiscardedBytes) {
                                        return self->Drop();
                                    }
                                    self->Discard();
                                });
    }

    Impl& server_;
    beast::tcp_stream stream_;
    const ConnectionId id_;
    beast::flat_buffer buffer_{8192};
    std::optional<http::request_parser<http::empty_body>> parser_;
    int requests_ = 0;
    bool upgraded_ = false;
    std::array<char, 512> discard_;
    std::size_t discarded_ = 0;
};

void PhoneServer::Impl::ReadOwnAddresses() {
    ownAddresses_ = {asio::ip::address_v4::loopback(), asio::ip::address_v6::loopback()};
    std::vector<std::string> texts = platform::LocalAddresses();
    texts.push_back(config_.bindAddress);
    for (const std::string& text : texts) {
        ErrorCode error;
        const asio::ip::address address = asio::ip::make_address(text, error);
        if (!error && !address.is_unspecified()) ownAddresses_.push_back(address);
    }
    addressesRead_ = std::chrono::steady_clock::now();
}

bool PhoneServer::Impl::HostAllowed(std::string_view host) {
    const auto parsed = ParseHost(host);
    if (!parsed || parsed->second != port_) return false;
    const auto known = [&] {
        return std::find(ownAddresses_.begin(), ownAddresses_.end(), parsed->first) !=
               ownAddresses_.end();
    };
    if (known()) return true;
    // The computer may have got a new address since (another Wi-Fi): read them again, but
    // not for every stranger's request.
    if (addressesRead_ && MsSince(*addressesRead_) < 2000) return false;
    ReadOwnAddresses();
    return known();
}

void PhoneServer::Impl::DropSession(ConnectionId id) {
    const auto found = sessions_.find(id);
    if (found == sessions_.end()) return;
    if (auto session = found->second.lock()) session->Drop();
}

void PhoneServer::Impl::ReadWebFiles() {
    for (const WebFile& file : WebFiles()) {
        if (files_.count(file.file)) continue;
        std::ifstream in(platform::TranslatePath(config_.webFolder + "/" + file.file),
                         std::ios::binary);
        if (!in) {
            Log(std::string("Phones: the page file ") + file.file + " is missing");
            continue;
        }
        std::string contents(kMaxWebFileBytes + 1, '\0');
        in.read(contents.data(), static_cast<std::streamsize>(contents.size()));
        contents.resize(static_cast<std::size_t>(in.gcount()));
        if (contents.size() > kMaxWebFileBytes) {
            Log(std::string("Phones: the page file ") + file.file + " is too big");
            continue;
        }
        files_[file.file] = std::move(contents);
    }
}

bool PhoneServer::Impl::Bind() {
    ErrorCode error;
    const asio::ip::address address = asio::ip::make_address(config_.bindAddress, error);
    if (error) {
        Log("Phones: cannot listen on " + config_.bindAddress);
        return false;
    }
    for (int i = 0; i < kPortsTried && config_.port + i <= 65535; ++i) {
        const auto port = static_cast<uint16_t>(config_.port + i);
        const tcp::endpoint endpoint(address, port);
        acceptor_.close(error);
        acceptor_.open(endpoint.protocol(), error);
        if (error) break;
        acceptor_.set_option(asio::socket_base::reuse_address(true), error);
        acceptor_.bind(endpoint, error);
        if (error == boost::system::errc::address_not_available) {
            acceptor_.close(error);
            Log("Phones: " + config_.bindAddress +
                " is not an address of this computer (Phone address=)");
            return false;
        }
        if (!error) acceptor_.listen(asio::socket_base::max_listen_connections, error);
        if (!error) {
            port_ = acceptor_.local_endpoint(error).port();  // port 0 asks for any free one
            if (i > 0) {
                Log("Phones: port " + std::to_string(config_.port) + " is taken, using " +
                    std::to_string(port));
            }
            return true;
        }
    }
    acceptor_.close(error);
    Log("Phones: no free port from " + std::to_string(config_.port));
    return false;
}

bool PhoneServer::Impl::Start() {
    unsigned char secret[kTokenBytes];
    if (!platform::SecureRandomBytes(secret, sizeof secret)) {
        Log("Phones: no random source for the room token");
        return false;
    }
    token_ = HexOf(secret, sizeof secret);
    ReadWebFiles();
    if (!Bind()) return false;
    ReadOwnAddresses();
    Log("Phones: listening on port " + std::to_string(port_));
    Accept();
    thread_ = std::thread([this] { io_.run(); });
    return true;
}

void PhoneServer::Impl::Accept() {
    acceptor_.async_accept([this](ErrorCode error, tcp::socket socket) {
        OnAccept(error, std::move(socket));
    });
}

void PhoneServer::Impl::OnAccept(ErrorCode error, tcp::socket socket) {
    if (error == asio::error::operation_aborted || !acceptor_.is_open()) return;
    if (error) {  // out of descriptors, for one: wait a little instead of spinning
        acceptPause_.expires_after(std::chrono::milliseconds(100));
        acceptPause_.async_wait([this](ErrorCode e) {
            if (!e) Accept();
        });
        return;
    }
    const tcp::endpoint peer = socket.remote_endpoint(error);
    if (error) {  // gone already
        socket.close(error);
        return Accept();
    }
    const ConnectionId id = nextConnection_++;
    const std::string address = peer.address().to_string();
    for (const ConnectionId gone : room_.Open(id, address, platform::GetTickCount())) {
        DropSession(gone);
    }
    auto session = std::make_shared<HttpSession>(*this, std::move(socket), id);
    sessions_[id] = session;
    session->Read();
    Accept();
}

void PhoneServer::Impl::Stop() {
    if (!thread_.joinable()) return;
    std::promise<void> closed;
    asio::post(io_, [this, &closed] {
        ErrorCode ignored;
        acceptor_.close(ignored);
        acceptPause_.cancel();
        for (auto& [id, weak] : sessions_) {
            if (auto session = weak.lock()) session->Drop();
        }
        closed.set_value();
    });
    // Everything closed finishes at once; whatever is left after a moment is cut off.
    closed.get_future().wait_for(std::chrono::seconds(2));
    for (int i = 0; i < 100 && !io_.stopped(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    io_.stop();
    thread_.join();
}

void PhoneServer::Impl::Publish(int slot, const PhoneView& view) {
    asio::post(io_, [this, slot, view] {
        auto [connection, text] = room_.Publish(slot, view);
        const auto found = phones_.find(connection);
        if (found == phones_.end()) return;
        if (auto session = found->second.lock()) session->Send(std::move(text));
    });
}

void PhoneServer::Impl::Remove(int slot) {
    asio::post(io_, [this, slot] {
        auto [connection, text] = room_.Remove(slot);
        SnapshotRoom();
        const auto found = phones_.find(connection);
        if (found == phones_.end()) return;
        if (auto session = found->second.lock()) session->Dismiss(std::move(text));
    });
}

PhoneServer::PhoneServer() = default;
PhoneServer::~PhoneServer() { Stop(); }

bool PhoneServer::Start(const ServerConfig& config) {
    Stop();
    impl_ = std::make_unique<Impl>(config);
    // Before the thread starts: the room is the server thread's from then on.
    for (std::size_t slot = 0; slot < config.knownPhones.size(); ++slot) {
        impl_->room_.Remember(static_cast<int>(slot), config.knownPhones[slot]);
    }
    impl_->room_.SetRowSlots(config.rowSlots);
    impl_->SnapshotRoom();
    if (impl_->Start()) return true;
    lastLog_ = impl_->TakeLog();
    impl_.reset();
    return false;
}

void PhoneServer::Stop() {
    if (!impl_) return;
    impl_->Stop();
    for (std::string& line : impl_->TakeLog()) lastLog_.push_back(std::move(line));
    impl_.reset();
}

bool PhoneServer::Running() const { return impl_ != nullptr; }
uint16_t PhoneServer::Port() const { return impl_ ? impl_->port_ : 0; }

const std::string& PhoneServer::Token() const {
    static const std::string none;
    return impl_ ? impl_->token_ : none;
}

std::string PhoneServer::BindAddress() const { return impl_ ? impl_->config_.bindAddress : ""; }

std::vector<std::string> PhoneServer::JoinUrls() const {
    std::vector<std::string> urls;
    if (!impl_) return urls;
    const std::string& bound = impl_->config_.bindAddress;
    const bool everywhere = bound == "0.0.0.0" || bound == "::";
    for (const std::string& address :
         everywhere ? platform::LocalAddresses() : std::vector<std::string>{bound}) {
        urls.push_back("http://" + UrlHost(address) + ":" + std::to_string(impl_->port_) + "/?t=" +
                       impl_->token_);
    }
    return urls;
}

void PhoneServer::Publish(int slot, const PhoneView& view) {
    if (impl_) impl_->Publish(slot, view);
}

void PhoneServer::Remove(int slot) {
    if (impl_) impl_->Remove(slot);
}

void PhoneServer::SetRowSlots(std::vector<int> slots) {
    if (impl_) impl_->SetRowSlots(std::move(slots));
}

std::vector<std::string> PhoneServer::TakeLog() {
    std::vector<std::string> lines = std::exchange(lastLog_, {});
    if (impl_) {
        for (std::string& line : impl_->TakeLog()) lines.push_back(std::move(line));
    }
    return lines;
}

int PhoneServer::JoinedCount() const { return impl_ ? impl_->JoinedCount() : 0; }
std::string PhoneServer::PhoneName(int slot) const { return impl_ ? impl_->PhoneName(slot) : ""; }
std::string PhoneServer::PhoneIdOf(int slot) const { return impl_ ? impl_->PhoneIdOf(slot) : ""; }
PhoneServer::PhoneStatus PhoneServer::StatusOf(int slot) const {
    return impl_ ? impl_->StatusOf(slot) : PhoneStatus{};
}

}  // namespace phones
