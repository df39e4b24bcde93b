// The application frame: one process-wide object that owns the window, the back buffer,
// the control list with the focus, the screen-state stack, the debug log and the game's
// four callbacks.
#pragma once

#include "gfx/canvas.h"
#include "gfx/font.h"
#include "gfx/surface.h"
#include "startup_properties.h"

#include <cstdint>
#include <cstdio>
#include <memory>

class Control;

namespace Interface {

// ---- The game's callbacks -------------------------------------------------------------------
using StateChangedCallback = void (*)();
using ControlEventCallback = int32_t (*)(Control* control, int32_t code, int32_t value);
using TickCallback = void (*)();
using InputCallback = int32_t (*)(int32_t code, int32_t value, int32_t* handled);

// Input codes handed to controls and to the game.
enum InputCode : int32_t {
    kInputChar = 1,
    kInputCharUp = 2,
    kInputLeftDown = 3,
    kInputLeftUp = 4,
    kInputDoubleClick = 5,
    kInputRightDown = 6,
    kInputRightUp = 7,
    kInputMouseMove = 9,
    kInputGroupReset = 10,
    kInputKeyDown = 11,
    kInputKeyUp = 12,
    kInputMinimised = 257,
    kInputRestored = 258,
    kInputActivated = 259,
    kInputDeactivated = 260,
    // A file was dropped onto the window (platform::TakeDroppedFile); the game alone hears it.
    kInputFileDropped = 261,
};

// Picture loading flags.
constexpr int kPictureBlank = 1;
constexpr int kPictureTransparent = 2;

// Path modes of MakePath and OpenFile.
constexpr int kPathData = 0;
constexpr int kPathRuntime = 1;
constexpr int kPathAsGiven = 2;
constexpr std::size_t kMaxPath = 260;  // characters of a built file name, with its end

// Room for the busiest screen, the buzzer set-up with its topic, length and phone controls and
// an open panel, beside the common controls and the exit dialog.
constexpr int kControlSlots = 128;
constexpr int kStateSlots = 16;
constexpr int kPlayWidth = 800;
constexpr int kPlayHeight = 600;
constexpr int kBufferWidth = 1024;
constexpr int kBufferHeight = 768;

// ---- Start-up and shutdown ------------------------------------------------------------------
int PreInit(void* instance, const char* commandLine, StartupProperties* properties);
int SetCallbacks(StateChangedCallback stateChanged, ControlEventCallback controlEvent,
                 TickCallback tick, InputCallback input);
void Shutdown();
// What runs beside the frame (a server thread, sound) must stop before the frame lets go of the
// platform: Fatal calls this first, then logs, tells and exits.
using FatalCallback = void (*)();
void SetFatalCallback(FatalCallback callback);
[[noreturn]] void Fatal(const char* message, int32_t code);
int Log(const char* text, bool withTimeStamp);
// Builds a file name: mode 1 the runtime path + name, mode 2 the name alone, else the data
// path + name. `out` holds at least kMaxPath characters. A name too long for it is refused: false,
// `out` empty and a log line.
bool MakePath(const char* name, char* out, int mode);
std::FILE* OpenFile(const char* name, const char* openMode, int pathMode);
int Level();

// ---- The loop ------------------------------------------------------------------------------
int Run();
void RequestQuit();
bool QuitRequested();
void PumpMessages();
void Update();
void Render();
// The window procedure: turns one platform message into input events.
void HandleMessage(const platform::Message& message);

// ---- Controls, focus and input -------------------------------------------------------------
int AddControl(Control* control, bool atBack);
Control* FindControl(int32_t id);
// Whether the control is in the list (a removed one may still be running its last operation).
bool HasControl(const Control* control);
void RemoveControl(Control* control);
// Takes the controls off the list; they are destroyed by DestroyRetiredControls, which the
// frame calls between messages and after each update, when none of them can be running.
void RemoveAllControls(bool all);
void DestroyRetiredControls();
Control* ControlAt(int slot);  // the slot's control or none
void SetControlAt(int slot, Control* control);
Control* GetFocus();
int32_t GetFocusId();
void SetFocus(int32_t id);
void SetFocus(Control* control);
int32_t ReportControlEvent(Control* control, int32_t code, int32_t value);
int32_t DispatchInput(int32_t code, int32_t value);
int MouseX();
int MouseY();
// Whether the key-down being handed out now repeats a key that is held down, rather than
// being a fresh press. Pad buttons never repeat.
bool KeyDownIsRepeat();
// The tick a phone's press was made at (its arrival less half the phone's round trip), while
// that press is being handed out.
uint32_t LastPressStamp();

// ---- Screen states -------------------------------------------------------------------------
int32_t GetState();
void SetState(int32_t word, bool push);
void PopStates(int count);
int StateTop();
bool InputBlocked();

// ---- Drawing ---------------------------------------------------------------------------------
gfx::Surface& BackBuffer();
gfx::PixelLayout Layout();
void SetFillColor(uint32_t color);
uint32_t FillColor();
void SetHintStyle(uint32_t textColor, uint32_t backgroundColor, uint32_t borderColor);
// The colours of the two control outline pens and the hint border pen.
uint32_t LightPenColor();
uint32_t DarkPenColor();
void SetStatusLine(const char* text);
uint32_t ColorToPixel(uint32_t color);
int BlitKeyed(gfx::Surface& target, int x, int y, const gfx::Surface& source, const gfx::Rect& rect);
void BlurSurface(gfx::Surface& surface);

// ---- Pictures and fonts ----------------------------------------------------------------------
// Fills `holder` with a picture file's pixels in the back buffer's format, or with a blank
// surface of *width x *height (kPictureBlank). Whatever the holder held is released.
int LoadPicture(std::unique_ptr<gfx::Surface>* holder, const char* name, int32_t* width,
                int32_t* height, int flags);
// A picture file's pixels as LoadPicture reads them, but shared with the picture cache and
// with every other holder of that file instead of copied: for strips that are only read
// from, which a screen holds dozens of. Without a name, a blank *width x *height surface.
int LoadStrip(std::shared_ptr<const gfx::Surface>* holder, const char* name, int32_t* width,
              int32_t* height);
int SetBackground(const char* name, bool force);
gfx::Surface* Background();
int MeasureText(const char* text, const gfx::Font* font, gfx::Size* out);

}  // namespace Interface

// Set while an overlay, a dialog or a reveal is up: most controls ignore input and the game
// clocks stand still.
extern uint8_t controlsFrozen;
