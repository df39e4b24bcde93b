// Questions that give another one away: the right answer of one stands, as whole words, in
// the text of another ("Kolik uzlů ... rychlost?" beside "Co měří uzel?"). Players who meet
// both learn the answer from the question, and such pairs are often near-duplicates.
#pragma once

#include "checks.h"

#include <vector>

namespace qbank {

// Answers this short (letters and digits, blanks not counted) are skipped: "ano" and "Nil"
// stand in too many texts by chance. So are numbers shorter than kShortestTellingNumber
// (years: many events share one) and number words ("sedm").
constexpr std::size_t kShortestTellingAnswer = 4;
constexpr std::size_t kShortestTellingNumber = 5;

// One warning for each question whose right answer another question's text holds, at the
// right answer's line, naming the first such question and how many more there are. Questions
// marked reviewed (kReviewedMark) are left out.
void CheckGiveaways(const std::vector<EncodedQuestion>& questions, std::vector<Problem>& warnings);

}  // namespace qbank
