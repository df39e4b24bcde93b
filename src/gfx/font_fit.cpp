#include "font_fit.h"

#include <algorithm>
#include <map>
#include <memory>
#include <tuple>

namespace gfx {

namespace {

// One font a spec, made on first use: a face is loaded once a size.
const Font& SharedFont(const FontSpec& spec) {
    static std::map<std::tuple<std::string, int, int, int>, std::unique_ptr<Font>> fonts;
    auto& font = fonts[{spec.face, spec.height, spec.weight, spec.charset}];
    if (!font) font = std::make_unique<Font>(spec);
    return *font;
}

}  // namespace

const Font& FontToFit(const Font& font, std::string_view text, int width, int smallest) {
    if (font.TextWidth(text) <= width) return font;
    FontSpec spec = font.Spec();
    // Widths grow about linearly with the height: start near the answer, then step down.
    const int guess = spec.height * width / std::max(1, font.TextWidth(text)) + 1;
    spec.height = std::max(smallest, std::min(spec.height - 1, guess));
    while (spec.height > smallest && SharedFont(spec).TextWidth(text) > width) {
        --spec.height;
    }
    return SharedFont(spec);
}

}  // namespace gfx
