#include "key_layout.h"

#include "frame/interface.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

constexpr int kFieldCount = 9;
constexpr int kLineCapacity = 255;  // 254 characters and the terminator

bool IsSeparator(char c) { return c == '=' || c == ',' || c == '"'; }

// A decimal number read the way atoi reads one, saturated to the int32 range instead of
// overflowing.
int32_t ReadNumber(const char* text, const char* end) {
    while (text < end && std::isspace(static_cast<unsigned char>(*text))) ++text;
    bool negative = false;
    if (text < end && (*text == '+' || *text == '-')) negative = *text++ == '-';
    int64_t value = 0;
    for (; text < end && std::isdigit(static_cast<unsigned char>(*text)); ++text) {
        value = std::min<int64_t>(value * 10 + (*text - '0'), int64_t{1} << 32);
    }
    value = negative ? -value : value;
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// A key's rectangle on the picture from its screen position and size, which lie on the
// play area.
gfx::Rect AreaFrom(const int32_t* fields) {
    const int left = fields[0] - KeyLayout::kOriginX;
    const int top = fields[1] - KeyLayout::kOriginY;
    return {left, top, left + fields[2], top + fields[3]};
}

// Whether a key's screen position and size (x, y, w, h) lie on the play area, where the
// picture is shown. Anything else is a damaged line: far-off values would overflow the
// marker arithmetic later.
bool OnPlayArea(const int32_t* fields) {
    const int64_t x = fields[0], y = fields[1], w = fields[2], h = fields[3];
    return x >= 0 && y >= 0 && w >= 0 && h >= 0 && x + w <= Interface::kPlayWidth &&
           y + h <= Interface::kPlayHeight;
}

bool Contains(const gfx::Rect& area, int x, int y) {
    return area.left <= x && x < area.right && area.top <= y && y < area.bottom;
}

}  // namespace

void KeyLayout::Clear() { keys_.fill(KeyArea{}); }

bool KeyLayout::Has(int32_t key) const {
    return key >= 0 && key < kKeyCount && keys_[static_cast<std::size_t>(key)].present;
}

bool KeyLayout::ReadLine(const char* line, int32_t lineNumber, const char* fileName) {
    // Field k is the text before separator k + 1; the text after the last separator is no
    // field, and a field that is not there repeats the one before it.
    int32_t fields[kFieldCount] = {};
    int found = 0;
    const char* start = line;
    for (const char* p = line; *p && found < kFieldCount; ++p) {
        if (!IsSeparator(*p)) continue;
        fields[found++] = ReadNumber(start, p);
        start = p + 1;
    }
    if (found == 0) return false;  // no separator: the line describes no key
    for (int k = found; k < kFieldCount; ++k) fields[k] = fields[k - 1];
    const int32_t key = fields[0];
    if (key < 0 || key >= kKeyCount) {
        char message[360];
        std::snprintf(message, sizeof message, "%s line %d: key code %d ignored", fileName,
                      lineNumber + 1, key);
        Interface::Log(message, false);
        return false;
    }
    const bool hasSecondArea = key == kEnterKey;
    if (!OnPlayArea(fields + 1) || (hasSecondArea && !OnPlayArea(fields + 5))) {
        char message[360];
        std::snprintf(message, sizeof message, "%s line %d: key %d lies off the picture, ignored",
                      fileName, lineNumber + 1, key);
        Interface::Log(message, false);
        return false;
    }
    KeyArea& entry = keys_[static_cast<std::size_t>(key)];
    entry.present = 1;
    entry.line = lineNumber;
    entry.area1 = AreaFrom(fields + 1);
    entry.area2 = hasSecondArea ? AreaFrom(fields + 5) : gfx::Rect{};
    return true;
}

void KeyLayout::Load(const char* fileName) {
    Clear();
    std::FILE* file = Interface::OpenFile(fileName, "rb", Interface::kPathAsGiven);
    if (!file) return;
    char line[kLineCapacity];
    for (int32_t lineNumber = 0; std::fgets(line, sizeof line, file); ++lineNumber) {
        ReadLine(line, lineNumber, fileName);
    }
    std::fclose(file);
}

int32_t KeyLayout::KeyAt(int x, int y) const {
    for (int key = 0; key < kKeyCount; ++key) {
        const KeyArea& entry = keys_[static_cast<std::size_t>(key)];
        if (Contains(entry.area1, x, y) || Contains(entry.area2, x, y)) return key;
    }
    return -1;
}
