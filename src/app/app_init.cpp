// The game's start-up and shutdown: the callbacks, the intro layout, the modes' question
// states and fonts, the first screen, the question bank, the shared fonts and the sounds, in
// that order.
#include "app.h"

#include "callbacks.h"
#include "classroom/class_mode.h"
#include "frame/interface.h"
#include "intro.h"
#include "multi/multi_player.h"
#include "multi/phone_buzzers.h"
#include "question_browser.h"
#include "screens/question_sets.h"
#include "quiz/intro_layout.h"
#include "quiz/question_bank.h"
#include "quiz/topic_choice.h"
#include "screens/topic_panel.h"
#include "scores/score_state.h"
#include "screens/shared_fonts.h"
#include "screens/state_words.h"
#include "single/single_player.h"
#include "sound/sound.h"

#include <cstdio>
#include <new>
#include <string>

namespace {
quiz::IntroLayout* introLayout = nullptr;
quiz::QuestionBank* questionBank = nullptr;

void LogQuestionsLoaded(const std::string& fileName) {
    const std::string line = "Questions: " + std::to_string(questionBank->Count()) + " from " +
                             fileName;
    Interface::Log(line.c_str(), false);
    if (questionBank->FileCount() > questionBank->Count()) {
        const std::string cut = "Questions: the file holds " +
                                std::to_string(questionBank->FileCount()) + "; those after the " +
                                std::to_string(questionBank->Count()) + "th are left out";
        Interface::Log(cut.c_str(), false);
    }
}

// The topic index beside the loaded question file, or none: then every question plays.
void LoadTopics(const std::string& questionFile) {
    quiz::SetTopics({});
    const std::string path = quiz::TopicIndexPath(questionFile);
    std::FILE* file = platform::OpenFile(path, "rb");
    if (!file) {
        Interface::Log(("Topics: no topic index " + path + "; every question plays").c_str(),
                       false);
        return;
    }
    std::string text(quiz::kMaxTopicIndexBytes + 1, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    quiz::TopicIndex index;
    const std::string problem =
        quiz::ParseTopicIndex(text, questionBank->Count(), questionBank->Digest(), index);
    if (!problem.empty()) {
        Interface::Log(("Topics: " + path + " refused (" + problem + "); every question plays")
                           .c_str(),
                       false);
        return;
    }
    quiz::SetTopics(std::move(index));
    screens::ReadTopicChoice();
    std::string line = "Topics: " + std::to_string(quiz::TopicCount()) + " from " + path;
    if (!quiz::ChoiceIsPlayable()) {
        line += "; the chosen topics hold " + std::to_string(quiz::ChosenQuestionCount()) +
                " questions, too few for a game, so every question plays";
    }
    Interface::Log(line.c_str(), false);
}

// A question file of the player's own in the user folder comes first; when it is missing or
// refused, the game folder's file is read.
void LoadQuestions() {
    const std::string own = platform::UserFolder() + "/Data/otazky4.crp";
    if (platform::FileExists(own)) {
        if (questionBank->Load(own)) {
            LogQuestionsLoaded(own);
            LoadTopics(own);
            return;
        }
        Interface::Log(platform::Cp1250ToUtf8(questionBank->Failure()).c_str(), false);
    }
    if (questionBank->Load()) {
        LogQuestionsLoaded(quiz::kQuestionFileName);
        LoadTopics(quiz::kQuestionFileName);
    } else {
        Interface::Log(platform::Cp1250ToUtf8(questionBank->Failure()).c_str(), false);
        quiz::SetTopics({});
    }
}

// The shipped questions, then the chosen sets over them, handed to every mode. Run at start-up
// and again whenever the host changes the choice of sets.
screens::SetsOutcome ReadQuestions() {
    LoadQuestions();
    const screens::SetsOutcome outcome =
        screens::PlayChosenSets(*questionBank, questionBank->Count());
    screens::ReadTopicChoice();  // the sets' topics may differ from the file's
    SingleAttachQuestionBank(questionBank->First(), outcome.questions);
    MpAttachQuestionBank(questionBank->First(), outcome.questions);
    ClassAttachQuestionBank(questionBank->First(), outcome.questions);
    return outcome;
}
}  // namespace

void ResetGameState() {
    controlsFrozen = 0;
    platform::SeedRandom(1);  // the runtime's generator as a fresh process has it
    screens::ResetIntroState();
    screens::ResetBrowserState();
    SingleResetState();
    MpResetState();
    ClassResetState();
    scores::ResetScoreState();
}

int AppInit() {
    ResetGameState();
    platform::EnsureUserFolder();
    scores::ForgetUnsavedResult();
    if (!Interface::SetCallbacks(OnStateChanged, OnControlEvent, OnTick, OnInput)) return 0;
    // The phones' server thread posts into the platform's queue: it stops before the frame
    // lets go of the platform on a fatal error too.
    Interface::SetFatalCallback(multi::StopPhones);
    introLayout = new (std::nothrow) quiz::IntroLayout();
    if (!introLayout) return 0;
    introLayout->Read(quiz::kIntroLayoutFileName);
    screens::SetIntroLayout(introLayout);
    SingleStartUp();
    MpStartUp();
    ClassStartUp();
    Interface::SetFillColor(0xFF0000);
    Interface::SetState(StateIntro, false);
    Interface::SetHintStyle(0x000000, 0x99C6DB, 0x000000);
    questionBank = new quiz::QuestionBank();
    ReadQuestions();
    screens::SetSetsReloader(ReadQuestions);
    CreateSharedFonts();
    sound::StartUp();
    return 1;
}

void AppShutdown() {
    multi::StopPhones();
    sound::ShutDown();
    DeleteSharedFonts();
    screens::SetIntroLayout(nullptr);
    delete introLayout;
    introLayout = nullptr;
    screens::SetSetsReloader(nullptr);
    delete questionBank;
    questionBank = nullptr;
    SingleShutDown();
    MpShutDown();
    ClassShutDown();
}
