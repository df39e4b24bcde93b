// Text extents against Arial's metrics: cell height as Windows reads a positive height,
// advances scaled from design units and rounded per glyph.
#include "gfx/canvas.h"
#include "gfx/font.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

// Widths from Arial's published advances (design units of 2048: H 1479, e 1139, l 455 and
// bold 569, o 1139 and bold 1251, digits 1139, W 1933, space 569, i 455 and bold 569) at
// 20 px cell height, which is 17.9 px to the em, each glyph rounded on its own.
TEST(Font, ExtentsAt20PixelsFollowArialsMetrics) {
    const std::pair<std::string, int> regular[] = {{"Hello", 41}, {"0123456789", 100},
                                                   {"WWW iii", 68}};
    const std::pair<std::string, int> bold[] = {{"Hello", 44}, {"0123456789", 100},
                                                {"WWW iii", 71}};
    for (int weight : {400, 700}) {
        const gfx::Font font({"Arial", 20, weight, 238});
        ASSERT_TRUE(font.IsLoaded());
        for (const auto& [text, width] : weight == 400 ? regular : bold) {
            gfx::Surface surface;
            gfx::Canvas canvas(surface);
            canvas.SelectFont(&font);
            const gfx::Size size = canvas.TextExtent(text);
            EXPECT_EQ(size.height, 20);
            EXPECT_EQ(size.width, width) << text << " at weight " << weight;
        }
        // Every Czech letter has a glyph of its own.
        for (char c : std::string("\xF8\xED\x9A\x9E\x9D\xE8\xFD\xF9\xF2\xEC")) {
            EXPECT_GT(font.TextWidth(std::string(1, c)), 0) << int(static_cast<uint8_t>(c));
        }
    }
}

TEST(Font, BoldIsWiderAndTheDefaultFontIsSixteenPixels) {
    const gfx::Font regular({"Arial", 26, 400, 238});
    const gfx::Font bold({"Arial", 26, 700, 238});
    EXPECT_GT(bold.TextWidth("Kolik je hodin?"), regular.TextWidth("Kolik je hodin?"));
    EXPECT_EQ(gfx::DefaultFont().Height(), 16);
    EXPECT_EQ(regular.Height(), 26);
    EXPECT_GT(regular.Ascent(), 18);
    EXPECT_LT(regular.Ascent(), 26);
    EXPECT_EQ(regular.TextWidth(""), 0);
}

TEST(Font, SharedFacesGiveTheSameGlyphs) {
    const gfx::Font a({"Arial", 14, 400, 0});
    const gfx::Font b({"Arial", 14, 400, 238});
    EXPECT_EQ(&a.GlyphOf('x'), &b.GlyphOf('x'));
}
