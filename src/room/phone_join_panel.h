// A panel beside a set-up screen's rows with the join address as a QR code and in text, the
// phones that joined with their names and round-trip times, and, when the machine has several
// addresses, a way to switch. The mode that shows it says which server it follows and what
// switching phones off means.
#pragma once

#include "frame/control.h"
#include "join_code.h"

#include <string>
#include <vector>

namespace phones {
class PhoneServer;
}

namespace room {

constexpr int32_t kPhoneJoinPanel = 641;

struct PhoneJoinHooks {
    const phones::PhoneServer* (*server)() = nullptr;  // the running server, or null
    void (*switchOff)() = nullptr;
};

// A column right of the rows, below the set-up's instructions and over the advert only: the
// rows, their keys and the start button stay usable while phones join.
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

    explicit PhoneJoinPanel(PhoneJoinHooks hooks);
    void Render() override;
    void Update() override;
    void HandleInput(int32_t code, int32_t value, int32_t* handled) override;

    const std::string& Url() const { return code_.Url(); }
    void NextAddress();

private:
    std::vector<std::string> JoinedPhones() const;  // "name  23 ms", Windows-1250
    void KeepAdvertUnder();

    PhoneJoinHooks hooks_;
    bool advertHidden_ = false;
    JoinCode code_;
    std::vector<std::string> phones_;
};

}  // namespace room
