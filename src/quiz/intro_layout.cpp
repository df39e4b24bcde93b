#include "intro_layout.h"

#include "../platform/platform.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace quiz {

namespace {
constexpr int kLineSize = 160;  // 159 characters and the terminator

// Reads one line of at most 159 characters; the rest of a longer line is skipped so that it
// cannot pass for a line of its own.
bool ReadShortLine(std::FILE* file, char (&line)[kLineSize]) {
    if (!std::fgets(line, kLineSize, file)) return false;
    if (!std::strchr(line, '\n') && !std::feof(file)) {
        int c;
        do c = std::fgetc(file);
        while (c != '\n' && c != EOF);
    }
    return true;
}

// The text after "[" up to "]" or, when a line has no "]", up to its end.
void ReadPrefix(const char* line, char* prefix, int size) {
    const char* start = line + 1;
    const std::size_t length =
        std::min<std::size_t>(std::strcspn(start, "]\r\n"), static_cast<std::size_t>(size - 1));
    std::memset(prefix, 0, static_cast<std::size_t>(size));
    std::memcpy(prefix, start, length);
}
}  // namespace

bool IntroLayout::Read(std::string_view fileName) {
    count = 0;
    std::FILE* file = platform::OpenFile(fileName, "rt");
    if (!file) return false;
    bool headerSeen = false;
    char line[kLineSize];
    while (ReadShortLine(file, line)) {
        if (line[0] == '\n' || line[0] == '\r') continue;
        if (!headerSeen) {
            if (line[0] == '[') {
                ReadPrefix(line, prefix, kPrefixSize);
                headerSeen = true;
            }
            continue;
        }
        // A line without a comma is no position; the table holds at most 255.
        const char* comma = std::strchr(line, ',');
        if (!comma || count >= kMaxPositions) continue;
        positions[count].x = static_cast<int32_t>(std::atoi(line));
        positions[count].y = static_cast<int32_t>(std::atoi(comma + 1));
        ++count;
    }
    std::fclose(file);
    return true;
}

}  // namespace quiz
