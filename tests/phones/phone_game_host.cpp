// The whole buzzer game on the headless backend with phones switched on, for the protocol
// tests and the claim benchmark. Its server listens on 127.0.0.1 only. Two players hold the
// buzzers of phones 1 and 2; the game goes from its set-up screen straight into play and
// prints "ready <port> <token>"; play starts when two phones have joined. It loops as the game's own frame loop does (input, then a
// 27 ms frame when one is due, else a 10 ms sleep) with the fake clock following real time,
// and prints "claimed <player> <steady clock ns>" the moment a claim is recognised.
// With --fast, time outside the claim clock jumps ahead so that claims come quickly, and a
// question that waits for a key after showing its right answer gets one.
// --players N (2..5) gives phones 1..N a player each; those phones are known to the game by the
// ids <prefix>0000, <prefix>0001… (--ids PREFIX, default "host-phone-"), as if they had joined
// before: a phone slot that a row's key uses goes to no other phone. At the end it prints how many presses
// of each phone reached the game ("presses <slot> <count>"), the frames and the longest gap
// between two ("frames <count> <late> <longest ms>": late ones came over a frame after they
// were due), and every 10 s its resident memory ("rss <kB>").
// It stops after --seconds (default 120), on "quit" or at the end of standard input, and when
// the game reaches the score table unless --stay is given. Lines on standard input: "esc"
// presses Esc (the game ends on its results), "state <hex>" opens a screen (300 the table,
// 201 the set-up).
#include "app/app.h"
#include "frame/interface.h"
#include "host_tools.h"
#include "multi/multi_player.h"
#include "multi/multi_state.h"
#include "multi/phone_buzzers.h"
#include "phones/phone_server.h"
#include "platform/headless/headless.h"
#include "platform/phone_keys.h"
#include "screens/state_words.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

// The host's commands, on the game's thread.
void ObeyCommands() {
    for (const std::string& line : host_tools::TakeLines()) {
        if (line == "esc") headless::PressKey(1, 27);
        if (line.rfind("state ", 0) == 0) {
            Interface::SetState(static_cast<int32_t>(std::strtol(line.c_str() + 6, nullptr, 16)),
                                false);
        }
    }
}

std::string Record(const char* name, int32_t key) {
    std::string bytes(44, '\0');
    std::memcpy(bytes.data(), name, std::strlen(name));
    for (int i = 0; i < 4; ++i) {
        bytes[28 + i] = static_cast<char>(static_cast<uint32_t>(key) >> (8 * i));
        bytes[32 + i] = i == 0 ? 1 : 0;
    }
    bytes[40] = 1;
    return bytes;
}

void Frame(uint32_t ms) {
    headless::Advance(ms);
    Interface::Update();
    Interface::Render();
}

}  // namespace

