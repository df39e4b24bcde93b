#include "source.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace qbank {

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view line) {
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
    return line;
}

struct Block {
    std::vector<int> lines;
    std::vector<std::string> texts;
    int reviewedLine = 0;
};

std::string BlockSizeMessage(std::size_t size) {
    std::string message =
        "a question needs exactly 4 lines (the question, the correct answer, "
        "two wrong answers); this block has " +
        std::to_string(size);
    if (size > kFields && size % kFields == 0) message += " (a blank line missing?)";
    return message;
}

void CloseBlock(Block& block, SourceFile& file) {
    if (block.lines.empty()) return;
    if (block.lines.size() == kFields) {
        SourceQuestion question;
        question.file = file.path;
        for (int i = 0; i < kFields; ++i) {
            question.lines[i] = block.lines[i];
            question.fields[i] = std::move(block.texts[i]);
        }
        question.reviewedLine = block.reviewedLine;
        file.questions.push_back(std::move(question));
    } else {
        file.problems.push_back(
            {file.path, block.lines.front(), BlockSizeMessage(block.lines.size())});
    }
    block = {};
}

// Splits at LF; a CR before the LF belongs to the line end. Text after the last LF is a line.
std::vector<std::string_view> SplitLines(std::string_view content) {
    std::vector<std::string_view> lines;
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        content.remove_prefix(end + 1);
    }
    return lines;
}
// "historie-cesko.txt" -> "historie cesko".
std::string TopicOfFileName(const std::string& path) {
    std::string name = std::filesystem::path(path).stem().string();
    for (char& c : name) {
        if (c == '-' || c == '_') c = ' ';
    }
    return name;
}

void NameTopic(std::string_view firstLine, SourceFile& file) {
    const std::string_view line = Trim(firstLine);
    if (line.starts_with(kTopicMark)) {
        file.topic = Trim(line.substr(kTopicMark.size()));
        file.topicLine = 1;
    } else {
        file.topic = TopicOfFileName(file.path);
    }
}
}  // namespace

SourceFile ParseSource(const std::string& path, std::string_view content) {
    SourceFile file;
    file.path = path;
    if (content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
    Block block;
    int number = 0;
    const std::vector<std::string_view> lines = SplitLines(content);
    NameTopic(lines.empty() ? std::string_view() : lines.front(), file);
    for (std::string_view line : lines) {
        ++number;
        if (!line.empty() && line.front() == kEscape) {
            block.lines.push_back(number);
            block.texts.emplace_back(line.substr(1));
            continue;
        }
        const std::string_view text = Trim(line);
        if (text.empty()) {
            CloseBlock(block, file);
        } else if (text == kReviewedMark) {
            block.reviewedLine = number;
        } else if (text.front() != '#') {
            block.lines.push_back(number);
            block.texts.emplace_back(text);
        }
    }
    CloseBlock(block, file);
    return file;
}

SourceFile ReadSource(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        SourceFile file;
        file.path = path;
        file.problems.push_back({path, 0, "cannot read the file"});
        return file;
    }
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return ParseSource(path, content);
}

bool NeedsEscape(std::string_view text) {
    return text.empty() || text.front() == '#' || text.front() == kEscape ||
           IsBlank(text.front()) || IsBlank(text.back());
}

std::string FieldName(int field) {
    switch (field) {
        case 0: return "the question";
        case 1: return "the correct answer";
        default: return "wrong answer " + std::to_string(field - 1);
    }
}

}  // namespace qbank
