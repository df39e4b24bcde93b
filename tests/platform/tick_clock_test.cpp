// Elapsed time from the wrapping 32-bit tick count.
#include "platform/tick_clock.h"

#include <gtest/gtest.h>

using platform::SecondsClock;
using platform::TickReached;
using platform::TickSecondsSince;

TEST(TickClock, WholeSecondsCountTickCountSecondsAndGoStraightOnAcrossTheWrap) {
    EXPECT_EQ(TickSecondsSince(1999, 2000), 1);  // a new tick-count second has begun
    EXPECT_EQ(TickSecondsSince(2000, 2999), 0);
    EXPECT_EQ(TickSecondsSince(1'000'500, 1'010'499), 10);
    const uint32_t beforeWrap = 0xFFFFFFFFu - 1500;  // second 4294965
    EXPECT_EQ(TickSecondsSince(beforeWrap, beforeWrap + 1000), 1);
    EXPECT_EQ(TickSecondsSince(beforeWrap, beforeWrap + 3000), 3);  // lands past the wrap
    EXPECT_EQ(TickSecondsSince(beforeWrap, beforeWrap + 11000), 11);
}

TEST(TickClock, DueTicksAreReachedAcrossTheWrap) {
    EXPECT_FALSE(TickReached(0x00000100u, 0xFFFFFF00u));
    EXPECT_TRUE(TickReached(0x00000100u, 0x00000100u));
    EXPECT_TRUE(TickReached(0xFFFFFF00u, 0x00000010u));
}

TEST(TickClock, AClockResumesAtAnEarlierReading) {
    SecondsClock clock;
    EXPECT_EQ(clock.Elapsed(5000), 0);
    const uint32_t start = 0xFFFFFFFFu - 200;
    clock.Start(start);
    EXPECT_EQ(clock.Elapsed(start + 4000), 4);
    clock.Stop();
    EXPECT_FALSE(clock.running);
    clock.ResumeAt(4, start + 9000);
    EXPECT_EQ(clock.Elapsed(start + 9000), 4);
    EXPECT_EQ(clock.Elapsed(start + 17000), 12);
}
