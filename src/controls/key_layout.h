// Where each key of the PC keyboard lies on the on-screen keyboard picture, read from the
// text file Data\key.txt. Keys are scan codes with the extended-key bit (0..511).
#pragma once

#include "gfx/surface.h"

#include <array>
#include <cstdint>

struct KeyArea {
    int32_t present = 0;  // the layout file describes this key
    int32_t line = 0;     // 0-based line of the file that described it
    gfx::Rect area1;      // relative to the picker's position
    gfx::Rect area2;      // only the Enter key (28) has a second area
};

class KeyLayout {
public:
    static constexpr int kKeyCount = 512;
    static constexpr int kEnterKey = 28;
    // The picker's place on the set-up screen: the file holds screen coordinates.
    static constexpr int kOriginX = 135;
    static constexpr int kOriginY = 208;

    virtual ~KeyLayout() = default;

    // Replaces the layout by the file's. A file that cannot be opened leaves it empty (the
    // frame logs the missing file); lines naming a key outside 0..511 are logged and skipped.
    void Load(const char* fileName);
    // Reads one line: "code=x,y,w,h," and, for the Enter key, four more values. A field left
    // out repeats the one before it. False when the line names no key the layout can hold
    // or puts an area off the 800 x 600 play area (logged). `fileName` names the file in the
    // log.
    bool ReadLine(const char* line, int32_t lineNumber, const char* fileName);
    void Clear();

    bool Has(int32_t key) const;
    // The key's entry; only for keys 0..511.
    const KeyArea& Entry(int32_t key) const { return keys_[static_cast<std::size_t>(key)]; }
    // The first key whose areas contain (x, y), relative to the picker; -1 when none.
    int32_t KeyAt(int x, int y) const;

private:
    std::array<KeyArea, kKeyCount> keys_{};
};
