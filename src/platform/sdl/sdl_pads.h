// Game pads as buzzers: every connected game controller (and plain joystick where SDL has
// no controller mapping for it) is opened, pads plugged in or pulled out while the game
// runs are picked up or dropped, and a button press becomes a pad-button message carrying
// the pad key of pad_keys.h.
#pragma once

#include "../pad_slots.h"

#include <SDL.h>

#include <vector>

namespace platform {

// The game's tick count at an SDL event's timestamp.
uint32_t TickOfSdlEvent(uint32_t sdlTimestamp);

class PadSet {
public:
    PadSet() = default;
    PadSet(const PadSet&) = delete;
    PadSet& operator=(const PadSet&) = delete;
    ~PadSet() { Close(); }

    // Starts SDL's controller support. Pads already connected arrive as added-device events.
    bool Open();
    void Close();
    // Handles a pad's event; false for events that are not about pads.
    bool Handle(const SDL_Event& event);

    int Count() const { return static_cast<int>(pads_.size()); }
    // The slot of the pad with this SDL instance id; -1 when it is not open.
    int SlotOf(SDL_JoystickID id) const;

private:
    struct Pad {
        SDL_JoystickID id = -1;
        int slot = -1;
        SDL_GameController* controller = nullptr;  // null for a plain joystick
        SDL_Joystick* joystick = nullptr;
    };

    void Add(int deviceIndex);
    void Remove(SDL_JoystickID id);
    void Press(SDL_JoystickID id, int button, bool fromController, uint32_t sdlTimestamp);
    const Pad* Find(SDL_JoystickID id) const;
    // The slots pads had when the game last ran, kept in the user folder.
    void RecallSlots();
    void KeepSlots() const;

    bool open_ = false;
    std::vector<Pad> pads_;
    PadSlots slots_;
};

}  // namespace platform
