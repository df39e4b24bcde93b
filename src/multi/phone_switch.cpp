#include "phone_switch.h"

#include "frame/interface.h"
#include "phone_buzzers.h"
#include "platform/platform.h"
#include "room/phone_join_panel.h"
#include "screens/screen_tools.h"
#include "screens/shared_fonts.h"
#include "setup_guide.h"

namespace multi {

namespace {

constexpr int kSwitchX = 606, kSwitchY = 8, kSwitchWidth = 190, kSwitchHeight = 30;
// Colours as the canvas takes them: 0x00BBGGRR.
constexpr uint32_t kButton = 0x6E3A1E, kOn = 0x327D2E;

void DrawButton(gfx::Canvas& canvas, const gfx::Rect& rect, std::string_view utf8, uint32_t fill) {
    canvas.FillRect(rect, fill);
    canvas.SelectFont(FontSmall14);
    canvas.SetTextColor(0xFFFFFF);
    const std::string text = platform::Utf8ToCp1250(utf8);
    const gfx::Size extent = canvas.TextExtent(text);
    canvas.TextOut(rect.left + (rect.right - rect.left - extent.width) / 2,
                   rect.top + (rect.bottom - rect.top - extent.height) / 2, text);
}

room::PhoneJoinPanel* Panel() {
    return dynamic_cast<room::PhoneJoinPanel*>(Interface::FindControl(room::kPhoneJoinPanel));
}

const phones::PhoneServer* BuzzerServer() { return RunningPhoneServer(); }
void SwitchPhonesOff() { SetPhonesOn(false); }

}  // namespace

void AddPhoneJoinControls() {
    screens::AddToScreen(new PhoneSwitch());
    // With phones on, the code is what the host needs first; otherwise it waits for the switch.
    auto* panel = screens::AddToScreen(new room::PhoneJoinPanel({&BuzzerServer, &SwitchPhonesOff}));
    if (panel && !PhonesSwitchedOn()) panel->SetFlags(Control::kHidden);
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
        case Look::Off: DrawButton(canvas, whole, "Zapnout telefony", kButton); break;
        case Look::CodeHidden: DrawButton(canvas, whole, "Ukázat kód pro telefony", kOn); break;
        case Look::CodeShown: DrawButton(canvas, whole, "Skrýt kód pro telefony", kButton); break;
    }
    DrawFrame(canvas);
}

void PhoneSwitch::Update() {
    const room::PhoneJoinPanel* panel = Panel();
    Look look = Look::Off;
    if (RunningPhoneServer()) {
        look = panel && !(panel->GetFlags() & kHidden) ? Look::CodeShown : Look::CodeHidden;
    }
    if (look == shown_) return;
    shown_ = look;
    Render();
}

void PhoneSwitch::HandleInput(int32_t code, int32_t, int32_t* handled) {
    if (code != Interface::kInputLeftDown || !*handled || controlsFrozen) return;
    if ((GetFlags() & kHidden) || !IsPointerIn(Bounds())) return;
    *handled = 0;
    room::PhoneJoinPanel* panel = Panel();
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

}  // namespace multi
