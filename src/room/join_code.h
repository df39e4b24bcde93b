// The address phones join the game at, as a QR code and in text, for every screen that lets
// phones join: one of the machine's addresses (the host may switch when there are several),
// the running server's port and token.
#pragma once

#include "gfx/canvas.h"
#include "phones/qr_code.h"

#include <optional>
#include <string>
#include <vector>

namespace phones {
class PhoneServer;
}

namespace room {

class JoinCode {
public:
    // Follows the server (null: none runs) and the machine's addresses; true when the address
    // shown changed.
    bool Follow(const phones::PhoneServer* server);
    // The next of the machine's addresses, when it has several.
    void NextAddress();

    const std::string& Url() const { return url_; }
    // The server listens everywhere on a machine with nothing but loopback: a code of
    // 127.0.0.1 would send every phone to itself, so none is drawn.
    bool NoNetwork() const { return noNetwork_; }
    std::size_t AddressCount() const { return addresses_.size(); }

    // The code in black on white, as large as whole-pixel modules allow in `card` with
    // `quietModules` light modules around it, centred.
    void DrawQr(gfx::Canvas& canvas, const gfx::Rect& card, int quietModules) const;
    // The address in lines no wider than `width`, for a phone whose camera cannot read the code.
    std::vector<std::string> AddressLines(gfx::Canvas& canvas, int width) const;

private:
    std::vector<std::string> addresses_;
    std::size_t chosen_ = 0;
    std::string url_;
    bool noNetwork_ = false;
    std::optional<phones::QrCode> qr_;
};

// "Počítač není v žádné síti" and what to do, from (x, y) down, in `ink` (0x00BBGGRR).
void DrawNoNetwork(gfx::Canvas& canvas, int x, int y, uint32_t ink);

}  // namespace room
