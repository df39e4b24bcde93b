// Source text (UTF-8) to the game's Windows-1250, and the folding that decides whether two
// texts say the same thing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qbank {

struct Encoded {
    std::string text;   // Windows-1250; characters that have no form are left out
    std::string error;  // empty when every character was encoded
};

// Encodes a line of source text. Invalid UTF-8, characters with no Windows-1250 form and
// control characters (the game's lines hold no line breaks, tabs or zero bytes) are errors;
// the first is described with its column, the others counted.
Encoded EncodeLine(std::string_view utf8);

// A text reduced to what makes it differ: lower case, without blanks and punctuation, but
// with the punctuation between two digits kept (1,5 is not 15). Windows-1250 in and out.
std::string FoldForComparison(std::string_view cp1250);

// The words of a text in lower case, split at blanks and punctuation; punctuation between two
// digits stays inside its word (1,5 is one word). Windows-1250 in and out.
std::vector<std::string> FoldedWords(std::string_view cp1250);

}  // namespace qbank
