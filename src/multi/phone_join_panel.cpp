#include "phone_join_panel.h"

#include "frame/interface.h"
#include "phone_buzzers.h"
#include "phones/join_address.h"
#include "setup_guide.h"
#include "platform/phone_keys.h"
#include "platform/platform.h"
#include "screens/common_screen.h"
#include "screens/screen_tools.h"
#include "screens/shared_fonts.h"

#include <algorithm>

namespace multi {

namespace {

constexpr int kSwitchX = 606, kSwitchY = 8, kSwitchWidth = 190, kSwitchHeight = 30;
// Colours as the canvas takes them: 0x00BBGGRR.
constexpr uint32_t kInk = 0x3A2010, kCard = 0xFFFFFF, kGrey = 0x60605A, kButton = 0x6E3A1E;
constexpr uint32_t kOn = 0x327D2E;
constexpr int kMargin = 8;
constexpr int kLineHeight = 16;
constexpr int kListedPhones = 4;
const gfx::Rect kSwitchOff = PhoneJoinPanel::ButtonRect(0);
const gfx::Rect kHide = PhoneJoinPanel::ButtonRect(1);
const gfx::Rect kOtherAddress = PhoneJoinPanel::ButtonRect(2);

std::string Cp(std::string_view utf8) { return platform::Utf8ToCp1250(utf8); }

void DrawButton(gfx::Canvas& canvas, const gfx::Rect& rect, std::string_view utf8,
                uint32_t fill = kButton) {
    canvas.FillRect(rect, fill);
    canvas.SelectFont(FontSmall14);
    canvas.SetTextColor(0xFFFFFF);
    const std::string text = Cp(utf8);
    const gfx::Size extent = canvas.TextExtent(text);
    canvas.TextOut(rect.left + (rect.right - rect.left - extent.width) / 2,
                   rect.top + (rect.bottom - rect.top - extent.height) / 2, text);
}

PhoneJoinPanel* Panel() {
    return dynamic_cast<PhoneJoinPanel*>(Interface::FindControl(kPhoneJoinPanel));
}

bool Clicked(int32_t code, int32_t* handled) {
    return code == Interface::kInputLeftDown && *handled && !controlsFrozen;
}

}  // namespace

void AddPhoneJoinControls() {
    screens::AddToScreen(new PhoneSwitch());
    // With phones on, the code is what the host needs first; otherwise it waits for the switch.
    if (auto* panel = screens::AddToScreen(new PhoneJoinPanel()); panel && !PhonesSwitchedOn()) {
        panel->SetFlags(Control::kHidden);
    }
}

PhoneSwitch::PhoneSwitch() : Control(kPhoneSwitch) {
    SetPosition(kSwitchX, kSwitchY);
    SetSize(kSwitchWidth, kSwitchHeight);
}

// The switch says what a click does: switch phones on, show the code, or hide it.
void PhoneSwitch::Render() {
    gfx::Surface* face = Picture();
    if (!face) return;
    gfx::Canvas canvas(*face);
    canvas.SetBackgroundMode(gfx::BackgroundMode::Transparent);
    const gfx::Rect whole{0, 0, Width(), Height()};
    switch (shown_) {
        case Look::Off: DrawButton(canvas, whole, "Zapnout telefony"); break;
        case Look::CodeHidden: DrawButton(canvas, whole, "Ukázat kód pro telefony", kOn); break;
        case Look::CodeShown: DrawButton(canvas, whole, "Skrýt kód pro telefony"); break;
    }
    DrawFrame(canvas);
}

void PhoneSwitch::Update() {
    const PhoneJoinPanel* panel = Panel();
    Look look = Look::Off;
    if (RunningPhoneServer()) {
        look = panel && !(panel->GetFlags() & kHidden) ? Look::CodeShown : Look::CodeHidden;
    }
    if (look == shown_) return;
    shown_ = look;
    Render();
}

void PhoneSwitch::HandleInput(int32_t code, int32_t, int32_t* handled) {
    if (!Clicked(code, handled) || (GetFlags() & kHidden) || !IsPointerIn(Bounds())) return;
    *handled = 0;
    PhoneJoinPanel* panel = Panel();
    if (!RunningPhoneServer()) {
        SetPhonesOn(true);
        if (panel && RunningPhoneServer()) panel->ClearFlags(kHidden);
        if (!RunningPhoneServer()) SayWarning(PhonesStartFailure());
    } else if (panel) {
        if (panel->GetFlags() & kHidden) panel->ClearFlags(kHidden);
        else panel->SetFlags(kHidden);
    }
    Update();
}

PhoneJoinPanel::PhoneJoinPanel() : Control(kPhoneJoinPanel) {
    SetPosition(kX, kY);
    SetSize(kWidth, kHeight);
}

gfx::Rect PhoneJoinPanel::ButtonRect(int fromBottom) {
    const int bottom = kHeight - kMargin - fromBottom * (kButtonHeight + 6);
    return {kMargin, bottom - kButtonHeight, kWidth - kMargin, bottom};
}

PhoneJoinPanel::Shown PhoneJoinPanel::Gather() const {
    Shown shown;
    const phones::PhoneServer* server = RunningPhoneServer();
    if (!server) return shown;
    const std::vector<platform::NetworkInterface> interfaces = platform::NetworkInterfaces();
    const std::vector<std::string> addresses =
        phones::JoinAddressesFor(server->BindAddress(), interfaces);
    const std::string& address = addresses[std::min(chosen_, addresses.size() - 1)];
    shown.url = phones::JoinUrl(address, server->Port(), server->Token());
    shown.noNetwork = phones::OnNoNetwork(server->BindAddress(), interfaces);
    for (int slot = 0; slot < platform::kPhoneSlots; ++slot) {
        const phones::PhoneServer::PhoneStatus status = server->StatusOf(slot);
        if (!status.connected) continue;
        std::string line = server->PhoneName(slot).substr(0, 14);
        if (status.roundTripMs >= 0) line += " " + std::to_string(status.roundTripMs) + " ms";
        shown.phones.push_back(std::move(line));
    }
    return shown;
}

void PhoneJoinPanel::NextAddress() {
    if (addresses_.size() > 1) chosen_ = (chosen_ + 1) % addresses_.size();
    shown_ = {};
    Update();
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
    const phones::PhoneServer* server = RunningPhoneServer();
    addresses_ = server ? phones::JoinAddressesFor(server->BindAddress(), platform::NetworkInterfaces())
                        : std::vector<std::string>{};
    Shown shown = Gather();
    if (shown == shown_) return;
    if (shown.url != url_) {
        url_ = shown.url;
        qr_ = phones::EncodeQr(url_);
    }
    shown_ = std::move(shown);
    Render();
}

// The white card around the code is its quiet zone.
void PhoneJoinPanel::DrawQr(gfx::Canvas& canvas) const {
    if (!qr_) return;
    const int scale = std::max(1, kQrSide / qr_->size);
    const int left = (kWidth - qr_->size * scale) / 2, top = kQrTop;
    for (int y = 0; y < qr_->size; ++y) {
        for (int x = 0; x < qr_->size; ++x) {
            if (!qr_->Dark(x, y)) continue;
            const int px = left + x * scale, py = top + y * scale;
            canvas.FillRect({px, py, px + scale, py + scale}, 0x000000);
        }
    }
}

// A code of 127.0.0.1 would send every phone to itself.
void PhoneJoinPanel::DrawNoNetwork(gfx::Canvas& canvas) const {
    canvas.SelectFont(FontBold20);
    canvas.SetTextColor(0x2020C0);
    int y = kQrTop + 10;
    for (const char* line : {"Počítač", "není v žádné", "síti."}) {
        canvas.TextOut(kMargin, y, Cp(line));
        y += 24;
    }
    canvas.SetTextColor(kInk);
    canvas.SelectFont(FontSmall14);
    for (const char* line : {"Telefony se ke hře", "nemohou připojit.", "Připojte počítač", "k Wi-Fi nebo kabelem",
                             "k síti telefonů."}) {
        canvas.TextOut(kMargin, y + 8, Cp(line));
        y += kLineHeight;
    }
}

// The address in lines as wide as the panel, for a phone whose camera cannot read the code.
std::vector<std::string> PhoneJoinPanel::AddressLines(gfx::Canvas& canvas) const {
    std::vector<std::string> lines(1);
    for (const char c : url_) {
        if (canvas.TextExtent(lines.back() + c).width > kWidth - 2 * kMargin) lines.emplace_back();
        lines.back() += c;
    }
    return lines;
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
    if (shown_.noNetwork) DrawNoNetwork(canvas);
    else DrawQr(canvas);
    canvas.SelectFont(FontSmall14);
    canvas.SetTextColor(kGrey);
    int y = kQrTop + kQrSide + 4;
    for (const std::string& line : AddressLines(canvas)) {
        canvas.TextOut(kMargin, y, line);
        y += kLineHeight - 2;
    }
    canvas.SetTextColor(kInk);
    y += 8;
    const std::size_t count = shown_.phones.size();
    canvas.TextOut(kMargin, y, count == 0 ? Cp("Žádný telefon zatím.")
                                          : Cp("Připojeno: ") + std::to_string(count));
    for (std::size_t i = 0; i < std::min<std::size_t>(count, kListedPhones); ++i) {
        y += kLineHeight;
        canvas.TextOut(kMargin, y, shown_.phones[i]);
    }
    if (count > kListedPhones) {
        canvas.TextOut(kMargin, y + kLineHeight, Cp("a další: ") + std::to_string(count - kListedPhones));
    }
    if (addresses_.size() > 1) DrawButton(canvas, kOtherAddress, "Jiná adresa");
    DrawButton(canvas, kHide, "Skrýt kód");
    DrawButton(canvas, kSwitchOff, "Vypnout telefony");
    DrawFrame(canvas);
}

void PhoneJoinPanel::HandleInput(int32_t code, int32_t, int32_t* handled) {
    if (!Clicked(code, handled) || (GetFlags() & kHidden) || !IsPointerIn(Bounds())) return;
    *handled = 0;
    if (IsPointerIn(kOtherAddress) && addresses_.size() > 1) {
        NextAddress();
    } else if (IsPointerIn(kHide)) {
        SetFlags(kHidden);
    } else if (IsPointerIn(kSwitchOff)) {
        SetFlags(kHidden);
        SetPhonesOn(false);
    }
}

}  // namespace multi
