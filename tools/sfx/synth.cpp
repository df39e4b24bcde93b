#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sfx {
namespace {

constexpr double kEndFadeSeconds = 0.004;

// One period of each shape, phase 0..1.
double Shape(Wave wave, double phase) {
    switch (wave) {
        case Wave::Sine:
            return std::sin(2 * std::numbers::pi * phase);
        case Wave::Triangle:
            return 1 - 4 * std::abs(phase - 0.5);
        // A few odd harmonics: square-ish without aliasing hiss.
        case Wave::Square: {
            double sum = 0;
            for (int k = 1; k <= 7; k += 2) sum += std::sin(2 * std::numbers::pi * k * phase) / k;
            return sum * 4 / std::numbers::pi * 0.9;
        }
        case Wave::Saw: {
            double sum = 0;
            for (int k = 1; k <= 8; ++k) sum += std::sin(2 * std::numbers::pi * k * phase) / k;
            return sum * 2 / std::numbers::pi * 0.9;
        }
    }
    return 0;
}

}  // namespace

std::size_t SamplesOf(double seconds) {
    return static_cast<std::size_t>(std::lround(std::max(seconds, 0.0) * kSampleRate));
}

Signal Tone(Wave wave, double fromHz, double toHz, double seconds) {
    Signal out(SamplesOf(seconds));
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = out.size() > 1 ? double(i) / double(out.size() - 1) : 0;
        out[i] = static_cast<float>(Shape(wave, phase));
        phase += (fromHz + (toHz - fromHz) * t) / kSampleRate;
        phase -= std::floor(phase);
    }
    return out;
}

Signal Noise(double seconds, double cutoffHz, uint32_t seed) {
    Signal out(SamplesOf(seconds));
    const double alpha = 1 - std::exp(-2 * std::numbers::pi * cutoffHz / kSampleRate);
    uint32_t state = seed;
    double smooth = 0;
    for (float& sample : out) {
        state = state * 1664525u + 1013904223u;
        const double white = double(state >> 8) / double(1u << 23) - 1;
        smooth += alpha * (white - smooth);
        sample = static_cast<float>(smooth);
    }
    return out;
}

void Envelope(Signal& signal, double attack, double decay) {
    const std::size_t attackSamples = SamplesOf(attack);
    const std::size_t fade = std::min(SamplesOf(kEndFadeSeconds), signal.size());
    for (std::size_t i = 0; i < signal.size(); ++i) {
        double gain = 1;
        if (i < attackSamples)
            gain = double(i) / double(attackSamples);
        else if (decay > 0)
            gain = std::exp(-double(i - attackSamples) / kSampleRate / decay);
        const std::size_t left = signal.size() - i;
        if (left <= fade) gain *= double(left - 1) / double(fade);
        signal[i] = static_cast<float>(signal[i] * gain);
    }
}

void Tremolo(Signal& signal, double hz, double depth) {
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double wobble =
            1 - depth * 0.5 * (1 - std::cos(2 * std::numbers::pi * hz * i / kSampleRate));
        signal[i] = static_cast<float>(signal[i] * wobble);
    }
}

void MixInto(Signal& mix, const Signal& part, double at, double gain) {
    const std::size_t start = SamplesOf(at);
    if (mix.size() < start + part.size()) mix.resize(start + part.size(), 0.0f);
    for (std::size_t i = 0; i < part.size(); ++i) {
        mix[start + i] += static_cast<float>(part[i] * gain);
    }
}

void Normalise(Signal& signal, double peak) {
    float largest = 0;
    for (float sample : signal) largest = std::max(largest, std::abs(sample));
    if (largest <= 0) return;
    const auto scale = static_cast<float>(peak / largest);
    for (float& sample : signal) sample *= scale;
}

std::vector<int16_t> ToPcm16(const Signal& signal) {
    std::vector<int16_t> out(signal.size());
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double scaled = std::lround(double(signal[i]) * 32767.0);
        out[i] = static_cast<int16_t>(std::clamp(scaled, -32768.0, 32767.0));
    }
    return out;
}

}  // namespace sfx
