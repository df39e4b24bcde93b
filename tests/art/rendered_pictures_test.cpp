// The finished pictures: their sizes, clean keying, the backgrounds pictures share, and
// strips that start and end on their button's looks.
#include "layout.h"
#include "library.h"
#include "output.h"
#include "table.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Near enough to magenta to show as a pink fringe after a keyed copy.
bool NearMagenta(uint32_t rgb) {
    const int r = int(rgb >> 16 & 0xFF), g = int(rgb >> 8 & 0xFF), b = int(rgb & 0xFF);
    return std::abs(r - 255) + g + std::abs(b - 255) < 160;
}

art::Library& SharedLibrary() {
    static art::Library library(art::PictureTable(), art::SceneTable());
    return library;
}

TEST(RenderedPictures, HaveTheirTableSizeAndKeyOnlyWithExactMagenta) {
    for (const art::PictureSpec& spec : art::PictureTable()) {
        SCOPED_TRACE(spec.name);
        const art::Image& image = SharedLibrary().Picture(spec.name);
        ASSERT_EQ(image.width, spec.StripWidth());
        ASSERT_EQ(image.height, spec.StripHeight());
        int keyed = 0, fringe = 0;
        for (uint32_t pixel : image.pixels) {
            keyed += pixel == art::kMagenta;
            fringe += pixel != art::kMagenta && NearMagenta(pixel);
        }
        EXPECT_EQ(fringe, 0);
        if (spec.copy == art::Copy::Keyed) {
            EXPECT_GT(keyed, 0) << "a keyed picture lets the screen show through somewhere";
        } else {
            EXPECT_EQ(keyed, 0) << "an opaque picture would show magenta";
        }
    }
}

TEST(RenderedPictures, KeyedPicturesAreWrittenAsBmp) {
    for (const art::PictureSpec& spec : art::PictureTable()) {
        if (spec.copy != art::Copy::Keyed) continue;
        EXPECT_TRUE(art::FilePathOf(spec).ends_with(".bmp")) << spec.name;
        const std::vector<uint8_t> bytes = art::EncodePicture(spec, SharedLibrary().Picture(spec.name));
        ASSERT_GT(bytes.size(), 2u);
        EXPECT_EQ(bytes[0], 'B');
        EXPECT_EQ(bytes[1], 'M');
    }
}

// Pictures that stand in the same place on several screens carry one piece of background:
// it must be the same on all of them, or their edges show on some.
TEST(RenderedPictures, ScreensAgreeUnderPicturesTheyShare) {
    for (const art::PictureSpec& spec : art::PictureTable()) {
        if (spec.placements.size() < 2 || (spec.copy == art::Copy::Keyed && spec.edge == art::Edge::Hard)) continue;
        const art::Placement& first = spec.placements.front();
        const art::Image expected = SharedLibrary().Host(first.host).Crop(first.x, first.y, spec.width, spec.height);
        for (const art::Placement& place : spec.placements) {
            const art::Image piece = SharedLibrary().Host(place.host).Crop(place.x, place.y, spec.width, spec.height);
            EXPECT_TRUE(piece == expected) << spec.name << " differs on " << place.host << " from " << first.host;
        }
    }
}

TEST(RenderedPictures, BackgroundsShareTheBottomBarAndAreBlackOutsideThePlayArea) {
    const art::Image bar = SharedLibrary().Picture(art::background::kMain).Crop(0, art::layout::kBarTop, 800, 600 - art::layout::kBarTop);
    for (const art::PictureSpec& spec : art::PictureTable()) {
        if (spec.role != art::Role::Background) continue;
        SCOPED_TRACE(spec.name);
        const art::Image& image = SharedLibrary().Picture(spec.name);
        if (spec.name != art::background::kIntro) {
            EXPECT_TRUE(image.Crop(0, art::layout::kBarTop, 800, 600 - art::layout::kBarTop) == bar);
        }
        int lit = 0;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) lit += (x >= 800 || y >= 600) && image.At(x, y) != 0;
        }
        EXPECT_EQ(lit, 0);
    }
}

// A hover strip played forwards starts where the normal row is and ends on the focused
// row, so entering and leaving never jumps.
TEST(RenderedPictures, ForwardHoverStripsRunFromTheNormalToTheFocusedRow) {
    int checked = 0;
    for (const art::PictureSpec& strip : art::PictureTable()) {
        if (strip.role != art::Role::Animation || strip.motion != art::Motion::Forward) continue;
        const art::PictureSpec* button = nullptr;
        for (const art::PictureSpec& candidate : art::PictureTable()) {
            if (candidate.role == art::Role::Button && candidate.placements.size() == strip.placements.size() &&
                candidate.placements.front().host == strip.placements.front().host &&
                candidate.placements.front().x == strip.placements.front().x &&
                candidate.placements.front().y == strip.placements.front().y) {
                button = &candidate;
            }
        }
        ASSERT_NE(button, nullptr) << strip.name;
        SCOPED_TRACE(strip.name);
        const art::Image& frames = SharedLibrary().Picture(strip.name);
        const art::Image& rows = SharedLibrary().Picture(button->name);
        const int w = strip.width, h = strip.height;
        EXPECT_TRUE(frames.Crop(0, 0, w, h) == rows.Crop(0, 0, w, h));
        EXPECT_TRUE(frames.Crop((strip.frames - 1) * w, 0, w, h) == rows.Crop(0, h, w, h));
        ++checked;
    }
    EXPECT_EQ(checked, 5 + 2 + 3 + 3 + 5);
}

// The same picture drawn by two separate libraries gives the same file bytes.
TEST(RenderedPictures, AreDrawnTheSameEveryTime) {
    for (const char* name : {"timer", "tt_play", "MMenu\\op_ba", "OneP\\help_mm", "keys", art::background::kTable2}) {
        art::Library first(art::PictureTable(), art::SceneTable());
        art::Library second(art::PictureTable(), art::SceneTable());
        const art::PictureSpec& spec = *art::FindPicture(name);
        EXPECT_EQ(art::EncodePicture(spec, first.Picture(name)), art::EncodePicture(spec, second.Picture(name))) << name;
    }
}

}  // namespace
