// The host's phone controls on the buzzer set-up screen: a switch that turns phones on and off,
// and a panel with the join address as a QR code and in text, the phones that joined with their
// names and round-trip times, and, when the machine has several addresses, a way to switch.
#pragma once

#include "frame/control.h"
#include "phones/phone_server.h"
#include "phones/qr_code.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace multi {

constexpr int32_t kPhoneSwitch = 640;
constexpr int32_t kPhoneJoinPanel = 641;

// The switch, always shown; the panel, shown when the host opens it with the switch.
void AddPhoneJoinControls();

class PhoneSwitch : public Control {
public:
    PhoneSwitch();
    void Render() override;
    void Update() override;
    void HandleInput(int32_t code, int32_t value, int32_t* handled) override;

private:
    enum class Look { Off, CodeHidden, CodeShown };
    Look shown_ = Look::Off;
};

// A column right of the rows, below the set-up's instructions and over the advert only: the
// rows, their keys and Hrát stay usable while phones join.
class PhoneJoinPanel : public Control {
public:
    static constexpr int kX = 644;
    static constexpr int kY = 116;
    static constexpr int kWidth = 152;
    static constexpr int kHeight = 402;
    static constexpr int kQrTop = 34;
    // Four pixels a module for a join address (33 modules): about 240 pixels on a 1920 x 1080
    // screen, which phones read from the sofa.
    static constexpr int kQrSide = kWidth - 16;
    // The buttons, top to bottom: another address (only with several), hide, switch off.
    static constexpr int kButtonHeight = 26;
    static gfx::Rect ButtonRect(int fromBottom);  // 0 the lowest

    PhoneJoinPanel();
    void Render() override;
    void Update() override;
    void HandleInput(int32_t code, int32_t value, int32_t* handled) override;

    const std::string& Url() const { return url_; }
    // The next of the machine's addresses, when it has several.
    void NextAddress();

private:
    struct Shown {
        std::string url;
        bool noNetwork = false;           // only loopback: phones cannot reach the game
        std::vector<std::string> phones;  // "name  23 ms", Windows-1250
        bool operator==(const Shown&) const = default;
    };
    Shown Gather() const;
    void DrawQr(class gfx::Canvas& canvas) const;
    void DrawNoNetwork(class gfx::Canvas& canvas) const;
    std::vector<std::string> AddressLines(class gfx::Canvas& canvas) const;
    void KeepAdvertUnder();
    bool advertHidden_ = false;

    std::vector<std::string> addresses_;
    std::size_t chosen_ = 0;
    std::string url_;
    std::optional<phones::QrCode> qr_;
    Shown shown_;
};

}  // namespace multi
