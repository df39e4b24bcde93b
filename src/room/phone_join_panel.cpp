#include "phone_join_panel.h"

#include "frame/interface.h"
#include "phones/phone_server.h"
#include "platform/phone_keys.h"
#include "platform/platform.h"
#include "screens/common_screen.h"
#include "screens/screen_tools.h"
#include "screens/shared_fonts.h"

#include <algorithm>

namespace room {

namespace {

// Colours as the canvas takes them: 0x00BBGGRR.
constexpr uint32_t kInk = 0x3A2010, kCard = 0xFFFFFF, kGrey = 0x60605A, kButton = 0x6E3A1E;
constexpr int kMargin = 8;
constexpr int kLineHeight = 16;
constexpr int kListedPhones = 4;
const gfx::Rect kSwitchOff = PhoneJoinPanel::ButtonRect(0);
const gfx::Rect kHide = PhoneJoinPanel::ButtonRect(1);
const gfx::Rect kOtherAddress = PhoneJoinPanel::ButtonRect(2);

std::string Cp(std::string_view utf8) { return platform::Utf8ToCp1250(utf8); }

void DrawButton(gfx::Canvas& canvas, const gfx::Rect& rect, std::string_view utf8) {
    canvas.FillRect(rect, kButton);
    canvas.SelectFont(FontSmall14);
    canvas.SetTextColor(0xFFFFFF);
    const std::string text = Cp(utf8);
    const gfx::Size extent = canvas.TextExtent(text);
    canvas.TextOut(rect.left + (rect.right - rect.left - extent.width) / 2,
                   rect.top + (rect.bottom - rect.top - extent.height) / 2, text);
}

bool Clicked(int32_t code, int32_t* handled) {
    return code == Interface::kInputLeftDown && *handled && !controlsFrozen;
}

}  // namespace

PhoneJoinPanel::PhoneJoinPanel(PhoneJoinHooks hooks) : Control(kPhoneJoinPanel), hooks_(hooks) {
    SetPosition(kX, kY);
    SetSize(kWidth, kHeight);
}

gfx::Rect PhoneJoinPanel::ButtonRect(int fromBottom) {
    const int bottom = kHeight - kMargin - fromBottom * (kButtonHeight + 6);
    return {kMargin, bottom - kButtonHeight, kWidth - kMargin, bottom};
}

std::vector<std::string> PhoneJoinPanel::JoinedPhones() const {
    std::vector<std::string> joined;
    const phones::PhoneServer* server = hooks_.server ? hooks_.server() : nullptr;
    if (!server) return joined;
    for (int slot = 0; slot < platform::kPhoneSlots; ++slot) {
        const phones::PhoneServer::PhoneStatus status = server->StatusOf(slot);
        if (!status.connected) continue;
        std::string line = server->PhoneName(slot).substr(0, 14);
        if (status.roundTripMs >= 0) line += " " + std::to_string(status.roundTripMs) + " ms";
        joined.push_back(std::move(line));
    }
    return joined;
}

void PhoneJoinPanel::NextAddress() {
    code_.NextAddress();
    code_.Follow(hooks_.server ? hooks_.server() : nullptr);
    Render();
}

// The panel lies over the advert: the advert goes while the panel shows, so that the panel's
// buttons get the clicks there.
void PhoneJoinPanel::KeepAdvertUnder() {
    const bool shown = !(GetFlags() & kHidden);
    if (shown == advertHidden_) return;
    advertHidden_ = shown;
    if (shown) screens::HideControl(screens::kAdvertButton);
    else screens::ShowControl(screens::kAdvertButton);
}

void PhoneJoinPanel::Update() {
    KeepAdvertUnder();
    if (GetFlags() & kHidden) return;
    const bool moved = code_.Follow(hooks_.server ? hooks_.server() : nullptr);
    std::vector<std::string> joined = JoinedPhones();
    if (!moved && joined == phones_) return;
    phones_ = std::move(joined);
    Render();
}

void PhoneJoinPanel::Render() {
    gfx::Surface* face = Picture();
    if (!face) return;
    gfx::Canvas canvas(*face);
    canvas.SetBackgroundMode(gfx::BackgroundMode::Transparent);
    canvas.FillRect({0, 0, kWidth, kHeight}, kCard);
    canvas.SelectFont(FontBold20);
    canvas.SetTextColor(kInk);
    canvas.TextOut(kMargin, 6, Cp("Naskenujte kód"));
    if (code_.NoNetwork()) DrawNoNetwork(canvas, kMargin, kQrTop + 10, kInk);
    const int qrLeft = (kWidth - kQrSide) / 2;
    code_.DrawQr(canvas, {qrLeft, kQrTop, qrLeft + kQrSide, kQrTop + kQrSide}, 0);
    canvas.SelectFont(FontSmall14);
    canvas.SetTextColor(kGrey);
    int y = kQrTop + kQrSide + 4;
    for (const std::string& line : code_.AddressLines(canvas, kWidth - 2 * kMargin)) {
        canvas.TextOut(kMargin, y, line);
        y += kLineHeight - 2;
    }
    canvas.SetTextColor(kInk);
    y += 8;
    const std::size_t count = phones_.size();
    canvas.TextOut(kMargin, y, count == 0 ? Cp("Žádný telefon zatím.")
                                          : Cp("Připojeno: ") + std::to_string(count));
    for (std::size_t i = 0; i < std::min<std::size_t>(count, kListedPhones); ++i) {
        y += kLineHeight;
        canvas.TextOut(kMargin, y, phones_[i]);
    }
    if (count > kListedPhones) {
        canvas.TextOut(kMargin, y + kLineHeight, Cp("a další: ") + std::to_string(count - kListedPhones));
    }
    if (code_.AddressCount() > 1) DrawButton(canvas, kOtherAddress, "Jiná adresa");
    DrawButton(canvas, kHide, "Skrýt kód");
    DrawButton(canvas, kSwitchOff, "Vypnout telefony");
    DrawFrame(canvas);
}

void PhoneJoinPanel::HandleInput(int32_t code, int32_t, int32_t* handled) {
    if (!Clicked(code, handled) || (GetFlags() & kHidden) || !IsPointerIn(Bounds())) return;
    *handled = 0;
    if (IsPointerIn(kOtherAddress) && code_.AddressCount() > 1) {
        NextAddress();
    } else if (IsPointerIn(kHide)) {
        SetFlags(kHidden);
    } else if (IsPointerIn(kSwitchOff)) {
        SetFlags(kHidden);
        if (hooks_.switchOff) hooks_.switchOff();
    }
}

}  // namespace room
