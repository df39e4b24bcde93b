// The WAV header check every effect passes before it is loaded: a file that claims more
// sound than an effect may last is refused, whatever the rest of it holds.
#include "platform/headless/recording_sound.h"
#include "platform/platform.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

std::string Le(uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
    return out;
}

// A PCM WAV file of `rate` Hz, 2 channels, 16 bits, whose data chunk claims `dataBytes` and
// holds `heldBytes` of silence; `extra` goes between the format and data chunks.
std::string Wave(uint32_t rate, uint32_t dataBytes, uint32_t heldBytes,
                 const std::string& extra = "") {
    const std::string format = "fmt " + Le(16, 4) + Le(1, 2) + Le(2, 2) + Le(rate, 4) +
                               Le(rate * 4, 4) + Le(4, 2) + Le(16, 2);
    const std::string body = "WAVE" + format + extra + "data" + Le(dataBytes, 4) +
                             std::string(heldBytes, '\0');
    return "RIFF" + Le(static_cast<uint32_t>(body.size()), 4) + body;
}

class SoundFileTest : public ::testing::Test {
protected:
    void SetUp() override { headless::InstallRecordingSound(); }
    bool Sane(const std::string& bytes) {
        dir.Write("effect.wav", bytes);
        return platform::SoundFileIsSane(dir / "effect.wav");
    }
    testing_support::ScratchFolder dir;
};

}  // namespace

TEST_F(SoundFileTest, ClaimsBeyondThirtySecondsAreRefusedBeforeLoading) {
    EXPECT_TRUE(Sane(Wave(44100, 4000, 4000)));
    EXPECT_TRUE(Sane(Wave(44100, 44100 * 4 * 30, 64)));  // short, but within the length
    EXPECT_FALSE(Sane(Wave(44100, 44100 * 4 * 30 + 4, 64)));
    EXPECT_FALSE(Sane(Wave(44100, 0x80000000u, 4000)));
    EXPECT_FALSE(Sane(Wave(0, 4000, 4000)));  // no rate: any length is too long
    // A data chunk before any format chunk, and one behind a padded odd-length chunk.
    EXPECT_FALSE(Sane("RIFF" + Le(12, 4) + "WAVEdata" + Le(4000, 4)));
    const std::string oddList = "LIST" + Le(3, 4) + std::string("abc\0", 4);
    EXPECT_TRUE(Sane(Wave(22050, 4000, 4000, oddList)));
    EXPECT_FALSE(Sane(Wave(22050, 0x7FFFFFF0u, 4000, oddList)));
}

TEST_F(SoundFileTest, ARefusedEffectGetsNoHandleWhileAGoodOneLoads) {
    ASSERT_TRUE(platform::OpenSound());
    dir.Write("Sounds/good.wav", Wave(44100, 400, 400));
    dir.Write("Sounds/huge.wav", Wave(44100, 0x80000000u, 400));
    EXPECT_GE(platform::LoadSound(dir / "Sounds/good.wav"), 0);
    EXPECT_EQ(platform::LoadSound(dir / "Sounds/huge.wav"), -1);
    EXPECT_EQ(headless::LoadedSounds(), std::vector<std::string>{"good"});
}

TEST_F(SoundFileTest, EveryShippedEffectPasses) {
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(BRELLIK_GAME_DIR "/Sounds")) {
        EXPECT_TRUE(platform::SoundFileIsSane(entry.path().string())) << entry.path();
        ++checked;
    }
    EXPECT_GT(checked, 10);
}
