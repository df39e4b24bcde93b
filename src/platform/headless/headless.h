// The deterministic backend: a virtual screen, a scripted message queue, a fake clock,
// recorded message boxes and the last presented frame. The test bench of the whole game.
#pragma once

#include "../platform.h"

#include <string>
#include <vector>

namespace headless {

struct Config {
    int width = 1024;
    int height = 768;
    int bitsPerPixel = 32;  // 16, 24 or 32 (15 is taken as 16 bits 5-5-5)
    bool green6 = true;     // at 16 bits: 5-6-5 when set, 5-5-5 otherwise
    uint32_t startTick = 1000000;
    std::time_t startTime = 1767225600;  // 2026-01-01 00:00:00 UTC
    bool windowFails = false;  // the main window cannot be created
};

// Installs a fresh headless backend; the clock, queue, screen and records start anew, and a
// fresh recording sound output with a device (recording_sound.h).
void Install(const Config& config = {});

// ---- The fake clock -------------------------------------------------------------------------
// Advances the tick count; the wall clock moves with it. Sleep advances it too.
void Advance(uint32_t ms);
void SetTickCount(uint32_t tick);
void SetTime(std::time_t seconds);  // local time is UTC on this backend

// ---- Scripted input (window coordinates; the window covers the screen) -----------------------
void KeyDown(uint32_t scanCode, uint8_t ch = 0, bool alt = false);
void KeyUp(uint32_t scanCode, uint8_t ch = 0, bool alt = false);
void PressKey(uint32_t scanCode, uint8_t ch = 0);   // down, then up
void TypeText(std::string_view cp1250);            // character messages only, down and up
void MoveMouse(int x, int y);
void MouseButton(bool right, bool down);
void Click(int x, int y, bool right = false);      // move, press, release
void SetActivity(bool active, bool minimised);     // posts an Activate message
void CloseWindow();                                // posts a Close message

// ---- Scripted game pads ------------------------------------------------------------------------
// Plugs a pad in and returns its slot (the lowest free one), or -1 when every slot is in use.
int PlugPad();
void UnplugPad(int slot);
// A button press on a plugged pad: a pad-button message with its pad key (pad_keys.h).
// Nothing happens for a slot with no pad in it, as with a real pad pulled out.
void PressPadButton(int slot, int button);
// A phone's button press as the phone server posts it: from any thread, stamped now.
void PressPhoneButton(int slot, int button);

// A file dropped onto the window, as a desktop's file manager drops one.
void DropFile(const std::string& path);

// ---- What the program did -------------------------------------------------------------------
struct BoxRecord {
    std::string text;     // Windows-1250, as the program passed it
    std::string caption;
    platform::BoxIcon icon;
};
const std::vector<BoxRecord>& Boxes();
// The folders the game asked the desktop to open, oldest first; none is opened.
const std::vector<std::string>& OpenedFolders();
// From now on opening a folder fails with `why`.
void FailOpeningFolders(const std::string& why);

struct WindowState {
    bool exists = false;
    bool visible = false;
    bool minimised = false;
    bool topMost = false;
    std::string title;
    int x = 0, y = 0, width = 0, height = 0;
    int cursor = 0;
    std::string iconFile;
    std::string arrowCursorFile;
    std::string busyCursorFile;
};
const WindowState& Window();

// The virtual screen after the last presentation, 0x00RRGGBB per pixel, top row first.
struct Frame {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool SavePng(const std::string& path) const;
};
const Frame& Screen();
int PresentCount();

// The window as a player would see it, when a test gives it a size: the play area of the
// virtual screen scaled to its largest 4:3 fit (nearest pixel), and the side bands beside it
// drawn at the window's own resolution, as the SDL backend shows them. The engine is told
// nothing of this size.
void SetWindowSize(int width, int height);
const Frame& WindowPicture();
// How many times the bands were painted: they are painted again only when they changed.
int BandPaintCount();

}  // namespace headless
