// The real backend: the game's SDL window (sdl_screen.h) and its events as Windows messages.
#include "../backend.h"
#include "../desktop.h"
#include "../message_queue.h"
#include "scancodes.h"
#include "sdl_pads.h"
#include "sdl_screen.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>

namespace platform {

namespace {

std::string Utf8Of(const char* cp1250) { return Cp1250ToUtf8(cp1250); }

// A 32 x 32 placeholder icon: a gold disc with a dark question mark, used until the artwork
// supplies one.
SDL_Surface* PlaceholderIcon() {
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormat(0, 32, 32, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!icon) return nullptr;
    auto* pixels = static_cast<uint32_t*>(icon->pixels);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const int dx = x - 16, dy = y - 16;
            const bool disc = dx * dx + dy * dy < 15 * 15;
            const bool mark = (y >= 8 && y <= 10 && x >= 12 && x <= 19) ||
                              (x >= 18 && x <= 20 && y >= 10 && y <= 15) ||
                              (x >= 15 && x <= 17 && y >= 15 && y <= 19) ||
                              (x >= 15 && x <= 17 && y >= 22 && y <= 24);
            pixels[y * (icon->pitch / 4) + x] =
                !disc ? 0x00000000u : mark ? 0xFF202040u : 0xFFF0B020u;
        }
    }
    return icon;
}

// A lost X connection cannot be recovered from. Leave at once: the normal exit path would
// talk to the dead display again from destructors and never finish.
int OnLostDisplay(Display*) {
    static const char kMessage[] = "The connection to the display was lost.\n";
    (void)!::write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
    ::_exit(1);
}

class SdlBackend final : public Backend {
public:
    SdlBackend() {
        if (SDL_Init(SDL_INIT_VIDEO) != 0) {
            std::cerr << "Cannot open the display: " << SDL_GetError() << "\n";
            return;
        }
        videoReady_ = true;
        crossThreadEvent_ = SDL_RegisterEvents(1);
        pads_.Open();
        if (SDL_strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0) XSetIOErrorHandler(OnLostDisplay);
    }

    ~SdlBackend() override {
        DestroyMainWindow();
        pads_.Close();
        for (SDL_Cursor* cursor : cursors_) {
            if (cursor) SDL_FreeCursor(cursor);
        }
        if (videoReady_) SDL_Quit();
    }

    bool DisplayAvailable() override { return videoReady_; }

    DisplayMode GetDisplayMode() override {
        DisplayMode mode;
        SDL_DisplayMode desktop{};
        if (!videoReady_ || SDL_GetDesktopDisplayMode(0, &desktop) != 0) return mode;
        // The engine sees the play area as its screen (play_area_fit.h says why); a desktop
        // too narrow for it is reported as it is, so the start-up check refuses it.
        const bool wideEnough = desktop.w >= kPlayAreaWidth;
        mode.width = wideEnough ? kPlayAreaWidth : desktop.w;
        mode.height = wideEnough ? kPlayAreaHeight : desktop.h;
        // SDL names a 4-byte XRGB desktop "24 bits" and 5-5-5 "15 bits"; to the game they
        // are 32 and 16 bits.
        const int bytes = SDL_BYTESPERPIXEL(desktop.format);
        mode.bitsPerPixel = bytes == 4 ? 32 : bytes == 2 ? 16 : bytes * 8;
        desktopFormat_ = desktop.format;
        return mode;
    }

    uint32_t RoundTripDisplayColor(uint32_t color) override {
        if (desktopFormat_ == SDL_PIXELFORMAT_UNKNOWN) GetDisplayMode();
        SDL_PixelFormat* format = SDL_AllocFormat(desktopFormat_);
        if (!format) return color;
        const uint32_t pixel =
            SDL_MapRGB(format, color & 0xFF, color >> 8 & 0xFF, color >> 16 & 0xFF);
        Uint8 r = 0, g = 0, b = 0;
        SDL_GetRGB(pixel, format, &r, &g, &b);
        SDL_FreeFormat(format);
        return static_cast<uint32_t>(b) << 16 | g << 8 | r;
    }

    // The window's place and size are the platform's choice: the engine's are for a window
    // covering its screen.
    bool CreateMainWindow(const char* title, int, int, int, int) override {
        if (!videoReady_ || !screen_.Create(title)) return false;
        if (SDL_Surface* icon = PlaceholderIcon()) {
            SDL_SetWindowIcon(screen_.Window(), icon);
            SDL_FreeSurface(icon);
        }
        SDL_StartTextInput();
        return true;
    }

