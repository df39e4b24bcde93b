// The single-player mode: its question state and fonts, and its screens.
#pragma once

#include "gfx/font.h"
#include "quiz/quiz_state.h"

#include <cstdint>

class Control;

extern quiz::QuizState* singleQuiz;
extern gfx::Font* SingleFontScore;
extern gfx::Font* SingleFontText;
extern gfx::Font* SingleFontSmall;

// Puts the mode's switches, clock and answer state back as a fresh start has them.
void SingleResetState();
// Creates the mode's question state and fonts (once, at start-up).
void SingleStartUp();
void SingleShutDown();
// `count` questions follow `records`; each game draws its deck from all of them.
void SingleAttachQuestionBank(const quiz::Question* records, int count);

void SingleBuildScreen();
void SingleOnControlEvent(int32_t id, int32_t event, int32_t value);
void SingleTick();
void SingleInput(int32_t code, int32_t value, int32_t* handled);
// The exit dialog was closed with "no" during the clock game.
void SingleOnExitDialogDeclined();
