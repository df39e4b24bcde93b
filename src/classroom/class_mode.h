// The class game: every pupil answers every question from a phone, up to sixty, scored by
// speed; the big screen shows the lobby, each question, how the class answered, the podium
// and the whole ranking, and the results are kept as CSV files in the user folder.
#pragma once

#include "class_game.h"
#include "class_results.h"
#include "quiz/question.h"

#include <cstdint>

namespace phones {
class PhoneServer;
}

void ClassResetState();
void ClassStartUp();
void ClassShutDown();
void ClassAttachQuestionBank(const quiz::Question* records, int count);

void ClassBuildScreen();
void ClassOnControlEvent(int32_t id, int32_t event, int32_t value);
void ClassTick();
void ClassInput(int32_t code, int32_t value, int32_t* handled);
// The class room's server stops when the host leaves the game's screens.
void ClassFollowState(int32_t state);
void ClassStopPhones();

namespace classroom {

enum class Stage { Lobby, Showing, Open, Reveal, Podium, Ranking };

constexpr int kLengths[] = {10, 20, 30};
constexpr int kAnswerSeconds[] = {10, 20, 30};

// What the screen and the phones are built from, for tests and the board.
struct ClassView {
    Stage stage = Stage::Lobby;
    int length = 10;        // questions in a game
    int answerSeconds = 20;
    int number = -1;        // the question shown, from 0
    int revealed = 0;       // answers shown so far on the big screen
    int confirmSeat = -1;   // the lobby asks whether to remove this pupil
    int scroll = 0;         // the ranking's first row shown
    quiz::Question question{};
    int correct = 0;
    SavedResults saved;
};

const ClassGame& Game();
const ClassView& View();
phones::PhoneServer* ClassServer();

}  // namespace classroom
