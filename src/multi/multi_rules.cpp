// The buzzer game's play: the reveal of each question, the claim clock and the answer
// clock, claims by the players' own keys, judging and scores, and the end of a game.
#include "buzzer_check.h"
#include "controls/label.h"
#include "frame/interface.h"
#include "game_length.h"
#include "multi_player.h"
#include "multi_state.h"
#include "pad_buzzers.h"
#include "phone_buzzers.h"
#include "play_presentation.h"
#include "platform/pad_keys.h"
#include "platform/phone_keys.h"
#include "platform/platform.h"
#include "player_keys.h"
#include "results_screen.h"
#include "scores/score_state.h"
#include "screens/common_screen.h"
#include "screens/screen_tools.h"
#include "screens/state_words.h"
#include "sound/sound.h"

#include <string>

namespace multi {

using namespace screens;

namespace {


EventTimer* Scheduler() { return dynamic_cast<EventTimer*>(Interface::FindControl(kScheduler)); }

void Schedule(float seconds, int32_t code) {
    if (EventTimer* timer = Scheduler()) timer->Schedule(seconds, code);
}

bool SchedulerBusy() {
    const EventTimer* timer = Scheduler();
    return timer && timer->IsPending();
}

void SetLabel(int32_t id, const char* text, uint32_t colour) {
    if (auto* label = dynamic_cast<Label*>(Interface::FindControl(id))) {
        label->SetTextColor(colour);
        label->SetText(text);
        label->Refresh();
    }
}

void SetNameColour(int player, uint32_t colour) {
    if (Control* name = Interface::FindControl(kFirstNameLabel + player)) {
        name->SetTextColor(colour);
        name->Refresh();
    }
}

void SetMessage(const std::string& text, uint32_t colour) {
    SetLabel(kMessageLine, text.c_str(), colour);
}

void ShowCountdown(int seconds) {
    ShowAnswerCountdown(seconds);
}

void ClearLines() {
    SetLabel(kMessageLine, "", kWhite);
    ClearStatusLine();
}

void EnableAnswerButtons() {
    for (int k = 0; k < 3; ++k) {
        if (Control* button = Interface::FindControl(kFirstAnswerButton + k)) {
            button->ClearFlags(Control::kDisabled);
        }
    }
}

void DisableAnswerButtons() {
    for (int k = 0; k < 3; ++k) {
        if (auto* button =
                dynamic_cast<AnimatedButton*>(Interface::FindControl(kFirstAnswerButton + k))) {
            button->Halt(Control::kDisabled);
        }
    }
}

void ShowMarker(int slot, int frame) {
    if (slot < 0 || slot > 2) return;
    SetFrameOf(kFirstMarker + slot, frame);
    ShowControl(kFirstMarker + slot);
}

int32_t CorrectSlot() { return multiQuiz ? multiQuiz->correctSlot[multiQuiz->current] : -1; }

bool IsPlayer(int index) { return index >= 0 && index < kRows; }

void MpApplyScore(int32_t delta) {
    if (!IsPlayer(answeringPlayer) || !multiQuiz) return;
    Player& player = players[answeringPlayer];
    const int32_t before = player.score;
    if (delta <= 0) {
        ++multiQuiz->wrongByPlayer[answeringPlayer];
        ++multiQuiz->wrongTotal;
        player.score -= 5;
    } else {
        ++multiQuiz->rightTotal;
        if (claimElapsed < 10) {
            const int points = 10 - claimElapsed;
            const int32_t picture = kFirstPointPicture + points - 1;
            ShowControl(picture);
            if (AnimatedPicture* animation = PictureOf(picture)) {
                animation->StartAnimation(1, false);
            }
            player.score += points;
        }
    }
    lastVerdict = {answeringPlayer, delta > 0, player.score - before};
    SetNameColour(answeringPlayer, kWhite);
    if (delta <= 0) MarkLockedOut(answeringPlayer);
    else RefreshPanel();
}

// 1 right, 0 the question's first failure, -1 a failure after an earlier one.
int MpJudgeAnswer(int answer) {
    answerStart.Stop();
    answerOpen = false;
    ClearStatusLine();
    if (answer == CorrectSlot()) {
        failedPlayer = -1;
        sound::PlaySound(sound::SoundId::Right);
        SetMessage(VerdictRightText(), kYellow);
        if (multiQuiz && IsPlayer(answeringPlayer)) ++multiQuiz->rightByPlayer[answeringPlayer];
        MpApplyScore(1);
        return 1;
    }
    sound::PlaySound(sound::SoundId::Wrong);
    MpApplyScore(0);
    if (failedPlayer == -1) {
        SetMessage(VerdictFirstWrongText(), kRed);
        return 0;
    }
    SetMessage(VerdictSecondWrongText(), kRed);
    return -1;
}

void FinishQuestion() {
    if (showCorrectAnswer == 1 && CorrectSlot() != chosenAnswer) {
        ShowMarker(CorrectSlot(), 0);
        awaitingContinue = true;
        ShowGoOn();
        return;
    }
    MpNextQuestion();
}

void Answer(int answer) {
    if (!answerOpen) return;
    chosenAnswer = answer;
    DisableAnswerButtons();
    const int verdict = MpJudgeAnswer(answer);
    if (verdict == 1) {
        ShowMarker(answer, 0);
        // Without points there is no picture whose end moves the game on.
        if (claimElapsed >= 10) Schedule(2.0f, kFinishQuestion);
        return;
    }
    ShowMarker(answer, 1);
    Schedule(2.0f, verdict == -1 ? kFinishQuestion : kReopenClaims);
}

void ReopenClaims(uint32_t now) {
    DisableAnswerButtons();
    failedPlayer = answeringPlayer;
    claimStart.ResumeAt(claimElapsed, now);
    claimOpen = true;
    answerStart.Stop();
    answerOpen = false;
    HideClaimer();
}

void Claim(int player) {
    sound::PlayClaimSound(player);
    ShowClaimer(player);
    SetNameColour(player, kRed);
    SetLabel(kMessageLine, "", kWhite);
    EnableAnswerButtons();
    answeringPlayer = player;
    claimOpen = false;
    answerOpen = true;
    ShowCountdown(5);
}

// The game-over sound comes with the results screen.
void BeginEnd(float seconds) {
    ShowControl(kGameOver);
    controlsFrozen = 1;
    if (EventTimer* timer = Scheduler()) timer->CancelAll();
    Schedule(seconds, kEndGame);
}

// Every player above nothing goes into the multiplayer table; the table marks their rows.
void RecordScores() {
    scores::scoreViewRequest = StateMultiGame;
    scores::ForgetGameRows();
    for (int i = 0; i < playerCount && i < kRows; ++i) {
        if (players[i].score <= 0 || !multiQuiz) continue;
        scores::ScoreEntry entry;
        entry.name = players[i].name;
        entry.points = players[i].score;
        entry.answered = questionsShown;
        entry.wrong = multiQuiz->wrongByPlayer[i];
        entry.right = multiQuiz->rightByPlayer[i];
        scores::InsertMultiScore(entry);
    }
}

void EndGame() {
    RecordScores();
    controlsFrozen = 0;
    Interface::SetState(StateMultiResults, false);
}

bool Reveal(int32_t code) {
    switch (code) {
        case kRevealAnswer1:
        case kRevealAnswer2:
        case kRevealAnswer3: {
            const int k = code - kRevealAnswer1;
            if (k == 0) claimTimedOut = false;
            SetText(kFirstAnswerText + k, currentQuestion.answers[k]);
            sound::PlayAnswerShown(k);
            Schedule(1.0f, code + 1);
            return true;
        }
        case kClockToZero:
            SetFrameOf(kTimerPicture, 0);
            Schedule(0.5f, kOpenClaims);
            return true;
        case kOpenClaims:
            claimOpen = true;
            claimStart.Stop();
            ++questionsShown;
            return true;
        default: return false;
    }
}

void SchedulerEvent(int32_t code) {
    if (Reveal(code)) return;
    switch (code) {
        case kFinishQuestion: FinishQuestion(); break;
        case kReopenClaims: ReopenClaims(platform::GetTickCount()); break;
        case kEndGame: EndGame(); break;
        default: break;
    }
}

void StopButtonVisibility(int32_t event) {
    if (event == AnimatedPicture::kEventPointerOff) {
        if (!stopArmed) stopArmed = IsHidden(kStartButton);
        else HideControl(kStopButton);
    } else if (event == AnimatedPicture::kEventPointerOver && stopArmed) {
        ShowControl(kStopButton);
    }
}

void Start() {
    HideControl(kStartButton);
    HideControl(kHelpButton);
    HideControl(kCreditsButton);
    MpNextQuestion();
}

void ClaimClock(uint32_t now) {
    if (!claimStart.running) {
        claimStart.Start(now);
        ShowClaimClock(claimElapsed);
        return;
    }
    const int32_t before = claimElapsed;
    claimElapsed = claimStart.Elapsed(now);
    sound::TickLastSeconds(before, claimElapsed, kClaimSeconds);
    if (claimElapsed < 11) SetFrameOf(kTimerPicture, claimElapsed);
    if (claimElapsed < kClaimSeconds) {
        ShowClaimClock(claimElapsed);
    } else {
        // Time is up and nobody holds the question.
        sound::PlaySound(sound::SoundId::TimeOut);
        claimOpen = false;
        claimTimedOut = true;
        ClearLines();
        FinishQuestion();
    }
}

void AnswerClock(uint32_t now) {
    if (!answerStart.running) {
        answerStart.Start(now);
        return;
    }
    answerElapsed = answerStart.Elapsed(now);
    if (answerElapsed <= 4) {
        ShowCountdown(5 - answerElapsed);
        return;
    }
    // The answering player let the five seconds pass.
    sound::PlaySound(sound::SoundId::TimeOut);
    answerOpen = false;
    ClearStatusLine();
    DisableAnswerButtons();
    MpApplyScore(0);
    if (failedPlayer == -1) {
        SetMessage(TimeOutFirstText(), kRed);
        HideClaimer();
        failedPlayer = answeringPlayer;
        claimStart.ResumeAt(claimElapsed, now);
        claimOpen = true;
        answerStart.Stop();
    } else {
        SetMessage(TimeOutSecondText(), kRed);
        failedPlayer = -1;
        FinishQuestion();
    }
}

}  // namespace

void MpResetNameColours() {
    for (int i = 0; i < kRows; ++i) SetNameColour(i, kWhite);
}

void MpNextQuestion() {
    chosenAnswer = -1;
    lastVerdict = Verdict{};
    SetFrameOf(kTimerPicture, kIdleClockFrame);
    for (int k = 0; k < 3; ++k) HideControl(kFirstMarker + k);
    ClearLines();
    BeginQuestionPresentation();
    if (!multiQuiz) return;
    if (GameLengthReached(questionsShown)) {
        // The chosen number of questions is played: the game ends as the stop button ends it.
        BeginEnd(1.0f);
        return;
    }
    if (!multiQuiz->Advance()) {
        // A game that used up its questions keeps its results all the same.
        RecordScores();
        Interface::SetState(StateMultiUsedUp, false);
        return;
    }
    claimStart.Stop();
    claimElapsed = 0;
    failedPlayer = -1;
    answerOpen = false;
    answerStart.Stop();
    claimOpen = false;
    currentQuestion = multiQuiz->GetQuestion(multiQuiz->current, true);
    ShowQuestionCounter(questionsShown + 1);
    SetText(kQuestionText, currentQuestion.question);
    for (int k = 0; k < 3; ++k) SetText(kFirstAnswerText + k, "");
    DisableAnswerButtons();
    Schedule(2.0f, kRevealAnswer1);
}

void GameOnControlEvent(int32_t id, int32_t event) {
    if (id == kScheduler) return SchedulerEvent(event);
    if (id >= kFirstPointPicture && id < kFirstPointPicture + 10 &&
        event == AnimatedPicture::kEventAnimationEnded) {
        sound::PlaySound(sound::SoundId::Points);
        HideControl(id);
        Schedule(2.0f, kFinishQuestion);
        return;
    }
    if (id == kTimerPicture) return StopButtonVisibility(event);
    if (event != 1) return;
    if (id >= kFirstAnswerButton && id < kFirstAnswerButton + 3) {
        return Answer(id - kFirstAnswerButton);
    }
    switch (id) {
        case kStartButton: Start(); break;
        case kStopButton: BeginEnd(1.0f); break;
        case kHelpButton:
            if (IsHidden(kMultiHelp)) {
                controlsFrozen = 1;
                ShowControl(kMultiHelp);
            }
            break;
        default: break;
    }
}

}  // namespace multi

