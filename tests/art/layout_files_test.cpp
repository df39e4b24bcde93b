// Data\key.txt and Data\intro.dat read the way the game reads them, against the pictures
// they describe.
#include "intro.h"
#include "keyboard.h"
#include "library.h"
#include "platform/pad_keys.h"
#include "platform/phone_keys.h"
#include "table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Area {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct LayoutEntry {
    int line = 0;
    Area first, second;
};

// The key layout reader: fields split at '=', ',' and '"', each read as atoi reads it, a
// missing field repeating the one before; areas relative to the keyboard at (135, 208).
std::map<int, LayoutEntry> ReadKeyLayout(const std::string& text) {
    std::map<int, LayoutEntry> layout;
    std::istringstream in(text);
    std::string line;
    for (int number = 0; std::getline(in, line); ++number) {
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '=' || line[i] == ',' || line[i] == '"') {
                fields.push_back(line.substr(start, i - start));
                start = i + 1;
            }
        }
        int value[9] = {};
        for (int k = 0; k < 9; ++k) {
            value[k] = k < int(fields.size()) ? std::atoi(fields[k].c_str()) : (k > 0 ? value[k - 1] : 0);
        }
        const auto area = [](const int* v) { return Area{v[0] - 135, v[1] - 208, v[0] - 135 + v[2], v[1] - 208 + v[3]}; };
        LayoutEntry entry{number, area(value + 1), {}};
        if (value[0] == 28) entry.second = area(value + 5);
        layout[value[0]] = entry;
    }
    return layout;
}

// Where the keyboard copies a marker for the key (its top-left corner).
void MarkerAt(int code, const Area& a, int& x, int& y) {
    const std::set<int> wide = {15, 29, 42, 54, 56, 82, 285, 312};
    if (wide.count(code) || code == 28) {
        x = a.left + (a.right - a.left) / 2 - 9;
        y = a.top + (code == 28 ? 6 : 2);
    } else if (code == 78 || code == 284) {
        x = a.left + 2;
        y = a.top + (a.bottom - a.top) / 2 - 9;
    } else {
        x = a.left + 2;
        y = a.top + 2;
    }
}

double Brightness(uint32_t rgb) { return ((rgb >> 16 & 0xFF) + (rgb >> 8 & 0xFF) + (rgb & 0xFF)) / 765.0; }

TEST(KeyLayoutFile, DescribesEveryChoosableKeyOnceWithinThePicture) {
    const std::map<int, LayoutEntry> layout = ReadKeyLayout(art::KeyLayoutText());
    const auto keys = art::ChoosableKeys();
    ASSERT_EQ(layout.size(), keys.size());
    // Frames 1..83 of the 84-frame key label strip name the lines.
    EXPECT_LE(int(layout.size()), 83);
    std::vector<Area> areas;
    for (const auto& [code, entry] : layout) {
        EXPECT_GE(code, 0);
        EXPECT_LT(code, 512);
        EXPECT_EQ(keys[entry.line]->code, code);
        areas.push_back(entry.first);
        if (entry.second.right > 0) areas.push_back(entry.second);
    }
    for (std::size_t i = 0; i < areas.size(); ++i) {
        EXPECT_GE(areas[i].left, 0);
        EXPECT_GE(areas[i].top, 0);
        EXPECT_LE(areas[i].right, art::kKeyboardWidth);
        EXPECT_LE(areas[i].bottom, art::kKeyboardHeight);
        for (std::size_t j = i + 1; j < areas.size(); ++j) {
            const bool apart = areas[i].right <= areas[j].left || areas[j].right <= areas[i].left ||
                               areas[i].bottom <= areas[j].top || areas[j].bottom <= areas[i].top;
            EXPECT_TRUE(apart) << "areas " << i << " and " << j << " overlap";
        }
    }
    ASSERT_TRUE(layout.count(28));
    EXPECT_GT(layout.at(28).second.right, layout.at(28).second.left) << "Enter has its lower part";
}

TEST(KeyLayoutFile, LeavesOutTheKeysTheGameUsesItself) {
    const std::map<int, LayoutEntry> layout = ReadKeyLayout(art::KeyLayoutText());
    // Esc ends the game; F1-F3, 1-3 and keypad 1-3 answer.
    for (int reserved : {0x01, 0x3B, 0x3C, 0x3D, 0x02, 0x03, 0x04, 0x4F, 0x50, 0x51}) {
        EXPECT_EQ(layout.count(reserved), 0u) << reserved;
    }
}

