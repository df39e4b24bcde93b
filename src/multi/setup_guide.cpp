#include "setup_guide.h"

#include "controls/choice_line.h"
#include "frame/interface.h"
#include "game_length.h"
#include "multi_state.h"
#include "platform/platform.h"
#include "phone_buzzers.h"
#include "platform/phone_keys.h"
#include "player_keys.h"

#include <cstring>

namespace multi {

namespace {

std::string shownRefusal;  // the last reason Next gave, while the guide may still show it

void Say(const std::string& cp1250, uint32_t colour) {
    if (auto* line = dynamic_cast<ChoiceLine*>(Interface::FindControl(kGameLengthChoice))) {
        line->SetMessage(cp1250, colour);
    }
}

std::string Cp1250(const std::string& utf8) { return platform::Utf8ToCp1250(utf8); }

// "Ada" or, for a row without a name, "hráč 3".
std::string RowName(int row) {
    if (players[row].name[0] != '\0') return players[row].name;
    return Cp1250("hráč " + std::to_string(row + 1));
}

}  // namespace

void SayChoosing(int row) {
    Say(Cp1250("Klávesu volí ") + RowName(row) + Cp1250(": stiskněte ji (Esc: zpět)"), kYellow);
}

void SayIfKeyTaken(int row, int32_t key) {
    for (int other = 0; other < kRows; ++other) {
        if (other == row || !HasKey(players[other]) || players[other].key != key) continue;
        Say(Cp1250("Tuto klávesu už má ") + RowName(other) + Cp1250(", zvolte jinou"), kRed);
        return;
    }
}

void SayKeyReserved() { Say(Cp1250("Tuto klávesu používá hra sama, zvolte jinou"), kRed); }

void SayNameTaken(int otherRow) {
    Say(Cp1250("Toto jméno už má řádek " + std::to_string(otherRow + 1) + ": napište jiné"),
        kRed);
}

std::string NextRefusal() {
    int ready = 0;
    for (int row = 0; row < kRows; ++row) {
        if (!players[row].active) continue;
        if (players[row].name[0] == '\0') {
            return Cp1250("Řádek " + std::to_string(row + 1) +
                          ": napište jméno a potvrďte Enterem");
        }
        if (!HasKey(players[row])) {
            return players[row].name + Cp1250(" nemá klávesu: klikněte na kolečko");
        }
        for (int other = 0; other < row; ++other) {
            if (players[other].active && std::strcmp(players[other].name, players[row].name) == 0) {
                return Cp1250("Řádky " + std::to_string(other + 1) + " a " +
                              std::to_string(row + 1) + " mají stejné jméno: změňte jedno");
            }
        }
        ++ready;
    }
    if (ready < 2) return Cp1250("Zapněte aspoň dva hráče");
    return "";
}

std::string PhoneRowsWarning() {
    for (int row = 0; row < kRows; ++row) {
        if (!players[row].active || !platform::IsPhoneBuzzer(players[row].key)) continue;
        if (!RunningPhoneServer()) {
            return Cp1250("Telefony jsou vypnuté, ") + players[row].name +
                   Cp1250(" nemůže bzučet. Hrát znovu: začít i tak");
        }
        if (PhoneDropped(row)) {
            return Cp1250("Telefon řádku " + std::to_string(row + 1) + " (") + players[row].name +
                   Cp1250(") není připojen. Hrát znovu: začít i tak");
        }
    }
    return "";
}

bool Saying(const std::string& cp1250) {
    const auto* line = dynamic_cast<ChoiceLine*>(Interface::FindControl(kGameLengthChoice));
    return line && line->Message() == cp1250;
}

void SayWarning(const std::string& cp1250) { Say(cp1250, kYellow); }

void SayWhyNotNext() {
    shownRefusal = NextRefusal();
    Say(shownRefusal, kRed);
}

void ForgetStaleRefusal() {
    if (!shownRefusal.empty() && Saying(shownRefusal) && NextRefusal() != shownRefusal) {
        ClearGuide();
    }
}

void ClearGuide() { Say("", kWhite); }

}  // namespace multi
