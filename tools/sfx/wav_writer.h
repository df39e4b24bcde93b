// Plain RIFF WAVE files: 16-bit PCM, mono, at the synthesiser's rate; the format every
// audio loader takes.
#pragma once

#include <cstdint>
#include <vector>

namespace sfx {

std::vector<uint8_t> EncodeWav(const std::vector<int16_t>& samples, int sampleRate);

}  // namespace sfx
