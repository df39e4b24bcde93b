// Numeric questions: the three answers are numbers with the same words around them ("6 m",
// "8 m", "10 m"; "1965", "1969", "1973"), or number words ("tři", "čtyři", "pět"). Players
// learn patterns in them: a right value that is mostly the middle one, three evenly spaced
// values whose middle one stands out, a ladder of tens whose middle rung does.
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

// The values of the three answers when each holds one Czech number word (tři, čtyři, pět;
// třikrát; třetí) at the same place among the same number of words; the nouns around it may
// differ, as Czech makes them ("tři roky", "pět let"). Nothing otherwise.
std::optional<std::array<double, 3>> NumberWordValues(
    const std::array<std::string, kFields>& fields);

// Whether a lower-case Windows-1250 word is one of those number words.
bool IsNumberWord(const std::string& cp1250);

// Whether the three values, in any order, are evenly spaced (b - a == c - b once sorted).
bool EvenlySpaced(const std::array<double, 3>& values);

// Whether the three values, in any order, climb by one power of ten (34, 340, 3400 or
// 0.5, 50, 5000): a ladder whose middle rung is the likely answer.
bool TenfoldLadder(const std::array<double, 3>& values);

// Where the right value (values[0]) stands among the three: 0 smallest, 1 middle, 2 largest.
// Nothing when it equals another value.
std::optional<int> RightValuePosition(const std::array<double, 3>& values);

}  // namespace qbank
