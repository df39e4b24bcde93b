// The whole game on the headless backend: the real game folder (artwork, questions, intro
// layout) as the working folder, a scratch user folder, and a fake clock driven frame by
// frame.
#pragma once

#include "app/app.h"
#include "frame/control.h"
#include "frame/interface.h"
#include "platform/headless/headless.h"
#include "screens/state_words.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace game_testing {

class GameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("BRELLIK_HOME", (dir / "home").c_str(), 1);
        // The log goes to the scratch folder; pictures and data come from the game folder.
        dir.Write("home/tarvex_p.ini", "[Brellik]\nRuntime path=" + (dir / "") + "\n");
        std::filesystem::current_path(BRELLIK_GAME_DIR);
        ResetGameState();
        headless::Install();
        ASSERT_EQ(Interface::PreInit(nullptr, "", &properties), 1);
        ASSERT_EQ(AppInit(), 1);
        Frame();  // the first drain after a state change drops what was queued before it
    }
    void TearDown() override {
        AppShutdown();
        Interface::Shutdown();
        controlsFrozen = 0;
        std::filesystem::current_path(previousFolder_);
    }

    // One frame on the 27 ms grid: input, the tick, the update and the render.
    void Frame() {
        headless::Advance(27);
        Interface::PumpMessages();
        Interface::Update();
        Interface::Render();
    }
    void RunFor(int ms) {
        for (int t = 0; t < ms; t += 27) Frame();
    }
    // Runs frames until the state word becomes `state` or `ms` pass; true when it did.
    bool RunUntilState(int32_t state, int ms) {
        for (int t = 0; t < ms; t += 27) {
            if (Interface::GetState() == state) return true;
            Frame();
        }
        return Interface::GetState() == state;
    }

    // Screen coordinates of a point of the play area.
    static int ScreenX(int x) { return x + 112; }
    static int ScreenY(int y) { return y + 84; }

    // Puts the pointer on the middle of a control (or of its hot area 1), then runs a frame.
    void PointAtControl(int32_t id) {
        Control* control = Interface::FindControl(id);
        ASSERT_NE(control, nullptr) << "no control " << id;
        const gfx::Rect area = (control->GetFlags() & Control::kHotAreas) ? control->HotArea1()
                                                                           : control->Bounds();
        headless::MoveMouse(ScreenX(control->X() + (area.left + area.right) / 2),
                            ScreenY(control->Y() + (area.top + area.bottom) / 2));
        Frame();
    }
    // Clicks the middle of a control (or of its hot area 1), with a frame before and after.
    void ClickControl(int32_t id) {
        PointAtControl(id);
        headless::MouseButton(false, true);
        Frame();
        headless::MouseButton(false, false);
        Frame();
    }
    void ClickAt(int x, int y, bool right = false) {
        headless::MoveMouse(ScreenX(x), ScreenY(y));
        Frame();
        headless::MouseButton(right, true);
        Frame();
        headless::MouseButton(right, false);
        Frame();
    }
    void TypeChar(uint8_t ch, uint32_t scan = 0) {
        headless::PressKey(scan, ch);
        Frame();
    }

    static bool Shown(int32_t id) {
        const Control* control = Interface::FindControl(id);
        return control && !(control->GetFlags() & Control::kHidden);
    }
    static bool Exists(int32_t id) { return Interface::FindControl(id) != nullptr; }

    void GoToMainMenu() {
        TypeChar('x', 0x2D);
        ASSERT_EQ(Interface::GetState(), StateMainMenu);
        RunFor(100);
    }

    // Saves what the screen shows under build/screenshots, for a person to look at.
    static void SaveScreenshot(const std::string& name) {
        std::filesystem::create_directories(BRELLIK_SCREENSHOT_DIR);
        ASSERT_TRUE(headless::Screen().SavePng(std::string(BRELLIK_SCREENSHOT_DIR) + "/" + name + ".png"));
    }

    std::string LogText() const { return dir.Read("Debug.log"); }

    testing_support::ScratchFolder dir;
    StartupProperties properties;

private:
    std::filesystem::path previousFolder_ = std::filesystem::current_path();
};

}  // namespace game_testing
