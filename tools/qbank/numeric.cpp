#include "numeric.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace qbank {

namespace {
// A hyphen, the minus sign U+2212 or the en dash that Czech typesetting uses for it.
constexpr std::string_view kMinusSigns[] = {"-", "\xE2\x88\x92", "\xE2\x80\x93"};
// Blanks that may split a number into groups of three digits: space, no-break space, thin
// space and narrow no-break space.
constexpr std::string_view kGroupSeparators[] = {" ", "\xC2\xA0", "\xE2\x80\x89",
                                                 "\xE2\x80\xAF"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool HasDigit(std::string_view text) { return std::any_of(text.begin(), text.end(), IsDigit); }

std::size_t DigitsAt(std::string_view text, std::size_t pos) {
    std::size_t end = pos;
    while (end < text.size() && IsDigit(text[end])) ++end;
    return end - pos;
}

// The length of a group separator followed by exactly three digits at `pos`, or 0.
std::size_t GroupAt(std::string_view text, std::size_t pos) {
    for (std::string_view separator : kGroupSeparators) {
        if (text.substr(pos, separator.size()) != separator) continue;
        if (DigitsAt(text, pos + separator.size()) == 3) return separator.size();
    }
    return 0;
}

struct Number {
    std::string_view before;
    std::string_view after;
    double value = 0;
};

// The first number of `text` and the text around it; nothing when more digits follow it.
std::optional<Number> ParseNumber(std::string_view text) {
    const auto first = std::find_if(text.begin(), text.end(), IsDigit);
    if (first == text.end()) return std::nullopt;
    const std::size_t start = static_cast<std::size_t>(first - text.begin());
    std::size_t beforeEnd = start;
    for (std::string_view sign : kMinusSigns) {
        if (text.substr(0, start).ends_with(sign)) beforeEnd = start - sign.size();
    }
    std::string digits(text.substr(start, DigitsAt(text, start)));
    std::size_t pos = start + digits.size();
    for (std::size_t group; (group = GroupAt(text, pos)) != 0; pos += group + 3) {
        digits += text.substr(pos + group, 3);
    }
    if (pos + 1 < text.size() && (text[pos] == ',' || text[pos] == '.') && IsDigit(text[pos + 1])) {
        const std::size_t fraction = DigitsAt(text, pos + 1);
        digits += "." + std::string(text.substr(pos + 1, fraction));
        pos += 1 + fraction;
    }
    // strtod, not stod: a line of hundreds of digits is out of range, which must not throw.
    Number number{text.substr(0, beforeEnd), text.substr(pos),
                  std::strtod(digits.c_str(), nullptr)};
    if (HasDigit(number.after)) return std::nullopt;
    if (beforeEnd != start) number.value = -number.value;
    return number;
}
}  // namespace

std::optional<std::array<double, 3>> NumericValues(const std::array<std::string, kFields>& fields) {
    std::array<double, 3> values{};
    std::optional<Number> first;
    for (int answer = 0; answer < 3; ++answer) {
        const std::optional<Number> number = ParseNumber(fields[answer + 1]);
        if (!number) return std::nullopt;
        if (first && (number->before != first->before || number->after != first->after))
            return std::nullopt;
        if (!first) first = number;
        values[answer] = number->value;
    }
    return values;
}

bool EvenlySpaced(const std::array<double, 3>& values) {
    std::array<double, 3> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const double lower = sorted[1] - sorted[0];
    const double upper = sorted[2] - sorted[1];
    const double scale = std::max({1.0, std::fabs(sorted[0]), std::fabs(sorted[2])});
    return lower > 0 && std::fabs(lower - upper) <= 1e-9 * scale;
}

std::optional<int> RightValuePosition(const std::array<double, 3>& values) {
    if (values[0] == values[1] || values[0] == values[2]) return std::nullopt;
    return static_cast<int>(values[0] > values[1]) + static_cast<int>(values[0] > values[2]);
}

}  // namespace qbank
