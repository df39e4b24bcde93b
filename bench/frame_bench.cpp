// Whole frames of the busiest screens (tick, update, render, present into memory) on the
// headless backend with the real artwork, each beside one memcpy of the back buffer; and
// start-up to the first presented frame; and building whole screens.
#include "app/app.h"
#include "frame/control.h"
#include "frame/interface.h"
#include "platform/headless/headless.h"
#include "screens/state_words.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

constexpr std::size_t kBackBufferBytes = 1024 * 768 * 4;

// The game in its folder, with a scratch user folder.
class Game {
public:
    Game() {
        home_ = std::filesystem::temp_directory_path() / "brellik-bench-home";
        std::filesystem::create_directories(home_);
        ::setenv("BRELLIK_HOME", home_.c_str(), 1);
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(BRELLIK_GAME_DIR);
        headless::Install();
        started_ = Interface::PreInit(nullptr, "", &properties_) == 1 && AppInit() == 1;
    }
    ~Game() {
        if (started_) AppShutdown();
        Interface::Shutdown();
        controlsFrozen = 0;
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(home_);
    }
    bool Started() const { return started_; }

    // One frame on the 27 ms grid; `repaint` asks for the whole frame to be composed and
    // presented even when nothing changed.
    static void Frame(bool repaint) {
        headless::Advance(27);
        if (repaint) platform::PostMessage({platform::kWmPaint, 0, 0});
        Interface::PumpMessages();
        Interface::Update();
        Interface::Render();
    }
    static void RunFor(int ms) {
        for (int t = 0; t < ms; t += 27) Frame(false);
    }
    static void Click(int32_t id) {
        const Control* control = Interface::FindControl(id);
        if (!control) return;
        headless::Click(112 + control->X() + control->Width() / 2,
                        84 + control->Y() + control->Height() / 2);
        RunFor(100);
    }

private:
    std::filesystem::path home_, previous_;
    StartupProperties properties_;
    bool started_ = false;
};

// The time of one memcpy of a 32-bit back buffer, measured now, in microseconds.
double MemcpyMicroseconds() {
    std::vector<uint8_t> from(kBackBufferBytes, 1), to(kBackBufferBytes);
    const int rounds = 200;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) {
        std::memcpy(to.data(), from.data(), kBackBufferBytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    const std::chrono::duration<double, std::micro> spent =
        std::chrono::steady_clock::now() - start;
    return spent.count() / rounds;
}

void BackBufferMemcpy(benchmark::State& state) {
    std::vector<uint8_t> from(kBackBufferBytes, 1), to(kBackBufferBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kBackBufferBytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kBackBufferBytes));
}

// Runs the screen's frames; range(0) 1 composes and presents every frame.
template <typename Restart>
void RunFrames(benchmark::State& state, Restart restart) {
    const bool repaint = state.range(0) == 1;
    const double memcpyUs = MemcpyMicroseconds();
    const int presentsBefore = headless::PresentCount();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        Game::Frame(repaint);
        restart();
    }
    const std::chrono::duration<double, std::micro> spent =
        std::chrono::steady_clock::now() - start;
    const double frameUs = spent.count() / static_cast<double>(state.iterations());
    state.counters["memcpy_us"] = memcpyUs;
    state.counters["frame_per_memcpy"] = frameUs / memcpyUs;
    state.counters["presented"] = benchmark::Counter(
        static_cast<double>(headless::PresentCount() - presentsBefore) /
        static_cast<double>(state.iterations()));
}

void ClockGameFrame(benchmark::State& state) {
    Game game;
    if (!game.Started()) return state.SkipWithError("the game did not start");
    Interface::SetState(StateMainMenu, false);
    Game::RunFor(200);
    Interface::SetState(StateForP, false);
    Game::RunFor(200);
    Game::Click(291);  // Start: the answers come one a second, then the clock runs
    // A whole question lasts about 15 s: 555 frames. Over many iterations the game moves
    // through questions that time out; a frozen screen (reveal) is part of it.
    RunFrames(state, [] {});
}

void ScoreTableFrame(benchmark::State& state) {
    Game game;
    if (!game.Started()) return state.SkipWithError("the game did not start");
    Interface::SetState(StateScores, false);
    Game::RunFor(200);
    RunFrames(state, [] {});
}

void IntroFrame(benchmark::State& state) {
    Game game;
    if (!game.Started()) return state.SkipWithError("the game did not start");
    RunFrames(state, [] {
        // Played again from the start whenever it reaches the main menu.
        if (Interface::GetState() != StateIntro) Interface::SetState(StateIntro, false);
    });
}

// A whole screen built, as each change of screen builds it: the buzzer set-up holds the most
// pictures, the question browser the soft texts, the score table the longest lists.
void ScreenBuild(benchmark::State& state) {
    Game game;
    if (!game.Started()) return state.SkipWithError("the game did not start");
    const auto target = static_cast<int32_t>(state.range(0));
    for (auto _ : state) Interface::SetState(target, false);
}

void StartUpToFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto game = std::make_unique<Game>();
        if (!game->Started()) return state.SkipWithError("the game did not start");
        while (headless::PresentCount() == 0) Game::Frame(false);
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(spent.count());
        game.reset();  // the teardown is not part of it
    }
}

BENCHMARK(BackBufferMemcpy)->Unit(benchmark::kMicrosecond);
// Argument 0: as the game runs (a frame is presented only when it changed); 1: every frame
// composed and presented.
BENCHMARK(ClockGameFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScoreTableFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(IntroFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
// Argument: the state word (2 main menu, 513 buzzer set-up, 1024 browser, 768 score tables).
BENCHMARK(ScreenBuild)
    ->Arg(StateMainMenu)
    ->Arg(StateMultiSetUp)
    ->Arg(StateBrowser)
    ->Arg(StateScores)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(StartUpToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
