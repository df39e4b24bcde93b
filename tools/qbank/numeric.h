// Numeric questions: the three answers are numbers with the same words around them ("6 m",
// "8 m", "10 m"; "1965", "1969", "1973"). Players learn patterns in them: a right value that
// is mostly the middle one, or three evenly spaced values whose middle one stands out.
#pragma once

#include "source.h"

#include <array>
#include <optional>
#include <string>

namespace qbank {

// The values of the three answers (UTF-8, as the source gives them) when all three are a
// number with the same text before and after it: optional sign, digits in groups of three
// split by blanks, a decimal comma or point. Nothing when any answer is not such a number.
std::optional<std::array<double, 3>> NumericValues(const std::array<std::string, kFields>& fields);

// Whether the three values, in any order, are evenly spaced (b - a == c - b once sorted).
bool EvenlySpaced(const std::array<double, 3>& values);

// Where the right value (values[0]) stands among the three: 0 smallest, 1 middle, 2 largest.
// Nothing when it equals another value.
std::optional<int> RightValuePosition(const std::array<double, 3>& values);

}  // namespace qbank
