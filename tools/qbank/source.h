// The question sources: UTF-8 text, four lines a question (the question, the correct answer,
// two wrong answers), questions separated by blank lines, "#" starting a comment line.
// Blanks at both ends of a line are dropped. A line starting with "\" is taken exactly as it
// stands after that backslash: it holds a text that starts with "#" or "\", has blanks at its
// ends, or is empty. The first line may name the file's topic ("# téma: Historie Česka");
// else the file name does ("historie-cesko.txt" is "historie cesko").
#pragma once

#include "problem.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qbank {

constexpr int kFields = 4;
constexpr char kEscape = '\\';
// A comment line that says the give-aways found for a question were looked at and are
// coincidences ("Francie" beside "Nejdelší řekou Francie je"). It marks the question whose
// lines it stands among, or else the next question.
constexpr std::string_view kReviewedMark = "# qbank: ověřeno";

struct SourceQuestion {
    std::string file;
    std::array<int, kFields> lines{};         // the source line of each field
    std::array<std::string, kFields> fields;  // UTF-8, as the source gives them
    int reviewedLine = 0;                     // the line of its kReviewedMark; 0 when unmarked
};

struct SourceFile {
    std::string path;
    std::string topic;  // UTF-8: from a first line "# téma: NAME", else from the file's name
    int topicLine = 0;  // 1 when the first line names it, 0 when the file name does
    std::vector<SourceQuestion> questions;  // the blocks of exactly four lines
    std::vector<Problem> problems;          // unreadable file, blocks of another size
};

// The comment that names a file's topic when it is the file's first line.
constexpr std::string_view kTopicMark = "# téma:";

SourceFile ParseSource(const std::string& path, std::string_view content);
SourceFile ReadSource(const std::string& path);

// Whether a text needs the escape backslash to read back as it stands.
bool NeedsEscape(std::string_view text);

// What the sources call field i: "the question", "the correct answer", "wrong answer 1", ...
std::string FieldName(int field);

}  // namespace qbank
