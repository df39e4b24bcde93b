#include "buzzer_check.h"

#include "frame/interface.h"
#include "multi_state.h"
#include "platform/platform.h"
#include "play_presentation.h"
#include "player_keys.h"
#include "screens/screen_tools.h"
#include "sound/sound.h"

namespace multi {

namespace {

struct LitRow {
    bool lit = false;
    uint32_t since = 0;
    uint32_t nameColour = kWhite;
    uint32_t scoreColour = kWhite;
};

LitRow litRows[kRows];

void Colour(int32_t id, uint32_t colour) {
    if (Control* control = Interface::FindControl(id)) {
        control->SetTextColor(colour);
        control->Refresh();
    }
}

uint32_t ColourOf(int32_t id) {
    const Control* control = Interface::FindControl(id);
    return control ? control->TextColor() : kWhite;
}

void PutBack(int player) {
    LitRow& row = litRows[player];
    if (!row.lit) return;
    Colour(kFirstNameLabel + player, row.nameColour);
    Colour(kFirstScoreLabel + player, row.scoreColour);
    row.lit = false;
}

}  // namespace

bool BuzzerCheckPress(int32_t key) {
    if (controlsFrozen || !screens::IsShown(kStartButton)) return false;
    const int player = PlayerWithKey(key);
    if (player < 0 || player >= kRows) return false;
    LitRow& row = litRows[player];
    if (!row.lit) {
        row.nameColour = ColourOf(kFirstNameLabel + player);
        row.scoreColour = ColourOf(kFirstScoreLabel + player);
    }
    row.lit = true;
    row.since = platform::GetTickCount();
    Colour(kFirstNameLabel + player, kBuzzerCheckColour);
    Colour(kFirstScoreLabel + player, kBuzzerCheckColour);
    ShowClaimer(player);
    sound::PlayClaimSound(player);
    return true;
}

void BuzzerCheckTick(uint32_t now) {
    bool anyLit = false, putBack = false;
    for (int player = 0; player < kRows; ++player) {
        const LitRow& row = litRows[player];
        if (!row.lit) continue;
        if (!screens::IsShown(kStartButton) || now - row.since >= kBuzzerCheckLitMs) {
            PutBack(player);
            putBack = true;
        } else {
            anyLit = true;
        }
    }
    // The big name goes with the last lit row; a started game shows its own claimers.
    if (putBack && !anyLit && screens::IsShown(kStartButton)) HideClaimer();
}

void ResetBuzzerCheck() {
    for (LitRow& row : litRows) row = LitRow{};
}

}  // namespace multi
