#include "sdl_pads.h"

#include "../message_queue.h"
#include "../platform.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

const char* const kSlotsFile = "\\System\\pads.txt";

// The kind of pad and, where SDL knows it, its serial number: two pads of one kind tell
// apart only by a serial.
std::string IdentityOf(SDL_Joystick* joystick) {
    char guid[33] = {};
    SDL_JoystickGetGUIDString(SDL_JoystickGetGUID(joystick), guid, sizeof guid);
    std::string identity = guid;
    if (const char* serial = SDL_JoystickGetSerial(joystick); serial && *serial) {
        identity += "/";
        for (const char* c = serial; *c; ++c) identity += (*c > ' ' && *c <= '~') ? *c : '_';
    }
    return identity;
}

}  // namespace

namespace platform {

bool PadSet::Open() {
    if (open_) return true;
    open_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (open_) RecallSlots();
    return open_;
}

void PadSet::Close() {
    if (!open_) return;
    while (!pads_.empty()) Remove(pads_.back().id);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    open_ = false;
}

bool PadSet::Handle(const SDL_Event& event) {
    if (!open_) return false;
    switch (event.type) {
        case SDL_JOYDEVICEADDED: Add(event.jdevice.which); return true;
        case SDL_CONTROLLERDEVICEADDED: Add(event.cdevice.which); return true;
        case SDL_JOYDEVICEREMOVED: Remove(event.jdevice.which); return true;
        case SDL_CONTROLLERDEVICEREMOVED: Remove(event.cdevice.which); return true;
        case SDL_CONTROLLERBUTTONDOWN:
            Press(event.cbutton.which, event.cbutton.button, true, event.cbutton.timestamp);
            return true;
        case SDL_JOYBUTTONDOWN:
            Press(event.jbutton.which, event.jbutton.button, false, event.jbutton.timestamp);
            return true;
        case SDL_CONTROLLERBUTTONUP:
        case SDL_CONTROLLERAXISMOTION:
        case SDL_CONTROLLERDEVICEREMAPPED:
        case SDL_JOYBUTTONUP:
        case SDL_JOYAXISMOTION:
        case SDL_JOYHATMOTION:
        case SDL_JOYBALLMOTION: return true;
        default: return false;
    }
}

int PadSet::SlotOf(SDL_JoystickID id) const {
    const Pad* pad = Find(id);
    return pad ? pad->slot : -1;
}

// A controller announces itself twice (as a joystick and as a controller): it is opened once.
void PadSet::Add(int deviceIndex) {
    if (Find(SDL_JoystickGetDeviceInstanceID(deviceIndex))) return;
    Pad pad;
    if (SDL_IsGameController(deviceIndex)) {
        pad.controller = SDL_GameControllerOpen(deviceIndex);
        if (pad.controller) pad.joystick = SDL_GameControllerGetJoystick(pad.controller);
    } else {
        pad.joystick = SDL_JoystickOpen(deviceIndex);
    }
    if (!pad.joystick) return;
    pad.id = SDL_JoystickInstanceID(pad.joystick);
    pad.slot = slots_.Take(IdentityOf(pad.joystick));
    if (pad.slot < 0) {
        // More pads than numbers: this one stays closed.
        if (pad.controller) SDL_GameControllerClose(pad.controller);
        else SDL_JoystickClose(pad.joystick);
        return;
    }
    pads_.push_back(pad);
    KeepSlots();
}

void PadSet::RecallSlots() {
    std::FILE* file = OpenFile(UserFolder() + kSlotsFile, "rb");
    if (!file) return;
    std::string text(PadSlots::kMaxRememberedText, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    slots_.Recall(text);
}

void PadSet::KeepSlots() const {
    const std::string text = slots_.Remembered();
    WriteFileAtomically(UserFolder() + kSlotsFile, text.data(), text.size());
}

// SDL stamps events with its own milliseconds since start; presses are compared on the game's
// tick count.
uint32_t TickOfSdlEvent(uint32_t sdlTimestamp) {
    return GetTickCount() - (SDL_GetTicks() - sdlTimestamp);
}

void PadSet::Remove(SDL_JoystickID id) {
    const auto found =
        std::find_if(pads_.begin(), pads_.end(), [id](const Pad& pad) { return pad.id == id; });
    if (found == pads_.end()) return;
    if (found->controller) SDL_GameControllerClose(found->controller);
    else SDL_JoystickClose(found->joystick);
    slots_.Release(found->slot);
    pads_.erase(found);
}

// A controller's buttons also arrive as raw joystick buttons; only its named ones count.
void PadSet::Press(SDL_JoystickID id, int button, bool fromController, uint32_t sdlTimestamp) {
    const Pad* pad = Find(id);
    if (!pad || (pad->controller != nullptr) != fromController) return;
    const int32_t key =
        MakePadKey(pad->slot, fromController ? button : kJoystickButtonBase + button);
    if (key != 0) {
        PostPress({kWmPadButtonDown, static_cast<uint32_t>(key), 0, TickOfSdlEvent(sdlTimestamp)});
    }
}

const PadSet::Pad* PadSet::Find(SDL_JoystickID id) const {
    if (id < 0) return nullptr;
    const auto found =
        std::find_if(pads_.begin(), pads_.end(), [id](const Pad& pad) { return pad.id == id; });
    return found == pads_.end() ? nullptr : &*found;
}

}  // namespace platform
