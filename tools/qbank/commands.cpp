#include "commands.h"

#include "checks.h"
#include "decompile.h"
#include "numeric.h"
#include "platform/platform.h"
#include "question_file.h"
#include "sheet_import.h"
#include "sheet_source.h"
#include "quiz/topic_index.h"
#include "source.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace qbank {

namespace {
constexpr int kDone = 0;
constexpr int kProblems = 1;
constexpr int kFileError = 2;

std::vector<SourceFile> ReadAllSources(const std::vector<std::string>& paths) {
    std::vector<SourceFile> files;
    for (const std::string& path : paths) {
        std::vector<SourceFile> read = ReadSources(path);
        std::move(read.begin(), read.end(), std::back_inserter(files));
    }
    return files;
}

CheckOptions ChecksOf(const CompileOptions& options) {
    CheckOptions checks;
    checks.fit = options.fit;
    return checks;
}

void Report(const CheckedQuestions& checked, std::ostream& err) {
    for (const Problem& problem : checked.problems) err << Describe(problem) << '\n';
    for (const Problem& warning : checked.warnings) err << Describe(warning) << '\n';
    const std::size_t count = checked.problems.size();
    if (count != 0) err << count << (count == 1 ? " problem" : " problems") << '\n';
}

std::string Share(int count, int total) {
    char percent[16];
    std::snprintf(percent, sizeof percent, "%.1f %%", total ? 100.0 * count / total : 0.0);
    return std::to_string(count) + " (" + percent + ")";
}

struct Positions {
    int questions = 0;
    int evenlySpaced = 0;
    std::array<int, 3> byPosition{};  // right value smallest, middle, largest
};

using ValuesOf = std::optional<std::array<double, 3>> (*)(const std::array<std::string, kFields>&);

Positions CountPositions(const std::vector<SourceFile>& files, ValuesOf valuesOf) {
    Positions counted;
    for (const SourceFile& file : files) {
        for (const SourceQuestion& question : file.questions) {
            const auto values = valuesOf(question.fields);
            if (!values) continue;
            ++counted.questions;
            if (EvenlySpaced(*values)) ++counted.evenlySpaced;
            if (const auto position = RightValuePosition(*values)) ++counted.byPosition[*position];
        }
    }
    return counted;
}

void PrintPositions(const std::string& kind, const Positions& counted, std::ostream& out) {
    out << kind << ": " << counted.questions << '\n'
        << "  right value smallest: " << Share(counted.byPosition[0], counted.questions) << '\n'
        << "  right value middle: " << Share(counted.byPosition[1], counted.questions) << '\n'
        << "  right value largest: " << Share(counted.byPosition[2], counted.questions) << '\n'
        << "  evenly spaced: " << counted.evenlySpaced << '\n';
}

// Where the right value stands among the three, for answers in digits and in number words
// apart: players learn each pattern on its own.
void PrintPositionShares(const std::vector<SourceFile>& files, std::ostream& out) {
    PrintPositions("numeric questions", CountPositions(files, NumericValues), out);
    PrintPositions("number-word questions", CountPositions(files, NumberWordValues), out);
}
// Each topic with its questions, in the order the files first name them.
void PrintTopics(const std::vector<SourceFile>& files, std::ostream& out) {
    std::vector<std::pair<std::string, std::size_t>> topics;
    for (const SourceFile& file : files) {
        auto same = [&file](const auto& topic) { return topic.first == file.topic; };
        auto topic = std::find_if(topics.begin(), topics.end(), same);
        if (topic == topics.end()) topic = topics.insert(topics.end(), {file.topic, 0});
        topic->second += file.questions.size();
    }
    out << "topics: " << topics.size() << '\n';
    for (const auto& [name, count] : topics) out << "  " << name << ": " << count << '\n';
}
}  // namespace

int Compile(const CompileOptions& options, std::ostream& out, std::ostream& err) {
    const std::vector<SourceFile> files = ReadAllSources(options.sources);
    const CheckedQuestions checked = CheckSources(files, ChecksOf(options));
    Report(checked, err);
    if (!checked.problems.empty()) {
        err << "qbank: " << options.output << " was not written\n";
        return kProblems;
    }
    const auto ordered = OrderQuestions(checked.questions, options.interleave);
    const std::string bytes = BuildQuestionFile(ordered);
    const std::string index = BuildTopicIndex(ordered, checked.topics, bytes);
    // A player's own set goes to the user folder's Data folder, which may not exist yet.
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(options.output).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    if (!platform::WriteFileAtomically(options.output, bytes.data(), bytes.size())) {
        err << "qbank: cannot write " << options.output << '\n';
        return kFileError;
    }
    const std::string indexPath = quiz::TopicIndexPath(options.output);
    if (!platform::WriteFileAtomically(indexPath, index.data(), index.size())) {
        err << "qbank: cannot write the topic index " << indexPath << '\n';
        return kFileError;
    }
    out << "qbank: " << checked.questions.size() << " questions written to " << options.output
        << '\n';
    return kDone;
}

