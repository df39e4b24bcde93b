#include "side_board.h"

#include "multi_state.h"
#include "phone_buzzers.h"
#include "play_presentation.h"

#include <algorithm>
#include <string>

namespace multi {

namespace {

constexpr uint32_t kCounterColour = 0x00FFFF;  // yellow, as the counter in the play area
constexpr int kRowGap = 28;                    // between one player and the next
constexpr int kPointsRise = 4;                 // the points sit close under their name

int boardQuestion = 0;

std::vector<platform::BandPiece> MarksOf(int player) {
    std::vector<platform::BandPiece> marks;
    if (PhoneDropped(player)) marks.push_back({kDroppedMark, kDroppedColour});
    if (IsLeader(player)) marks.push_back({kLeaderMark, kLeaderColour});
    if (IsLockedOut(player)) marks.push_back({kLockedOutMark, kLockedOutColour});
    return marks;
}

void AddPlayer(std::vector<platform::BandLine>& lines, int player) {
    const uint32_t colour = ColourOfPlayer(player);
    platform::BandLine name;
    name.text = {players[player].name, colour};
    name.height = kBoardNameHeight;
    name.bold = true;
    name.rows = 2;
    name.spaceAbove = lines.empty() ? 0 : kRowGap;
    lines.push_back(name);
    platform::BandLine points;
    points.marks = MarksOf(player);
    points.text = {std::to_string(players[player].score), colour};
    points.height = kBoardPointsHeight;
    points.bold = true;
    points.align = platform::BandAlign::Right;
    points.spaceAbove = -kPointsRise;
    lines.push_back(points);
}

}  // namespace

platform::SideBands SideBoard(int questionNumber) {
    platform::SideBands bands;
    if (questionNumber > 0) {
        platform::BandLine word;
        word.text = {platform::Utf8ToCp1250("Otázka"), kCounterColour};
        word.align = platform::BandAlign::Centre;
        bands.left.push_back(word);
        platform::BandLine number;
        number.text = {QuestionNumberText(questionNumber), kCounterColour};
        number.height = kBoardCounterHeight;
        number.bold = true;
        number.align = platform::BandAlign::Centre;
        bands.left.push_back(number);
    }
    for (int i = 0; i < std::min<int>(playerCount, kRows); ++i) AddPlayer(bands.right, i);
    return bands;
}

void ResetSideBoard() { boardQuestion = 0; }

void ShowSideBoard() { platform::SetSideBands(SideBoard(boardQuestion)); }

void ShowSideBoardQuestion(int number) {
    boardQuestion = number;
    ShowSideBoard();
}

}  // namespace multi
