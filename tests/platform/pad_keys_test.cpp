// The pad key encoding: pad keys never meet keyboard codes, and every pad key has a picture
// of its own after the keyboard's.
#include "platform/pad_keys.h"
#include "platform/pad_slots.h"

#include <gtest/gtest.h>

#include <set>

using namespace platform;

namespace {

std::vector<int32_t> EveryPadKey() {
    std::vector<int32_t> keys;
    for (int slot = 0; slot < kPadSlots; ++slot) {
        for (int button = 0; button < 256; ++button) {
            if (const int32_t key = MakePadKey(slot, button)) keys.push_back(key);
        }
    }
    return keys;
}

}  // namespace

TEST(PadKeys, NeverAKeyboardCodeAndEachOneHasItsOwnFrame) {
    for (int32_t scan = -1; scan < 512; ++scan) {
        EXPECT_FALSE(IsPadKey(scan)) << scan;
        EXPECT_EQ(PadKeyFrame(scan), -1);
    }
    const std::vector<int32_t> keys = EveryPadKey();
    ASSERT_EQ(static_cast<int>(keys.size()), kPadKeyFrames);
    std::set<int> frames;
    for (int32_t key : keys) {
        EXPECT_GE(key, 512);
        EXPECT_TRUE(IsPadKey(key));
        const int frame = PadKeyFrame(key);
        EXPECT_GE(frame, kKeyboardKeyFrames);
        EXPECT_LT(frame, kKeyboardKeyFrames + kPadKeyFrames);
        EXPECT_EQ(PadKeyOfFrame(frame), key);
        frames.insert(frame);
        EXPECT_FALSE(PadButtonName(PadButtonOf(key)).empty());
    }
    EXPECT_EQ(static_cast<int>(frames.size()), kPadKeyFrames);
    EXPECT_EQ(PadKeyOfFrame(kKeyboardKeyFrames - 1), 0);
}

TEST(PadKeys, SlotAndButtonComeBackAndOutOfRangeValuesAreRefused) {
    const int32_t key = MakePadKey(3, kJoystickButtonBase + 4);
    EXPECT_EQ(key, 0x10000 | 3 << 8 | 36);
    EXPECT_EQ(PadSlotOf(key), 3);
    EXPECT_EQ(PadButtonOf(key), kJoystickButtonBase + 4);
    EXPECT_EQ(PadButtonName(PadButtonOf(key)), "Tlačítko 5");
    EXPECT_EQ(PadButtonName(9), "LB");
    EXPECT_EQ(MakePadKey(kPadSlots, 0), 0);
    EXPECT_EQ(MakePadKey(0, kControllerButtons), 0);
    EXPECT_EQ(MakePadKey(0, kJoystickButtonBase + kJoystickButtons), 0);
    EXPECT_FALSE(IsPadKey(0x10000 | 8 << 8));
    EXPECT_FALSE(IsPadKey(0x30000 | 1));
    EXPECT_FALSE(IsPadKey(-1));
}

TEST(PadKeys, FaceButtonsAnswerOneToThree) {
    EXPECT_EQ(PadAnswerOf(MakePadKey(1, 0)), 0);  // A
    EXPECT_EQ(PadAnswerOf(MakePadKey(1, 1)), 1);  // B
    EXPECT_EQ(PadAnswerOf(MakePadKey(1, 2)), 2);  // X
    EXPECT_EQ(PadAnswerOf(MakePadKey(1, 3)), -1);
    EXPECT_EQ(PadAnswerOf(MakePadKey(1, kJoystickButtonBase + 2)), 2);
    EXPECT_EQ(PadAnswerOf(MakePadKey(1, kJoystickButtonBase + 3)), -1);
    EXPECT_EQ(PadAnswerOf(30), -1);
}

TEST(PadSlots, ThePadPluggedInTakesTheLowestFreeNumber) {
    PadSlots slots;
    EXPECT_EQ(slots.Take(), 0);
    EXPECT_EQ(slots.Take(), 1);
    EXPECT_EQ(slots.Take(), 2);
    slots.Release(1);
    EXPECT_FALSE(slots.InUse(1));
    EXPECT_EQ(slots.Take(), 1);
    for (int slot = 3; slot < kPadSlots; ++slot) EXPECT_EQ(slots.Take(), slot);
    EXPECT_EQ(slots.Take(), -1);
    slots.Release(-1);
    slots.Release(kPadSlots);
    EXPECT_TRUE(slots.InUse(kPadSlots - 1));
}

TEST(PadSlots, APadGetsItsOwnNumberBackAfterARestartWhateverOrderPadsAreFoundIn) {
    PadSlots before;
    EXPECT_EQ(before.Take("guidA/serial1"), 0);
    EXPECT_EQ(before.Take("guidA/serial2"), 1);  // same kind, told apart by the serial
    EXPECT_EQ(before.Take("guidB"), 2);

    PadSlots after;
    after.Recall(before.Remembered());
    EXPECT_EQ(after.Take("guidNew"), 3);  // a new pad leaves the known pads' numbers free
    EXPECT_EQ(after.Take("guidB"), 2);
    EXPECT_EQ(after.Take("guidA/serial2"), 1);
    EXPECT_EQ(after.Take("guidA/serial1"), 0);
    // Two pads with one identity share what is known of it, in turn.
    after.Release(0);
    after.Release(1);
    EXPECT_EQ(after.Take("guidA/serial1"), 0);
}

TEST(PadSlots, ABrokenSlotsFileIsReadAsFarAsItMakesSense) {
    PadSlots slots;
    slots.Recall("9 far\n3\n x\n1 with space\n2 " + std::string(200, 'g') + "\n\xFF\xFE\n4 ok\r\n");
    EXPECT_EQ(slots.Remembered(), "4 ok\n");
    EXPECT_EQ(slots.Take("ok"), 4);
    slots.Recall(std::string(1 << 20, '\n'));  // a huge file is read only as far as it counts
    EXPECT_EQ(slots.Take(), 0);
}
