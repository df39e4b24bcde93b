#include "results_screen.h"

#include "controls/label.h"
#include "frame/interface.h"
#include "gfx/font_fit.h"
#include "multi_player.h"
#include "multi_state.h"
#include "platform/platform.h"
#include "play_presentation.h"
#include "player_keys.h"
#include "scores/score_state.h"
#include "screens/screen_tools.h"
#include "screens/state_words.h"
#include "sound/sound.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace multi {

namespace {

using namespace screens;

// The card of the background, inside which a click leads on.
constexpr gfx::Rect kCard{130, 78, 780, 552};
constexpr int kHeadlineY = 146;
constexpr int kHeaderY = 194;
constexpr int kFirstRowY = 222;
constexpr int kRowPitch = 50;
constexpr int kColumnX[kResultsColumns] = {160, 215, 480, 575, 680};
constexpr int kColumnGap = 12;
// Keys the frame keeps for itself on every screen: full screen and mute.
constexpr int32_t kF11 = 0x57;
constexpr int32_t kF12 = 0x58;
// A room reads the result before anything leads on: a buzzer pressed once more as the game
// ends must not skip it.
constexpr uint32_t kSettleMs = 2000;
constexpr uint32_t kMuted = 0xC2A69A;

uint32_t shownAt = 0;

std::string Cp1250(const char* utf8) { return platform::Utf8ToCp1250(utf8); }

Label* AddResultsLabel(int32_t id, int x, int y, const std::string& text, const gfx::Font* font,
                       uint32_t colour) {
    auto* label = new Label(id);
    label->SetUp(x, y, text.c_str(), font, Control::kTransparent);
    label->SetTextColor(colour);
    return AddToScreen(label);
}

std::string Headline(const std::vector<Standing>& standings) {
    std::string names;
    int winners = 0;
    bool anyPoints = false;
    for (const Standing& standing : standings) {
        anyPoints = anyPoints || standing.points != 0 || standing.right != 0;
        if (standing.place != 1) continue;
        if (winners++ > 0) names += ", ";
        names += players[standing.player].name;
    }
    if (!anyPoints) return Cp1250("Nikdo nebodoval: remíza");
    return (winners == 1 ? Cp1250("Vítěz: ") : Cp1250("Vítězové: ")) + names;
}

void AddHeaders() {
    const char* headers[kResultsColumns] = {"Pořadí", "Hráč", "Body", "Správně", "Špatně"};
    for (int column = 0; column < kResultsColumns; ++column) {
        AddResultsLabel(kFirstResultsHeader + column, kColumnX[column], kHeaderY,
                        Cp1250(headers[column]), MpFontSmall, kMuted);
    }
}

void AddRow(int row, const Standing& standing) {
    char place[8], points[16], right[16], wrong[16];
    std::snprintf(place, sizeof place, "%d.", standing.place);
    std::snprintf(points, sizeof points, "%d", standing.points);
    std::snprintf(right, sizeof right, "%d", standing.right);
    std::snprintf(wrong, sizeof wrong, "%d", standing.wrong);
    const std::string texts[kResultsColumns] = {place, players[standing.player].name, points,
                                                right, wrong};
    const uint32_t colour = ColourOfPlayer(standing.player);
    for (int column = 0; column < kResultsColumns; ++column) {
        // A long name is shrunk to its column rather than run under the points.
        const gfx::Font& font =
            column == 1 ? gfx::FontToFit(*MpFontQuestion, texts[column],
                                         kColumnX[2] - kColumnX[1] - kColumnGap)
                        : *MpFontQuestion;
        AddResultsLabel(kFirstResultsCell + row * kResultsColumns + column, kColumnX[column],
                        kFirstRowY + row * kRowPitch, texts[column], &font,
                        column == 0 || column == 1 || column == 2 ? colour : kWhite);
    }
}

void LeadOnToTable() {
    scores::scoreViewRequest = StateMultiGame;
    Interface::SetState(StateScores, false);
}

}  // namespace

std::vector<Standing> GameStandings() {
    std::vector<Standing> standings;
    for (int i = 0; i < playerCount && i < kRows; ++i) {
        Standing standing;
        standing.player = i;
        standing.points = players[i].score;
        if (multiQuiz) {
            standing.right = multiQuiz->rightByPlayer[i];
            standing.wrong = multiQuiz->wrongByPlayer[i];
        }
        standings.push_back(standing);
    }
    std::stable_sort(standings.begin(), standings.end(),
                     [](const Standing& a, const Standing& b) { return a.points > b.points; });
    for (std::size_t k = 0; k < standings.size(); ++k) {
        const bool tied = k > 0 && standings[k].points == standings[k - 1].points;
        standings[k].place = tied ? standings[k - 1].place : static_cast<int>(k) + 1;
    }
    return standings;
}

void BuildResults() {
    Interface::SetFillColor(0x000000);
    Interface::SetBackground("Bitmaps\\MultiP\\res_bg", false);
    const std::vector<Standing> standings = GameStandings();
    const std::string headline = Headline(standings);
    AddResultsLabel(kResultsHeadline, kColumnX[0], kHeadlineY, headline,
                    &gfx::FontToFit(*MpFontQuestion, headline, kCard.right - kColumnGap - kColumnX[0]),
                    kYellow);
    AddHeaders();
    for (std::size_t row = 0; row < standings.size(); ++row) {
        AddRow(static_cast<int>(row), standings[row]);
    }
    AddAnimatedButton(kBackButton, 18, 501, "Bitmaps\\OneP\\mm_b", "Bitmaps\\OneP\\mm_ba", 6, 0.1f,
                      3, 0);
    shownAt = platform::GetTickCount();
    sound::PlaySound(sound::SoundId::GameOver);
}

void ResultsOnControlEvent(int32_t id, int32_t event) {
    if (event == 1 && id == kBackButton) Interface::SetState(StateMainMenu, false);
}

void ResultsInput(int32_t code, int32_t value) {
    if (controlsFrozen || platform::GetTickCount() - shownAt < kSettleMs) return;
    if (code == Interface::kInputKeyDown && Interface::KeyDownIsRepeat()) return;
    // Buzzers are pressed in a hurry and by many: only the host's keys lead on.
    if (code == Interface::kInputKeyDown && value != kF11 && value != kF12 &&
        PlayerWithKey(value) < 0) {
        return LeadOnToTable();
    }
    if (code != Interface::kInputLeftDown) return;
    // A click on the results; the buttons every screen has keep their own meaning.
    const int x = Interface::MouseX(), y = Interface::MouseY();
    if (kCard.left <= x && x < kCard.right && kCard.top <= y && y < kCard.bottom) LeadOnToTable();
}

}  // namespace multi