int main(int argc, char** argv) {
    std::string gameFolder = ".", home, idPrefix = "host-phone-";
    int seconds = 120;
    bool fast = false, stay = false;
    int playerCount = 2;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--fast")) fast = true;
        if (!std::strcmp(argv[i], "--stay")) stay = true;
        if (i + 1 >= argc) continue;
        if (!std::strcmp(argv[i], "--game")) gameFolder = argv[i + 1];
        if (!std::strcmp(argv[i], "--home")) home = argv[i + 1];
        if (!std::strcmp(argv[i], "--ids")) idPrefix = argv[i + 1];
        if (!std::strcmp(argv[i], "--seconds")) seconds = std::atoi(argv[i + 1]);
        if (!std::strcmp(argv[i], "--players")) playerCount = std::clamp(std::atoi(argv[i + 1]), 2, 5);
    }
    if (home.empty()) {
        std::fprintf(stderr, "usage: phone_game_host --game FOLDER --home SCRATCH [--fast]\n");
        return 2;
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    home = std::filesystem::absolute(home).string();
    ::setenv("BRELLIK_HOME", home.c_str(), 1);
    host_tools::WriteFile(home + "/tarvex_p.ini", "[Brellik]\nRuntime path=" + home +
                                          "/\nPhones=1\nPhone address=127.0.0.1\nPhone port=0\n");
    static const char* const kNames[] = {"Ada", "Bob", "Cyril", "Dana", "Emil"};
    std::string rows;
    for (int i = 0; i < 5; ++i) {
        rows += i < playerCount ? Record(kNames[i], platform::MakePhoneKey(i, platform::kPhoneBuzzer))
                                : std::string(44, '\0');
    }
    host_tools::WriteFile(home + "/System/users2.dat", rows);
    std::string roster;
    for (int i = 0; i < playerCount; ++i) {
        char id[16];
        std::snprintf(id, sizeof id, "%04d", i);
        roster += std::to_string(i + 1) + " " + idPrefix + id + "\n";
    }
    host_tools::WriteFile(home + "/System/phones.txt", roster);
    std::filesystem::current_path(gameFolder);

    ResetGameState();
    headless::Install();
    StartupProperties properties;
    if (!Interface::PreInit(nullptr, "", &properties) || !AppInit()) return 1;
    Interface::SetState(StateMultiSetUp, false);
    Frame(27);
    // The phones have not joined yet: the first Next warns of that, the second plays.
    multi::SetUpOnControlEvent(multi::kNextButton, 1);
    if (Interface::GetState() == StateMultiSetUp) multi::SetUpOnControlEvent(multi::kNextButton, 1);
    Frame(27);
    phones::PhoneServer* server = multi::RunningPhoneServer();
    if (!server || Interface::GetState() != StateMultiGame) {
        std::printf("failed to start\n");
        return 1;
    }
    std::printf("ready %u %s\n", server->Port(), server->Token().c_str());
    std::thread(host_tools::WatchInput).detach();

    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::seconds(seconds);
    // The game starts when both phones are in.
    while (!host_tools::InputEnded() && Clock::now() < deadline && server->JoinedCount() < playerCount) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        Interface::PumpMessages();
        Frame(27);
    }
    multi::GameOnControlEvent(multi::kStartButton, 1);
    std::array<long, platform::kPhoneSlots> presses{};
    host_tools::FramePace pace(std::chrono::milliseconds(27));
    auto lastRss = Clock::now();
    while (!host_tools::InputEnded() && Clock::now() < deadline &&
           (stay || Interface::GetState() != StateScores)) {
        ObeyCommands();
        const bool wasAnswering = multi::answerOpen;
        // The frame's own pump, with each phone's presses counted on their way to the game.
        platform::Message message;
        while (platform::PeekMessage(message) && message.id != platform::kWmNull) {
            if (message.id == platform::kWmPhoneButtonDown) {
                const int slot = platform::PhoneSlotOf(static_cast<int32_t>(message.wParam));
                if (slot >= 0) ++presses[slot];
            }
            Interface::HandleMessage(message);
            Interface::DestroyRetiredControls();
        }
        Interface::PumpMessages();
        if (!wasAnswering && multi::answerOpen) {
            const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                Clock::now().time_since_epoch());
            std::printf("claimed %d %lld\n", multi::answeringPlayer,
                        static_cast<long long>(now.count()));
        }
        const auto now = Clock::now();
        if (fast && !multi::claimOpen && !multi::answerOpen) {
            // Outside the claim clock nothing waits on a phone: hurry, and go on from a
            // question that shows its right answer.
            if (multi::awaitingContinue) headless::PressKey(0x39, ' ');
            Frame(100);
        } else if (pace.Due(now)) {
            Frame(27);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (now - lastRss >= std::chrono::seconds(10)) {
            lastRss = now;
            std::printf("rss %ld\n", host_tools::StatusKb("VmRSS"));
        }
    }
    for (int slot = 0; slot < platform::kPhoneSlots; ++slot) {
        std::printf("presses %d %ld\n", slot, presses[slot]);
    }
    std::printf("frames %ld %ld %ld\n", pace.Frames(), pace.Late(), pace.LongestMs());
    AppShutdown();
    Interface::Shutdown();
    std::printf("stopped\n");
    std::_Exit(0);
}
