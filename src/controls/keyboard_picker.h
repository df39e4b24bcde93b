// The on-screen PC keyboard on which each multiplayer player picks a buzzer key, by pressing
// the key or clicking it on the picture. A key can belong to one player only; every taken
// key is marked, the choosing player's with a second marker.
#pragma once

#include "frame/control.h"
#include "key_layout.h"

#include <array>
#include <memory>
#include <string>

class KeyboardPicker : public Control {
public:
    static constexpr int kPlayers = 5;
    static constexpr int32_t kEventAssigned = 0x100;
    static constexpr const char* kLayoutFile = "Data\\key.txt";

    // A marker's top-left corner relative to the control; (-1, -1) = none.
    struct Position {
        int x = -1;
        int y = -1;
        bool IsSet() const { return x != -1 || y != -1; }
        bool operator==(const Position&) const = default;
    };

    explicit KeyboardPicker(int32_t id);

    // 0 when one of the three pictures cannot be loaded.
    int SetUp(int x, int y, const char* keyboardName, const char* currentMarkerName,
              const char* takenMarkerName, uint32_t flags);
    void LoadLayout();
    const KeyLayout& Layout() const { return layout_; }

    // Player `index` (0..4) chooses (again): their key is freed until a new one is assigned.
    void SelectPlayer(int index);
    int CurrentPlayer() const { return currentPlayer_; }
    int32_t GetPlayerKey(int index) const;
    void SetPlayerKey(int index, int32_t key);
    void ClearPlayerKey(int index);
    void ClearAllPlayerKeys();
    // The layout line of the player's key + 1 (1 for the file's first line, and for a key
    // the file does not describe); 0 when the player has no key of the keyboard.
    int GetKeyNumber(int index) const;

    int32_t HoveredKey() const { return hoveredKey_; }
    int32_t PreviousKey() const { return previousKey_; }
    Position MarkerPosition() const { return marker_; }
    Position PreviousPosition() const { return previous_; }
    // Where a key's marker goes, relative to the control; (-1, -1) for a key not in the layout.
    Position MarkerPositionOf(int32_t key) const;

    void Render() override;
    void HandleInput(int32_t code, int32_t value, int32_t* handled) override;

private:
    static bool IsPlayer(int index) { return index >= 0 && index < kPlayers; }
    bool IsTaken(int32_t key) const;
    void AssignHoveredKey();
    void PlaceMarker(gfx::Surface& face, const gfx::Surface* marker, Position at) const;

    std::unique_ptr<gfx::Surface> keyboard_;
    std::unique_ptr<gfx::Surface> currentMarker_;
    std::unique_ptr<gfx::Surface> takenMarker_;
    std::string keyboardName_;
    std::string currentMarkerName_;
    std::string takenMarkerName_;
    int32_t markerWidth_ = 0;
    int32_t markerHeight_ = 0;
    Position marker_;
    Position previous_;
    KeyLayout layout_;
    int32_t hoveredKey_ = -1;
    std::array<int32_t, kPlayers> playerKeys_;
    int currentPlayer_ = -1;
    bool armed_ = false;
    int32_t previousKey_ = -1;
};
