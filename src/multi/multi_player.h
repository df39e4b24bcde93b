// The multiplayer mode: its question state and fonts, and its screens.
#pragma once

#include "gfx/font.h"
#include "quiz/quiz_state.h"

#include <cstdint>

extern quiz::QuizState* multiQuiz;

// Creates the mode's question state and fonts (once, at start-up).
void MpStartUp();
void MpShutDown();
// `count` questions follow `records`; each game draws its deck from all of them.
void MpAttachQuestionBank(const quiz::Question* records, int count);

void MpBuildScreen();
void MpOnControlEvent(int32_t id, int32_t event, int32_t value);
void MpTick();
void MpInput(int32_t code, int32_t value, int32_t* handled);
// The exit dialog was closed with "no" during a multiplayer question.
void MpOnExitDialogDeclined();