void MpTick() {
    using namespace multi;
    if (controlsFrozen || Interface::GetState() != StateMultiGame) return;
    const uint32_t now = platform::GetTickCount();
    BuzzerCheckTick(now);
    if (claimOpen) ClaimClock(now);
    else if (answerOpen) AnswerClock(now);
}

void MpInput(int32_t code, int32_t value, int32_t*) {
    using namespace multi;
    const int32_t state = Interface::GetState();
    if (state == StateMultiUsedUp || state == StateMultiResults) {
        if (code == Interface::kInputKeyDown && IsRowlessPhoneKey(value)) return;
        return ResultsInput(code, value);
    }
    if (state == StateMultiSetUp && code == Interface::kInputKeyDown &&
        (platform::IsPadKey(value) || platform::IsPhoneBuzzer(value))) {
        return SetUpPadPressed(value);
    }
    if (state == StateMultiSetUp && code == Interface::kInputKeyDown) return SetUpKeyDown(value);
    if (state != StateMultiGame || !Scheduler()) return;
    if (code == Interface::kInputLeftDown) {
        if (awaitingContinue) {
            awaitingContinue = false;
            MpNextQuestion();
        }
        return;
    }
    if (code != Interface::kInputKeyDown) return;
    if (IsRowlessPhoneKey(value)) return;
    // A held key's auto-repeat neither goes on nor claims: only a fresh press does.
    if (Interface::KeyDownIsRepeat()) return;
    if (BuzzerCheckPress(value)) return;
    if (awaitingContinue) {
        awaitingContinue = false;
        MpNextQuestion();
        return;
    }
    if (value == kEscScanCode) {
        if (!controlsFrozen) {
            scores::scoreViewRequest = state;
            BeginEnd(0.1f);
        }
        return;
    }
    if (const int answer = PadAnswerFor(value); answer >= 0) {
        // The exit dialog holds the game: pads answer no more than F1..F3 do then.
        if (!controlsFrozen) GameOnControlEvent(kFirstAnswerButton + answer, 1);
        return;
    }
    if (const int answer = PhoneAnswerFor(value); answer >= 0) {
        if (!controlsFrozen) GameOnControlEvent(kFirstAnswerButton + answer, 1);
        return;
    }
    const int player = PlayerWithKey(value);
    if (player >= 0 && !SchedulerBusy() && claimOpen && player != failedPlayer) Claim(player);
}

void MpOnExitDialogDeclined() {
    using namespace multi;
    if (!claimOpen && !answerOpen) return;
    answeringPlayer = -1;
    MpResetNameColours();
    MpNextQuestion();
}
