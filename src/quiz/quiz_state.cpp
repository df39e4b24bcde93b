#include "quiz_state.h"

#include "../platform/platform.h"

#include <algorithm>
#include <bitset>
#include <cstring>

namespace quiz {

void QuizState::Reset() {
    modeValue3 = 0;
    modeValue4 = 0;
    wrongTotal = 0;
    std::fill(std::begin(wrongByPlayer), std::end(wrongByPlayer), 0);
    std::fill(std::begin(rightByPlayer), std::end(rightByPlayer), 0);
    rightTotal = 0;
    current = 0;
    advanced = false;
    std::fill(std::begin(order), std::end(order), 0);
    std::fill(std::begin(correctSlot), std::end(correctSlot), 0);
}

void QuizState::SetBank(const Question* records, int recordCount) {
    bank = records;
    bankCount = std::clamp(recordCount, 0, kBankSize);
}

int QuizState::Shuffle(int size, const std::vector<int32_t>& pool) {
    Reset();
    // Records outside the bank and repeats are dropped: a repeat would leave the draw below
    // waiting for a record it has already taken. The whole bank is drawn as the empty pool.
    std::vector<int32_t> records;
    std::bitset<kBankSize> pooled;
    for (const int32_t record : pool) {
        if (record < 0 || record >= bankCount || pooled[static_cast<std::size_t>(record)]) continue;
        pooled[static_cast<std::size_t>(record)] = true;
        records.push_back(record);
    }
    const int available = pool.empty() ? bankCount : static_cast<int>(records.size());
    deckSize = std::clamp(size, 0, available);
    platform::SeedRandom(static_cast<uint32_t>(platform::Time()));
    // Each draw picks any question of the bank and is rejected while it repeats an earlier
    // one, so a bank of exactly kDeckSize questions gives the classic permutation. The table
    // of taken numbers answers "already drawn?" without scanning the order so far.
    std::bitset<kBankSize> taken;
    for (int j = 0; j < deckSize; ++j) {
        int drawn;
        do {
            drawn = platform::Random() % available;
            if (!pool.empty()) drawn = records[static_cast<std::size_t>(drawn)];
        } while (taken[static_cast<std::size_t>(drawn)]);
        taken[static_cast<std::size_t>(drawn)] = true;
        order[j] = drawn;
    }
    return deckSize;
}

bool QuizState::Advance() {
    const int next = advanced ? current + 1 : (deckSize < kDeckSize ? 0 : 1);
    if (next >= deckSize) return false;
    current = next;
    advanced = true;
    return true;
}

Question QuizState::GetQuestion(int k, bool shuffle) {
    Question result{};
    if (!bank || k < 0 || k >= kBankSize) return result;
    result = bank[order[k]];
    if (!shuffle) return result;
    const int slot = platform::Random() % kAnswerCount;
    if (slot != 0) {
        std::memcpy(result.answers[slot], bank[order[k]].answers[0], kFieldSize);
        std::memcpy(result.answers[0], bank[order[k]].answers[slot], kFieldSize);
    }
    correctSlot[k] = slot;
    return result;
}

}  // namespace quiz
