// The messages a key, a click and the window make, on the headless backend and on the real
// SDL backend driven through SDL's own event queue (dummy video driver).
#include "platform/headless/headless.h"
#include "platform/platform.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

using platform::Message;

namespace {

std::vector<Message> Drain() {
    std::vector<Message> out;
    Message m;
    while (platform::PeekMessage(m)) out.push_back(m);
    return out;
}

std::vector<uint32_t> Ids(const std::vector<Message>& messages) {
    std::vector<uint32_t> ids;
    for (const Message& m : messages) ids.push_back(m.id);
    return ids;
}

}  // namespace

TEST(Messages, OneTypedKeyGivesKeyDownCharCharUpKeyUp) {
    headless::Install();
    headless::PressKey(0x1E, 'a');
    const auto messages = Drain();
    ASSERT_EQ(Ids(messages), (std::vector<uint32_t>{platform::kWmKeyDown, platform::kWmChar,
                                                    platform::kWmChar, platform::kWmKeyUp}));
    EXPECT_EQ(platform::ScanCodeOf(messages[0].lParam), 0x1Eu);
    EXPECT_EQ(messages[1].wParam, 'a');
    EXPECT_EQ(messages[1].lParam & platform::kKeyTransitionBit, 0u);
    EXPECT_EQ(messages[2].wParam, 'a');
    EXPECT_NE(messages[2].lParam & platform::kKeyTransitionBit, 0u);
    EXPECT_NE(messages[3].lParam & platform::kKeyTransitionBit, 0u);
}

TEST(Messages, ExtendedKeysCarryBit24AndAltGivesSysForms) {
    headless::Install();
    headless::KeyDown(0x11D);  // right Ctrl
    headless::KeyDown(0x3E, 0, true);
    const auto messages = Drain();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(platform::ScanCodeOf(messages[0].lParam), 0x11Du);
    EXPECT_NE(messages[0].lParam & platform::kKeyExtendedBit, 0u);
    EXPECT_EQ(messages[1].id, platform::kWmSysKeyDown);
}

TEST(Messages, CloseDestroysTheWindowAndQuitEndsTheDrain) {
    headless::Install();
    platform::CreateMainWindow("Brellik", 0, 0, 1024, 808);
    headless::CloseWindow();
    Message m;
    ASSERT_TRUE(platform::PeekMessage(m));
    EXPECT_EQ(m.id, platform::kWmClose);
    platform::DefaultHandling(m);
    EXPECT_FALSE(headless::Window().exists);
    ASSERT_TRUE(platform::PeekMessage(m));
    EXPECT_EQ(m.id, platform::kWmDestroy);
    platform::PostQuitMessage(0);
    ASSERT_TRUE(platform::PeekMessage(m));
    EXPECT_EQ(m.id, platform::kWmQuit);
}

class SdlMessages : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        platform::UseSdlBackend();
        ASSERT_TRUE(platform::CreateMainWindow("Brellik", 0, 0, 1024, 808));
        Drain();
    }
    void TearDown() override { headless::Install(); }

    static void PushKey(Uint32 type, SDL_Scancode code, Uint16 mod = KMOD_NONE) {
        SDL_Event event{};
        event.type = type;
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.scancode = code;
        event.key.keysym.mod = mod;
        SDL_PushEvent(&event);
    }
    static void PushText(const char* utf8) {
        SDL_Event event{};
        event.type = SDL_TEXTINPUT;
        SDL_strlcpy(event.text.text, utf8, sizeof event.text.text);
        SDL_PushEvent(&event);
    }
};

TEST_F(SdlMessages, ATypedCzechLetterArrivesInOrderAsWindows1250) {
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_2);
    PushText("ě");
    PushKey(SDL_KEYUP, SDL_SCANCODE_2);
    const auto messages = Drain();
    ASSERT_EQ(Ids(messages), (std::vector<uint32_t>{platform::kWmKeyDown, platform::kWmChar,
                                                    platform::kWmChar, platform::kWmKeyUp}));
    EXPECT_EQ(platform::ScanCodeOf(messages[0].lParam), 0x03u);
    EXPECT_EQ(messages[1].wParam, 0xECu);
    EXPECT_EQ(messages[2].wParam, 0xECu);
    EXPECT_NE(messages[2].lParam & platform::kKeyTransitionBit, 0u);
}

