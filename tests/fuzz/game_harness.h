// The whole game on the headless backend for the fuzz targets that go through its screens:
// the game folder a build made ($BRELLIK_FUZZ_GAME_DIR, for its pictures) and a user folder
// in the scratch folder. Started once per process; each input then starts from the game state
// a fresh start has, and the frame's picture cache spares it decoding every picture of the
// screens it builds again.
#pragma once

#include "app/app.h"
#include "frame/interface.h"
#include "frame/startup_properties.h"
#include "fuzz_support.h"
#include "screens/state_words.h"

namespace fuzzing {

inline void WriteText(const std::string& name, const std::string& text) {
    WriteInput(name, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

inline void StartGame() {
    static const bool started = [] {
        UseHeadless();
        WriteText("home/tarvex_p.ini", "[Brellik]\nRuntime path=" + Scratch() + "/\n");
        const char* gameFolder = std::getenv("BRELLIK_FUZZ_GAME_DIR");
        Require(gameFolder && std::filesystem::is_directory(gameFolder),
                "BRELLIK_FUZZ_GAME_DIR names a game folder");
        std::filesystem::current_path(gameFolder);
        static StartupProperties properties;
        return Interface::PreInit(nullptr, "", &properties) == 1 && AppInit() == 1;
    }();
    Require(started, "the game starts");
}

// Where every input begins: the game started once, and its modes' state put back as the
// tests put it back, so that an input plays alone and a finding replays from its bytes.
inline void StartRun() {
    StartGame();
    ResetGameState();
}

// One frame on the game's 27 ms grid.
inline void Frame() {
    headless::Advance(27);
    Interface::PumpMessages();
    Interface::Update();
    Interface::Render();
}

inline void ShowState(int32_t state) {
    Interface::SetState(state, false);
    for (int i = 0; i < 3; ++i) Frame();
}

}  // namespace fuzzing
