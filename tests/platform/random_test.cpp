#include "platform/platform.h"

#include <gtest/gtest.h>

TEST(Random, FollowsTheRuntimeSequence) {
    platform::SeedRandom(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169};
    for (int value : expected) EXPECT_EQ(platform::Random(), value);
}

TEST(Random, SameSeedSameSequenceAndStaysInRange) {
    platform::SeedRandom(1767225600);
    std::vector<int> first;
    for (int i = 0; i < 1000; ++i) first.push_back(platform::Random());
    platform::SeedRandom(1767225600);
    for (int i = 0; i < 1000; ++i) {
        const int value = platform::Random();
        EXPECT_EQ(value, first[i]);
        EXPECT_GE(value, 0);
        EXPECT_LE(value, 32767);
    }
}
