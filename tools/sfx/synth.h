// The building blocks of the sound effects: mono signals of float samples at one rate,
// tones of a few wave shapes, noise, envelopes and mixing. Everything is computed, so the
// same build always writes the same files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sfx {

constexpr int kSampleRate = 44100;

using Signal = std::vector<float>;

enum class Wave { Sine, Triangle, Square, Saw };

// Samples in `seconds`, rounded.
std::size_t SamplesOf(double seconds);

// A tone whose pitch glides linearly from `fromHz` to `toHz`; a soft square and saw keep
// the harshest overtones out.
Signal Tone(Wave wave, double fromHz, double toHz, double seconds);
inline Signal Tone(Wave wave, double hz, double seconds) { return Tone(wave, hz, hz, seconds); }

// White noise from a fixed seed, through a one-pole low-pass at `cutoffHz`.
Signal Noise(double seconds, double cutoffHz, uint32_t seed);

// Shapes a signal: a linear rise over `attack` seconds, then an exponential fall with time
// constant `decay` seconds (0: none), and a short fade at the very end so no sound stops on a
// step.
void Envelope(Signal& signal, double attack, double decay);

// Slow loudness wobble: depth 0..1 at `hz`.
void Tremolo(Signal& signal, double hz, double depth);

// Adds `part` times `gain` into `mix` starting `at` seconds in; `mix` grows as needed.
void MixInto(Signal& mix, const Signal& part, double at, double gain = 1.0);

// Scales the signal so its largest sample is `peak` (0..1 of full scale).
void Normalise(Signal& signal, double peak);

// The signal as 16-bit samples, clamped to the 16-bit range.
std::vector<int16_t> ToPcm16(const Signal& signal);

}  // namespace sfx
