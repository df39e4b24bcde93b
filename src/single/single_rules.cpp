// The rules of the single-player screens: the variant choice, the answer reveal chain, the
// clock game and the lives game, the next-question step and the game end.
#include "controls/label.h"
#include "frame/interface.h"
#include "scores/score_state.h"
#include "screens/common_screen.h"
#include "screens/screen_tools.h"
#include "screens/state_words.h"
#include "single_player.h"
#include "single_state.h"
#include "sound/sound.h"

#include <algorithm>
#include <cstdio>

namespace single {

using namespace screens;

namespace {

constexpr int32_t kChoices[] = {kChoose1, kChoose2, kChoose3};
constexpr int32_t kAnswerTexts[] = {kAnswer1, kAnswer2, kAnswer3};
constexpr int32_t kMarkers[] = {kMarker1, kMarker2, kMarker3};
constexpr int32_t kClockLimitSeconds = 11;  // the clock game's clock runs out at 11 seconds

void Schedule(float seconds, int32_t code) {
    if (auto* timer = dynamic_cast<EventTimer*>(Interface::FindControl(kTimer))) {
        timer->Schedule(seconds, code);
    }
}

void CancelTimer() {
    if (auto* timer = dynamic_cast<EventTimer*>(Interface::FindControl(kTimer))) {
        timer->CancelAll();
    }
}

void ShowScore() {
    char text[32];
    std::snprintf(text, sizeof text, "%d", singleQuiz ? singleQuiz->modeValue3 : 0);
    if (auto* label = dynamic_cast<Label*>(Interface::FindControl(kScoreLabel))) {
        label->SetText(text);
    }
}

void EnableChoices() {
    for (int32_t id : kChoices) {
        if (Control* button = Interface::FindControl(id)) button->ClearFlags(Control::kDisabled);
    }
}

void DisableChoices() {
    for (int32_t id : kChoices) {
        if (auto* button = dynamic_cast<AnimatedButton*>(Interface::FindControl(id))) {
            button->Halt(Control::kDisabled);
        }
    }
}

void ShowMarker(int slot, int frame) {
    if (slot < 0 || slot > 2) return;
    SetFrameOf(kMarkers[slot], frame);
    ShowControl(kMarkers[slot]);
}

int32_t CorrectSlot() { return singleQuiz ? singleQuiz->correctSlot[singleQuiz->current] : 0; }

// The game-over picture covers the screen; the game ends after `seconds`.
void EndGameAfter(float seconds) {
    ShowControl(kGameOver);
    sound::PlaySound(sound::SoundId::GameOver);
    singleAnswerOpen = false;
    controlsFrozen = 1;
    CancelTimer();
    Schedule(seconds, kGameEnd);
}

void EndGame() {
    const int32_t state = Interface::GetState();
    scores::scoreViewRequest = state;
    scores::newScoreRow = -1;
    if (singleQuiz && singleQuiz->modeValue3 > 0) {
        scores::ScoreEntry entry;
        entry.points = singleQuiz->modeValue3;
        entry.answered = singleQuiz->rightTotal + singleQuiz->wrongTotal;
        entry.wrong = singleQuiz->wrongTotal;
        entry.right = singleQuiz->rightTotal;
        scores::InsertSingleScore(static_cast<uint32_t>(state), entry);
    }
    controlsFrozen = 0;
    Interface::SetState(StateScores, false);
}

void ToggleShowAnswer() {
    AnimatedPicture* answerSwitch = PictureOf(kShowAnswerSwitch);
    const bool turningOn = singleShowAnswer != 1;
    if (answerSwitch) answerSwitch->StartAnimation(turningOn ? 1 : 2, false);
    if (turningOn) {
        ShowControl(kSwitchOnHint);
        HideControl(kSwitchOffHint);
    } else {
        HideControl(kSwitchOnHint);
        ShowControl(kSwitchOffHint);
    }
    singleShowAnswer = turningOn ? 1 : 0;
    WriteShowAnswerSwitch();
}

void OpenOverlay(int32_t overlay) {
    if (!IsHidden(overlay)) return;
    controlsFrozen = 1;
    ShowControl(overlay);
}

void VariantChoiceRules(int32_t id, int32_t event) {
    if (id == kShowAnswerSwitch && event == 3) {
        if (singleShowAnswer == 1) {
            ShowControl(kSwitchOnHint);
            HideControl(kSwitchOffHint);
        } else {
            ShowControl(kSwitchOffHint);
            HideControl(kSwitchOnHint);
        }
        return;
    }
    if (event != 1) return;
    switch (id) {
        case kShowAnswerSwitch: ToggleShowAnswer(); break;
        case kAdvertButton: OpenOverlay(kAdvertPicture); break;
        case kHelpButton: OpenOverlay(kHelp); break;
        case kStartForP: Interface::SetState(StateForP, false); break;
        case kStartForR: Interface::SetState(StateForR, false); break;
        case kBackToMenu: Interface::SetState(StateMainMenu, false); break;
        default: break;
    }
}

// The answers appear one a second, then the choice opens.
bool RevealChain(int32_t code) {
    switch (code) {
        case kRevealAnswer1:
        case kRevealAnswer2:
        case kRevealAnswer3: {
            const int i = code - kRevealAnswer1;
            SetText(kAnswerTexts[i], currentQuestion.answers[i]);
            sound::PlayAnswerShown(i);
            Schedule(1.0f, code + 1);
            return true;
        }
        case kOpenAnswers:
            if (Interface::GetState() == StateForP) {
                SetFrameOf(kClock, 0);
                EnableChoices();
                Schedule(0.25f, kStartClock);
            } else {
                singleAnswerOpen = true;
                clockStart.Stop();
                clockElapsed = 0;
                EnableChoices();
                if (premiumActive) Schedule(1.0f, kPremiumBlinkStep);
            }
            return true;
        case kStartClock:
            singleAnswerOpen = true;
            clockStart.Stop();
            clockElapsed = 0;
            return true;
        default: return false;
    }
}

void AfterAnswer() {
    if (singleShowAnswer == 1 && CorrectSlot() != singleChosenAnswer) {
        ShowMarker(CorrectSlot(), 0);
        waitForContinue = true;
    } else {
        NextQuestion();
    }
}

void AnswerForP(int choice) {
    if (!singleAnswerOpen || !singleQuiz) return;
    singleChosenAnswer = choice;
    DisableChoices();
    singleAnswerOpen = false;
    if (choice == CorrectSlot()) {
        sound::PlaySound(sound::SoundId::Right);
        ++singleQuiz->rightTotal;
        // The tick times a question out at 11 seconds, so an answer comes at 10 at most,
        // which scores nothing.
        const int points = 10 - clockElapsed;
        if (points > 0) {
            // The point picture plays once; its end schedules the after-answer step.
            const int32_t pointPicture = kFirstPointPicture + points - 1;
            ShowControl(pointPicture);
            if (AnimatedPicture* picture = PictureOf(pointPicture)) picture->StartAnimation(1, false);
        } else {
            Schedule(2.0f, kAfterAnswer);
        }
        singleQuiz->modeValue3 += points;
        ShowMarker(choice, 0);
    } else {
        sound::PlaySound(sound::SoundId::Wrong);
        singleQuiz->modeValue3 -= 5;
        ++singleQuiz->wrongTotal;
        ShowMarker(choice, 1);
        Schedule(2.0f, kAfterAnswer);
    }
    ShowScore();
}

// A life won or lost is what the players most need to hear; otherwise right or wrong.
void PlayLivesAnswerSound(bool right, int32_t livesGained) {
    using sound::SoundId;
    if (livesGained > 0) sound::PlaySound(SoundId::LifeWon);
    else if (livesGained < 0) sound::PlaySound(SoundId::LifeLost);
    else sound::PlaySound(right ? SoundId::Right : SoundId::Wrong);
}

void AnswerForR(int choice) {
    if (!singleQuiz) return;
    singleChosenAnswer = choice;
    if (premiumActive) {
        CancelTimer();
        premiumActive = false;
    }
    DisableChoices();
    singleAnswerOpen = false;
    HideControl(kPremiumBlink);
    quiz::QuizState& quiz = *singleQuiz;
    const int32_t livesBefore = quiz.modeValue2;
    ++quiz.modeValue1;
    const bool right = choice == CorrectSlot();
    if (right) {
        ++quiz.rightTotal;
        ++quiz.modeValue3;
        if (quiz.modeValue1 == 11) {
            ++quiz.modeValue2;
            quiz.modeValue1 = 0;
        }
    } else {
        if (quiz.modeValue1 == 11) quiz.modeValue1 = 0;  // the premium question costs no life
        else --quiz.modeValue2;
        ++quiz.wrongTotal;
    }
    quiz.modeValue2 = std::min(quiz.modeValue2, kMaxLives);
    PlayLivesAnswerSound(right, quiz.modeValue2 - livesBefore);
    // Frame 0 shows one life: with none left the picture goes until game over covers it.
    if (quiz.modeValue2 > 0) SetFrameOf(kLives, quiz.modeValue2 - 1);
    else HideControl(kLives);
    ShowMarker(choice, right ? 0 : 1);
    Schedule(2.0f, kAfterAnswer);
    ShowScore();
}

void PremiumBlink() {
    if (!premiumActive || !singleQuiz) return;
    if (IsHidden(kPremiumBlink)) {
        SetFrameOf(kPremiumBlink, std::max(singleQuiz->modeValue2 - 1, 0));
        ShowControl(kPremiumBlink);
    } else {
        HideControl(kPremiumBlink);
    }
    Schedule(1.0f, kPremiumBlinkStep);
}

void GameRules(int32_t id, int32_t event) {
    const bool forP = Interface::GetState() == StateForP;
    if (id == kTimer) {
        if (RevealChain(event)) return;
        if (event == kAfterAnswer) AfterAnswer();
        if (event == kGameEnd) EndGame();
        if (event == kPremiumBlinkStep && !forP) PremiumBlink();
        return;
    }
    if (forP && id >= kFirstPointPicture && id < kFirstPointPicture + 10 && event == 4) {
        HideControl(id);
        sound::PlaySound(sound::SoundId::Points);
        Schedule(2.0f, kAfterAnswer);
        return;
    }
    // The stop button shows while the pointer is over the clock or the lives.
    if ((id == kClock || id == kLives) && (event == 3 || event == 5)) {
        if (!forP) {
            if (event == 3) ShowControl(kStopButton);
            else HideControl(kStopButton);
        } else if (event == 5) {
            if (gameStarted) HideControl(kStopButton);
            else if (IsHidden(kStartButton)) gameStarted = true;
        } else if (gameStarted) {
            ShowControl(kStopButton);
        }
        return;
    }
    if (event != 1) return;
    switch (id) {
        case kStartButton:
            if (!forP) break;
            HideControl(kStartButton);
            HideControl(kHelpButton);
            HideControl(kCreditsButton);
            NextQuestion();
            break;
        case kChoose1:
        case kChoose2:
        case kChoose3:
            if (forP) AnswerForP(id - kChoose1);
            else AnswerForR(id - kChoose1);
            break;
        case kStopButton: EndGameAfter(forP ? 1.0f : 2.0f); break;
        case kHelpButton: OpenOverlay(kHelp); break;
        default: break;
    }
}

// Draws the question at `current` into the buffer and puts its text up, answers empty.
void DrawCurrent() {
    currentQuestion = singleQuiz->GetQuestion(singleQuiz->current, true);
    SetText(kQuestionText, currentQuestion.question);
    for (int32_t id : kAnswerTexts) SetText(id, "");
}

// Whether the deck has a question after the one in play.
bool DeckHasMore() { return singleQuiz->current + 1 < singleQuiz->deckSize; }

void NextForP() {
    DisableChoices();
    if (singleQuiz->Advance()) {
        singleAnswerOpen = false;
        clockStart.Stop();
        clockElapsed = 0;
        DrawCurrent();
        Schedule(2.0f, kRevealAnswer1);
    } else {
        EndGame();
    }
}

void NextForR() {
    quiz::QuizState& quiz = *singleQuiz;
    if (quiz.modeValue2 >= 1 && !DeckHasMore()) {
        EndGameAfter(1.0f);  // the deck is used up: the game ends cleanly
        return;
    }
    if (quiz.modeValue2 >= 1 && quiz.modeValue1 != 0) {
        ++quiz.current;
        DrawCurrent();
    } else if (quiz.modeValue2 == 0) {
        EndGameAfter(1.0f);
        return;
    }
    if (quiz.modeValue1 == 10 && quiz.modeValue2 < kMaxLives) {
        Interface::SetBackground("Bitmaps\\OneP\\ForR\\prem_bg", false);
        if (Control* text = Interface::FindControl(kQuestionText)) text->Refresh();
        premiumActive = true;
        sound::PlaySound(sound::SoundId::Premium);
        Schedule(2.0f, kRevealAnswer1);
        return;
    }
    if (quiz.modeValue1 == 0) {
        Interface::SetBackground("Bitmaps\\OneP\\ForR\\bg", false);
        if (Control* text = Interface::FindControl(kQuestionText)) text->Refresh();
        HideControl(kPremiumBlink);
        if (!DeckHasMore()) {
            EndGameAfter(1.0f);
            return;
        }
        ++quiz.current;
        DrawCurrent();
        premiumActive = false;
    }
    Schedule(2.0f, kRevealAnswer1);
}

}  // namespace

void NextQuestion() {
    if (!singleQuiz) return;
    singleChosenAnswer = -1;
    SetFrameOf(kClock, kIdleClockFrame);
    for (int32_t marker : kMarkers) HideControl(marker);
    const int32_t state = Interface::GetState();
    if (state == StateForP) NextForP();
    if (state == StateForR) NextForR();
}

}  // namespace single

