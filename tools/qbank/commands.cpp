#include "commands.h"

#include "checks.h"
#include "decompile.h"
#include "platform/platform.h"
#include "question_file.h"
#include "source.h"

#include <filesystem>
#include <fstream>

namespace qbank {

namespace {
constexpr int kDone = 0;
constexpr int kProblems = 1;
constexpr int kFileError = 2;

std::vector<SourceFile> ReadSources(const std::vector<std::string>& paths) {
    std::vector<SourceFile> files;
    files.reserve(paths.size());
    for (const std::string& path : paths) files.push_back(ReadSource(path));
    return files;
}

CheckOptions ChecksOf(const CompileOptions& options) {
    CheckOptions checks;
    checks.allowFew = options.allowFew;
    checks.fit = options.fit;
    return checks;
}

void Report(const std::vector<Problem>& problems, std::ostream& err) {
    for (const Problem& problem : problems) err << Describe(problem) << '\n';
    if (!problems.empty()) {
        err << problems.size() << (problems.size() == 1 ? " problem" : " problems") << '\n';
    }
}
}  // namespace

int Compile(const CompileOptions& options, std::ostream& out, std::ostream& err) {
    const std::vector<SourceFile> files = ReadSources(options.sources);
    const CheckedQuestions checked = CheckSources(files, ChecksOf(options));
    if (!checked.problems.empty()) {
        Report(checked.problems, err);
        err << "qbank: " << options.output << " was not written\n";
        return kProblems;
    }
    const std::string bytes =
        BuildQuestionFile(OrderQuestions(checked.questions, options.interleave));
    if (!platform::WriteFileAtomically(options.output, bytes.data(), bytes.size())) {
        err << "qbank: cannot write " << options.output << '\n';
        return kFileError;
    }
    out << "qbank: " << checked.questions.size() << " questions written to " << options.output
        << '\n';
    return kDone;
}

int Check(const CompileOptions& options, std::ostream& out, std::ostream& err) {
    const std::vector<SourceFile> files = ReadSources(options.sources);
    const CheckedQuestions checked = CheckSources(files, ChecksOf(options));
    Report(checked.problems, err);
    if (!checked.problems.empty()) return kProblems;
    out << "qbank: " << checked.questions.size() << " questions, no problems\n";
    return kDone;
}

int Decompile(const std::string& file, const std::string& folder, std::ostream& out,
              std::ostream& err) {
    std::vector<std::string> lines;
    if (!ReadQuestionFile(file, lines)) {
        err << "qbank: cannot read " << file << '\n';
        return kFileError;
    }
    const std::filesystem::path target = std::filesystem::path(folder) / "questions.txt";
    std::error_code error;
    if (std::filesystem::exists(target, error)) {
        err << "qbank: " << target.string() << " exists; remove it or choose another folder\n";
        return kFileError;
    }
    std::filesystem::create_directories(folder, error);
    const Decompiled decompiled =
        DecompileLines(lines, std::filesystem::path(file).filename().string());
    std::ofstream stream(target, std::ios::binary);
    stream << decompiled.source;
    stream.close();
    if (!stream) {
        err << "qbank: cannot write " << target.string() << '\n';
        return kFileError;
    }
    for (const std::string& warning : decompiled.warnings) err << "qbank: " << warning << '\n';
    out << "qbank: " << decompiled.questions << " questions written to " << target.string() << '\n';
    return kDone;
}

int Stats(const std::vector<std::string>& sources, std::ostream& out, std::ostream& err) {
    std::size_t total = 0;
    int status = kDone;
    for (const SourceFile& file : ReadSources(sources)) {
        for (const Problem& problem : file.problems) err << Describe(problem) << '\n';
        if (!file.problems.empty()) status = kProblems;
        out << file.path << ": " << file.questions.size() << " questions\n";
        total += file.questions.size();
    }
    out << "total: " << total << " questions\n";
    return status;
}

}  // namespace qbank
