// The whole class game on the headless backend, its frame loop at the game's real pace (a
// 27 ms frame when one is due, the fake clock following real time), for the class benchmark.
// Its server listens on 127.0.0.1 only. It opens the lobby and prints "ready <port> <token>"
// and the memory with no phone in ("memory <VmRSS kB> <VmHWM kB>"); when --pupils phones
// (default 60) are seated it prints their memory, clicks Začít (a game of ten questions, twenty
// seconds each) and plays. It prints "open <question>" when a question takes answers,
// "closed <question>" when it ends, and for each question the CPU the whole process used from
// its first frame to the next question's ("cpu <question> <cpu ms> <wall ms>"); a key goes on
// a second after each question. At the podium it waits a second for the phones' results, then
// prints the frames of the game ("frames <count> <late> <longest ms>": late ones came over a
// frame after the one before), the longest pass of its own work ("work <ms>"), the memory
// again and "stopped". It stops after --seconds
// (default 180), on "quit" or at the end of standard input.
#include "app/app.h"
#include "classroom/class_board.h"
#include "classroom/class_mode.h"
#include "frame/interface.h"
#include "host_tools.h"
#include "phones/phone_server.h"
#include "platform/headless/headless.h"
#include "screens/state_words.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using classroom::Stage;

constexpr int kPlayLeft = 112, kPlayTop = 84;  // the play area on the headless screen
constexpr auto kGoOnAfter = std::chrono::seconds(1);

void Frame(uint32_t ms) {
    headless::Advance(ms);
    Interface::Update();
    Interface::Render();
}

void PrintMemory() {
    std::printf("memory %ld %ld\n", host_tools::StatusKb("VmRSS"), host_tools::StatusKb("VmHWM"));
}

// Začít, wherever the lobby puts it.
std::optional<std::pair<int, int>> StartButton() {
    for (int y = 0; y < classroom::kBoardBottom; y += 5) {
        for (int x = 0; x < Interface::kPlayWidth; x += 5) {
            if (classroom::HitBoard(x, y).kind == classroom::BoardHit::Start) return {{x, y}};
        }
    }
    return std::nullopt;
}

// Prints what the stage change means for the benchmark.
class StageWatch {
public:
    void Follow(Stage stage) {
        if (stage == last_) return;
        const int question = classroom::View().number;
        if (stage == Stage::Open) std::printf("open %d\n", question);
        if (last_ == Stage::Open) std::printf("closed %d\n", question);
        if (stage == Stage::Showing) EndQuestion(question - 1);
        if (stage == Stage::Podium) EndQuestion(question);
        if (stage == Stage::Reveal) revealedAt_ = Clock::now();
        last_ = stage;
    }
    bool GoOnNow() const { return last_ == Stage::Reveal && Clock::now() - revealedAt_ >= kGoOnAfter; }

private:
    void EndQuestion(int question) {
        const long cpu = host_tools::CpuMs();
        const auto now = Clock::now();
        if (started_) {
            const auto wall = std::chrono::duration_cast<std::chrono::milliseconds>(now - startedAt_);
            std::printf("cpu %d %ld %lld\n", question, cpu - cpuAtStart_,
                        static_cast<long long>(wall.count()));
        }
        started_ = true;
        cpuAtStart_ = cpu;
        startedAt_ = now;
    }

    Stage last_ = Stage::Lobby;
    bool started_ = false;
    long cpuAtStart_ = 0;
    Clock::time_point startedAt_{}, revealedAt_{};
};

}  // namespace

int main(int argc, char** argv) {
    std::string gameFolder = ".", home;
    int seconds = 180, pupils = 60;
    for (int i = 1; i + 1 < argc; ++i) {
        if (!std::strcmp(argv[i], "--game")) gameFolder = argv[i + 1];
        if (!std::strcmp(argv[i], "--home")) home = argv[i + 1];
        if (!std::strcmp(argv[i], "--seconds")) seconds = std::atoi(argv[i + 1]);
        if (!std::strcmp(argv[i], "--pupils")) pupils = std::atoi(argv[i + 1]);
    }
    if (home.empty()) {
        std::fprintf(stderr, "usage: class_game_host --game FOLDER --home SCRATCH [--pupils N]\n");
        return 2;
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    home = std::filesystem::absolute(home).string();
    ::setenv("BRELLIK_HOME", home.c_str(), 1);
    host_tools::WriteFile(home + "/tarvex_p.ini", "[Brellik]\nRuntime path=" + home +
                                                      "/\nPhone address=127.0.0.1\nPhone port=0\n");
    std::filesystem::current_path(gameFolder);

    ResetGameState();
    headless::Install();
    StartupProperties properties;
    if (!Interface::PreInit(nullptr, "", &properties) || !AppInit()) return 1;
    Interface::SetState(StateClassLobby, false);
    Frame(27);
    const phones::PhoneServer* server = classroom::ClassServer();
    if (!server) {
        std::printf("failed to start\n");
        return 1;
    }
    std::printf("ready %u %s\n", server->Port(), server->Token().c_str());
    PrintMemory();
    std::thread(host_tools::WatchInput).detach();

    const auto deadline = Clock::now() + std::chrono::seconds(seconds);
    const auto running = [&] { return !host_tools::InputEnded() && Clock::now() < deadline; };
    while (running() && classroom::Game().Seated() < pupils) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        Interface::PumpMessages();
        Frame(27);
    }
    PrintMemory();
    // Začít answers a click only once a pupil is in.
    const std::optional<std::pair<int, int>> start = StartButton();
    if (!start) {
        std::printf("no start button\n");
        return 1;
    }
    headless::Click(kPlayLeft + start->first, kPlayTop + start->second);

    host_tools::FramePace pace(std::chrono::milliseconds(27));
    StageWatch watch;
    std::optional<Clock::time_point> podiumAt;
    // The longest pass of the game's own work (input, then a frame when due): a late frame
    // with short passes was the machine's doing.
    Clock::duration longestWork{};
    while (running() && (!podiumAt || Clock::now() - *podiumAt < kGoOnAfter)) {
        const auto workStart = Clock::now();
        Interface::PumpMessages();
        watch.Follow(classroom::View().stage);
        if (watch.GoOnNow()) headless::PressKey(0x39, ' ');
        if (!podiumAt && classroom::View().stage == Stage::Podium) podiumAt = Clock::now();
        const bool due = pace.Due(Clock::now());
        if (due) Frame(27);
        longestWork = std::max(longestWork, Clock::now() - workStart);
        if (!due) std::this_thread::sleep_for(std::chrono::milliseconds(10));  // as the game's loop
    }
    std::printf("frames %ld %ld %ld\n", pace.Frames(), pace.Late(), pace.LongestMs());
    std::printf("work %lld\n", static_cast<long long>(
                                   std::chrono::duration_cast<std::chrono::milliseconds>(longestWork).count()));
    PrintMemory();
    AppShutdown();
    Interface::Shutdown();
    std::printf("stopped\n");
    std::_Exit(0);
}
