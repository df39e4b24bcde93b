// Fonts as the game asks for them: "Arial" at a cell height and weight, served by
// Liberation Sans (metric compatible), bold from weight 600. Each face and size is loaded
// once and shared by every Font that asks for it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace gfx {

struct FontSpec {
    std::string face = "Arial";
    int height = 16;   // cell height in pixels: ascent + descent
    int weight = 400;  // 700 bold
    int charset = 238;
};

struct Glyph {
    int left = 0;     // bitmap offset from the pen position
    int top = 0;      // bitmap rows above the baseline
    int width = 0;
    int rows = 0;
    int advance = 0;  // whole pixels
    std::vector<uint8_t> coverage;  // width x rows, 0..255
};

class FontFace;

// A font handle. Cheap: the face and its glyphs are shared through a cache.
class Font {
public:
    explicit Font(const FontSpec& spec);
    virtual ~Font();

    const FontSpec& Spec() const { return spec_; }
    bool IsLoaded() const;
    int Height() const;  // the cell height
    int Ascent() const;
    // Text is Windows-1250 bytes.
    int TextWidth(std::string_view text) const;
    const Glyph& GlyphOf(uint8_t byte) const;

private:
    FontSpec spec_;
    FontFace* face_;
};

// The font of a drawing context that has no font selected: Liberation Sans 16.
const Font& DefaultFont();

// The font file serving a weight ("" when none is installed).
std::string FontFileFor(int weight);

}  // namespace gfx