    bool MainWindowExists() override { return screen_.Window() != nullptr; }

    void ShowMainWindow() override {
        if (!screen_.Window()) return;
        SDL_ShowWindow(screen_.Window());
        SDL_RaiseWindow(screen_.Window());
    }

    // Where the window goes and how big it is are the platform's business.
    void MoveMainWindow(int, int, int, int) override {}

    void MinimiseMainWindow() override {
        if (screen_.Window()) SDL_MinimizeWindow(screen_.Window());
    }

    void SetMainWindowTopMost(bool topMost) override {
        if (screen_.Window()) {
            SDL_SetWindowAlwaysOnTop(screen_.Window(), topMost ? SDL_TRUE : SDL_FALSE);
        }
    }

    void DestroyMainWindow() override { screen_.Destroy(); }

    void Present(const uint8_t* bits, int width, int height, int stride, PixelLayout layout,
                 int x, int y) override {
        screen_.Present(bits, width, height, stride, layout, x, y);
    }

    void ApplyPresentation() override { screen_.Apply(GetPresentation()); }
    void SideBandsChanged() override { screen_.Redraw(); }

    void SetCursor(int cursorId) override {
        if (!videoReady_) return;
        const bool busy = cursorId == kCursorBusy;
        SDL_Cursor*& cursor = cursors_[busy ? 1 : 0];
        if (!cursor) {
            cursor = SDL_CreateSystemCursor(busy ? SDL_SYSTEM_CURSOR_WAIT
                                                 : SDL_SYSTEM_CURSOR_ARROW);
        }
        if (cursor) SDL_SetCursor(cursor);
    }

    void SetCursorFile(int cursorId, const std::string& path, int hotX, int hotY) override {
        if (!videoReady_ || !BitmapFileIsSane(path)) return;
        SDL_Surface* picture = SDL_LoadBMP(TranslatePath(path).c_str());
        if (!picture) return;
        SDL_SetColorKey(picture, SDL_TRUE, SDL_MapRGB(picture->format, 255, 0, 255));
        SDL_Cursor* made = SDL_CreateColorCursor(picture, hotX, hotY);
        SDL_FreeSurface(picture);
        if (!made) return;
        SDL_Cursor*& slot = cursors_[cursorId == kCursorBusy ? 1 : 0];
        if (slot) SDL_FreeCursor(slot);
        slot = made;
    }

    void SetIconFile(const std::string& path) override {
        if (!screen_.Window() || !BitmapFileIsSane(path)) return;
        SDL_Surface* icon = SDL_LoadBMP(TranslatePath(path).c_str());
        if (!icon) return;
        SDL_SetColorKey(icon, SDL_TRUE, SDL_MapRGB(icon->format, 255, 0, 255));
        SDL_SetWindowIcon(screen_.Window(), icon);
        SDL_FreeSurface(icon);
    }

