// Names typed on phones become names the game can show and store; the phones' log lines are
// kept to what a log can hold for a whole evening.
#include "phones/log_throttle.h"
#include "phones/phone_names.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

namespace {

std::string Shown(std::string_view utf8, int number = 3) {
    return platform::Cp1250ToUtf8(phones::GameName(utf8, number));
}

}  // namespace

TEST(PhoneNames, OtherScriptsAreSpeltAndWhatNothingFitsIsReplacedNeverLeftEmpty) {
    EXPECT_EQ(Shown("Žofie Nováková"), "Žofie Nováková");
    EXPECT_EQ(Shown("Наташа Щукина"), "Nataša Ščukina");
    EXPECT_EQ(Shown("Юрий"), "Jurij");
    EXPECT_EQ(Shown("Σοφία"), "Sofia");
    EXPECT_EQ(Shown("Ñandú Håkon Œuvre"), "Nandú Hakon Oeuvre");
    EXPECT_EQ(Shown("Eva 😀👍🏽"), "Eva ?");
    // Nothing left that reads as a name: the player's number stands in.
    EXPECT_EQ(Shown("😀👨‍👩‍👧"), "Hráč 3");
    EXPECT_EQ(Shown("   \t "), "Hráč 3");
    EXPECT_EQ(Shown("", 12), "Hráč 12");
    EXPECT_EQ(Shown("\x01\x02\x7f"), "Hráč 3");
    EXPECT_EQ(Shown("  Petr \t  Malý  "), "Petr Malý");
}

TEST(PhoneNames, LongNamesAreCutToTheFieldWithoutATrailingSpace) {
    const std::string name = phones::GameName("Щщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщщ", 1);
    EXPECT_EQ(name.size(), phones::kGameNameBytes);
    EXPECT_EQ(phones::GameName("Anna Marie Svobodová Dvořák", 1).back(), 'k');
    EXPECT_EQ(phones::GameName("Anna Marie Svobodova Dvora Novak", 1), "Anna Marie Svobodova Dvora");
    // A flood of characters is read only as far as the field needs.
    EXPECT_LE(phones::GameName(std::string(100000, 'x'), 1).size(), phones::kGameNameBytes);
}

TEST(PhoneLog, RepeatsAndFloodsAreHeldBackAndCountedOnceAMinute) {
    phones::LogThrottle log(3);
    EXPECT_EQ(log.Pass("joined 1", 1000).size(), 1u);
    EXPECT_TRUE(log.Pass("joined 1", 2000).empty());  // a repeat within the minute
    EXPECT_EQ(log.Pass("joined 2", 3000).size(), 1u);
    EXPECT_EQ(log.Pass("joined 3", 4000).size(), 1u);
    EXPECT_TRUE(log.Pass("joined 4", 5000).empty());  // over the minute's lines
    EXPECT_TRUE(log.Flush(60000).empty());
    const std::vector<std::string> later = log.Pass("joined 1", 61001);
    ASSERT_EQ(later.size(), 2u);
    EXPECT_NE(later[0].find("2 more lines"), std::string::npos);
    EXPECT_EQ(later[1], "joined 1");
    // The tick count wraps: the minute still ends.
    phones::LogThrottle wrapping(1);
    wrapping.Pass("a", 0xFFFFF000u);
    EXPECT_TRUE(wrapping.Pass("b", 0xFFFFF100u).empty());
    EXPECT_EQ(wrapping.Flush(0xFFFFF000u + 60000u).size(), 1u);
}