TEST_F(SdlMessages, EnterEscBackspaceAndTabTypeTheirControlCodes) {
    const std::pair<SDL_Scancode, uint32_t> keys[] = {{SDL_SCANCODE_RETURN, 13},
                                                      {SDL_SCANCODE_ESCAPE, 27},
                                                      {SDL_SCANCODE_BACKSPACE, 8},
                                                      {SDL_SCANCODE_TAB, 9}};
    for (const auto& [code, ch] : keys) {
        PushKey(SDL_KEYDOWN, code);
        PushKey(SDL_KEYUP, code);
        const auto messages = Drain();
        ASSERT_EQ(messages.size(), 4u);
        EXPECT_EQ(messages[1].id, platform::kWmChar);
        EXPECT_EQ(messages[1].wParam, ch);
    }
}

TEST_F(SdlMessages, AltGivesSysKeysAndMouseAndWindowEventsAreTranslated) {
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_F4, KMOD_LALT);
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_RIGHT;
    event.button.x = 300;
    event.button.y = 200;
    SDL_PushEvent(&event);
    event = {};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_MINIMIZED;
    SDL_PushEvent(&event);
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    SDL_PushEvent(&event);
    event = {};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
    const auto messages = Drain();
    ASSERT_EQ(Ids(messages), (std::vector<uint32_t>{platform::kWmSysKeyDown, platform::kWmRButtonDown,
                                                    platform::kWmActivate, platform::kWmClose}));
    EXPECT_EQ(platform::ScanCodeOf(messages[0].lParam), 0x3Eu);
    // Window point (300, 200) of the 1024 x 768 display, where the play area is shown 1.28
    // times larger, is play-area point (234, 156).
    EXPECT_EQ(messages[1].lParam, platform::MakeMouseLParam(234, 156));
    EXPECT_EQ(messages[2].wParam, 0x10000u);  // inactive and minimised
}

TEST_F(SdlMessages, F11AndAltEnterSwitchFullscreenAndNeverReachTheGame) {
    ASSERT_TRUE(platform::GetPresentation().fullscreen);
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_F11);
    PushKey(SDL_KEYUP, SDL_SCANCODE_F11);
    EXPECT_EQ(Ids(Drain()), std::vector<uint32_t>{platform::kWmPresentationChanged});
    EXPECT_FALSE(platform::GetPresentation().fullscreen);
    // Enter held with Alt, repeating, and let go after Alt: one switch, no key for the game.
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_RETURN, KMOD_LALT);
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_RETURN, KMOD_LALT);
    PushKey(SDL_KEYUP, SDL_SCANCODE_RETURN);
    EXPECT_EQ(Ids(Drain()), std::vector<uint32_t>{platform::kWmPresentationChanged});
    EXPECT_TRUE(platform::GetPresentation().fullscreen);
    // Enter alone is still the game's.
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_RETURN);
    PushKey(SDL_KEYUP, SDL_SCANCODE_RETURN);
    EXPECT_EQ(Drain().size(), 4u);
}

// AltGr, and Ctrl+Alt which stands for it on keyboards without one, type ordinary characters:
// a name field hears them. Only left Alt alone makes system keys.
TEST_F(SdlMessages, AltGrAndCtrlAltTypeOrdinaryCharacters) {
    const Uint16 altGrForms[] = {KMOD_RALT, KMOD_LCTRL | KMOD_LALT, KMOD_RCTRL | KMOD_RALT};
    for (const Uint16 mod : altGrForms) {
        PushKey(SDL_KEYDOWN, SDL_SCANCODE_V, mod);
        PushText("@");
        PushKey(SDL_KEYUP, SDL_SCANCODE_V, mod);
        const auto messages = Drain();
        ASSERT_EQ(Ids(messages), (std::vector<uint32_t>{platform::kWmKeyDown, platform::kWmChar,
                                                        platform::kWmChar, platform::kWmKeyUp}))
            << "modifiers " << mod;
        EXPECT_EQ(messages[1].wParam, static_cast<uint32_t>('@'));
    }
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_V, KMOD_LALT);
    PushText("v");
    PushKey(SDL_KEYUP, SDL_SCANCODE_V, KMOD_LALT);
    EXPECT_EQ(Ids(Drain()), (std::vector<uint32_t>{platform::kWmSysKeyDown, platform::kWmSysChar,
                                                   platform::kWmSysChar, platform::kWmSysKeyUp}));
}
