#include "play_presentation.h"

#include "controls/label.h"
#include "frame/interface.h"
#include "game_length.h"
#include "gfx/font.h"
#include "gfx/font_fit.h"
#include "multi_player.h"
#include "phone_buzzers.h"
#include "platform/platform.h"
#include "room/player_colours.h"
#include "screens/screen_tools.h"
#include "side_board.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace multi {

int32_t playerRows[kRows] = {0, 1, 2, 3, 4};

using namespace screens;

namespace {

constexpr int kMarkX = 622;
constexpr int kNameX = 676;
constexpr int kScoreX = 740;
constexpr int kNameGap = 4;
constexpr int kPanelY[kRows] = {420, 446, 472, 496, 520};
constexpr int kScoreRise = 5;  // the points' larger type sits on the names' line
constexpr int kBannerCentreX = 305;  // the middle of the question and the answers
constexpr int kBannerY = 209;        // the band between the question and the first answer
constexpr int kBannerWidth = 500;    // the question's width
constexpr int kSmallestBanner = 20;  // a longer name is shrunk to this, then cut
constexpr int kClaimClockX = 618;   // beside the clock, above the panel
constexpr int kClaimClockY = 350;
constexpr int kCountdownX = 48;     // the band under the last answer
constexpr int kCountdownY = 543;
constexpr int kCounterX = 430;      // right of the screen's title
constexpr int kCounterY = 24;
constexpr char kEllipsis[] = "\x85";       // …

uint32_t lockedOut = 0;  // one bit a player who failed on this question

const gfx::Font& BannerFont() {
    static const gfx::Font font({"Arial", 42, 700, 238});
    return font;
}

std::string Czech(const std::string& utf8) { return platform::Utf8ToCp1250(utf8); }

Label* LabelOf(int32_t id) { return dynamic_cast<Label*>(Interface::FindControl(id)); }

// Draws the label again only when its text or colour changed: the clock calls every frame.
void SetLabel(int32_t id, const char* text, uint32_t colour) {
    Label* label = LabelOf(id);
    if (!label) return;
    const bool recoloured = label->TextColor() != colour;
    label->SetTextColor(colour);
    if (label->SetText(text) == 0 && recoloured) label->Refresh();
}

Label* AddLabel(int32_t id, int x, int y, const gfx::Font* font) {
    auto* label = new Label(id);
    label->SetUp(x, y, "", font, Control::kTransparent);
    return AddToScreen(label);
}

// One line serves both clocks; it sits where the clock that runs is read. Its face holds the
// background it was drawn over, so a move draws it again.
void MoveStatusLine(int x, int y) {
    Control* line = Interface::FindControl(kStatusLine);
    if (!line || (line->X() == x && line->Y() == y)) return;
    line->SetPosition(x, y);
    line->Refresh();
}

int PanelRows() { return std::clamp<int>(playerCount, 2, kRows); }

// `text` cut, with an ellipsis, to `width` pixels in `font`.
std::string Fitted(const gfx::Font& font, std::string text, int width) {
    if (font.TextWidth(text) <= width) return text;
    while (!text.empty() && font.TextWidth(text + kEllipsis) > width) text.pop_back();
    return text + kEllipsis;
}


void LayOutRow(int player) {
    Label* score = LabelOf(kFirstScoreLabel + player);
    if (!score) return;
    char points[16];
    std::snprintf(points, sizeof points, "%d", players[player].score);
    score->SetPosition(kScoreX, kPanelY[player] - kScoreRise);
    score->SetTextColor(ColourOfPlayer(player));
    score->SetText(points);
    score->Refresh();
    const bool out = IsLockedOut(player);
    // A leader who is out keeps the leader mark, with the × beside it.
    SetLabel(kFirstLeaderOutMark + player, out && IsLeader(player) ? kLockedOutMark : "",
             kLockedOutColour);
    if (PhoneDropped(player)) {
        SetLabel(kFirstRowMark + player, kDroppedMark, kDroppedColour);
    } else if (IsLeader(player)) {
        SetLabel(kFirstRowMark + player, kLeaderMark, kLeaderColour);
    } else if (out) {
        SetLabel(kFirstRowMark + player, kLockedOutMark, kLockedOutColour);
    } else {
        SetLabel(kFirstRowMark + player, "", kWhite);
    }
}

}  // namespace

// Leaders are the players with the most points, once the points differ at all.
bool IsLeader(int player) {
    if (player < 0 || player >= kRows) return false;
    int best = players[0].score, worst = players[0].score;
    for (int i = 1; i < playerCount && i < kRows; ++i) {
        best = std::max(best, players[i].score);
        worst = std::min(worst, players[i].score);
    }
    return best != worst && players[player].score == best;
}

bool IsLockedOut(int player) { return player >= 0 && player < kRows && (lockedOut & 1u << player); }

