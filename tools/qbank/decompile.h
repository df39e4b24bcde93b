// A question file back into editable sources.
#pragma once

#include <string>
#include <vector>

namespace qbank {

struct Decompiled {
    std::string source;  // UTF-8 source text
    int questions = 0;
    std::vector<std::string> warnings;  // what the sources cannot hold as the game reads it
};

// `lines` are the file's lines as the game reads them (Windows-1250); `origin` names the
// file in the header comment and the warnings.
Decompiled DecompileLines(const std::vector<std::string>& lines, const std::string& origin);

}  // namespace qbank
