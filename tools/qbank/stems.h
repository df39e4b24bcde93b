// Czech word stems, so that a word is found in a text whatever case ending it wears there
// ("Palachův" and "Palacha", "Vltavou" and "Vltavy"). The stems come from a short list of
// endings, not from a dictionary: two forms of one word meet, and now and then two words
// that only look alike do, which a reviewer then marks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qbank {

// A stem keeps at least this many letters; shorter words stay whole.
constexpr std::size_t kShortestStem = 3;
// The stem of one word shorter than this says little: "Mali" and "malý" share "mal".
constexpr std::size_t kShortestStemmedAnswer = 5;

// The stem of one lower-case Windows-1250 word (as FoldedWords gives it): a possessive or
// case ending cut off, the mobile e of a last syllable dropped ("čapek" and "čapka" are
// "čapk"). Words with a digit stay whole.
std::string WordStem(const std::string& word);

// The stems of all the words of a Windows-1250 text, in order.
std::vector<std::string> WordStems(std::string_view cp1250);

// Whether a lower-case Windows-1250 word only ties others together: a preposition, a
// conjunction, a word shorter than kShortestStem letters ("v", "ze", "nebo").
bool IsFunctionWord(const std::string& word);

// The stems of a Windows-1250 text's words that say something, in order: function words are
// left out, numbers kept.
std::vector<std::string> ContentStems(std::string_view cp1250);

}  // namespace qbank
