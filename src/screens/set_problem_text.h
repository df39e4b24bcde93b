// The checker's findings as the game shows them to a teacher: in Czech, each with its row or
// line ("Řádek 14: otázka je delší než 498 znaků (má 612)").
#pragma once

#include "qbank/problem.h"

#include <string>

namespace screens {

// UTF-8. A finding the game has no Czech words for keeps the checker's own.
std::string CzechProblem(const qbank::Problem& problem);

}  // namespace screens
