#include "font.h"

#include "../platform/platform.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>

namespace gfx {

namespace {

FT_Library Library() {
    static FT_Library library = [] {
        FT_Library made = nullptr;
        if (FT_Init_FreeType(&made) != 0) made = nullptr;
        return made;
    }();
    return library;
}

bool FileExists(const std::string& path) {
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        std::fclose(file);
        return true;
    }
    return false;
}

}  // namespace

std::string FontFileFor(int weight) {
    const char* name = weight >= 600 ? "LiberationSans-Bold.ttf" : "LiberationSans-Regular.ttf";
    std::vector<std::string> folders;
    if (const char* dir = std::getenv("BRELLIK_FONT_DIR"); dir && *dir) folders.push_back(dir);
    folders.push_back("/usr/share/fonts/truetype/liberation2");
    folders.push_back("/usr/share/fonts/truetype/liberation");
    folders.push_back("/usr/share/fonts/liberation-sans");
    for (const std::string& folder : folders) {
        const std::string path = folder + "/" + name;
        if (FileExists(path)) return path;
    }
    return {};
}

// One FreeType face at one cell height, with the glyphs of all 256 bytes rendered lazily.
class FontFace {
public:
    FontFace(int height, bool bold) : height_(height) {
        const std::string path = FontFileFor(bold ? 700 : 400);
        if (path.empty() || !Library() || FT_New_Face(Library(), path.c_str(), 0, &face_) != 0) {
            std::fprintf(stderr, "No Liberation Sans font found: text will not show.\n");
            face_ = nullptr;
            return;
        }
        // Windows reads a positive height as the cell height: win ascent + win descent.
        long ascent = face_->ascender, descent = -face_->descender;
        if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2))) {
            ascent = os2->usWinAscent;
            descent = os2->usWinDescent;
        }
        const long cell = ascent + descent;
        const long size26 = (static_cast<long>(height) * face_->units_per_EM * 64 + cell / 2) / cell;
        FT_Set_Char_Size(face_, 0, size26, 72, 72);
        ascent_ = static_cast<int>((static_cast<long>(height) * ascent + cell / 2) / cell);
    }

    ~FontFace() {
        if (face_) FT_Done_Face(face_);
    }

    bool IsLoaded() const { return face_ != nullptr; }
    int Height() const { return height_; }
    int Ascent() const { return ascent_; }

    const Glyph& GlyphOf(uint8_t byte) {
        auto& slot = glyphs_[byte];
        if (!slot.second) {
            slot.first = Render(platform::Cp1250ToUnicode(byte));
            slot.second = true;
        }
        return slot.first;
    }

private:
    Glyph Render(char32_t cp) {
        Glyph glyph;
        if (!face_ || cp == 0) return glyph;
        if (FT_Load_Char(face_, cp, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0) return glyph;
        const FT_GlyphSlot slot = face_->glyph;
        // Unhinted advance rounded to whole pixels keeps widths in step with the metrics.
        glyph.advance = static_cast<int>((slot->linearHoriAdvance + 0x8000) >> 16);
        glyph.left = slot->bitmap_left;
        glyph.top = slot->bitmap_top;
        glyph.width = static_cast<int>(slot->bitmap.width);
        glyph.rows = static_cast<int>(slot->bitmap.rows);
        glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.rows);
        for (int y = 0; y < glyph.rows; ++y) {
            const unsigned char* row = slot->bitmap.buffer + y * slot->bitmap.pitch;
            std::copy(row, row + glyph.width, glyph.coverage.begin() + y * glyph.width);
        }
        return glyph;
    }

    int height_;
    int ascent_ = 0;
    FT_Face face_ = nullptr;
    std::array<std::pair<Glyph, bool>, 256> glyphs_{};
};

namespace {
FontFace* SharedFace(int height, bool bold) {
    static std::map<std::pair<int, bool>, std::unique_ptr<FontFace>> cache;
    auto& face = cache[{height, bold}];
    if (!face) face = std::make_unique<FontFace>(height, bold);
    return face.get();
}
}  // namespace

Font::Font(const FontSpec& spec)
    : spec_(spec), face_(SharedFace(spec.height > 0 ? spec.height : 16, spec.weight >= 600)) {}

Font::~Font() = default;

bool Font::IsLoaded() const { return face_->IsLoaded(); }
int Font::Height() const { return face_->Height(); }
int Font::Ascent() const { return face_->Ascent(); }
const Glyph& Font::GlyphOf(uint8_t byte) const { return face_->GlyphOf(byte); }

int Font::TextWidth(std::string_view text) const {
    int width = 0;
    for (char c : text) width += GlyphOf(static_cast<uint8_t>(c)).advance;
    return width;
}

const Font& DefaultFont() {
    static const Font font(FontSpec{"Arial", 16, 400, 238});
    return font;
}

}  // namespace gfx