TEST(KeyLayoutFile, AreasLieOnKeyCapsOfTheKeyboardPictureAndMarkersFitInThem) {
    art::Library library(art::PictureTable(), art::SceneTable());
    const art::Image& keyboard = library.Picture("MultiP\\keyboard");
    ASSERT_EQ(keyboard.width, art::kKeyboardWidth);
    ASSERT_EQ(keyboard.height, art::kKeyboardHeight);
    for (const auto& [code, entry] : ReadKeyLayout(art::KeyLayoutText())) {
        SCOPED_TRACE(code);
        const Area& a = entry.first;
        EXPECT_GT(Brightness(keyboard.At((a.left + a.right) / 2, a.top + 2)), 0.8) << "a light key cap";
        EXPECT_GT(Brightness(keyboard.At(a.left + 1, a.bottom - 3)), 0.8);
        int x = 0, y = 0;
        MarkerAt(code, a, x, y);
        EXPECT_TRUE(a.Contains(x, y) && a.Contains(x + art::kMarkerSize - 1, y + art::kMarkerSize - 1));
    }
}

TEST(KeyLabelStrip, ShowsALabelForEveryLineAndBlankCapsElsewhere) {
    art::Library library(art::PictureTable(), art::SceneTable());
    const art::PictureSpec& spec = *art::FindPicture("keys");
    const art::Image& strip = library.Picture("keys");
    const auto frame = [&](int n) { return strip.Crop(n * spec.width, 0, spec.width, spec.height); };
    const art::Image blank = frame(0);
    const int lines = int(art::ChoosableKeys().size());
    std::set<std::vector<uint32_t>> seen;
    for (int n = 1; n <= lines; ++n) {
        EXPECT_FALSE(frame(n) == blank) << n;
        seen.insert(frame(n).pixels);
    }
    EXPECT_EQ(int(seen.size()), lines) << "no two keys look alike";
    for (int n = lines + 1; n < platform::kKeyboardKeyFrames; ++n) {
        EXPECT_TRUE(frame(n) == blank) << n;
    }
    // Every pad button of every pad number after them, then every phone's buzzer, each a
    // picture of its own.
    ASSERT_EQ(spec.frames,
              platform::kKeyboardKeyFrames + platform::kPadKeyFrames + platform::kPhoneKeyFrames);
    for (int n = platform::kKeyboardKeyFrames; n < spec.frames; ++n) {
        EXPECT_FALSE(frame(n) == blank) << n;
        seen.insert(frame(n).pixels);
    }
    EXPECT_EQ(int(seen.size()), lines + platform::kPadKeyFrames + platform::kPhoneKeyFrames)
        << "no two keys look alike";
}

struct IntroLayout {
    std::string prefix;
    std::vector<std::pair<int, int>> positions;
};

// The intro layout reader: blank lines skipped, "[prefix]" header, then "x,y" lines.
IntroLayout ReadIntroLayout(const std::string& text) {
    IntroLayout layout;
    std::istringstream in(text);
    std::string line;
    bool header = false;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '\r') continue;
        if (!header) {
            if (line[0] == '[') {
                layout.prefix = line.substr(1, line.find(']') - 1);
                header = true;
            }
            continue;
        }
        layout.positions.push_back({std::atoi(line.c_str()), std::atoi(line.c_str() + line.find(',') + 1)});
    }
    return layout;
}

TEST(IntroLayoutFile, NamesTilePairsOfEqualSizeThatFitTheScreen) {
    const IntroLayout layout = ReadIntroLayout(art::IntroLayoutText());
    EXPECT_EQ(layout.prefix, art::kIntroPrefix);
    ASSERT_GE(layout.positions.size(), 2u);
    // The tiles take control ids 7 + k and must not reach the fixed ids from 37 on.
    EXPECT_LE(layout.positions.size(), 30u);
    for (std::size_t k = 0; k < layout.positions.size(); ++k) {
        char name[64];
        std::snprintf(name, sizeof name, "Intro\\%s%02d", layout.prefix.c_str(), int(k + 1));
        const art::PictureSpec* first = art::FindPicture(name);
        const art::PictureSpec* second = art::FindPicture(std::string(name) + "_b");
        ASSERT_NE(first, nullptr) << name;
        ASSERT_NE(second, nullptr) << name;
        EXPECT_EQ(first->width, second->width);
        EXPECT_EQ(first->height, second->height);
        const auto [x, y] = layout.positions[k];
        EXPECT_GE(x, 0);
        EXPECT_GE(y, 0);
        EXPECT_LE(x + first->width, 800) << name;
        EXPECT_LE(y + first->height, 600) << name;
        EXPECT_EQ(first->placements.front().x, x) << name;
        EXPECT_EQ(first->placements.front().y, y) << name;
    }
}

}  // namespace
