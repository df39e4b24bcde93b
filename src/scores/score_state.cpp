#include "score_state.h"

#include "platform/platform.h"

namespace scores {

int32_t scoreViewRequest = -1;
int32_t newScoreRow = -1;
int32_t scoreTableNo = -1;
uint32_t gameRows = 0;
std::string unsavedResultFolder;
bool unsavedResultTold = false;

namespace {

void NoteNotSaved() { unsavedResultFolder = platform::UserFolder() + "/System"; }

}  // namespace

void ForgetUnsavedResult() {
    unsavedResultFolder.clear();
    unsavedResultTold = false;
}

int TableNoForStateWord(uint32_t stateWord) {
    switch (stateWord) {
        case kStateForP: return kTableForP;
        case kStateForR: return kTableForR;
        case kStateMultiGame: return kTableMulti;
        default: return 0;
    }
}

int TableNoForViewRequest(int32_t viewRequest) {
    if (viewRequest == -kTableForR) return kTableForR;
    if (viewRequest == -kTableMulti) return kTableMulti;
    const int gameTable = viewRequest > 0 ? TableNoForStateWord(viewRequest) : 0;
    return gameTable != 0 ? gameTable : kTableForP;
}

int PreviousTableNo(int tableNo) {
    if (!IsTableNo(tableNo)) return kTableForP;
    return tableNo == kTableForP ? kTableMulti : tableNo - 1;
}

int NextTableNo(int tableNo) {
    if (!IsTableNo(tableNo)) return kTableForP;
    return tableNo == kTableMulti ? kTableForP : tableNo + 1;
}

InsertOutcome InsertSingleScore(uint32_t stateWord, const ScoreEntry& entry) {
    const int tableNo = TableNoForStateWord(stateWord);
    newScoreRow = -1;
    InsertOutcome outcome;
    if (tableNo != kTableForP && tableNo != kTableForR) return outcome;
    outcome = InsertScore(tableNo, entry);
    if (!outcome.ok) NoteNotSaved();
    newScoreRow = outcome.row;
    return outcome;
}

InsertOutcome InsertMultiScore(const ScoreEntry& entry) {
    newScoreRow = -1;
    const InsertOutcome outcome = InsertScore(kTableMulti, entry);
    if (!outcome.ok) NoteNotSaved();
    if (outcome.row >= 0 && outcome.row < kScoreRows) {
        // The rows from the new one down move one row lower; the last row drops out.
        const uint32_t above = gameRows & ((1u << outcome.row) - 1);
        const uint32_t below = (gameRows >> outcome.row) << (outcome.row + 1);
        gameRows = (above | below | (1u << outcome.row)) & ((1u << kScoreRows) - 1);
    }
    return outcome;
}

void ForgetGameRows() { gameRows = 0; }

bool CommitScoreName(std::string_view name) {
    const int tableNo = TableNoForViewRequest(scoreViewRequest);
    const bool singlePlayerGame = scoreViewRequest == static_cast<int32_t>(kStateForP) ||
                                  scoreViewRequest == static_cast<int32_t>(kStateForR);
    if (!singlePlayerGame || newScoreRow == -1) return false;
    if (!StoreScoreName(tableNo, newScoreRow, name)) {
        NoteNotSaved();
        return false;
    }
    newScoreRow = -1;
    return true;
}

void ResetScoreState() {
    scoreViewRequest = -1;
    newScoreRow = -1;
    scoreTableNo = -1;
    gameRows = 0;
}

}  // namespace scores
