// The qbank commands, callable from tests. Each returns the process exit status: 0 done,
// 1 problems found (nothing written), 2 a file could not be read or written.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace qbank {

struct CompileOptions {
    std::vector<std::string> sources;
    std::string output;
    bool interleave = false;
    bool fit = true;
};

// Writes the question file and, beside it, its topic index (see quiz/topic_index.h).
int Compile(const CompileOptions& options, std::ostream& out, std::ostream& err);
// Reports every problem of the sources; compiles nothing.
int Check(const CompileOptions& options, std::ostream& out, std::ostream& err);
// Writes `folder`/questions.txt; refuses to replace an existing one.
int Decompile(const std::string& file, const std::string& folder, std::ostream& out,
              std::ostream& err);
// Writes the questions of a spreadsheet (.csv, .xlsx, .ods) that pass every check to `output`
// in our text format, one file a topic (the second topic's to "NAME-2.txt", ...), and lists
// every problem; 1 when a question was left out.
int Import(const CompileOptions& options, std::ostream& out, std::ostream& err);
// Writes a question file and its topics as a spreadsheet (.xlsx, .ods, .csv).
int Export(const std::string& file, const std::string& output, std::ostream& out,
           std::ostream& err);
// The number of questions in each source file, in all and in each topic, and among the numeric questions
// the share of each position of the right value (smallest, middle, largest).
int Stats(const std::vector<std::string>& sources, std::ostream& out, std::ostream& err);

}  // namespace qbank
