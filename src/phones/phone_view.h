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
    Right,       // the last answer was right
    Wrong,       // the last answer was wrong or missed
    TimeUp,      // the claim clock ran out: nobody won the question
    Result,      // the game is over
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
    std::vector<std::string> answers;  // UTF-8, only while the phone may answer
    std::vector<PhoneScore> scores;
    bool operator==(const PhoneView&) const = default;
};

}  // namespace phones
