// The sound generator: every effect comes out as a valid WAV file of a sensible length and
// level, starts at once, never clips, and the build put each one into the game folder.
#include "effects.h"
#include "wav_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

constexpr double kFullScale = 32767.0;

struct Levels {
    double peak = 0;  // 0..1 of full scale
    double rms = 0;
};

Levels LevelsOf(const std::vector<int16_t>& samples, std::size_t from, std::size_t to) {
    Levels levels;
    double sum = 0;
    for (std::size_t i = from; i < to; ++i) {
        const double value = samples[i] / kFullScale;
        levels.peak = std::max(levels.peak, std::abs(value));
        sum += value * value;
    }
    levels.rms = to > from ? std::sqrt(sum / double(to - from)) : 0;
    return levels;
}

double SecondsOf(std::size_t samples) { return double(samples) / sfx::kSampleRate; }

uint32_t Read32(const std::vector<uint8_t>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t(bytes[at + 3]) << 24;
}
uint16_t Read16(const std::vector<uint8_t>& bytes, std::size_t at) {
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Checks a whole file's RIFF header as a 16-bit mono PCM sound at the generator's rate and
// returns its samples.
std::vector<int16_t> SamplesOfWav(const std::vector<uint8_t>& bytes) {
    std::vector<int16_t> samples;
    EXPECT_GE(bytes.size(), 44u);
    if (bytes.size() < 44) return samples;
    EXPECT_EQ(std::memcmp(bytes.data(), "RIFF", 4), 0);
    EXPECT_EQ(Read32(bytes, 4), bytes.size() - 8);
    EXPECT_EQ(std::memcmp(bytes.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(Read16(bytes, 20), 1);  // PCM
    EXPECT_EQ(Read16(bytes, 22), 1);  // mono
    EXPECT_EQ(Read32(bytes, 24), uint32_t(sfx::kSampleRate));
    EXPECT_EQ(Read32(bytes, 28), uint32_t(sfx::kSampleRate) * 2);
    EXPECT_EQ(Read16(bytes, 34), 16);
    EXPECT_EQ(std::memcmp(bytes.data() + 36, "data", 4), 0);
    EXPECT_EQ(Read32(bytes, 40), bytes.size() - 44);
    for (std::size_t at = 44; at + 1 < bytes.size(); at += 2) {
        samples.push_back(static_cast<int16_t>(Read16(bytes, at)));
    }
    return samples;
}

TEST(SoundEffects, EachIsLoudEnoughNeverClipsAndStartsAtOnce) {
    for (const sfx::Effect& effect : sfx::EffectTable()) {
        SCOPED_TRACE(effect.name);
        const std::vector<int16_t> samples = sfx::Render(effect);
        const double seconds = SecondsOf(samples.size());
        EXPECT_GE(seconds, 0.02);
        EXPECT_LE(seconds, 2.0);
        const Levels whole = LevelsOf(samples, 0, samples.size());
        EXPECT_LE(whole.peak, 0.9) << "headroom below full scale";
        EXPECT_GE(whole.peak, 0.4);
        EXPECT_GE(whole.rms, 0.08);
        // A sound that answers a press must be heard with it, not after a gap.
        const Levels onset = LevelsOf(samples, 0, std::min(samples.size(), sfx::SamplesOf(0.02)));
        EXPECT_GE(onset.peak, 0.1);
        // And it fades out instead of stopping on a step.
        EXPECT_LE(std::abs(samples.back() / kFullScale), 0.01);
    }
}

TEST(SoundEffects, TicksAndClaimsAreShortEnoughForTheirClocks) {
    for (const sfx::Effect& effect : sfx::EffectTable()) {
        const double seconds = SecondsOf(sfx::Render(effect).size());
        // A tick is over well before the next second's; a claim before the answer is given.
        const double limit = effect.name == "tick"              ? 0.2
                             : effect.name.starts_with("claim") ? 0.5
                             : effect.name == "click"           ? 0.1
                                                                : 2.0;
        EXPECT_LE(seconds, limit) << effect.name;
    }
}

TEST(SoundEffects, TheFiveClaimsSoundDifferent) {
    std::vector<std::vector<int16_t>> claims;
    for (const sfx::Effect& effect : sfx::EffectTable()) {
        if (effect.name.starts_with("claim")) claims.push_back(sfx::Render(effect));
    }
    ASSERT_EQ(claims.size(), 5u);
    for (std::size_t a = 0; a < claims.size(); ++a) {
        for (std::size_t b = a + 1; b < claims.size(); ++b) {
            EXPECT_NE(claims[a], claims[b]) << a << " " << b;
        }
    }
}

TEST(SoundEffects, TheEncoderWritesAPlainPcmWaveFile) {
    const std::vector<int16_t> samples = {0, 1000, -1000, 32767, -32768};
    EXPECT_EQ(SamplesOfWav(sfx::EncodeWav(samples, sfx::kSampleRate)), samples);
}

TEST(SoundEffects, TheBuildPutEveryEffectIntoTheGameFolderAsItIsMade) {
    for (const sfx::Effect& effect : sfx::EffectTable()) {
        SCOPED_TRACE(effect.name);
        const std::filesystem::path path =
            std::filesystem::path(BRELLIK_GAME_DIR) / "Sounds" / (effect.name + ".wav");
        ASSERT_TRUE(std::filesystem::exists(path));
        EXPECT_EQ(SamplesOfWav(ReadFile(path)), sfx::Render(effect)) << "the same on every run";
    }
}

}  // namespace
