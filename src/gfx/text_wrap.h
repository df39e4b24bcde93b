// Word wrapping for text blocks: the text is cut into words (each with the blanks that follow
// it), a line break is inserted before every word that would overflow the width, and the
// words that would fall below the height are left out whole. Text blocks on screen and the
// question compiler's fit check share it, so a question that passes the check shows whole.
#pragma once

#include "font.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace gfx {

// A text block holds 899 bytes of wrapped text and its terminator.
constexpr std::size_t kWrappedTextCapacity = 899;

struct WrapResult {
    std::string text;      // the kept words, with LF CR (0x0A 0x0D) at each inserted break
    int wrapCount = 0;     // line breaks inserted
    bool dropped = false;  // words were left out: below the height or beyond the capacity
    bool clipped = false;  // a kept word is wider than the block and shows cut at its edge
};

// Wraps Windows-1250 text into a block of `width` x `height` pixels measured with `font`.
// A word whose line would grow wider than the block starts a new line, even the first word
// (which then leaves the first line empty); a word wider than the block stays on a line of
// its own.
WrapResult WrapText(std::string_view text, const Font& font, int width, int height);

}  // namespace gfx
