// The class game's big screen, drawn whole by one control from the game's state: the lobby
// (QR code, address, who joined, length, answer time, Start), the question with its clock and
// count of answers, how the class answered, the podium and the whole ranking.
#pragma once

#include <cstdint>

namespace phones {
class PhoneServer;
}

namespace classroom {

constexpr int32_t kBoardId = 1950;
constexpr int kBoardBottom = 565;  // below it the frame's own buttons
constexpr int kTopicButtonX = 560;
constexpr int kTopicButtonY = 420;
constexpr int kSetsButtonX = 380;
constexpr int kSetsButtonY = 420;
constexpr int kRankingRows = 15;
constexpr int32_t kScanUp = 0x148;    // the arrow keys scroll the ranking
constexpr int32_t kScanDown = 0x150;

// What a click on the lobby lies on.
struct BoardHit {
    enum Kind { None, Length, Time, Start, Pupil, ConfirmYes, ConfirmNo, OtherAddress } kind = None;
    int index = 0;  // Length and Time: the option; Pupil: the seat
};

void AddBoard(const phones::PhoneServer* server);
// Draws the board again from the game's state.
void RefreshBoard();
BoardHit HitBoard(int x, int y);
// The join code shows the machine's next address, when it has several.
void NextBoardAddress();
// The clock's seconds as the board shows them now.
int BoardSecondsShown();

}  // namespace classroom
