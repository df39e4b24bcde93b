#include "effects.h"

#include <cmath>

namespace sfx {
namespace {

// Equal-tempered pitches of the notes the effects use.
double Note(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }
constexpr int kC5 = 3, kE5 = 7, kG5 = 10, kA5 = 12, kB5 = 14, kC6 = 15, kD6 = 17, kE6 = 19,
              kG6 = 22;
constexpr int kC4 = -9, kEb4 = -6, kG4 = -2, kA3 = -12, kF3 = -16, kD5 = 5;

// A struck note: quick attack, exponential fall, with a quieter octave for brightness.
Signal Bell(double hz, double seconds, double decay) {
    Signal note = Tone(Wave::Sine, hz, seconds);
    MixInto(note, Tone(Wave::Sine, hz * 2, seconds), 0, 0.3);
    Envelope(note, 0.003, decay);
    return note;
}

Signal Plucked(Wave wave, double hz, double seconds, double decay) {
    Signal note = Tone(wave, hz, seconds);
    Envelope(note, 0.004, decay);
    return note;
}

Signal Click() {
    Signal click = Noise(0.03, 3500, 7);
    Envelope(click, 0.001, 0.005);
    MixInto(click, Plucked(Wave::Sine, 1900, 0.03, 0.006), 0, 0.6);
    Normalise(click, 0.45);
    return click;
}

Signal Reveal(int note) {
    Signal pop = Bell(Note(note), 0.16, 0.05);
    Normalise(pop, 0.45);
    return pop;
}
Signal Reveal1() { return Reveal(kC6); }
Signal Reveal2() { return Reveal(kE6); }
Signal Reveal3() { return Reveal(kG6); }

Signal Right() {
    Signal chord;
    const int notes[] = {kC5, kE5, kG5, kC6};
    for (int i = 0; i < 4; ++i) {
        MixInto(chord, Plucked(Wave::Triangle, Note(notes[i]), 0.45 - i * 0.06, 0.18), i * 0.06);
    }
    Normalise(chord, 0.8);
    return chord;
}

Signal Wrong() {
    Signal buzz;
    for (int i = 0; i < 2; ++i) {
        const double hz = Note(i == 0 ? kA3 : kF3);
        Signal part = Tone(Wave::Saw, hz, 0.24);
        MixInto(part, Tone(Wave::Saw, hz * 1.012, 0.24), 0, 0.8);  // beating makes it sour
        Envelope(part, 0.005, 0.2);
        MixInto(buzz, part, i * 0.24);
    }
    Normalise(buzz, 0.75);
    return buzz;
}

Signal TimeOut() {
    Signal fall = Tone(Wave::Square, 880, 180, 0.65);
    Envelope(fall, 0.01, 0.4);
    Signal hiss = Noise(0.25, 1200, 11);
    Envelope(hiss, 0.02, 0.08);
    MixInto(fall, hiss, 0.42, 0.6);
    Normalise(fall, 0.75);
    return fall;
}

Signal ClockTick() {
    Signal tick = Plucked(Wave::Sine, 1250, 0.07, 0.012);
    MixInto(tick, Plucked(Wave::Sine, 2500, 0.07, 0.006), 0, 0.5);
    Signal knock = Noise(0.02, 5000, 3);
    Envelope(knock, 0.0005, 0.003);
    MixInto(tick, knock, 0, 0.4);
    Normalise(tick, 0.6);
    return tick;
}

Signal Points() {
    Signal coin = Plucked(Wave::Square, Note(kB5), 0.08, 0.2);
    MixInto(coin, Plucked(Wave::Square, Note(kE6), 0.34, 0.12), 0.08);
    Normalise(coin, 0.55);
    return coin;
}

Signal Premium() {
    Signal shimmer;
    const int notes[] = {kG5, kB5, kD6, kG6};
    for (int i = 0; i < 4; ++i) {
        MixInto(shimmer, Bell(Note(notes[i]), 0.9 - i * 0.1, 0.35), i * 0.1);
    }
    Signal sparkle = Noise(0.9, 8000, 5);
    Envelope(sparkle, 0.2, 0.25);
    MixInto(shimmer, sparkle, 0, 0.15);
    Tremolo(shimmer, 9, 0.3);
    Normalise(shimmer, 0.7);
    return shimmer;
}

Signal LifeWon() {
    Signal rise = Tone(Wave::Triangle, Note(kC5), Note(kC6), 0.25);
    Envelope(rise, 0.01, 0);
    MixInto(rise, Plucked(Wave::Triangle, Note(kE6), 0.35, 0.15), 0.25);
    MixInto(rise, Plucked(Wave::Sine, Note(kG6), 0.35, 0.15), 0.25, 0.6);
    Normalise(rise, 0.7);
    return rise;
}

Signal LifeLost() {
    Signal fall;
    for (int i = 0; i < 2; ++i) {
        const double from = Note(i == 0 ? kG4 : kEb4);
        Signal part = Tone(Wave::Square, from, from * 0.85, 0.28);
        Envelope(part, 0.01, 0.2);
        MixInto(fall, part, i * 0.3);
    }
    Normalise(fall, 0.7);
    return fall;
}

Signal GameOver() {
    Signal fall;
    const int notes[] = {kG4, kEb4, kC4};
    for (int i = 0; i < 3; ++i) {
        const double length = i == 2 ? 0.9 : 0.4;
        Signal part = Tone(Wave::Triangle, Note(notes[i]), length);
        MixInto(part, Tone(Wave::Sine, Note(notes[i]) / 2, length), 0, 0.5);
        Envelope(part, 0.01, i == 2 ? 0.5 : 0.3);
        MixInto(fall, part, i * 0.4);
    }
    Tremolo(fall, 5, 0.15);
    Normalise(fall, 0.75);
    return fall;
}

Signal NewEntry() {
    Signal fanfare;
    const int run[] = {kC5, kE5, kG5};
    for (int i = 0; i < 3; ++i) {
        MixInto(fanfare, Plucked(Wave::Square, Note(run[i]), 0.14, 0.1), i * 0.12);
    }
    for (int note : {kC5, kE5, kG5, kC6}) {
        Signal held = Tone(Wave::Triangle, Note(note), 0.8);
        Envelope(held, 0.02, 0.4);
        MixInto(fanfare, held, 0.36, 0.5);
    }
    Normalise(fanfare, 0.75);
    return fanfare;
}

// Each player's claim has its own pitch and timbre, so the room hears who was first.
Signal Claim1() {
    Signal beeps;
    for (int i = 0; i < 2; ++i) {
        MixInto(beeps, Plucked(Wave::Square, Note(kC5), 0.12, 0.2), i * 0.15);
    }
    Normalise(beeps, 0.6);  // a full square wave: as loud as the others at a lower peak
    return beeps;
}

Signal Claim2() {
    Signal chirp = Tone(Wave::Triangle, Note(kE5), Note(kE6), 0.3);
    Envelope(chirp, 0.003, 0.2);
    Normalise(chirp, 0.8);
    return chirp;
}

Signal Claim3() {
    Signal buzzer = Tone(Wave::Saw, Note(kG4), 0.35);
    MixInto(buzzer, Tone(Wave::Saw, Note(kG4) * 1.5, 0.35), 0, 0.5);
    Envelope(buzzer, 0.003, 0.3);
    Normalise(buzzer, 0.8);
    return buzzer;
}

Signal Claim4() {
    Signal bells;
    for (int i = 0; i < 2; ++i) MixInto(bells, Bell(Note(kA5), 0.2, 0.08), i * 0.1);
    Normalise(bells, 0.8);
    return bells;
}

Signal Claim5() {
    Signal boing = Tone(Wave::Sine, Note(kD5) * 1.6, Note(kD5), 0.35);
    MixInto(boing, Tone(Wave::Triangle, Note(kD5) * 0.8, Note(kD5) / 2, 0.35), 0, 0.5);
    Tremolo(boing, 14, 0.4);
    Envelope(boing, 0.003, 0.25);
    Normalise(boing, 0.8);
    return boing;
}

}  // namespace

const std::vector<Effect>& EffectTable() {
    static const std::vector<Effect> table = {
        {"click", Click},        {"reveal1", Reveal1},    {"reveal2", Reveal2},
        {"reveal3", Reveal3},    {"right", Right},        {"wrong", Wrong},
        {"timeout", TimeOut},    {"tick", ClockTick},     {"points", Points},
        {"premium", Premium},    {"life_won", LifeWon},   {"life_lost", LifeLost},
        {"game_over", GameOver}, {"new_entry", NewEntry}, {"claim1", Claim1},
        {"claim2", Claim2},      {"claim3", Claim3},      {"claim4", Claim4},
        {"claim5", Claim5},
    };
    return table;
}

std::vector<int16_t> Render(const Effect& effect) { return ToPcm16(effect.make()); }

}  // namespace sfx
