#include "class_mode.h"

#include "class_board.h"
#include "class_side_board.h"
#include "frame/interface.h"
#include "frame/profile_keys.h"
#include "phones/phone_server.h"
#include "platform/phone_keys.h"
#include "platform/platform.h"
#include "quiz/quiz_state.h"
#include "quiz/topic_choice.h"
#include "room/player_colours.h"
#include "screens/screen_tools.h"
#include "screens/state_words.h"
#include "screens/sets_panel.h"
#include "screens/topic_panel.h"
#include "sound/sound.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <memory>

namespace classroom {

namespace {

constexpr uint32_t kFirstAnswerMs = 2000;  // the question alone, then an answer a second
constexpr uint32_t kAnswerStepMs = 1000;
constexpr uint32_t kOpenAfterLastMs = 500;
// Escape's scan code: it opens the exit dialog, never moves the game on.
constexpr int32_t kEscapeScan = 0x01;

quiz::QuizState* classQuiz = nullptr;
ClassGame game;
ClassView view;
std::vector<AskedQuestion> asked;
std::unique_ptr<phones::PhoneServer> server;
std::array<phones::PhoneView, platform::kClassSeats> sent;
std::array<bool, platform::kClassSeats> sentOnce{};
uint32_t stageStart = 0;
// An answer only marks the board: a class answering at once would otherwise redraw it sixty
// times between two frames and hold the frame up.
bool boardStale = false;

int ProfileNumber(std::string_view key, int fallback) {
    const std::optional<std::string> value = profile::ReadValue(key);
    int number = 0;
    if (!value) return fallback;
    const auto result = std::from_chars(value->data(), value->data() + value->size(), number);
    return result.ec == std::errc() && number >= 0 && number <= 65535 ? number : fallback;
}

// The buzzer game's "Phone port=" and "Phone address=" serve the class room too.
void StartServer() {
    phones::ServerConfig config;
    config.classRoom = true;
    config.port = static_cast<uint16_t>(ProfileNumber("Phone port=", phones::kDefaultPort));
    if (const auto address = profile::ReadValue("Phone address="); address && !address->empty()) {
        config.bindAddress = *address;
    }
    server = std::make_unique<phones::PhoneServer>();
    sentOnce.fill(false);
    if (!server->Start(config)) {
        for (const std::string& line : server->TakeLog()) Interface::Log(line.c_str(), false);
        Interface::Log("Class: the phone server could not start", false);
        server.reset();
    }
}

void SetStage(Stage stage) {
    view.stage = stage;
    stageStart = platform::GetTickCount();
    boardStale = false;
    RefreshBoard();
}

void FollowRoom() {
    if (!server) return;
    for (const std::string& line : server->TakeLog()) Interface::Log(line.c_str(), false);
    bool changed = false;
    for (int seat = 0; seat < platform::kClassSeats; ++seat) {
        const std::string name = server->PhoneName(seat);
        const bool connected = server->StatusOf(seat).connected;
        const Pupil& pupil = game.PupilAt(seat);
        if (pupil.removed || name.empty()) continue;
        if (!pupil.present || pupil.name != platform::Cp1250ToUtf8(name)) {
            if (connected) changed |= game.Seat(seat, platform::Cp1250ToUtf8(name));
        }
        if (pupil.present && pupil.connected != connected) {
            game.SetConnected(seat, connected);
            changed = true;
        }
    }
    if (changed) RefreshBoard();
}

phones::PhoneView ViewFor(int seat) {
    const Pupil& pupil = game.PupilAt(seat);
    phones::PhoneView phone;
    phone.player = pupil.name;
    phone.colour = room::PhoneRgb(room::SeatColour(seat));
    const int8_t choice = game.Question() >= 0 && game.Question() < static_cast<int>(pupil.choices.size())
                              ? pupil.choices[game.Question()]
                              : kNotPlaying;
    switch (view.stage) {
        case Stage::Lobby: phone.phase = phones::Phase::Waiting; break;
        case Stage::Showing: phone.phase = phones::Phase::Question; break;
        case Stage::Open:
            if (choice == kNotPlaying) {
                phone.phase = phones::Phase::Waiting;
                phone.note = phones::WaitNote::Running;
                break;
            }
            phone.phase = choice == kNoChoice ? phones::Phase::Choose : phones::Phase::Chosen;
            phone.question = game.Question();
            phone.chosen = choice;
            phone.seconds = game.SecondsLeft(platform::GetTickCount());
            for (const char* answer : view.question.answers) {
                phone.answers.push_back(platform::Cp1250ToUtf8(answer));
            }
            break;
        case Stage::Reveal:
            if (choice == kNotPlaying) {
                phone.phase = phones::Phase::Waiting;
                phone.note = phones::WaitNote::Running;
                break;
            }
            phone.phase = phones::Phase::Outcome;
            phone.chosen = choice;
            phone.right = choice == view.correct;
            phone.points = pupil.lastPoints;
            phone.total = pupil.points;
            phone.place = game.PlaceOf(seat);
            phone.of = game.Seated();
            phone.streak = pupil.streak;
            break;
        case Stage::Podium:
        case Stage::Ranking:
            phone.phase = phones::Phase::Result;
            phone.place = game.PlaceOf(seat);
            phone.total = pupil.points;
            phone.of = game.Seated();
            break;
    }
    return phone;
}

void PublishViews() {
    if (!server) return;
    for (int seat = 0; seat < platform::kClassSeats; ++seat) {
        const Pupil& pupil = game.PupilAt(seat);
        if (!pupil.present || pupil.removed) continue;
        phones::PhoneView phone = ViewFor(seat);
        if (sentOnce[seat] && phone == sent[seat]) continue;
        server->Publish(seat, phone);
        sent[seat] = std::move(phone);
        sentOnce[seat] = true;
    }
}

void NextQuestion() {
    const int next = view.number + 1;
    if (next >= game.Questions() || !classQuiz || !classQuiz->Advance()) {
        view.saved = SaveResults(game, asked, platform::Time());
        Interface::Log(view.saved.saved ? "Class: results written" : "Class: results not written",
                       false);
        sound::PlaySound(sound::SoundId::GameOver);
        return SetStage(Stage::Podium);
    }
    view.question = classQuiz->GetQuestion(classQuiz->current, true);
    view.correct = std::clamp(classQuiz->correctSlot[classQuiz->current], 0, kAnswers - 1);
    AskedQuestion shown;
    shown.text = platform::Cp1250ToUtf8(view.question.question);
    for (int k = 0; k < kAnswers; ++k) shown.answers[k] = platform::Cp1250ToUtf8(view.question.answers[k]);
    asked.push_back(std::move(shown));
    view.revealed = 0;
    view.number = next;
    SetStage(Stage::Showing);
}

void StartGame() {
    if (game.Seated() == 0 || !classQuiz) return;
    classQuiz->Reset();
    // A bank or a choice of topics smaller than the length plays what it has, and says so.
    const int deck = classQuiz->Shuffle(quiz::kDeckSize, quiz::ChosenRecords());
    game.Start(std::min(view.length, deck));
    asked.clear();
    view.saved = {};
    view.scroll = 0;
    view.number = -1;
    Interface::SetState(StateClassGame, false);
    NextQuestion();
}

void ShowAnswers(uint32_t now) {
    const uint32_t elapsed = now - stageStart;
    while (view.revealed < kAnswers && elapsed >= kFirstAnswerMs + view.revealed * kAnswerStepMs) {
        sound::PlayAnswerShown(view.revealed);
        ++view.revealed;
        RefreshBoard();
    }
    if (view.revealed == kAnswers &&
        elapsed >= kFirstAnswerMs + (kAnswers - 1) * kAnswerStepMs + kOpenAfterLastMs) {
        game.Open(view.number, view.correct, now, static_cast<uint32_t>(view.answerSeconds) * 1000);
        SetStage(Stage::Open);
    }
}

void Advance() {
    switch (view.stage) {
        case Stage::Reveal: NextQuestion(); break;
        case Stage::Podium: SetStage(Stage::Ranking); break;
        case Stage::Ranking: Interface::SetState(StateClassLobby, false); break;
        default: break;
    }
}

void TakeAnswer(int32_t key, uint32_t stamp) {
    const AnswerResult result = game.Answer(platform::ClassSeatOf(key), platform::ClassQuestionOf(key),
                                            platform::ClassAnswerOf(key), stamp);
    if (result == AnswerResult::Taken) boardStale = true;
}

void HandleLobbyClick(int x, int y) {
    const BoardHit hit = HitBoard(x, y);
    switch (hit.kind) {
        case BoardHit::Length: view.length = kLengths[hit.index]; break;
        case BoardHit::Time: view.answerSeconds = kAnswerSeconds[hit.index]; break;
        case BoardHit::Start: return StartGame();
        case BoardHit::Pupil: view.confirmSeat = hit.index; break;
        case BoardHit::ConfirmYes:
            if (server) server->Remove(view.confirmSeat);
            game.Remove(view.confirmSeat);
            view.confirmSeat = -1;
            break;
        case BoardHit::ConfirmNo: view.confirmSeat = -1; break;
        case BoardHit::OtherAddress: NextBoardAddress(); break;
        case BoardHit::None: return;
    }
    RefreshBoard();
}

}  // namespace

const ClassGame& Game() { return game; }
const ClassView& View() { return view; }
phones::PhoneServer* ClassServer() { return server.get(); }

// A press from the phones carries its stamp; the frame hands the game only the key, so the
// server's stamp travels beside it.
void OnClassKey(int32_t key) { TakeAnswer(key, Interface::LastPressStamp()); }

}  // namespace classroom

