// One class game's rules, apart from any screen: the pupils (a seat each, the phone room's),
// the question open for answers, scoring by speed, the ranking and what each question's
// answers were. Plain data on the game's thread; the screens and the phones read it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace classroom {

constexpr int kMaxPupils = 60;
constexpr int kAnswers = 3;
constexpr int32_t kRightPoints = 100;
constexpr int32_t kSpeedPoints = 900;  // for an answer the moment the clock starts
constexpr int8_t kNoChoice = -1;       // no answer given
constexpr int8_t kNotPlaying = -2;     // joined after the question opened

// What became of one answer. Anything but Taken leaves the game as it was.
enum class AnswerResult {
    Taken,
    NotOpen,        // no question takes answers now (before, or after the clock)
    Twice,          // the pupil already answered this question
    OtherQuestion,  // the answer names another question than the open one
    OutOfRange,     // not one of the three answers
    NoPupil,        // the seat holds no pupil in this game, or a late joiner's first question
};

struct Pupil {
    std::string name;  // UTF-8, as the room spelt it
    bool present = false;    // has a seat in this game
    bool connected = false;  // its phone is connected now
    bool removed = false;    // the host removed it: out of the game and its ranking
    int32_t points = 0;
    int right = 0;
    int streak = 0;              // right answers in a row
    int32_t lastPoints = 0;      // what the last closed question gave
    int placeBefore = 0;         // place before the last closed question, 0 none
    std::vector<int8_t> choices;  // per question: 0..2, kNoChoice or kNotPlaying
};

struct QuestionTally {
    int correct = 0;                    // the right answer's slot, 0..2
    std::array<int, kAnswers> chosen{};  // pupils who chose each answer
    int none = 0;                       // pupils playing it who gave none
};

class ClassGame {
public:
    // A fresh game of `questions`: pupils seated now stay, with nothing scored.
    void Start(int questions);
    // A phone took seat `seat` (or came back to it) under `name`; false for a removed pupil
    // or a seat out of range.
    bool Seat(int seat, const std::string& name);
    void SetConnected(int seat, bool connected);
    // Takes the pupil out of this game; the phone room keeps it out.
    void Remove(int seat);

    // Answers to question `index` (0-based) open at `now` for `lengthMs`; `correct` is the
    // right answer's slot.
    void Open(int index, int correct, uint32_t now, uint32_t lengthMs);
    AnswerResult Answer(int seat, int question, int choice, uint32_t stamp);
    // The clock ran out at `now`, or every pupil playing has answered.
    bool ShouldClose(uint32_t now) const;
    // Scores the open question and keeps its tally.
    void Close();

    bool IsOpen() const { return open_; }
    int Question() const { return question_; }
    int Questions() const { return questions_; }
    // Whole seconds left on the open question's clock.
    int SecondsLeft(uint32_t now) const;
    int Playing() const;   // pupils who may answer the open question
    int Answered() const;  // of them, how many did
    int Seated() const;    // pupils in the game (not removed)

    const Pupil& PupilAt(int seat) const { return pupils_[seat]; }
    // Seats of the pupils in the game, best first (points, then right answers, then seat).
    std::vector<int> Ranking() const;
    // Shared places: one more than the pupils with more points; 0 for a seat not playing.
    int PlaceOf(int seat) const;
    const std::vector<QuestionTally>& Tallies() const { return tallies_; }
    // The points an answer arriving at `stamp` wins if right.
    int32_t PointsFor(uint32_t stamp) const;

private:
    bool InGame(int seat) const;

    std::array<Pupil, kMaxPupils> pupils_{};
    std::vector<QuestionTally> tallies_;
    std::array<uint32_t, kMaxPupils> stamps_{};
    int questions_ = 0;
    int question_ = -1;
    bool open_ = false;
    int correct_ = 0;
    uint32_t openedAt_ = 0;
    uint32_t lengthMs_ = 0;
};

}  // namespace classroom
