// The game's start-up and shutdown: the callbacks, the intro layout, the modes' question
// states and fonts, the first screen, the question bank and the shared fonts, in that order.
#include "app.h"

#include "frame/interface.h"
#include "multi/multi_player.h"
#include "quiz/intro_layout.h"
#include "quiz/question_bank.h"
#include "scores/score_state.h"
#include "screens/callbacks.h"
#include "screens/intro.h"
#include "screens/shared_fonts.h"
#include "screens/state_words.h"
#include "single/single_player.h"

#include <new>

namespace {
quiz::IntroLayout* introLayout = nullptr;
quiz::QuestionBank* questionBank = nullptr;
}  // namespace

int AppInit() {
    platform::EnsureUserFolder();
    scores::ForgetUnsavedResult();
    if (!Interface::SetCallbacks(OnStateChanged, OnControlEvent, OnTick, OnInput)) return 0;
    introLayout = new (std::nothrow) quiz::IntroLayout();
    if (!introLayout) return 0;
    introLayout->Read(quiz::kIntroLayoutFileName);
    screens::SetIntroLayout(introLayout);
    SingleStartUp();
    MpStartUp();
    Interface::SetFillColor(0xFF0000);
    Interface::SetState(StateIntro, false);
    Interface::SetHintStyle(0x000000, 0x99C6DB, 0x000000);
    questionBank = new quiz::QuestionBank();
    questionBank->Load();
    SingleAttachQuestionBank(questionBank->First());
    MpAttachQuestionBank(questionBank->First());
    CreateSharedFonts();
    return 1;
}

void AppShutdown() {
    DeleteSharedFonts();
    screens::SetIntroLayout(nullptr);
    delete introLayout;
    introLayout = nullptr;
    delete questionBank;
    questionBank = nullptr;
    SingleShutDown();
    MpShutDown();
}