void SingleOnControlEvent(int32_t id, int32_t event, int32_t value) {
    if (value == 0) return;
    if (Interface::GetState() == StateSingleMenu) single::VariantChoiceRules(id, event);
    else single::GameRules(id, event);
}

void SingleTick() {
    using namespace single;
    if (controlsFrozen || Interface::GetState() != StateForP || !singleAnswerOpen) return;
    const uint32_t now = platform::GetTickCount();
    if (!clockStart.running) {
        clockStart.Start(now);
        clockElapsed = 0;
        return;
    }
    const int32_t before = clockElapsed;
    clockElapsed = clockStart.Elapsed(now);
    sound::TickLastSeconds(before, clockElapsed, kClockLimitSeconds);
    if (clockElapsed < kClockLimitSeconds) {
        SetFrameOf(kClock, clockElapsed);
        return;
    }
    // Time is up: it costs five points but does not count as a wrong answer.
    sound::PlaySound(sound::SoundId::TimeOut);
    singleQuiz->modeValue3 -= 5;
    ShowScore();
    if (singleShowAnswer != 1) {
        NextQuestion();
    } else {
        singleAnswerOpen = false;
        waitForContinue = true;
        ShowMarker(CorrectSlot(), 0);
    }
}

void SingleInput(int32_t code, int32_t value, int32_t*) {
    using namespace single;
    const int32_t state = Interface::GetState();
    if (state != StateForP && state != StateForR) return;
    if (code == Interface::kInputLeftDown || code == Interface::kInputKeyDown) {
        if (waitForContinue) {
            waitForContinue = false;
            NextQuestion();
            return;
        }
    }
    if (code == Interface::kInputKeyDown && value == 1 && !controlsFrozen) EndGameAfter(1.0f);
}

void SingleOnExitDialogDeclined() {
    if (single::singleAnswerOpen) single::NextQuestion();
}
