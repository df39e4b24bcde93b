#include "text_wrap.h"

#include <vector>

namespace gfx {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A segment starts at the text's start and at every non-blank that follows a blank; it runs
// up to the next one, so it carries the blanks after its word.
std::vector<std::string_view> SplitSegments(std::string_view text) {
    std::vector<std::string_view> segments;
    std::size_t start = 0;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (!IsBlank(text[i]) && IsBlank(text[i - 1])) {
            segments.push_back(text.substr(start, i - start));
            start = i;
        }
    }
    if (start < text.size()) segments.push_back(text.substr(start));
    return segments;
}

std::string_view WithoutTrailingBlanks(std::string_view segment) {
    while (!segment.empty() && IsBlank(segment.back())) segment.remove_suffix(1);
    return segment;
}
}  // namespace

WrapResult WrapText(std::string_view text, const Font& font, int width, int height) {
    static constexpr std::string_view kBreak = "\n\r";
    WrapResult result;
    int lineWidth = 0;
    int lines = 1;
    for (std::string_view segment : SplitSegments(text)) {
        const int segmentWidth = font.TextWidth(segment);
        lineWidth += segmentWidth;
        const bool breakBefore = lineWidth > width;
        if (breakBefore) {
            lineWidth = segmentWidth;
            ++lines;
        }
        const std::size_t needed = segment.size() + (breakBefore ? kBreak.size() : 0);
        if (lines * font.Height() > height || result.text.size() + needed > kWrappedTextCapacity) {
            result.dropped = true;
            break;
        }
        if (breakBefore) {
            result.text += kBreak;
            ++result.wrapCount;
        }
        result.text += segment;
        if (font.TextWidth(WithoutTrailingBlanks(segment)) > width) result.clipped = true;
    }
    return result;
}

}  // namespace gfx
