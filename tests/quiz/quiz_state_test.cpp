#include "quiz/quiz_state.h"

#include "platform/headless/headless.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using quiz::Question;
using quiz::QuizState;

// A bank whose record i has the question "Qi" and answers "Ri", "Ai", "Bi".
std::vector<Question> NumberedBank() {
    std::vector<Question> bank(quiz::kBankSize);
    for (int i = 0; i < quiz::kBankSize; ++i) {
        std::snprintf(bank[i].question, quiz::kFieldSize, "Q%d", i);
        std::snprintf(bank[i].answers[0], quiz::kFieldSize, "R%d", i);
        std::snprintf(bank[i].answers[1], quiz::kFieldSize, "A%d", i);
        std::snprintf(bank[i].answers[2], quiz::kFieldSize, "B%d", i);
    }
    return bank;
}

// The drawing as the classic runtime does it: its generator and a linear scan for repeats.
std::vector<int> ReferenceOrder(uint32_t seed, int n) {
    uint32_t state = seed;
    auto rand = [&state] {
        state = state * 214013u + 2531011u;
        return static_cast<int>(state >> 16 & 0x7FFF);
    };
    std::vector<int> order;
    while (static_cast<int>(order.size()) < n) {
        const int r = rand() % n;
        if (std::find(order.begin(), order.end(), r) == order.end()) order.push_back(r);
    }
    return order;
}

// A seed after which the generator's next draw puts the correct answer into `slot`.
uint32_t SeedForSlot(int slot) {
    for (uint32_t seed = 1;; ++seed) {
        platform::SeedRandom(seed);
        if (platform::Random() % 3 == slot) return seed;
    }
}

class QuizStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Install();
        state_->SetBank(bank_.data(), quiz::kBankSize);
    }

    std::vector<Question> bank_ = NumberedBank();
    std::unique_ptr<QuizState> state_ = std::make_unique<QuizState>();
};

TEST_F(QuizStateTest, TheOrderFollowsFromTheSecondAlone) {
    headless::SetTime(1767225600);
    state_->Shuffle(1000);
    const std::vector<int> first(state_->order, state_->order + 1000);

    auto other = std::make_unique<QuizState>();
    other->SetBank(bank_.data(), quiz::kBankSize);
    other->Shuffle(1000);
    EXPECT_EQ(std::vector<int>(other->order, other->order + 1000), first);

    headless::SetTime(1767225601);
    other->Shuffle(1000);
    EXPECT_NE(std::vector<int>(other->order, other->order + 1000), first);
}

// 1370 questions: a game still holds 1000 different ones, and over games every question of
// the bank comes up, not only the first 1000.
TEST_F(QuizStateTest, EveryQuestionOfALargerBankCanBeDrawn) {
    state_->SetBank(bank_.data(), 1370);
    std::vector<bool> seen(1370, false);
    for (int game = 0; game < 20; ++game) {
        headless::SetTime(1767225600 + game);
        ASSERT_EQ(state_->Shuffle(quiz::kDeckSize), 1000);
        std::vector<int> drawn(state_->order, state_->order + 1000);
        std::sort(drawn.begin(), drawn.end());
        EXPECT_EQ(std::adjacent_find(drawn.begin(), drawn.end()), drawn.end());
        ASSERT_GE(drawn.front(), 0);
        ASSERT_LT(drawn.back(), 1370);
        for (int record : drawn) seen[static_cast<std::size_t>(record)] = true;
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), false), 0);
}

TEST_F(QuizStateTest, ASmallBankIsAWholeDeckAndAnEmptyOneNone) {
    state_->SetBank(bank_.data(), 30);
    EXPECT_EQ(state_->Shuffle(quiz::kDeckSize), 30);
    EXPECT_EQ(state_->deckSize, 30);
    std::vector<int> drawn(state_->order, state_->order + 30);
    std::sort(drawn.begin(), drawn.end());
    for (int i = 0; i < 30; ++i) EXPECT_EQ(drawn[i], i);
    state_->SetBank(bank_.data(), 0);
    EXPECT_EQ(state_->Shuffle(quiz::kDeckSize), 0);
}

TEST(QuizStateDraw, ABankOfExactly1000RecordsKeepsTheClassicOrder) {
    headless::Install();
    const std::vector<Question> bank(1000);
    QuizState state;
    state.SetBank(bank.data(), 1000);
    for (const uint32_t second : {1767225600u, 1u, 4000000000u}) {
        headless::SetTime(second);
        ASSERT_EQ(state.Shuffle(quiz::kDeckSize), 1000);
        EXPECT_EQ(std::vector<int>(state.order, state.order + 1000), ReferenceOrder(second, 1000))
            << second;
    }
}

// The pool a topic choice gives: every record of it can come up, nothing else does, and the
// whole bank as a pool draws exactly the order the whole bank does.
TEST(QuizStateDraw, APoolIsDrawnLikeTheBankAndOnlyItsRecordsComeUp) {
    headless::Install();
    const std::vector<Question> bank(1000);
    QuizState state;
    state.SetBank(bank.data(), 1000);
    std::vector<int32_t> everything(1000);
    for (int32_t i = 0; i < 1000; ++i) everything[i] = i;
    headless::SetTime(1767225600);
    ASSERT_EQ(state.Shuffle(quiz::kDeckSize, everything), 1000);
    EXPECT_EQ(std::vector<int>(state.order, state.order + 1000), ReferenceOrder(1767225600, 1000));

    const std::vector<int32_t> pool = {3, 999, 500, 42, 7, 1000, -1};  // two outside the bank
    ASSERT_EQ(state.Shuffle(quiz::kDeckSize, pool), 5);
    std::vector<int32_t> drawn(state.order, state.order + 5);
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(drawn, (std::vector<int32_t>{3, 7, 42, 500, 999}));
}

