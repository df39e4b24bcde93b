// The table against the screens: frame and row counts of the strips the controls cut up,
// the sizes the screens fix, and that every picture stays on the screen where it stands.
#include "platform/pad_keys.h"
#include "platform/phone_keys.h"
#include "table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

namespace {

const art::PictureSpec& Get(const std::string& name) {
    const art::PictureSpec* spec = art::FindPicture(name);
    if (!spec) ADD_FAILURE() << "no picture " << name;
    static const art::PictureSpec kMissing;
    return spec ? *spec : kMissing;
}

void ExpectStrip(const std::string& name, int frames, int rows = 1) {
    const art::PictureSpec& spec = Get(name);
    EXPECT_EQ(spec.frames, frames) << name;
    EXPECT_EQ(spec.rows, rows) << name;
}

TEST(PictureTable, AnimatedPicturesHaveTheFrameCountsTheirControlsUse) {
    ExpectStrip("timer", 12);
    ExpectStrip("OneP\\ForR\\jokers", 7);
    ExpectStrip("cr_blk", 6);
    ExpectStrip("keys", platform::kKeyboardKeyFrames + platform::kPadKeyFrames +
                            platform::kPhoneKeyFrames);
    for (int points = 1; points <= 10; ++points) ExpectStrip("OneP\\ForP\\" + std::to_string(points) + "-sub", 4);
    for (const char* marker : {"OneP\\f_ok_1", "OneP\\f_ok_2", "OneP\\f_ok_3"}) ExpectStrip(marker, 2);
    ExpectStrip("ans_r_sw", 8);
    ExpectStrip("Ans\\ans_sw", 8);
    for (int player = 1; player <= 5; ++player) ExpectStrip("MultiP\\p" + std::to_string(player) + "_sel", 7);
    for (const char* single : {"stop_bmp", "gameover", "end", "credits", "reklama", "Intro\\i_logo", "tt_gag"}) {
        ExpectStrip(single, 1);
    }
}

TEST(PictureTable, HoverStripsHaveTheFrameCountsOfTheirButtons) {
    for (const char* strip : {"MMenu\\op_ba", "MMenu\\tp_ba", "MMenu\\tt_ba", "MMenu\\coc_ba", "MMenu\\ct_ba",
                              "OneP\\for_p_ba", "OneP\\for_r_ba", "a1_ba", "a2_ba", "a3_ba", "tt1_ga", "tt2_ga", "tt3_ga",
                              "MultiP\\disk1", "MultiP\\disk5"}) {
        ExpectStrip(strip, 5);
    }
    for (const char* strip : {"OneP\\mm_ba", "MultiP\\mm_nx", "pr_ar_ba", "nx_ar_ba", "tt_mm_ba", "Ans\\ans_mm", "Ans\\ans_nx"}) {
        ExpectStrip(strip, 6);
    }
}

TEST(PictureTable, ButtonPicturesHaveFourRowsAndTheirStripTheirSize) {
    const std::pair<const char*, const char*> pairs[] = {
        {"MMenu\\op_b", "MMenu\\op_ba"}, {"OneP\\mm_b", "OneP\\mm_ba"}, {"a2_b", "a2_ba"},
        {"MultiP\\mm_nx_b", "MultiP\\mm_nx"}, {"MultiP\\disk3_b", "MultiP\\disk3"}, {"tt2_g", "tt2_ga"},
        {"pr_ar_b", "pr_ar_ba"}, {"Ans\\ans_nx_b", "Ans\\ans_nx"}};
    for (const auto& [button, strip] : pairs) {
        EXPECT_EQ(Get(button).rows, 4) << button;
        EXPECT_EQ(Get(button).width, Get(strip).width) << button;
        EXPECT_EQ(Get(button).height, Get(strip).height) << button;
    }
    for (const art::PictureSpec& spec : art::PictureTable()) {
        if (spec.role == art::Role::Button) {
            EXPECT_EQ(spec.rows, 4) << spec.name;
            EXPECT_EQ(spec.frames, 1) << spec.name;
        }
    }
    for (const char* button : {"MMenu\\exit_b", "MMenu\\c_b", "MMenu\\help_b", "MMenu\\min_b", "rekl_b", "end_y",
                               "end_n", "Start_b", "sr_point", "sr_perc", "sr_perc2", "sr_nq"}) {
        ExpectStrip(button, 1, 4);
    }
}

TEST(PictureTable, MenuButtonsCoverBothHotAreas) {
    // Hot area 1 is (0, 0, 110, 100), hot area 2 reaches (273, 97): both are clipped to the
    // picture, so the picture must be at least that large.
    for (const char* button : {"MMenu\\op_b", "MMenu\\tp_b", "MMenu\\tt_b", "MMenu\\coc_b", "MMenu\\ct_b", "OneP\\for_p_b",
                               "OneP\\for_r_b"}) {
        EXPECT_GE(Get(button).width, 273) << button;
        EXPECT_GE(Get(button).height, 100) << button;
    }
}

TEST(PictureTable, BackgroundsFillTheBackBufferAndOverlaysTheirPlace) {
    int backgrounds = 0;
    for (const art::PictureSpec& spec : art::PictureTable()) {
        if (spec.role != art::Role::Background) continue;
        ++backgrounds;
        EXPECT_EQ(spec.width, 1024) << spec.name;
        EXPECT_EQ(spec.height, 768) << spec.name;
    }
    EXPECT_EQ(backgrounds, 13);
    for (const char* full : {"credits", "reklama"}) {
        EXPECT_EQ(Get(full).width, 800);
        EXPECT_EQ(Get(full).height, 600);
    }
    EXPECT_EQ(Get("MultiP\\target").width, 18);  // the keyboard centres markers with a -9
    EXPECT_EQ(Get("MultiP\\target_g").height, 18);
}

TEST(PictureTable, HintsSitCentredAtTheBottomBetweenTheFrameButtons) {
    int hints = 0;
    for (const art::PictureSpec& spec : art::PictureTable()) {
        if (spec.role != art::Role::Hint) continue;
        ++hints;
        EXPECT_LE(spec.height, 600 - 576) << spec.name;
        // Clear of the frame buttons at x 13..65 and of the sound switch and the frame buttons
        // at 682..787.
        EXPECT_LE(spec.width, 2 * (682 - 400)) << spec.name;
        ASSERT_FALSE(spec.placements.empty());
        EXPECT_EQ(spec.placements.front().x, 400 - spec.width / 2) << spec.name;
        EXPECT_EQ(spec.placements.front().y, 576) << spec.name;
    }
    EXPECT_EQ(hints, 25);
}

TEST(PictureTable, EveryPlacedPictureStaysOnItsScreen) {
    for (const art::PictureSpec& spec : art::PictureTable()) {
        for (const art::Placement& place : spec.placements) {
            const art::PictureSpec* host = art::FindPicture(place.host);
            const int hostWidth = host && host->role != art::Role::Background ? host->width : 800;
            const int hostHeight = host && host->role != art::Role::Background ? host->height : 600;
            EXPECT_GE(place.x, 0) << spec.name;
            EXPECT_GE(place.y, 0) << spec.name;
            EXPECT_LE(place.x + spec.width, hostWidth) << spec.name << " on " << place.host;
            EXPECT_LE(place.y + spec.height, hostHeight) << spec.name << " on " << place.host;
        }
    }
}

TEST(PictureTable, FadePairsMatchInSize) {
    for (const art::PictureSpec& spec : art::PictureTable()) {
        if (spec.role != art::Role::Fade) continue;
        const bool second = spec.name.ends_with("_b") || spec.name.ends_with("_a");
        if (!second) continue;
        const art::PictureSpec& first = Get(spec.name.substr(0, spec.name.size() - 2));
        EXPECT_EQ(first.width, spec.width) << spec.name;
        EXPECT_EQ(first.height, spec.height) << spec.name;
    }
}

TEST(PictureTable, NamesAreUniqueIgnoringCase) {
    std::set<std::string> seen;
    for (const art::PictureSpec& spec : art::PictureTable()) {
        std::string lower = spec.name;
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
        EXPECT_TRUE(seen.insert(lower).second) << spec.name;
    }
    EXPECT_NE(art::FindPicture("ans\\ANS_MM_B"), nullptr);  // the screens spell the folder both ways
}

}  // namespace
