#include "setup_guide.h"

#include "controls/choice_line.h"
#include "frame/interface.h"
#include "game_length.h"
#include "multi_state.h"
#include "platform/platform.h"
#include "player_keys.h"

namespace multi {

namespace {

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
        ++ready;
    }
    if (ready < 2) return Cp1250("Zapněte aspoň dva hráče");
    return "";
}

void SayWhyNotNext() { Say(NextRefusal(), kRed); }

void ClearGuide() { Say("", kWhite); }

}  // namespace multi
