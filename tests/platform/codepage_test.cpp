#include "platform/platform.h"

#include <gtest/gtest.h>

TEST(Codepage, CzechLettersMapToWindows1250) {
    bool ok = false;
    const std::string text = platform::Utf8ToCp1250("Příliš žluťoučký kůň úpěl ďábelské ódy", &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(text,
              "P\xF8\xEDli\x9A \x9Elu\x9Do\x75\xE8k\xFD k\xF9\xF2 \xFAp\xECl \xEF\xE1"
              "belsk\xE9 \xF3\x64y");
    EXPECT_EQ(platform::Utf8ToCp1250("ŠŤŽŘČĚŮ„“–"), "\x8A\x8D\x8E\xD8\xC8\xCC\xD9\x84\x93\x96");
}

TEST(Codepage, UnmappableCharactersAreDroppedAndReported) {
    bool ok = true;
    EXPECT_EQ(platform::Utf8ToCp1250("a\xE2\x89\xA0" "b\xF0\x9F\x98\x80" "c", &ok), "abc");
    EXPECT_FALSE(ok);
    // A broken sequence is not a character either.
    EXPECT_EQ(platform::Utf8ToCp1250("x\xC3", &ok), "x");
    EXPECT_FALSE(ok);
}

TEST(Codepage, EveryDefinedByteSurvivesARoundTrip) {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        if (platform::Cp1250ToUnicode(static_cast<uint8_t>(byte)) == 0xFFFD) continue;
        bool ok = false;
        EXPECT_EQ(platform::Utf8ToCp1250(platform::Cp1250ToUtf8(one), &ok), one) << byte;
        EXPECT_TRUE(ok);
    }
    EXPECT_EQ(platform::Cp1250ToUnicode(0x81), 0xFFFDu);  // undefined in the code page
}
