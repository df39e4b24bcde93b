// A started frame on the headless backend, with its user folder and game folder in a
// scratch directory that is removed afterwards.
#pragma once

#include "app/app.h"
#include "frame/control.h"
#include "frame/interface.h"
#include "platform/headless/headless.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace frame_testing {

// A control that records what the frame asks of it.
class ProbeControl : public Control {
public:
    explicit ProbeControl(int32_t id, std::vector<std::string>* journal = nullptr)
        : Control(id), journal_(journal) {}
    void Refresh() override { ++refreshes; }
    void Update() override { ++updates; }
    void HandleInput(int32_t code, int32_t value, int32_t* handled) override {
        inputs.push_back(code);
        cellsSeen.push_back(*handled);
        if (journal_) journal_->push_back("control " + std::to_string(GetId()));
        if (consume) *handled = 0;
        if (onInput) onInput(code, value);
    }
    int refreshes = 0;
    int updates = 0;
    bool consume = false;
    std::vector<int32_t> inputs;
    std::vector<int32_t> cellsSeen;
    std::function<void(int32_t, int32_t)> onInput;

private:
    std::vector<std::string>* journal_;
};

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override { Start({}); }
    void TearDown() override {
        Interface::Shutdown();
        std::filesystem::current_path(previousFolder_);
    }

    // (Re)starts the frame on a fresh headless backend.
    bool Start(const headless::Config& config) {
        Interface::Shutdown();
        ResetGameState();
        ::setenv("BRELLIK_HOME", (dir / "home").c_str(), 1);
        std::filesystem::create_directories(dir.Path() / "game");
        std::filesystem::current_path(dir.Path() / "game");
        headless::Install(config);
        return Interface::PreInit(nullptr, "", &properties) == 1;
    }

    std::string LogText() const { return dir.Read("game/Debug.log"); }

    testing_support::ScratchFolder dir;
    StartupProperties properties;

private:
    std::filesystem::path previousFolder_ = std::filesystem::current_path();
};

}  // namespace frame_testing
