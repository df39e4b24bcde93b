// Where the intro shows its pictures: a picture-name prefix and one position per picture,
// read from a small text file.
#pragma once

#include <cstdint>
#include <string_view>

namespace quiz {

constexpr const char* kIntroLayoutFileName = "Data\\intro.dat";

struct Position {
    int32_t x = 0;
    int32_t y = 0;
};

class IntroLayout {
public:
    static constexpr int kMaxPositions = 255;
    static constexpr int kPrefixSize = 256;

    IntroLayout() = default;
    virtual ~IntroLayout() = default;

    // The file holds a header line "[prefix]" and then one "x,y" line per picture. Blank
    // lines and lines before the header are skipped. False when the file cannot be opened
    // (the layout is then empty).
    bool Read(std::string_view fileName);

    Position positions[kMaxPositions] = {};
    int32_t count = 0;
    char prefix[kPrefixSize] = {};
};

}  // namespace quiz