using namespace classroom;

void ClassResetState() {
    game = ClassGame{};
    view = ClassView{};
    asked.clear();
    boardStale = false;
}

void ClassStartUp() { classQuiz = new (std::nothrow) quiz::QuizState(); }

void ClassShutDown() {
    ClassStopPhones();
    delete classQuiz;
    classQuiz = nullptr;
}

void ClassAttachQuestionBank(const quiz::Question* records, int count) {
    if (classQuiz) classQuiz->SetBank(records, count);
}

void ClassBuildScreen() {
    const int32_t state = Interface::GetState();
    Interface::SetBackground("Bitmaps\\main_bg", false);
    if (state == StateClassLobby) {
        view.stage = Stage::Lobby;
        view.confirmSeat = -1;
        game.Start(0);
    }
    AddBoard(server.get());
    if (state != StateClassLobby) return;
    screens::AddTopicChoice(kTopicButtonX, kTopicButtonY);
    screens::AddSetsChoice(kSetsButtonX, kSetsButtonY);
}

void ClassOnControlEvent(int32_t, int32_t, int32_t) {}

void ClassFollowState(int32_t state) {
    if (ScreenIdOf(state) != kScreenClass) return ClassStopPhones();
    if (!server) StartServer();
    if (state == StateClassLobby) RefreshBoard();
}

