// The buzzer game for two to five players: its question state and fonts, its screens and
// the routing of the frame's callbacks to its set-up and its play.
#pragma once

#include "gfx/font.h"
#include "quiz/quiz_state.h"

#include <cstdint>

extern quiz::QuizState* multiQuiz;
extern gfx::Font* MpFontSmall;
extern gfx::Font* MpFontName;
extern gfx::Font* MpFontQuestion;

// Creates the mode's question state and fonts (once, at start-up).
void MpStartUp();
void MpShutDown();
// `count` questions follow `records`; each game draws its deck from all of them.
void MpAttachQuestionBank(const quiz::Question* records, int count);
// Puts every value of the mode back as it is when the program starts.
void MpResetState();

void MpBuildScreen();
void MpOnControlEvent(int32_t id, int32_t event, int32_t value);
void MpTick();
void MpInput(int32_t code, int32_t value, int32_t* handled);
// The exit dialog was closed with "no" during a multiplayer question.
void MpOnExitDialogDeclined();
