// A whole game set up at the main menu, with the moves of a single-player game: start either
// variant, wait for the answers, answer, read the score and the shown frames.
#pragma once

#include "controls/animated_picture.h"
#include "controls/label.h"
#include "game_fixture.h"
#include "quiz/quiz_state.h"
#include "single/single_player.h"
#include "single/single_state.h"

#include <string>

namespace game_testing {

class SinglePlayerTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        single::singleShowAnswer = 0;  // as read by the variant choice, which tests may skip
        GoToMainMenu();
    }
    void StartForP() {
        Interface::SetState(StateForP, false);
        RunFor(100);
        ClickControl(291);  // Start
    }
    void StartForR() {
        Interface::SetState(StateForR, false);
        RunFor(100);
    }
    // Waits until the answer buttons take a choice.
    void WaitForAnswers() {
        for (int t = 0; t < 8000 && (Interface::FindControl(265)->GetFlags() & Control::kDisabled); t += 27) Frame();
        RunFor(400);  // the clock game opens a quarter second after the last answer
    }
    int CorrectSlot() const { return singleQuiz->correctSlot[singleQuiz->current]; }
    void Answer(int slot) {
        headless::PressKey(0x3B + slot);  // F1..F3
        Frame();
    }
    std::string ScoreLabel() const {
        auto* label = dynamic_cast<Label*>(Interface::FindControl(270));
        return label ? label->Text() : "";
    }
    // Plays a clock game of one right answer in its first second (10 points), then `wrong`
    // wrong answers (5 points each), ends it with Esc and waits for the score screen.
    void PlayClockGameToScores(int wrong) {
        StartForP();
        WaitForAnswers();
        Answer(CorrectSlot());
        for (int i = 0; i < wrong; ++i) {
            RunFor(2500);
            WaitForAnswers();
            Answer((CorrectSlot() + 1) % 3);
        }
        RunFor(100);
        headless::KeyDown(1, 27);
        ASSERT_TRUE(RunUntilState(StateScores, 1500));
        RunFor(100);
    }
    void HoverAway() {
        headless::MoveMouse(ScreenX(5), ScreenY(300));
        Frame();
    }
    int ShownFrame(int32_t id) const {
        auto* picture = dynamic_cast<AnimatedPicture*>(Interface::FindControl(id));
        return picture ? picture->CurrentFrame() : -1;
    }
};


}  // namespace game_testing