void ClassStopPhones() {
    if (!server) return;
    server->Stop();
    server.reset();
    Interface::Log("Class: the phone server stopped", false);
}

void ClassTick() {
    FollowRoom();
    const uint32_t now = platform::GetTickCount();
    if (controlsFrozen == 0) {
        if (view.stage == Stage::Showing) ShowAnswers(now);
        if (view.stage == Stage::Open) {
            if (game.ShouldClose(now)) {
                game.Close();
                sound::PlaySound(sound::SoundId::TimeOut);
                SetStage(Stage::Reveal);
            } else if (boardStale || BoardSecondsShown() != game.SecondsLeft(now)) {
                RefreshBoard();
                boardStale = false;
            }
        }
    }
    PublishViews();
    // The bands follow the questions; the lobby and the end have the whole screen's board.
    const bool asking = view.stage == Stage::Showing || view.stage == Stage::Open || view.stage == Stage::Reveal;
    platform::SetSideBands(ClassSideBands(game, asking ? view.number : -1));
}

void ClassInput(int32_t code, int32_t value, int32_t* handled) {
    if (code == Interface::kInputKeyDown && platform::IsClassKey(value)) {
        OnClassKey(value);
        return;
    }
    // A control that took the input (the topic button, the exit dialog) set `handled` to 0.
    if (controlsFrozen != 0 || (handled && *handled == 0)) return;
    const bool click = code == Interface::kInputLeftDown && Interface::MouseY() < kBoardBottom;
    if (view.stage == Stage::Lobby) {
        if (click) HandleLobbyClick(Interface::MouseX(), Interface::MouseY());
        return;
    }
    if (view.stage == Stage::Ranking && code == Interface::kInputKeyDown &&
        (value == kScanUp || value == kScanDown)) {
        view.scroll = std::max(0, view.scroll + (value == kScanUp ? -kRankingRows : kRankingRows));
        view.scroll = std::min(view.scroll, std::max(0, game.Seated() - kRankingRows));
        RefreshBoard();
        return;
    }
    const bool key = code == Interface::kInputKeyDown && value != kEscapeScan &&
                     !platform::IsPhoneKey(value) && !Interface::KeyDownIsRepeat();
    if (key || click) Advance();
}
