#include "class_game.h"

#include <algorithm>

namespace classroom {

void ClassGame::Start(int questions) {
    questions_ = std::max(questions, 0);
    question_ = -1;
    open_ = false;
    tallies_.clear();
    for (Pupil& pupil : pupils_) {
        pupil.points = pupil.right = pupil.streak = pupil.lastPoints = pupil.placeBefore = 0;
        pupil.choices.assign(questions_, kNotPlaying);
    }
}

bool ClassGame::Seat(int seat, const std::string& name) {
    if (seat < 0 || seat >= kMaxPupils || pupils_[seat].removed) return false;
    Pupil& pupil = pupils_[seat];
    if (!pupil.present) {
        // A newcomer starts with nothing and plays from the next question on.
        pupil = Pupil{};
        pupil.present = true;
        pupil.choices.assign(questions_, kNotPlaying);
    }
    pupil.name = name;
    pupil.connected = true;
    return true;
}

void ClassGame::SetConnected(int seat, bool connected) {
    if (seat >= 0 && seat < kMaxPupils && pupils_[seat].present) pupils_[seat].connected = connected;
}

void ClassGame::Remove(int seat) {
    if (seat < 0 || seat >= kMaxPupils || !pupils_[seat].present) return;
    pupils_[seat].removed = true;
    pupils_[seat].connected = false;
}

bool ClassGame::InGame(int seat) const {
    return seat >= 0 && seat < kMaxPupils && pupils_[seat].present && !pupils_[seat].removed;
}

void ClassGame::Open(int index, int correct, uint32_t now, uint32_t lengthMs) {
    if (index < 0 || index >= questions_) return;
    question_ = index;
    correct_ = std::clamp(correct, 0, kAnswers - 1);
    openedAt_ = now;
    lengthMs_ = std::max<uint32_t>(lengthMs, 1);
    open_ = true;
    for (int seat = 0; seat < kMaxPupils; ++seat) {
        if (InGame(seat)) pupils_[seat].choices[index] = kNoChoice;
    }
}

int32_t ClassGame::PointsFor(uint32_t stamp) const {
    // A stamp before the opening (a press compensated for its round trip) counts as at once.
    const int32_t elapsed = std::max<int32_t>(static_cast<int32_t>(stamp - openedAt_), 0);
    const int64_t left = std::max<int64_t>(static_cast<int64_t>(lengthMs_) - elapsed, 0);
    return kRightPoints + static_cast<int32_t>(kSpeedPoints * left / lengthMs_);
}

AnswerResult ClassGame::Answer(int seat, int question, int choice, uint32_t stamp) {
    if (!open_) return AnswerResult::NotOpen;
    if (question != question_) return AnswerResult::OtherQuestion;
    if (choice < 0 || choice >= kAnswers) return AnswerResult::OutOfRange;
    if (!InGame(seat) || pupils_[seat].choices[question_] == kNotPlaying) {
        return AnswerResult::NoPupil;
    }
    if (static_cast<int32_t>(stamp - openedAt_) >= static_cast<int32_t>(lengthMs_)) {
        return AnswerResult::NotOpen;
    }
    int8_t& chosen = pupils_[seat].choices[question_];
    if (chosen != kNoChoice) return AnswerResult::Twice;
    chosen = static_cast<int8_t>(choice);
    stamps_[seat] = stamp;
    return AnswerResult::Taken;
}

int ClassGame::Playing() const {
    if (question_ < 0) return 0;
    int playing = 0;
    for (int seat = 0; seat < kMaxPupils; ++seat) {
        if (InGame(seat) && pupils_[seat].choices[question_] != kNotPlaying) ++playing;
    }
    return playing;
}

int ClassGame::Answered() const {
    if (question_ < 0) return 0;
    int answered = 0;
    for (int seat = 0; seat < kMaxPupils; ++seat) {
        if (InGame(seat) && pupils_[seat].choices[question_] >= 0) ++answered;
    }
    return answered;
}

int ClassGame::Seated() const {
    int seated = 0;
    for (int seat = 0; seat < kMaxPupils; ++seat) seated += InGame(seat) ? 1 : 0;
    return seated;
}

bool ClassGame::ShouldClose(uint32_t now) const {
    if (!open_) return false;
    if (static_cast<int32_t>(now - openedAt_) >= static_cast<int32_t>(lengthMs_)) return true;
    // A phone that dropped out is not waited for: the clock closes its question.
    bool waiting = false;
    for (int seat = 0; seat < kMaxPupils; ++seat) {
        const Pupil& pupil = pupils_[seat];
        if (InGame(seat) && pupil.connected && pupil.choices[question_] == kNoChoice) waiting = true;
    }
    return !waiting && Answered() > 0;
}

int ClassGame::SecondsLeft(uint32_t now) const {
    if (!open_) return 0;
    const int32_t left = static_cast<int32_t>(lengthMs_) - static_cast<int32_t>(now - openedAt_);
    return left <= 0 ? 0 : (left + 999) / 1000;
}

void ClassGame::Close() {
    if (!open_) return;
    open_ = false;
    QuestionTally tally;
    tally.correct = correct_;
    for (int seat = 0; seat < kMaxPupils; ++seat) {
        if (InGame(seat)) pupils_[seat].placeBefore = PlaceOf(seat);
    }
    for (int seat = 0; seat < kMaxPupils; ++seat) {
        Pupil& pupil = pupils_[seat];
        pupil.lastPoints = 0;
        if (!InGame(seat) || pupil.choices[question_] == kNotPlaying) continue;
        const int8_t choice = pupil.choices[question_];
        if (choice == kNoChoice) ++tally.none;
        else ++tally.chosen[choice];
        if (choice == correct_) {
            pupil.lastPoints = PointsFor(stamps_[seat]);
            pupil.points += pupil.lastPoints;
            ++pupil.right;
            ++pupil.streak;
        } else {
            pupil.streak = 0;
        }
    }
    tallies_.push_back(tally);
}

std::vector<int> ClassGame::Ranking() const {
    std::vector<int> seats;
    for (int seat = 0; seat < kMaxPupils; ++seat) {
        if (InGame(seat)) seats.push_back(seat);
    }
    std::stable_sort(seats.begin(), seats.end(), [this](int a, int b) {
        const Pupil& x = pupils_[a];
        const Pupil& y = pupils_[b];
        if (x.points != y.points) return x.points > y.points;
        return x.right > y.right;
    });
    return seats;
}

int ClassGame::PlaceOf(int seat) const {
    if (!InGame(seat)) return 0;
    int place = 1;
    for (int other = 0; other < kMaxPupils; ++other) {
        if (InGame(other) && pupils_[other].points > pupils_[seat].points) ++place;
    }
    return place;
}

}  // namespace classroom
