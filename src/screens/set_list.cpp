#include "set_list.h"

#include "qbank/playable_set.h"
#include "question_sets.h"
#include "set_problem_text.h"

#include <algorithm>

namespace screens {

namespace {
SetEntry ReadEntry(const std::string& name) {
    const qbank::PlayableSet set = qbank::ReadPlayableSet(SetsFolder() + "/" + name, true);
    SetEntry entry;
    entry.name = name;
    entry.questions = static_cast<int>(set.questions.size());
    for (const qbank::Problem& problem : set.problems) entry.problems.push_back(CzechProblem(problem));
    // A file refused whole (unreadable, damaged, not a table) has one problem without a row.
    entry.unreadable = set.questions.empty() &&
                       std::any_of(set.problems.begin(), set.problems.end(),
                                   [](const qbank::Problem& problem) { return problem.line == 0; });
    return entry;
}
}  // namespace

std::vector<SetEntry> ListSets(int shippedQuestions) {
    std::vector<SetEntry> entries;
    SetEntry shipped;
    shipped.name = kShippedSetName;
    shipped.shipped = true;
    shipped.questions = shippedQuestions;
    entries.push_back(shipped);
    for (const std::string& name : SetFileNames()) entries.push_back(ReadEntry(name));
    return entries;
}

}  // namespace screens
