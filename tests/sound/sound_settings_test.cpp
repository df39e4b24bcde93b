// The volume and mute switch in the profile: read from the game's section, and written back
// without disturbing the lines other parts of the game keep there.
#include "sound/sound_settings.h"

#include <gtest/gtest.h>

using sound::ParseSoundSettings;
using sound::SoundSettings;
using sound::WithSoundSettings;

TEST(SoundSettings, AreReadFromTheGamesSectionOnly) {
    const SoundSettings settings = ParseSoundSettings(
        "[Other]\nSound volume=10\n[Brellik]\nData path=x\\\nSound volume=50\r\nSound muted=1\n",
        "Brellik");
    EXPECT_EQ(settings.volume, 50);
    EXPECT_TRUE(settings.muted);
    const SoundSettings none =
        ParseSoundSettings("[Other]\nSound volume=10\nSound muted=1\n", "Brellik");
    EXPECT_EQ(none.volume, 75);
    EXPECT_FALSE(none.muted);
}

TEST(SoundSettings, BadValuesKeepTheDefaultsAndTheVolumeStaysInRange) {
    EXPECT_EQ(ParseSoundSettings("[Brellik]\nSound volume=loud\n", "Brellik").volume, 75);
    EXPECT_EQ(ParseSoundSettings("[Brellik]\nSound volume=\n", "Brellik").volume, 75);
    EXPECT_EQ(ParseSoundSettings("[Brellik]\nSound volume=250\n", "Brellik").volume, 100);
    EXPECT_EQ(ParseSoundSettings("[Brellik]\nSound volume=-3\n", "Brellik").volume, 0);
    EXPECT_FALSE(ParseSoundSettings("[Brellik]\nSound muted=yes\n", "Brellik").muted);
}

TEST(SoundSettings, WritingReplacesOurLinesAndKeepsEveryOtherByteForByte) {
    const std::string before =
        "; comment\r\n[Brellik]\r\nData path=C:\\hra\\\r\nSound volume=25\r\nFullscreen=1\r\n"
        "Sound muted=0\r\n[Other]\r\nSound volume=5\r\n";
    const std::string after = WithSoundSettings(before, "Brellik", {100, true});
    EXPECT_EQ(
        after,
        "; comment\r\n[Brellik]\r\nSound volume=100\r\nSound muted=1\r\nData path=C:\\hra\\\r\n"
        "Fullscreen=1\r\n[Other]\r\nSound volume=5\r\n");
    const SoundSettings read = ParseSoundSettings(after, "Brellik");
    EXPECT_EQ(read.volume, 100);
    EXPECT_TRUE(read.muted);
}

TEST(SoundSettings, AMissingSectionOrProfileIsAdded) {
    EXPECT_EQ(WithSoundSettings("", "Brellik", {50, false}),
              "[Brellik]\nSound volume=50\nSound muted=0\n");
    EXPECT_EQ(WithSoundSettings("[Other]\nkey=1", "Brellik", {50, false}),
              "[Other]\nkey=1\n[Brellik]\nSound volume=50\nSound muted=0\n");
    EXPECT_EQ(WithSoundSettings("[Brellik]", "Brellik", {25, true}),
              "[Brellik]\nSound volume=25\nSound muted=1\n");
}
