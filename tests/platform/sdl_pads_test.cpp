// The SDL pad code against SDL's virtual joysticks: no display and no real pad needed.
// Real pads on the machine may hold numbers too, so the tests compare numbers, never
// assume them.
#include "platform/headless/headless.h"
#include "platform/pad_keys.h"
#include "platform/sdl/sdl_pads.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

class SdlPadsTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Install();  // a fresh message queue for the pads' messages
        SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
        ASSERT_TRUE(pads.Open()) << SDL_GetError();
        Pump();
        padsBefore = pads.Count();
    }
    void TearDown() override {
        for (int device : attached) SDL_JoystickDetachVirtual(device);
        pads.Close();
        headless::Install();
    }

    // Attaches a virtual pad and returns its instance id.
    SDL_JoystickID Attach(SDL_JoystickType type) {
        const int device = SDL_JoystickAttachVirtual(type, 6, 16, 1);
        EXPECT_GE(device, 0) << SDL_GetError();
        const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(device);
        attached.push_back(device);
        Pump();
        return id;
    }
    void Detach(SDL_JoystickID id) {
        for (std::size_t i = 0; i < attached.size(); ++i) {
            if (SDL_JoystickGetDeviceInstanceID(attached[i]) != id) continue;
            SDL_JoystickDetachVirtual(attached[i]);
            attached.erase(attached.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        }
        Pump();
    }
    void Press(SDL_JoystickID id, int button) {
        SDL_Joystick* joystick = SDL_JoystickFromInstanceID(id);
        ASSERT_NE(joystick, nullptr);
        SDL_JoystickSetVirtualButton(joystick, button, SDL_PRESSED);
        Pump();
        SDL_JoystickSetVirtualButton(joystick, button, SDL_RELEASED);
        Pump();
    }
    void Pump() {
        SDL_Event event;
        while (SDL_PollEvent(&event)) pads.Handle(event);
    }
    // The pad keys posted since the last call.
    std::vector<int32_t> Posted() {
        std::vector<int32_t> keys;
        platform::Message message;
        while (platform::PeekMessage(message)) {
            if (message.id == platform::kWmPadButtonDown) {
                keys.push_back(static_cast<int32_t>(message.wParam));
            }
        }
        return keys;
    }

    platform::PadSet pads;
    std::vector<int> attached;
    int padsBefore = 0;
};

TEST_F(SdlPadsTest, AControllersButtonsArriveAsItsNamedButtonsOnce) {
    const SDL_JoystickID id = Attach(SDL_JOYSTICK_TYPE_GAMECONTROLLER);
    EXPECT_EQ(pads.Count(), padsBefore + 1);
    const int slot = pads.SlotOf(id);
    ASSERT_GE(slot, 0);
    Press(id, SDL_CONTROLLER_BUTTON_B);
    Press(id, SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(Posted(), (std::vector<int32_t>{platform::MakePadKey(slot, 1),
                                              platform::MakePadKey(slot, 6)}));
}

TEST_F(SdlPadsTest, TwoPadsGetNumbersOfTheirOwnAndAPlainJoysticksButtonsAreNumbered) {
    const SDL_JoystickID controller = Attach(SDL_JOYSTICK_TYPE_GAMECONTROLLER);
    const SDL_JoystickID joystick = Attach(SDL_JOYSTICK_TYPE_UNKNOWN);
    EXPECT_EQ(pads.Count(), padsBefore + 2);
    const int first = pads.SlotOf(controller), second = pads.SlotOf(joystick);
    ASSERT_GE(first, 0);
    ASSERT_GE(second, 0);
    EXPECT_NE(first, second);
    Press(joystick, 2);
    Press(controller, SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(Posted(),
              (std::vector<int32_t>{platform::MakePadKey(second, platform::kJoystickButtonBase + 2),
                                    platform::MakePadKey(first, 0)}));
}

TEST_F(SdlPadsTest, APadPulledOutIsDroppedAndPluggedInAgainGetsItsNumberBack) {
    const SDL_JoystickID first = Attach(SDL_JOYSTICK_TYPE_GAMECONTROLLER);
    const SDL_JoystickID second = Attach(SDL_JOYSTICK_TYPE_GAMECONTROLLER);
    const int firstSlot = pads.SlotOf(first), secondSlot = pads.SlotOf(second);
    Detach(first);
    EXPECT_EQ(pads.Count(), padsBefore + 1);
    EXPECT_EQ(pads.SlotOf(first), -1);
    EXPECT_EQ(pads.SlotOf(second), secondSlot);
    const SDL_JoystickID again = Attach(SDL_JOYSTICK_TYPE_GAMECONTROLLER);
    EXPECT_NE(again, first);  // SDL gives every connection a new id
    EXPECT_EQ(pads.SlotOf(again), firstSlot);
    Press(again, SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(Posted(), std::vector<int32_t>{platform::MakePadKey(firstSlot, 0)});
}

}  // namespace
