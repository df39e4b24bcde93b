#include "join_code.h"

#include "phones/join_address.h"
#include "phones/phone_server.h"
#include "platform/platform.h"
#include "screens/shared_fonts.h"

#include <algorithm>

namespace room {

bool JoinCode::Follow(const phones::PhoneServer* server) {
    std::string url;
    bool noNetwork = false;
    addresses_.clear();
    if (server && server->Running()) {
        const std::vector<platform::NetworkInterface> interfaces = platform::NetworkInterfaces();
        addresses_ = phones::JoinAddressesFor(server->BindAddress(), interfaces);
        noNetwork = phones::OnNoNetwork(server->BindAddress(), interfaces);
    }
    if (!addresses_.empty()) {
        chosen_ = std::min(chosen_, addresses_.size() - 1);
        url = phones::JoinUrl(addresses_[chosen_], server->Port(), server->Token());
    }
    if (url == url_ && noNetwork == noNetwork_) return false;
    url_ = std::move(url);
    noNetwork_ = noNetwork;
    qr_ = url_.empty() ? std::nullopt : phones::EncodeQr(url_);
    return true;
}

void JoinCode::NextAddress() {
    if (addresses_.size() > 1) chosen_ = (chosen_ + 1) % addresses_.size();
}

void JoinCode::DrawQr(gfx::Canvas& canvas, const gfx::Rect& card, int quietModules) const {
    if (!qr_ || noNetwork_) return;
    canvas.FillRect(card, 0xFFFFFF);
    const int side = std::min(card.Width(), card.Height());
    const int module = std::max(1, side / (qr_->size + 2 * quietModules));
    const int drawn = module * qr_->size;
    const int left = card.left + (card.Width() - drawn) / 2;
    const int top = card.top + (card.Height() - drawn) / 2;
    for (int y = 0; y < qr_->size; ++y) {
        for (int x = 0; x < qr_->size; ++x) {
            if (!qr_->Dark(x, y)) continue;
            const int px = left + x * module, py = top + y * module;
            canvas.FillRect({px, py, px + module, py + module}, 0x000000);
        }
    }
}

std::vector<std::string> JoinCode::AddressLines(gfx::Canvas& canvas, int width) const {
    std::vector<std::string> lines(1);
    for (const char c : url_) {
        if (canvas.TextExtent(lines.back() + c).width > width) lines.emplace_back();
        lines.back() += c;
    }
    return lines;
}

void DrawNoNetwork(gfx::Canvas& canvas, int x, int y, uint32_t ink) {
    canvas.SelectFont(FontBold20);
    canvas.SetTextColor(0x2020C0);
    for (const char* line : {"Počítač", "není v žádné", "síti."}) {
        canvas.TextOut(x, y, platform::Utf8ToCp1250(line));
        y += 24;
    }
    canvas.SetTextColor(ink);
    canvas.SelectFont(FontSmall14);
    for (const char* line : {"Telefony se ke hře", "nemohou připojit.", "Připojte počítač",
                             "k Wi-Fi nebo kabelem", "k síti telefonů."}) {
        canvas.TextOut(x, y + 8, platform::Utf8ToCp1250(line));
        y += 16;
    }
}

}  // namespace room
