// The room's decisions that the protocol tests cannot see from outside: which slot a new
// phone gets when rows hold keys, which waiting connection gives way, what a press budget
// lets through, and the stamp a press carries.
#include "phones/phone_room.h"
#include "platform/phone_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Press {
    int32_t key;
    uint32_t stamp;
};

class PhoneRoomTest : public ::testing::Test {
protected:
    PhoneRoomTest() : room_([this](int32_t key, uint32_t stamp) { presses_.push_back({key, stamp}); }) {}

    static std::string Id(int n) { return "phone-test-" + std::to_string(1000 + n); }

    // The slot the phone joined on, -1 when refused.
    int Join(phones::ConnectionId connection, const std::string& id, uint32_t now = 0) {
        room_.Open(connection, "192.0.2.1", now);
        const phones::Outcome outcome =
            room_.Handle(connection, R"({"v":1,"type":"join","id":")" + id + R"("})", false, now);
        if (!outcome.joined) return -1;
        for (int slot = 0; slot < platform::kPhoneSlots; ++slot) {
            if (room_.PhoneIdOf(slot) == id) return slot;
        }
        return -1;
    }

    bool Buzz(phones::ConnectionId connection, uint32_t now) {
        return !room_.Handle(connection, R"({"v":1,"type":"buzz"})", false, now).close;
    }

    std::vector<Press> presses_;
    phones::PhoneRoom room_;
};

TEST_F(PhoneRoomTest, ANewPhoneNeverTakesARowsSlotAndAReturningPhoneGetsItsOwn) {
    for (int slot = 0; slot < platform::kPhoneSlots; ++slot) room_.Remember(slot, Id(slot));
    room_.SetRowSlots({0, 1, 2, 4});
    // Every slot is remembered; the first that no row uses is given away.
    EXPECT_EQ(Join(1, Id(100)), 3);
    for (int n = 0; n < 11; ++n) EXPECT_GE(Join(10 + n, Id(200 + n)), 5);
    EXPECT_EQ(Join(30, Id(300)), -1);  // only rows' slots are left
    EXPECT_EQ(Join(31, Id(2)), 2);     // a row's own phone comes back
    room_.SetRowSlots({});
    room_.Close(31);
    EXPECT_EQ(Join(32, Id(301)), 0);  // no row holds them now: the remembered ones go first
}

TEST_F(PhoneRoomTest, RecyclingTakesTheSlotLeftLongestAgoEvenAfterTheTickWraps) {
    for (int n = 0; n < platform::kPhoneSlots; ++n) ASSERT_EQ(Join(n + 1, Id(n)), n);
    room_.SetRowSlots({5});
    // Slot 5 left first but a row uses it; 9 was last heard 24.8 days after 2, which a
    // 32-bit tick difference takes for earlier.
    room_.Close(5 + 1);
    ASSERT_TRUE(Buzz(2 + 1, 0));
    room_.Close(2 + 1);
    ASSERT_TRUE(Buzz(9 + 1, 0x80000001u));
    room_.Close(9 + 1);
    EXPECT_EQ(Join(40, Id(40), 0x80000100u), 2);
    EXPECT_EQ(Join(41, Id(41), 0x80000200u), 9);
    EXPECT_EQ(Join(42, Id(42), 0x80000300u), -1);
    EXPECT_EQ(Join(43, Id(5), 0x80000400u), 5);
}

TEST_F(PhoneRoomTest, WaitingConnectionsGiveWayOldestFirstFromTheBusiestAddress) {
    phones::RoomLimits limits;
    limits.maxWaiting = 5;
    limits.maxWaitingPerAddress = 3;
    phones::PhoneRoom room(nullptr, limits);
    const auto join = R"({"v":1,"type":"join","id":"phone-test-0001"})";
    EXPECT_TRUE(room.Open(1, "127.0.0.11", 0).empty());
    EXPECT_TRUE(room.Handle(1, join, false, 0).joined);  // joined: never gives way
    for (phones::ConnectionId id = 2; id <= 4; ++id) EXPECT_TRUE(room.Open(id, "127.0.0.11", 0).empty());
    EXPECT_EQ(room.Open(5, "127.0.0.11", 0), std::vector<phones::ConnectionId>{2});
    EXPECT_TRUE(room.Open(6, "127.0.0.12", 0).empty());
    EXPECT_TRUE(room.Open(7, "127.0.0.13", 0).empty());
    // Full: the busiest address's oldest goes, not the newcomer's.
    EXPECT_EQ(room.Open(8, "127.0.0.14", 0), std::vector<phones::ConnectionId>{3});
    EXPECT_EQ(room.JoinedCount(), 1);
}

TEST_F(PhoneRoomTest, MashingDropsPressesAReconnectBringsNoNewBurstAFloodCloses) {
    ASSERT_EQ(Join(1, Id(1)), 0);
    for (uint32_t now = 0; now < 1000; now += 10) EXPECT_TRUE(Buzz(1, now));  // 100 a second
    EXPECT_NEAR(static_cast<double>(presses_.size()), 30, 2);  // the burst and 10 a second
    room_.Close(1);
    ASSERT_EQ(Join(2, Id(1), 1000), 0);
    presses_.clear();
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(Buzz(2, 1000));
    EXPECT_LE(presses_.size(), 1u);
    // Control frames count as messages: far beyond a thumb, the connection is closed.
    bool open = true;
    for (int i = 0; i < 200 && open; ++i) open = room_.Control(2, 1000);
    EXPECT_FALSE(open);
}

