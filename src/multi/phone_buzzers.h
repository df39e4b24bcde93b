// Phones as buzzers in the buzzer game: when the phone server runs, what each phone is told,
// and the answer buttons that answer for the player who claimed with that phone. Phone keys
// and their codes are described in platform/phone_keys.h; the server in phones/phone_server.h.
#pragma once

#include "phones/phone_view.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace phones {
class PhoneServer;
}

namespace multi {

// Phones are off unless the profile says "Phones=1" or the game was started with --phones.
void SwitchPhonesOn();
bool PhonesSwitchedOn();
// The host's switch on the set-up screen, over the profile and the command line: starts the
// server (on the buzzer game's screens) or stops it.
void SetPhonesOn(bool on);
// Forgets the host's switch: the profile and the command line decide again (a fresh game).
void ForgetPhoneSwitch();

// "Phones=" (0 or 1), "Phone port=" and "Phone address=" in the profile's section `title`.
struct PhoneSettings {
    bool on = false;
    int port = -1;        // -1: the server's default; 0: any free port
    std::string address;  // the address to listen on; empty: every interface
};
PhoneSettings ParsePhoneSettings(std::string_view profile, std::string_view title);

// Starts the server when a buzzer screen opens while phones are on; it then runs until phones
// are switched off or the game closes, so phones keep one room between games.
void PhonesFollowState(int32_t state);
void StopPhones();
// Why the last start failed, in the players' language; empty when it did not.
const std::string& PhonesStartFailure();
// Sends each phone the view the game now gives it, when that changed; writes the server's
// log lines to the game's log (a few a minute at most); follows renames on phones and the
// slots rows use. Every tick, on every screen.
void UpdatePhones();

// The player's buzzer is a phone that is not connected now.
bool PhoneDropped(int player);
// A phone's button whose phone holds no player's buzzer: it moves nothing in a game.
bool IsRowlessPhoneKey(int32_t key);

// What the phone in `slot` is shown now.
phones::PhoneView PhoneViewFor(int slot);

// The answer (0..2) that `key` gives while the answer clock runs: an answer button of the
// phone the answering player claimed with. -1 for any other key.
int PhoneAnswerFor(int32_t key);

// The name typed on the phone whose button `key` is (Windows-1250, cut to the game's field);
// empty when phones are off, for a key of no phone, or a phone that gave no name.
std::string PhoneNameOf(int32_t key);

// The running server, or null (for tests).
phones::PhoneServer* RunningPhoneServer();

}  // namespace multi
