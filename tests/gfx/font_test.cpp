// Text extents against the font file's own metrics: cell height as Windows reads a positive
// height, advances scaled from design units and rounded per glyph.
#include "gfx/canvas.h"
#include "gfx/font.h"
#include "platform/platform.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include <gtest/gtest.h>

namespace {
int ExpectedWidth(const std::string& file, int height, const std::string& text1250) {
    FT_Library library;
    FT_Init_FreeType(&library);
    FT_Face face;
    FT_New_Face(library, file.c_str(), 0, &face);
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const double ppem = static_cast<double>(height) * face->units_per_EM /
                        (os2->usWinAscent + os2->usWinDescent);
    int width = 0;
    for (char c : text1250) {
        FT_Load_Char(face, platform::Cp1250ToUnicode(static_cast<uint8_t>(c)), FT_LOAD_NO_SCALE);
        width += static_cast<int>(face->glyph->metrics.horiAdvance * ppem / face->units_per_EM + 0.5);
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return width;
}
}  // namespace

TEST(Font, ExtentsAt20PixelsFollowTheFontMetrics) {
    const std::string samples[] = {"Hello", "P\xF8\xEDli\x9A \x9Elu\x9Do\x75\xE8k\xFD k\xF9\xF2",
                                   "0123456789", "WWW iii"};
    for (int weight : {400, 700}) {
        const gfx::Font font({"Arial", 20, weight, 238});
        ASSERT_TRUE(font.IsLoaded());
        for (const std::string& text : samples) {
            gfx::Surface surface;
            gfx::Canvas canvas(surface);
            canvas.SelectFont(&font);
            const gfx::Size size = canvas.TextExtent(text);
            EXPECT_EQ(size.height, 20);
            EXPECT_NEAR(size.width, ExpectedWidth(gfx::FontFileFor(weight), 20, text), 1) << text;
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