    void PollEvents() override {
        if (!videoReady_) return;
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (!pads_.Handle(event)) Translate(event);
        }
    }

    // SDL's queue takes events from any thread and keeps them in the order they came, among
    // the keyboard's own.
    void PostFromAnyThread(const Message& message) override {
        if (!videoReady_ || crossThreadEvent_ == static_cast<Uint32>(-1)) return;
        SDL_Event event{};
        event.type = crossThreadEvent_;
        event.user.code = static_cast<Sint32>(message.id);
        event.user.data1 = reinterpret_cast<void*>(static_cast<uintptr_t>(message.wParam));
        event.user.data2 = reinterpret_cast<void*>(static_cast<uintptr_t>(message.lParam));
        SDL_PushEvent(&event);
    }

    std::string OpenFolderOnDesktop(const std::string& path) override {
        return LaunchFileManager(path);
    }
    void ShowMessageBox(const char* text, const char* caption, BoxIcon icon) override {
        const Uint32 flags =
            icon == BoxIcon::Error ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
        const std::string utf8Text = Utf8Of(text), utf8Caption = Utf8Of(caption);
        if (!videoReady_ || SDL_ShowSimpleMessageBox(flags, utf8Caption.c_str(), utf8Text.c_str(),
                                                     screen_.Window()) != 0) {
            std::cerr << utf8Caption << ": " << utf8Text << "\n";
        }
    }

    uint32_t GetTickCount() override {
        timespec now{};
        ::clock_gettime(CLOCK_BOOTTIME, &now);
        const uint64_t ms = static_cast<uint64_t>(now.tv_sec) * 1000u +
                            static_cast<uint64_t>(now.tv_nsec) / 1000000u;
        return static_cast<uint32_t>(ms);
    }

    void Sleep(uint32_t ms) override {
        timespec delay{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
        while (::nanosleep(&delay, &delay) != 0) {
        }
    }

    std::time_t Time() override { return std::time(nullptr); }

    std::tm LocalTime(std::time_t t) override {
        std::tm out{};
        ::localtime_r(&t, &out);
        return out;
    }

private:
    void Translate(const SDL_Event& event) {
        if (event.type == crossThreadEvent_) {
            PostCrossThread({static_cast<uint32_t>(event.user.code),
                             static_cast<uint32_t>(reinterpret_cast<uintptr_t>(event.user.data1)),
                             static_cast<uint32_t>(reinterpret_cast<uintptr_t>(event.user.data2))});
            return;
        }
        switch (event.type) {
            case SDL_QUIT: PostClose(); break;
            case SDL_KEYDOWN: OnKeyDown(event.key); break;
            case SDL_KEYUP: OnKeyUp(event.key); break;
            case SDL_TEXTINPUT: OnText(event.text.text); break;
            case SDL_MOUSEMOTION:
                PostMessage({kWmMouseMove, 0, MouseLParam(event.motion.x, event.motion.y)});
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP: OnButton(event.button); break;
            case SDL_WINDOWEVENT: OnWindowEvent(event.window); break;
            case SDL_DROPFILE:
                if (event.drop.file) PostDroppedFile(event.drop.file);
                SDL_free(event.drop.file);
                break;
            case SDL_DROPTEXT: SDL_free(event.drop.file); break;  // only files become sets
            case SDL_RENDER_TARGETS_RESET:
            case SDL_RENDER_DEVICE_RESET:
                // The picture is gone with the textures: the frame draws it again.
                screen_.DropTexture();
                PostMessage({kWmPaint, 0, 0});
                break;
            default: break;
        }
    }

    // Left Alt alone makes the system key forms. AltGr, and Ctrl+Alt that stands for it, type
    // ordinary characters: on a Czech keyboard they give @ # & { } [ ] and the euro sign.
    static bool IsSystemAlt(Uint16 mod) {
        return (mod & KMOD_LALT) != 0 && (mod & (KMOD_RALT | KMOD_CTRL)) == 0;
    }

    static uint8_t ControlCharacterOf(SDL_Scancode code) {
        switch (code) {
            case SDL_SCANCODE_RETURN:
            case SDL_SCANCODE_KP_ENTER: return 13;
            case SDL_SCANCODE_ESCAPE: return 27;
            case SDL_SCANCODE_BACKSPACE: return 8;
            case SDL_SCANCODE_TAB: return 9;
            default: return 0;
        }
    }

    // Alt+Enter and F11 switch between fullscreen and the window; the game never hears them.
    static bool IsFullscreenSwitch(const SDL_Keysym& keysym) {
        const bool enter = keysym.scancode == SDL_SCANCODE_RETURN ||
                           keysym.scancode == SDL_SCANCODE_KP_ENTER;
        return keysym.scancode == SDL_SCANCODE_F11 || (enter && (keysym.mod & KMOD_ALT));
    }

    void SwitchFullscreen() {
        SetFullscreen(!GetPresentation().fullscreen);
        PostMessage({kWmPresentationChanged, 0, 0});
    }

    void OnKeyDown(const SDL_KeyboardEvent& key) {
        if (IsFullscreenSwitch(key.keysym) || switchKeys_[key.keysym.scancode]) {
            if (!switchKeys_[key.keysym.scancode]) SwitchFullscreen();
            switchKeys_[key.keysym.scancode] = true;
            return;
        }
        const uint32_t scan = SetOneScanCode(key.keysym.scancode);
        if (scan == 0) return;
        const bool alt = IsSystemAlt(key.keysym.mod);
        const uint8_t ch = ControlCharacterOf(key.keysym.scancode);
        typed_[key.keysym.scancode] = ch;
        PostKeyDown(scan, ch, alt, key.repeat != 0, TickOfSdlEvent(key.timestamp));
        // The character the key types, if any, arrives as text right after this event.
        pendingKey_ = ch == 0 ? key.keysym.scancode : SDL_SCANCODE_UNKNOWN;
        pendingAlt_ = alt;
    }

    void OnKeyUp(const SDL_KeyboardEvent& key) {
        if (switchKeys_[key.keysym.scancode]) {
            switchKeys_[key.keysym.scancode] = false;
            return;
        }
        const uint32_t scan = SetOneScanCode(key.keysym.scancode);
        if (scan == 0) return;
        PostKeyUp(scan, typed_[key.keysym.scancode], IsSystemAlt(key.keysym.mod));
        typed_[key.keysym.scancode] = 0;
        if (pendingKey_ == key.keysym.scancode) pendingKey_ = SDL_SCANCODE_UNKNOWN;
    }

    void OnText(const char* utf8) {
        for (char c : Utf8ToCp1250(utf8)) {
            const auto ch = static_cast<uint8_t>(c);
            if (pendingKey_ != SDL_SCANCODE_UNKNOWN) {
                const uint32_t scan = SetOneScanCode(pendingKey_);
                uint32_t data = kKeyRepeatCountOne | (scan & 0xFF) << 16;
                if (scan & 0x100) data |= kKeyExtendedBit;
                PostMessage({pendingAlt_ ? kWmSysChar : kWmChar, ch, data});
                typed_[pendingKey_] = ch;
                pendingKey_ = SDL_SCANCODE_UNKNOWN;
            } else {
                PostChar(ch);
            }
        }
    }

    void OnButton(const SDL_MouseButtonEvent& button) {
        const bool down = button.type == SDL_MOUSEBUTTONDOWN;
        uint32_t id = 0;
        if (button.button == SDL_BUTTON_LEFT) id = down ? kWmLButtonDown : kWmLButtonUp;
        if (button.button == SDL_BUTTON_RIGHT) id = down ? kWmRButtonDown : kWmRButtonUp;
        if (id == 0) return;
        PostMessage({id, 0, MouseLParam(button.x, button.y)});
    }

    uint32_t MouseLParam(int windowX, int windowY) const {
        const PlayAreaPoint point = screen_.ToPlayArea(windowX, windowY);
        return MakeMouseLParam(point.x, point.y);
    }

    void OnWindowEvent(const SDL_WindowEvent& window) {
        switch (window.event) {
            case SDL_WINDOWEVENT_FOCUS_GAINED: PostActivate(true, minimised_); break;
            case SDL_WINDOWEVENT_FOCUS_LOST: PostActivate(false, minimised_); break;
            case SDL_WINDOWEVENT_MINIMIZED: PostActivate(false, true); break;
            case SDL_WINDOWEVENT_RESTORED: PostActivate(true, false); break;
            case SDL_WINDOWEVENT_CLOSE: PostClose(); break;
            case SDL_WINDOWEVENT_SIZE_CHANGED: screen_.OnResized(); break;
            case SDL_WINDOWEVENT_EXPOSED: screen_.Redraw(); break;
            default: break;
        }
    }

    // SDL reports one close as a window event and as a quit event; the game hears it once.
    void PostClose() {
        if (closePosted_) return;
        closePosted_ = true;
        PostMessage({kWmClose, 0, 0});
    }

    void PostActivate(bool active, bool minimised) {
        minimised_ = minimised;
        PostMessage({kWmActivate, (minimised ? 0x10000u : 0u) | (active ? 1u : 0u), 0});
    }

    bool videoReady_ = false;
    Uint32 crossThreadEvent_ = static_cast<Uint32>(-1);
    SdlScreen screen_;
    PadSet pads_;
    Uint32 desktopFormat_ = SDL_PIXELFORMAT_UNKNOWN;
    std::array<SDL_Cursor*, 2> cursors_{};
    std::array<uint8_t, SDL_NUM_SCANCODES> typed_{};
    // Keys held down since they switched fullscreen: their release is not the game's either.
    std::array<bool, SDL_NUM_SCANCODES> switchKeys_{};
    SDL_Scancode pendingKey_ = SDL_SCANCODE_UNKNOWN;
    bool pendingAlt_ = false;
    bool minimised_ = false;
    bool closePosted_ = false;
};

}  // namespace

void UseSdlBackend() { InstallBackend(std::make_unique<SdlBackend>()); }

}  // namespace platform