TEST_F(PhoneRoomTest, APressIsStampedEarlierByHalfTheMedianRoundTripUpTo40Ms) {
    ASSERT_EQ(Join(1, Id(1)), 0);
    ASSERT_TRUE(Buzz(1, 5000));
    for (int i = 0; i < 9; ++i) room_.MeasuredRoundTrip(1, 30);
    room_.MeasuredRoundTrip(1, 5000);  // one stalled pong does not move the median
    ASSERT_TRUE(Buzz(1, 5000));
    EXPECT_EQ(room_.RoundTripOf(0), 30);
    for (int i = 0; i < 10; ++i) room_.MeasuredRoundTrip(1, 300);
    ASSERT_TRUE(Buzz(1, 5000));
    ASSERT_EQ(presses_.size(), 3u);
    EXPECT_EQ(presses_[0].stamp, 5000u);  // nothing measured yet
    EXPECT_EQ(presses_[1].stamp, 5000u - 15);
    EXPECT_EQ(presses_[2].stamp, 5000u - 40);
    EXPECT_EQ(presses_[2].key, platform::MakePhoneKey(0, platform::kPhoneBuzzer));
}

}  // namespace

namespace {

// The class game's room: sixty seats, kept for their phones, answers checked before the game.
class ClassRoomTest : public ::testing::Test {
protected:
    ClassRoomTest()
        : room_([this](int32_t key, uint32_t stamp) { presses_.push_back({key, stamp}); },
                phones::RoomLimits{.maxWaiting = 1000, .maxWaitingPerAddress = 1000,
                                   .classRoom = true}) {}

    static std::string Id(int n) { return "class-phone-" + std::to_string(1000 + n); }

    phones::Outcome Send(phones::ConnectionId connection, const std::string& text) {
        return room_.Handle(connection, text, false, 100);
    }
    // Each connection from an address of its own: a flood from one address meets its budget.
    int Join(phones::ConnectionId connection, const std::string& id) {
        room_.Open(connection, "192.0.2." + std::to_string(connection % 250), 0);
        if (!Send(connection, R"({"v":1,"type":"join","id":")" + id + R"(","name":"x"})").joined) {
            return -1;
        }
        for (int seat = 0; seat < room_.Seats(); ++seat) {
            if (room_.PhoneIdOf(seat) == id) return seat;
        }
        return -1;
    }
    std::string Answer(phones::ConnectionId connection, int question, int n) {
        const phones::Outcome outcome = Send(connection, R"({"v":1,"type":"answer","q":)" +
                                                             std::to_string(question) +
                                                             R"(,"n":)" + std::to_string(n) + "}");
        return outcome.replies.empty() ? "" : outcome.replies.front();
    }

    std::vector<Press> presses_;
    phones::PhoneRoom room_;
};

TEST_F(ClassRoomTest, AFloodOfNewIdsNeverPushesOutAPupil) {
    ASSERT_EQ(room_.Seats(), platform::kClassSeats);
    for (int n = 0; n < platform::kClassSeats; ++n) ASSERT_EQ(Join(n + 1, Id(n)), n);
    room_.Close(8);  // pupil 7's phone drops: its seat waits for it
    for (int n = 0; n < 200; ++n) EXPECT_EQ(Join(100 + n, Id(500 + n)), -1);
    EXPECT_EQ(room_.JoinedCount(), platform::kClassSeats - 1);
    EXPECT_EQ(Join(400, Id(7)), 7);
}

TEST_F(ClassRoomTest, OnlyAnAnswerToTheQuestionShownPassesAndOnlyOnce) {
    ASSERT_EQ(Join(1, Id(0)), 0);
    EXPECT_NE(Answer(1, 0, 1).find("not open"), std::string::npos);
    phones::PhoneView view;
    view.phase = phones::Phase::Choose;
    view.question = 3;
    room_.Publish(0, view);
    EXPECT_NE(Answer(1, 2, 1).find("another question"), std::string::npos);
    EXPECT_TRUE(Send(1, R"({"v":1,"type":"answer","q":3,"n":4})").close);  // out of range
    EXPECT_NE(Send(1, R"({"v":1,"type":"buzz"})").replies.at(0).find("no buzzer"), std::string::npos);
    EXPECT_TRUE(presses_.empty());
    EXPECT_EQ(Answer(1, 3, 2), "");
    EXPECT_NE(Answer(1, 3, 3).find("already answered"), std::string::npos);
    room_.Close(1);
    ASSERT_EQ(Join(2, Id(0)), 0);  // back again: still answered
    EXPECT_NE(Answer(2, 3, 1).find("already answered"), std::string::npos);
    ASSERT_EQ(presses_.size(), 1u);
    EXPECT_EQ(presses_[0].key, platform::MakeClassKey(0, 3, 1));
    EXPECT_EQ(platform::ClassAnswerOf(presses_[0].key), 1);
    EXPECT_EQ(platform::ClassQuestionOf(presses_[0].key), 3);
}

TEST_F(ClassRoomTest, ARemovedPhoneIsToldAndCannotRejoin) {
    ASSERT_EQ(Join(1, Id(0)), 0);
    ASSERT_EQ(Join(2, Id(1)), 1);
    const auto [connection, text] = room_.Remove(0);
    EXPECT_EQ(connection, 1u);
    EXPECT_NE(text.find("removed"), std::string::npos);
    EXPECT_FALSE(room_.ConnectedOf(0));
    room_.Open(3, "192.0.2.1", 0);
    const phones::Outcome again = Send(3, R"({"v":1,"type":"join","id":")" + Id(0) + R"("})");
    EXPECT_FALSE(again.joined);
    EXPECT_TRUE(again.close);
    EXPECT_NE(again.replies.at(0).find("removed"), std::string::npos);
    EXPECT_EQ(Join(4, Id(2)), 2);  // the removed seat is not given away
}

}  // namespace