int Check(const CompileOptions& options, std::ostream& out, std::ostream& err) {
    const std::vector<SourceFile> files = ReadAllSources(options.sources);
    const CheckedQuestions checked = CheckSources(files, ChecksOf(options));
    Report(checked, err);
    if (!checked.problems.empty()) return kProblems;
    out << "qbank: " << checked.questions.size() << " questions, no problems";
    if (!checked.warnings.empty()) out << ", " << checked.warnings.size() << " warnings";
    out << '\n';
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

namespace {
// "out.txt" for the first topic, "out-2.txt" for the second, ...
std::string TopicOutput(const std::string& output, std::size_t topic) {
    if (topic == 0) return output;
    std::filesystem::path path(output);
    return (path.parent_path() /
            (path.stem().string() + "-" + std::to_string(topic + 1) + path.extension().string()))
        .string();
}

// The topic of each record of a compiled file, from its index; none when it has no good one.
std::vector<std::string> RecordTopics(const std::string& file, const std::vector<std::string>& lines) {
    std::string plain;
    for (const std::string& line : lines) plain += line + "\r\n";
    std::ifstream in(quiz::TopicIndexPath(file), std::ios::binary);
    std::string text;
    std::getline(in, text, '\0');
    quiz::TopicIndex index;
    const int records = static_cast<int>(lines.size() / kFields);
    if (!in.is_open() ||
        !quiz::ParseTopicIndex(text, records, quiz::QuestionFileDigest(plain), index).empty()) {
        return {};
    }
    std::vector<std::string> topics;
    for (uint8_t topic : index.topicOf) topics.push_back(platform::Cp1250ToUtf8(index.names[topic]));
    return topics;
}
}  // namespace

int Import(const CompileOptions& options, std::ostream& out, std::ostream& err) {
    const std::vector<SourceFile> files = ReadAllSources(options.sources);
    const CheckedQuestions checked = CheckSources(files, ChecksOf(options));
    Report(checked, err);
    const std::vector<const EncodedQuestion*> good = GoodQuestions(checked);
    std::vector<std::vector<const SourceQuestion*>> byFile(files.size());
    for (const EncodedQuestion* question : good) byFile[question->fileIndex].push_back(question->source);
    std::size_t written = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (byFile[i].empty()) continue;
        const std::string path = TopicOutput(options.output, written++);
        const std::string text = SourceText(files[i].topic, byFile[i]);
        if (!platform::WriteFileAtomically(path, text.data(), text.size())) {
            err << "qbank: cannot write " << path << '\n';
            return kFileError;
        }
        out << "qbank: " << byFile[i].size() << " questions of the topic \"" << files[i].topic
            << "\" written to " << path << '\n';
    }
    const std::size_t left = checked.questions.size() - good.size();
    if (left != 0) err << "qbank: " << left << " questions left out for their problems\n";
    if (written == 0) err << "qbank: no question to write; " << options.output << " was not written\n";
    return left == 0 && written != 0 ? kDone : kProblems;
}

int Export(const std::string& file, const std::string& output, std::ostream& out,
           std::ostream& err) {
    std::vector<std::string> lines;
    if (!ReadQuestionFile(file, lines)) {
        err << "qbank: cannot read " << file << '\n';
        return kFileError;
    }
    const sets::TextRows rows = QuestionRows(lines, RecordTopics(file, lines));
    if (const std::string error = sets::WriteSheet(output, rows); !error.empty()) {
        err << "qbank: " << output << ": " << error << '\n';
        return kFileError;
    }
    out << "qbank: " << rows.size() - 1 << " questions written to " << output << '\n';
    return kDone;
}

int Stats(const std::vector<std::string>& sources, std::ostream& out, std::ostream& err) {
    std::size_t total = 0;
    int status = kDone;
    const std::vector<SourceFile> files = ReadAllSources(sources);
    for (const SourceFile& file : files) {
        for (const Problem& problem : file.problems) err << Describe(problem) << '\n';
        if (!file.problems.empty()) status = kProblems;
        out << file.path << ": " << file.questions.size() << " questions\n";
        total += file.questions.size();
    }
    out << "total: " << total << " questions\n";
    PrintTopics(files, out);
    PrintPositionShares(files, out);
    return status;
}

}  // namespace qbank
