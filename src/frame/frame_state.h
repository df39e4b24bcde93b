// The frame's module-level state, shared by the files that make up Interface.
#pragma once

#include "interface.h"

#include <array>
#include <bitset>
#include <memory>
#include <string>
#include <vector>

namespace Interface::detail {

struct HintState {
    int32_t hoveredId = -1;
    gfx::Size extent;
    int x = 0, y = 0;
    int placedAtX = 0, placedAtY = 0;
    uint32_t hoverStart = 0;
    uint32_t delayMs = 1000;
    uint32_t textColor = 0x000000;
    uint32_t backgroundColor = 0xFFFFFF;
    uint32_t borderColor = 0x000000;
};

// What one composed frame is made of: enough to tell whether the next frame would look the
// same without drawing it. Faces are known by their surface and its version.
struct DrawnControl {
    const Control* control = nullptr;
    int x = 0, y = 0;
    uint32_t flags = 0;  // the bits that change how it is drawn
    const gfx::Surface* picture = nullptr;
    uint64_t version = 0;
    int32_t keyColor = -1;
    bool operator==(const DrawnControl&) const = default;
};

struct ScreenContents {
    const gfx::Surface* background = nullptr;
    uint64_t backgroundVersion = 0;
    std::vector<DrawnControl> controls;
    bool hintShown = false;
    std::string hintText;
    int hintX = 0, hintY = 0, hintWidth = 0, hintHeight = 0;
    uint32_t hintColors[3] = {};
    std::string fpsText;
    std::string statusLine;
    bool operator==(const ScreenContents&) const = default;
};

struct FrameState {
    int level = 0;
    StartupProperties* properties = nullptr;
    std::string dataPath;
    std::string runtimePath;
    bool registryOpen = false;
    int screenWidth = 0;   // as the window covers it: the screen height + 40
    int screenHeight = 0;
    gfx::Rect clip{0, 0, kBufferWidth, kBufferHeight};
    std::FILE* log = nullptr;

    std::array<Control*, kControlSlots> controls{};
    // Controls taken off the list while one of them may still be running (a button whose
    // event changed the screen); destroyed once no control operation is under way.
    std::vector<Control*> retired;
    int32_t focusId = 0;
    int mouseX = -1, mouseY = -1;
    bool active = true;
    bool minimised = false;
    bool quit = false;
    bool inputBlocked = false;
    // Keyboard keys down now, so that an auto-repeated key-down is told from a fresh press
    // even when the platform does not mark it.
    std::bitset<512> heldKeys;
    bool repeatedKeyDown = false;
    uint32_t pressStamp = 0;  // the phone press being handed out: when it was made

    bool runStarted = false;
    uint32_t startTick = 0;
    uint32_t elapsedPeriods = 0;

    bool fpsStarted = false;
    uint32_t fpsTick = 0;
    int fpsCount = 0;
    int fpsShown = 0;

    std::unique_ptr<gfx::Surface> backBuffer;
    bool green6 = true;
    int displayBits = 0;
    std::unique_ptr<gfx::Surface> background;
    std::string backgroundName;

    HintState hint;
    // The contents of the last presented frame, and whether the window needs a whole new one.
    ScreenContents presented;
    bool repaintNeeded = true;
    // What the profile said about fullscreen and scaling, to keep its other lines when the
    // player's switch is stored.
    platform::Presentation profilePresentation;
    uint32_t fillColor = 0;
    bool pensMade = false;
    char statusLine[256] = "";

    std::array<int32_t, kStateSlots> stateStack{};
    int stateTop = 0;

    StateChangedCallback onStateChanged = nullptr;
    ControlEventCallback onControlEvent = nullptr;
    TickCallback onTick = nullptr;
    InputCallback onInput = nullptr;
    FatalCallback onFatal = nullptr;
};

FrameState& State();
// The play-area origin on the screen, recomputed from the current screen size.
int OriginX();
int OriginY();
void ReleaseDisplay();
// The frame as it would be composed now, with the hint's text when it is shown.
ScreenContents DescribeScreen(const char* hintText);
// Profile lines about the presentation ("Full screen=", "Integer scale="): read one, and
// write the player's current choice into the profile.
std::string ProfilePath();
bool ReadPresentationLine(const char* line);
void StorePresentation();

}  // namespace Interface::detail
