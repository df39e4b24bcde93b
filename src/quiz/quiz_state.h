// The state of one game mode's current game: the order the questions come in, where each
// question's correct answer was put, the question in play and the mode's tallies.
#pragma once

#include "question.h"

#include <cstdint>
#include <vector>

namespace quiz {

constexpr int kMaxPlayers = 5;

class QuizState {
public:
    QuizState() { Reset(); }
    virtual ~QuizState() = default;

    // Clears the tallies, the order and the slots; the mode values 1 and 2, the deck size and
    // the bank stay.
    void Reset();
    // `records` is the bank's first record, `recordCount` (clamped to 0..kBankSize) the
    // questions it holds; kBankSize records must follow the first.
    void SetBank(const Question* records, int recordCount);
    // Starts a new game: a fresh order of `deckSize` questions drawn without repeats from every
    // question of the bank, with the random generator seeded with the current second. A bank
    // smaller than that gives a deck of the whole bank in a random order. Returns the deck size,
    // which stays in `deckSize`: a game ends after question deckSize - 1. A non-empty `pool`
    // (record numbers, each once) is drawn from instead of the whole bank, the same way.
    int Shuffle(int deckSize, const std::vector<int32_t>& pool = {});
    // The k-th question of the order. With `shuffle` the correct answer trades places with
    // the answer in a random slot, and correctSlot[k] records that slot. An index outside
    // 0..kBankSize-1, or no bank, gives an empty question.
    Question GetQuestion(int k, bool shuffle);
    // Moves `current` to the next question of the deck; false, with nothing moved, when the
    // deck is used up. A game's first move goes to position 1 of a full deck, whose position
    // 0 the clock and buzzer games never ask, but to position 0 of a shorter deck, so that a
    // small question set is played whole.
    bool Advance();

    int32_t modeValue1 = 0;
    int32_t modeValue2 = 0;
    int32_t modeValue3 = 0;
    int32_t modeValue4 = 0;
    int32_t wrongTotal = 0;
    int32_t wrongByPlayer[kMaxPlayers] = {};
    int32_t deckSize = 0;  // questions in this game's order: kDeckSize, or the whole bank
    int32_t rightByPlayer[kMaxPlayers] = {};
    int32_t rightTotal = 0;
    int32_t current = 0;
    bool advanced = false;  // whether this game has moved past its start
    int32_t order[kBankSize] = {};
    int32_t correctSlot[kBankSize] = {};
    const Question* bank = nullptr;
    int32_t bankCount = 0;  // questions in the bank
};

}  // namespace quiz
