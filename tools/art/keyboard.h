// The on-screen keyboard of the multiplayer set-up: its keys, the picture of it, the key
// labels the players' rows show, the two markers, and Data\key.txt, which tells the game
// where each key lies on the picture. All four come from the one key list below, so they
// cannot drift apart.
#pragma once

#include "picture.h"

#include <string>
#include <string_view>
#include <vector>

namespace art {

struct KeyRect {
    int x = 0, y = 0, width = 0, height = 0;  // in the keyboard picture
};

struct KeyboardKey {
    int code = 0;              // scan code, plus 256 for extended keys
    std::string_view label;
    KeyRect area;
    KeyRect second;            // the lower part of the Enter key; empty otherwise
    bool choosable = true;     // keys the game reserves (answers, Esc, locks) cannot be chosen
    bool keypad = false;
    int side = 0;              // -1 left, 1 right: the two Shift, Ctrl and Alt keys
};

// Every key drawn on the keyboard; the choosable ones in the order of key.txt.
const std::vector<KeyboardKey>& KeyboardKeys();
// The choosable keys in key.txt order: line n describes ChoosableKeys()[n], whose label is
// frame n + 1 of the "keys" strip.
std::vector<const KeyboardKey*> ChoosableKeys();

constexpr int kKeyboardWidth = 660;
constexpr int kKeyboardHeight = 190;
constexpr int kMarkerSize = 18;

// Data\key.txt: one line per choosable key, "code=x,y,w,h," in screen coordinates (the
// keyboard stands at (135, 208)), the Enter key with its second area.
std::string KeyLayoutText();

void PaintKeyboard(const Cell& cell);
// Frame n < 84 is the label of the key on line n - 1 of key.txt, or blank; the frames after
// them show pad buttons (pad_pictures.h).
void PaintKeyLabel(const Cell& cell);
// The choosing player's marker (current) and the marker of every taken key.
void PaintKeyMarker(const Cell& cell, bool current);

}  // namespace art
