// What the game tells one phone: its player, the phase of the question, the answers when it may
// answer, and the scores. Plain data, built on the game's thread and sent by the server's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace phones {

enum class Phase {
    Waiting,     // no game running, or the phone's buzzer belongs to no player
    Question,    // a question and its answers are being shown; claims are not open yet
    Claims,      // the claim clock runs: buzz now
    Answer,      // this phone's player claimed and answers
    Other,       // someone else answers
    LockedOut,   // this phone's player failed this question and may not claim it again
    Right,       // this phone's player answered right
    Wrong,       // this phone's player answered wrong or let the answer clock run out
    Heard,       // someone else's answer was judged (see `claimer` and `verdict`)
    TimeUp,      // the claim clock ran out: nobody won the question
    Result,      // the game is over
    // The class game, where every phone answers every question:
    Choose,      // the answer clock runs: choose one of `answers` for `question`
    Chosen,      // this phone answered `chosen`; locked until the question ends
    Outcome,     // the question ended: `right`, `points` won, `total`, `place` of `of`
};

// Why a phone whose buzzer belongs to no player waits.
enum class WaitNote {
    None,     // a row can still take it on the set-up screen
    Full,     // every row of the set-up screen is taken
    Running,  // a game runs: the next one can take it
};

const char* PhaseName(Phase phase);

struct PhoneScore {
    std::string name;  // UTF-8
    int32_t points = 0;
    uint32_t colour = 0;  // 0xRRGGBB
    bool operator==(const PhoneScore&) const = default;
};

struct PhoneView {
    std::string player;   // UTF-8; empty when no player holds this phone's buzzer
    uint32_t colour = 0;  // the player's colour, 0xRRGGBB
    Phase phase = Phase::Waiting;
    WaitNote note = WaitNote::None;    // only in Waiting without a player
    std::vector<std::string> answers;  // UTF-8, only while the phone may answer
    int32_t seconds = 0;               // Answer: whole seconds left on the answer clock
    PhoneScore claimer;                // Other and Heard: who answers or answered
    bool right = false;                // Heard: the claimer's answer was right
    int32_t points = 0;                // Right, Wrong and Heard: what the answer won or lost
    int32_t place = 0;                 // Result: this phone's player's place (shared), 0 none
    // The class game.
    int32_t question = -1;  // Choose, Chosen: the question's number in the game, from 0
    int32_t chosen = -1;    // Chosen, Outcome: the answer given, 0..2; -1 none
    int32_t total = 0;      // Outcome, Result: the points so far
    int32_t of = 0;         // Outcome, Result: pupils placed
    int32_t streak = 0;     // Outcome: right answers in a row
    std::vector<PhoneScore> scores;
    bool operator==(const PhoneView&) const = default;
};

}  // namespace phones
