// The multiplayer mode as far as start-up goes: its question state and fonts. Its screens
// and rules come with the multiplayer work; until then its states show the common controls.
#include "multi_player.h"

#include <new>

quiz::QuizState* multiQuiz = nullptr;

namespace {
gfx::Font* mpFont13 = nullptr;
gfx::Font* mpFont20 = nullptr;
gfx::Font* mpFont26 = nullptr;
}  // namespace

void MpStartUp() {
    multiQuiz = new (std::nothrow) quiz::QuizState();
    mpFont13 = new gfx::Font({"Arial", 13, 700, 238});
    mpFont20 = new gfx::Font({"Arial", 20, 700, 238});
    mpFont26 = new gfx::Font({"Arial", 26, 700, 238});
}

void MpShutDown() {
    delete multiQuiz;
    multiQuiz = nullptr;
    for (gfx::Font** font : {&mpFont13, &mpFont20, &mpFont26}) {
        delete *font;
        *font = nullptr;
    }
}

void MpAttachQuestionBank(const quiz::Question* records, int count) {
    if (multiQuiz) multiQuiz->SetBank(records, count);
}

void MpBuildScreen() {}
void MpOnControlEvent(int32_t, int32_t, int32_t) {}
void MpTick() {}
void MpInput(int32_t, int32_t, int32_t*) {}
void MpOnExitDialogDeclined() {}
