// The compositor under the painters: what a frame painted on a transparent layer becomes
// over its host, opaque, keyed with blended edges, and keyed with hard edges.
#include "library.h"

#include <gtest/gtest.h>

namespace {

art::PictureSpec Picture(const char* name, art::Copy copy, art::Edge edge, art::Painter paint) {
    art::PictureSpec spec;
    spec.name = name;
    spec.width = 4;
    spec.height = 1;
    spec.frames = 2;
    spec.copy = copy;
    spec.edge = edge;
    spec.placements = {{"host", 0, 0}};
    spec.paint = std::move(paint);
    return spec;
}

// Pixel 0 untouched, 1 a quarter covered, 2 three quarters, 3 fully; red on frame 0,
// green on frame 1.
void PaintSteps(const art::Cell& cell) {
    const double alphas[] = {0, 0.25, 0.75, 1};
    for (int x = 0; x < 4; ++x) {
        cairo_rectangle(cell.cr, x, 0, 1, 1);
        cairo_set_source_rgba(cell.cr, cell.frame == 0 ? 1 : 0, cell.frame == 1 ? 1 : 0, 0, alphas[x]);
        cairo_fill(cell.cr);
    }
}

struct Fixture {
    std::vector<art::SceneSpec> scenes{{"host", 4, 1, [](const art::Cell& cell) {
                                            cairo_set_source_rgb(cell.cr, 0, 0, 1);
                                            cairo_paint(cell.cr);
                                        }}};
    std::vector<art::PictureSpec> pictures{
        Picture("opaque", art::Copy::Opaque, art::Edge::Blend, PaintSteps),
        Picture("blended", art::Copy::Keyed, art::Edge::Blend, PaintSteps),
        Picture("hard", art::Copy::Keyed, art::Edge::Hard, PaintSteps),
    };
    art::Library library{pictures, scenes};
};

uint32_t Red(uint32_t rgb) { return rgb >> 16 & 0xFF; }
uint32_t Blue(uint32_t rgb) { return rgb & 0xFF; }

TEST(Library, OpaquePicturesLieOverThePieceOfTheirHost) {
    Fixture f;
    const art::Image& image = f.library.Picture("opaque");
    ASSERT_EQ(image.width, 8);
    ASSERT_EQ(image.height, 1);
    EXPECT_EQ(image.At(0, 0), 0x0000FFu);  // the host shows where nothing was drawn
    EXPECT_NEAR(Red(image.At(1, 0)), 64, 1);
    EXPECT_NEAR(Blue(image.At(1, 0)), 191, 1);
    EXPECT_EQ(image.At(3, 0), 0xFF0000u);
    EXPECT_EQ(image.At(7, 0), 0x00FF00u);  // frame 1 sits to the right of frame 0
}

TEST(Library, KeyedPicturesAreMagentaWhereNothingWasDrawnAndBlendTheirEdgesIntoTheHost) {
    Fixture f;
    const art::Image& image = f.library.Picture("blended");
    EXPECT_EQ(image.At(0, 0), art::kMagenta);
    EXPECT_EQ(image.At(4, 0), art::kMagenta);
    EXPECT_NEAR(Red(image.At(1, 0)), 64, 1);
    EXPECT_NEAR(Blue(image.At(1, 0)), 191, 1);
    EXPECT_EQ(image.At(3, 0), 0xFF0000u);
}

TEST(Library, HardEdgedKeyedPicturesKeepOnlyMostlyCoveredPixelsAtFullStrength) {
    Fixture f;
    const art::Image& image = f.library.Picture("hard");
    EXPECT_EQ(image.At(0, 0), art::kMagenta);
    EXPECT_EQ(image.At(1, 0), art::kMagenta);
    EXPECT_EQ(image.At(2, 0), 0xFF0000u);
    EXPECT_EQ(image.At(6, 0), 0x00FF00u);
}

TEST(Library, APictureDrawnOnItselfComesOutEmptyInsteadOfLooping) {
    std::vector<art::SceneSpec> scenes;
    std::vector<art::PictureSpec> pictures{Picture("loop", art::Copy::Opaque, art::Edge::Blend, nullptr)};
    pictures[0].placements = {{"loop", 0, 0}};
    art::Library library(pictures, scenes);
    const art::Image& image = library.Picture("loop");
    EXPECT_EQ(image.width, 8);
    EXPECT_EQ(image.At(0, 0), 0u);
    EXPECT_EQ(library.Host("no such picture").width, 0);
}

}  // namespace
