// Phones seen in earlier games keep their slots: the roster file read back whatever it holds,
// and the room keeping a remembered slot for its phone only.
#include "room/phone_roster.h"
#include "phones/phone_protocol.h"
#include "phones/phone_room.h"
#include "platform/phone_keys.h"

#include <gtest/gtest.h>

namespace {

std::string JoinMessage(const std::string& id) {
    return R"({"v":1,"type":"join","id":")" + id + R"(","name":"X"})";
}

int SlotOfJoin(phones::PhoneRoom& room, phones::ConnectionId connection, const std::string& id) {
    room.Open(connection, "192.0.2.1", 0);
    const phones::Outcome outcome = room.Handle(connection, JoinMessage(id), false, 0);
    for (int slot = 0; slot < platform::kPhoneSlots; ++slot) {
        if (outcome.joined && room.PhoneIdOf(slot) == id) return slot;
    }
    return -1;
}

}  // namespace

TEST(PhoneRosterTest, ReadsBackWhatItWritesAndSkipsEverythingElse) {
    std::vector<std::string> ids(platform::kPhoneSlots);
    ids[0] = "phone-aaaa-0001";
    ids[15] = "phone-pppp-0016";
    EXPECT_EQ(room::ParsePhoneRoster(room::FormatPhoneRoster(ids)), ids);

    const auto parsed = room::ParsePhoneRoster(
        "0 phone-zero-0000\n17 phone-over-0017\n3 short\n4 bad/char/id\n"
        "x phone-xxxx-0000\n5phone-nosp-0005\n-2 phone-neg-00002\n2 phone-bbbb-0002\r\n");
    std::vector<std::string> expected(platform::kPhoneSlots);
    expected[1] = "phone-bbbb-0002";
    EXPECT_EQ(parsed, expected);
    EXPECT_EQ(room::ParsePhoneRoster(std::string(1 << 20, '9')).size(),
              static_cast<std::size_t>(platform::kPhoneSlots));
}

TEST(PhoneRosterTest, ARememberedPhoneGetsItsSlotBackAndNewPhonesLeaveIt) {
    phones::PhoneRoom room(nullptr);
    room.Remember(3, "phone-back-0004");
    room.Remember(5, "no");  // not a phone id: nothing kept
    room.Remember(6, "phone-back-0004");  // already kept in slot 3
    EXPECT_EQ(SlotOfJoin(room, 1, "phone-newa-0001"), 0);
    EXPECT_EQ(SlotOfJoin(room, 2, "phone-newb-0002"), 1);
    EXPECT_EQ(SlotOfJoin(room, 3, "phone-newc-0003"), 2);
    EXPECT_EQ(SlotOfJoin(room, 4, "phone-newd-0004"), 4);  // slot 3 stays the returning phone's
    EXPECT_EQ(SlotOfJoin(room, 5, "phone-back-0004"), 3);
    EXPECT_EQ(room.PhoneIdOf(6), "");
}
