// The game's start-up while its screens are being built: register the callbacks, show the
// main menu's background when it exists, and let Esc or closing the window end the run.
#include "app.h"
#include "frame/interface.h"

namespace {

void OnStateChanged() { Interface::SetBackground("Bitmaps\\main_bg", false); }

int32_t OnControlEvent(Control*, int32_t, int32_t) { return 0; }

void OnTick() {}

int32_t OnInput(int32_t code, int32_t value, int32_t*) {
    if (code == Interface::kInputChar && value == 27) Interface::RequestQuit();
    return 0;
}

}  // namespace

int AppInit() {
    if (!Interface::SetCallbacks(OnStateChanged, OnControlEvent, OnTick, OnInput)) return 0;
    Interface::SetFillColor(0xFF0000);
    Interface::SetState(1, false);
    Interface::SetHintStyle(0x000000, 0x99C6DB, 0x000000);
    return 1;
}

void AppShutdown() {}
