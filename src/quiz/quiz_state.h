// The state of one game mode's current game: the order the questions come in, where each
// question's correct answer was put, the question in play and the mode's tallies.
#pragma once

#include "question.h"

#include <cstdint>

namespace quiz {

constexpr int kMaxPlayers = 5;

class QuizState {
public:
    QuizState() { Reset(); }
    virtual ~QuizState() = default;

    // Clears the tallies, the order and the slots; the mode values 1 and 2, the deck size and
    // the bank stay.
    void Reset();
    // `records` is the bank's first record; kBankSize records must follow it.
    void SetBank(const Question* records);
    // Starts a new game: a fresh order of `deckSize` questions (clamped to 0..kBankSize),
    // drawn from the random generator seeded with the current second. Returns the deck size.
    int Shuffle(int deckSize);
    // The k-th question of the order. With `shuffle` the correct answer trades places with
    // the answer in a random slot, and correctSlot[k] records that slot. An index outside
    // 0..kBankSize-1, or no bank, gives an empty question.
    Question GetQuestion(int k, bool shuffle);

    int32_t modeValue1 = 0;
    int32_t modeValue2 = 0;
    int32_t modeValue3 = 0;
    int32_t modeValue4 = 0;
    int32_t wrongTotal = 0;
    int32_t wrongByPlayer[kMaxPlayers] = {};
    int32_t deckSize = 0;
    int32_t rightByPlayer[kMaxPlayers] = {};
    int32_t rightTotal = 0;
    int32_t current = 0;
    int32_t order[kBankSize] = {};
    int32_t correctSlot[kBankSize] = {};
    const Question* bank = nullptr;
};

}  // namespace quiz
