// Questions that give an answer away, found by word stems so that Czech endings do not hide
// them ("Palachův týden" beside "výročí smrti Jana Palacha"):
// - the right answer stands in its own question and no wrong one does;
// - the right answer is the only one that shares a word with its question;
// - the right answer stands in another question's text ("Kolik uzlů ... rychlost?" beside
//   "Co měří uzel?"): players who meet both learn the answer, and such pairs are often
//   near-duplicates.
#pragma once

#include "checks.h"

#include <vector>

namespace qbank {

// Answers this short (letters and digits, blanks not counted) are not looked for in other
// questions: "ano" and "Nil" stand in too many texts by chance. Nor are numbers shorter than
// kShortestTellingNumber (years: many events share one) and number words ("sedm").
constexpr std::size_t kShortestTellingAnswer = 4;
constexpr std::size_t kShortestTellingNumber = 5;

// A warning for each give-away, at the right answer's line, naming the question's line (for
// another question, the first one and how many more there are). A question marked reviewed
// (kReviewedMark) gets none; a mark on a question without give-aways is warned about itself,
// so that it cannot hide one that comes later.
void CheckGiveaways(const std::vector<EncodedQuestion>& questions, std::vector<Problem>& warnings);

}  // namespace qbank
