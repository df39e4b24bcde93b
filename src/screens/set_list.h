// What the sets panel lists: the shipped set, then every file in the sets folder, each with
// its good questions and the problems of what was left out, in Czech.
#pragma once

#include <string>
#include <vector>

namespace screens {

struct SetEntry {
    std::string name;  // the file name (UTF-8), or kShippedSetName
    bool shipped = false;
    int questions = 0;
    std::vector<std::string> problems;  // UTF-8, Czech, each with its row or line
    bool unreadable = false;            // the file as a whole was refused
};

// Reads and checks every set; the shipped one counts `shippedQuestions`.
std::vector<SetEntry> ListSets(int shippedQuestions);

}  // namespace screens