// A label never shrinks, so the name must fit from the start.
const gfx::Font& PanelNameFont(int player) {
    if (player < 0 || player >= kRows) return gfx::DefaultFont();
    // The panel is narrow: a name may go smaller here than elsewhere before it is cut.
    constexpr int kSmallestPanelName = 8;
    return gfx::FontToFit(gfx::DefaultFont(), players[player].name, kScoreX - kNameGap - kNameX,
                          kSmallestPanelName);
}

std::string PanelName(int player) {
    if (player < 0 || player >= kRows) return "";
    return Fitted(PanelNameFont(player), players[player].name, kScoreX - kNameGap - kNameX);
}

uint32_t ColourOfPlayer(int player) {
    return player >= 0 && player < kRows ? room::PlayerColour(playerRows[player]) : kWhite;
}

void AddPlayPresentation() {
    lockedOut = 0;
    ResetSideBoard();
    for (int i = 0; i < PanelRows(); ++i) {
        AddLabel(kFirstRowMark + i, kMarkX, kPanelY[i] - kScoreRise, MpFontQuestion);
        // Smaller, so that both marks fit before the key picture.
        AddLabel(kFirstLeaderOutMark + i, kMarkX + MpFontQuestion->TextWidth(kLeaderMark),
                 kPanelY[i], MpFontName);
    }
    AddLabel(kQuestionCounter, kCounterX, kCounterY, MpFontQuestion);
    AddLabel(kGoOnLine, 48, 574, MpFontName);
    AddLabel(kClaimerBanner, kBannerCentreX, kBannerY, &BannerFont());
    RefreshPanel();
}

void RefreshPanel() {
    for (int i = 0; i < PanelRows() && i < playerCount; ++i) LayOutRow(i);
    ShowSideBoard();
}

void BeginQuestionPresentation() {
    lockedOut = 0;
    HideClaimer();
    SetLabel(kGoOnLine, "", kWhite);
    RefreshPanel();
}

void ShowClaimer(int player) {
    Label* banner = LabelOf(kClaimerBanner);
    if (!banner || player < 0 || player >= kRows) return;
    // A long name in this type would reach over the clock and the panel.
    const gfx::Font& font = gfx::FontToFit(BannerFont(), players[player].name, kBannerWidth,
                                           kSmallestBanner);
    const std::string name = Fitted(font, players[player].name, kBannerWidth);
    banner->SetTextColor(ColourOfPlayer(player));
    banner->SetFont(&font);
    banner->SetText(name.c_str());
    // A shrunk name stays on the band's middle line.
    banner->SetPosition(kBannerCentreX - font.TextWidth(name) / 2,
                        kBannerY + (BannerFont().Height() - font.Height()) / 2);
    banner->Refresh();
    ShowControl(kClaimerBanner);
}

void HideClaimer() { HideControl(kClaimerBanner); }

void MarkLockedOut(int player) {
    if (player >= 0 && player < kRows) lockedOut |= 1u << player;
    RefreshPanel();
}

void ShowClaimClock(int32_t elapsed) {
    const std::string left =
        Czech("Zbývá " + std::to_string(std::max(0, kClaimSeconds - elapsed)) + " s");
    MoveStatusLine(kClaimClockX, kClaimClockY);
    SetLabel(kStatusLine, left.c_str(), kWhite);
}

void ClearStatusLine() {
    MoveStatusLine(kClaimClockX, kClaimClockY);
    SetLabel(kStatusLine, "", kWhite);
}

void ShowAnswerCountdown(int seconds) {
    MoveStatusLine(kCountdownX, kCountdownY);
    SetLabel(kStatusLine, AnswerCountdownText(seconds).c_str(), kWhite);
}

std::string QuestionNumberText(int number) {
    std::string text = std::to_string(number);
    if (gameLength > 0) text += " / " + std::to_string(gameLength);
    return text;
}

void ShowQuestionCounter(int number) {
    SetLabel(kQuestionCounter, Czech("Otázka " + QuestionNumberText(number)).c_str(), kYellow);
    ShowSideBoardQuestion(number);
}

void ShowGoOn() { SetLabel(kGoOnLine, Czech("Pokračujte klávesou nebo kliknutím").c_str(), kWhite); }

std::string VerdictRightText() { return Czech("Super! Dobrá odpověď… další otázka"); }
std::string VerdictFirstWrongText() {
    return Czech("Tak tohle ti nevyšlo, špatná odpověď… zkusí to někdo jiný?");
}
std::string VerdictSecondWrongText() {
    return Czech("Tak ani ty jsi to nedal, no nic… další otázka");
}
std::string TimeOutFirstText() { return Czech("Čas vypršel… zkusí to někdo jiný?"); }
std::string TimeOutSecondText() { return Czech("Čas vypršel… další otázka"); }
std::string AnswerCountdownText(int seconds) {
    return Czech("Čas na odpověď: " + std::to_string(seconds));
}

}  // namespace multi
