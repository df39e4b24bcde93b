// The header check of a WAV effect. SDL believes what the data chunk's length says and
// allocates for it, so the claim is measured against the effect length the game allows.
#include "platform.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace platform {

namespace {

// Whatever the rate, no effect needs more data than this: 30 s of 8 channels of 32 bits
// at 48 kHz.
constexpr uint64_t kLargestEffectBytes = uint64_t{kLongestEffectSeconds} * 48000 * 8 * 4;
// A WAV file's chunks before its data: format, list and fact chunks, a few padding ones.
constexpr int kMostChunksBeforeData = 64;

uint32_t Le(const uint8_t* p, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | p[i];
    return value;
}

// What the format chunk says about one second of sound.
struct WaveFormat {
    uint64_t sampleRate = 0;
    uint64_t channels = 0;
    uint64_t bitsPerSample = 0;
    bool seen = false;

    // The bytes one second takes as plain samples; 0 when the format names no rate.
    uint64_t BytesPerSecond() const {
        const uint64_t sampleBytes = bitsPerSample < 8 ? 1 : (bitsPerSample + 7) / 8;
        return sampleRate * channels * sampleBytes;
    }
};

bool ClaimFits(const WaveFormat& format, uint64_t dataBytes) {
    const uint64_t perSecond = format.BytesPerSecond();
    return format.seen && perSecond > 0 && dataBytes <= kLargestEffectBytes &&
           dataBytes <= perSecond * kLongestEffectSeconds;
}

// Walks the chunks of an opened RIFF WAVE file up to its data chunk.
bool ChunksFit(std::FILE* file) {
    WaveFormat format;
    for (int i = 0; i < kMostChunksBeforeData; ++i) {
        std::array<uint8_t, 8> header{};
        if (std::fread(header.data(), 1, header.size(), file) != header.size()) return true;
        const uint32_t length = Le(&header[4], 4);
        if (std::memcmp(header.data(), "data", 4) == 0) return ClaimFits(format, length);
        if (std::memcmp(header.data(), "fmt ", 4) == 0 && length >= 16) {
            std::array<uint8_t, 16> body{};
            if (std::fread(body.data(), 1, body.size(), file) != body.size()) return true;
            format = {Le(&body[4], 4), Le(&body[2], 2), Le(&body[14], 2), true};
            if (std::fseek(file, long{length} - 16 + (length & 1), SEEK_CUR) != 0) return true;
        } else if (std::fseek(file, long{length} + (length & 1), SEEK_CUR) != 0) {
            return true;
        }
    }
    return false;  // a header that never comes to its data
}

}  // namespace

bool SoundFileIsSane(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rbe");
    if (!file) return true;  // the loader reports a missing file as it does
    std::array<uint8_t, 12> riff{};
    const bool read = std::fread(riff.data(), 1, riff.size(), file) == riff.size();
    const bool wave = read && std::memcmp(riff.data(), "RIFF", 4) == 0 &&
                      std::memcmp(&riff[8], "WAVE", 4) == 0;
    const bool sane = !wave || ChunksFit(file);
    std::fclose(file);
    return sane;
}

}  // namespace platform