// A pool naming a record twice must not make the draw wait forever for a record it has taken.
TEST(QuizStateDraw, APoolWithRepeatsDrawsEachRecordOnce) {
    headless::Install();
    const std::vector<Question> bank(100);
    QuizState state;
    state.SetBank(bank.data(), 100);
    ASSERT_EQ(state.Shuffle(quiz::kDeckSize, {5, 9, 5, 5, 9}), 2);
    std::vector<int32_t> drawn(state.order, state.order + 2);
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(drawn, (std::vector<int32_t>{5, 9}));
}

TEST_F(QuizStateTest, ShuffleResetsTheGameButKeepsTheModeValues) {
    state_->modeValue1 = 7;
    state_->modeValue2 = 3;
    state_->modeValue3 = 50;
    state_->modeValue4 = 1;
    state_->wrongTotal = 4;
    state_->wrongByPlayer[4] = 2;
    state_->rightByPlayer[0] = 9;
    state_->rightTotal = 9;
    state_->current = 12;
    state_->correctSlot[12] = 2;
    state_->Shuffle(10);
    EXPECT_EQ(state_->modeValue1, 7);
    EXPECT_EQ(state_->modeValue2, 3);
    EXPECT_EQ(state_->modeValue3, 0);
    EXPECT_EQ(state_->modeValue4, 0);
    EXPECT_EQ(state_->wrongTotal, 0);
    EXPECT_EQ(state_->wrongByPlayer[4], 0);
    EXPECT_EQ(state_->rightByPlayer[0], 0);
    EXPECT_EQ(state_->rightTotal, 0);
    EXPECT_EQ(state_->current, 0);
    EXPECT_EQ(state_->correctSlot[12], 0);
    EXPECT_EQ(state_->bank, bank_.data());
}

TEST_F(QuizStateTest, DeckSizesOutsideTheBankAreClamped) {
    EXPECT_EQ(state_->Shuffle(0), 0);
    EXPECT_EQ(state_->Shuffle(-3), 0);
    EXPECT_EQ(state_->Shuffle(5000), quiz::kBankSize);
    std::vector<int> drawn(state_->order, state_->order + quiz::kBankSize);
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(drawn.back(), quiz::kBankSize - 1);
    EXPECT_EQ(std::adjacent_find(drawn.begin(), drawn.end()), drawn.end());
}

TEST_F(QuizStateTest, TheCorrectAnswerTradesPlacesWithTheDrawnSlot) {
    state_->order[5] = 42;
    struct Case {
        int slot;
        const char* answers[3];
    };
    const Case cases[] = {
        {0, {"R42", "A42", "B42"}}, {1, {"A42", "R42", "B42"}}, {2, {"B42", "A42", "R42"}}};
    for (const Case& c : cases) {
        platform::SeedRandom(SeedForSlot(c.slot));
        const Question q = state_->GetQuestion(5, true);
        EXPECT_STREQ(q.question, "Q42");
        for (int i = 0; i < 3; ++i) EXPECT_STREQ(q.answers[i], c.answers[i]) << "slot " << c.slot;
        EXPECT_EQ(state_->correctSlot[5], c.slot);
    }
    EXPECT_STREQ(bank_[42].answers[0], "R42");  // the bank itself never changes
}

TEST_F(QuizStateTest, WithoutShufflingTheAnswersStayAndTheSlotIsKept) {
    state_->order[3] = 7;
    state_->correctSlot[3] = 2;
    const Question q = state_->GetQuestion(3, false);
    EXPECT_STREQ(q.answers[0], "R7");
    EXPECT_STREQ(q.answers[2], "B7");
    EXPECT_EQ(state_->correctSlot[3], 2);
}

TEST_F(QuizStateTest, FetchingTheSameQuestionAgainRecordsTheLastSlot) {
    state_->order[0] = 1;
    platform::SeedRandom(SeedForSlot(1));
    state_->GetQuestion(0, true);
    platform::SeedRandom(SeedForSlot(2));
    const Question q = state_->GetQuestion(0, true);
    EXPECT_EQ(state_->correctSlot[0], 2);
    EXPECT_STREQ(q.answers[2], "R1");
}

TEST_F(QuizStateTest, NoBankOrAnIndexOutsideTheTableGivesAnEmptyQuestion) {
    EXPECT_STREQ(state_->GetQuestion(-1, true).question, "");
    EXPECT_STREQ(state_->GetQuestion(quiz::kBankSize, true).question, "");
    QuizState unattached;
    EXPECT_STREQ(unattached.GetQuestion(0, true).answers[0], "");
}

}  // namespace

// A full deck is asked from position 1 on; a shorter one from position 0, so all of it plays.
TEST_F(QuizStateTest, AdvanceWalksAFullDeckFromOneAndAShortDeckWhole) {
    state_->Shuffle(quiz::kDeckSize);
    ASSERT_TRUE(state_->Advance());
    EXPECT_EQ(state_->current, 1);
    state_->current = quiz::kDeckSize - 2;
    ASSERT_TRUE(state_->Advance());
    EXPECT_FALSE(state_->Advance());
    EXPECT_EQ(state_->current, quiz::kDeckSize - 1);

    for (int size : {1, 3}) {
        state_->SetBank(bank_.data(), size);
        state_->Shuffle(quiz::kDeckSize);
        int asked = 0;
        while (state_->Advance()) EXPECT_EQ(state_->current, asked++);
        EXPECT_EQ(asked, size);
    }
    state_->SetBank(bank_.data(), 0);
    state_->Shuffle(quiz::kDeckSize);
    EXPECT_FALSE(state_->Advance());
    EXPECT_EQ(state_->current, 0);
}
