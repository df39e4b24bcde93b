#include "topic_index.h"

#include "platform/platform.h"

#include <charconv>
#include <cstdio>
#include <utility>

namespace quiz {

namespace {
constexpr std::string_view kMagic = "brellik topics ";

// Hands out the lines of a text one by one; each must end with LF.
class LineReader {
public:
    explicit LineReader(std::string_view text) : rest_(text) {}

    bool Next(std::string_view& line) {
        const std::size_t end = rest_.find('\n');
        if (end == std::string_view::npos) return false;
        line = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        ++number_;
        return true;
    }
    bool AtEnd() const { return rest_.empty(); }
    int Number() const { return number_; }

private:
    std::string_view rest_;
    int number_ = 0;
};

bool ParseWhole(std::string_view text, uint64_t& value, int base = 10) {
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, base);
    return result.ec == std::errc() && result.ptr == end;
}

// "key value" with a number for value.
bool ParseField(LineReader& lines, std::string_view key, uint64_t& value, int base = 10) {
    std::string_view line;
    if (!lines.Next(line) || !line.starts_with(key) || line.size() <= key.size() ||
        line[key.size()] != ' ')
        return false;
    return ParseWhole(line.substr(key.size() + 1), value, base);
}

std::string AtLine(const LineReader& lines, const std::string& message) {
    return "line " + std::to_string(lines.Number()) + ": " + message;
}

std::string ParseNames(LineReader& lines, uint64_t count, TopicIndex& index) {
    for (uint64_t i = 0; i < count; ++i) {
        std::string_view name;
        if (!lines.Next(name)) return "the topic names end early";
        bool ok = true;
        std::string cp1250 = platform::Utf8ToCp1250(name, &ok);
        if (!ok) return AtLine(lines, "a topic name is not UTF-8 the game can show");
        if (const std::string problem = TopicNameProblem(cp1250); !problem.empty())
            return AtLine(lines, problem);
        index.names.push_back(std::move(cp1250));
    }
    return {};
}

std::string ParseRecords(LineReader& lines, uint64_t count, TopicIndex& index) {
    std::string_view line;
    if (!lines.Next(line) || line != "records") return AtLine(lines, "\"records\" expected");
    index.topicOf.reserve(count);
    for (uint64_t i = 0; i < count; ++i) {
        uint64_t topic = 0;
        if (!lines.Next(line)) return "the records end early";
        if (!ParseWhole(line, topic) || topic >= index.names.size())
            return AtLine(lines, "not a topic number");
        index.topicOf.push_back(static_cast<uint8_t>(topic));
    }
    if (!lines.AtEnd()) return "more lines than records";
    return {};
}
}  // namespace

uint64_t QuestionFileDigest(std::string_view plain) {
    uint64_t hash = 14695981039346656037ull;
    for (const char c : plain) hash = (hash ^ static_cast<uint8_t>(c)) * 1099511628211ull;
    return hash;
}

std::string TopicIndexPath(std::string_view questionFile) {
    const std::size_t name = questionFile.find_last_of("\\/") + 1;  // npos + 1 == 0
    const std::size_t dot = questionFile.rfind('.');
    const std::size_t stem = dot != std::string_view::npos && dot > name ? dot
                                                                         : questionFile.size();
    return std::string(questionFile.substr(0, stem)) + ".tem";
}

std::string TopicNameProblem(std::string_view name) {
    if (name.empty()) return "a topic name is empty";
    if (name.size() > kMaxTopicNameBytes)
        return "a topic name is longer than " + std::to_string(kMaxTopicNameBytes) + " bytes";
    for (const char c : name) {
        if (static_cast<uint8_t>(c) < 0x20 || c == 0x7F || c == '|')
            return "a topic name holds a control character or \"|\"";
    }
    return {};
}

std::string FormatTopicIndex(const TopicIndex& index, uint64_t digest) {
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(digest));
    std::string text = std::string(kMagic) + std::to_string(kTopicIndexVersion) + "\n" +
                       "questions " + std::to_string(index.topicOf.size()) + "\n" + "digest " +
                       hex + "\n" + "topics " + std::to_string(index.names.size()) + "\n";
    for (const std::string& name : index.names) text += platform::Cp1250ToUtf8(name) + "\n";
    text += "records\n";
    for (const uint8_t topic : index.topicOf) text += std::to_string(topic) + "\n";
    return text;
}

std::string ParseTopicIndex(std::string_view text, int records, uint64_t digest,
                            TopicIndex& index) {
    index = {};
    if (text.size() > kMaxTopicIndexBytes) return "the file is too large";
    LineReader lines(text);
    uint64_t version = 0, count = 0, fileDigest = 0, topics = 0;
    if (!ParseField(lines, kMagic.substr(0, kMagic.size() - 1), version))
        return "not a topic index";
    if (version != kTopicIndexVersion)
        return "version " + std::to_string(version) + " is not known";
    if (!ParseField(lines, "questions", count)) return AtLine(lines, "\"questions\" expected");
    if (count != static_cast<uint64_t>(records))
        return "it is for " + std::to_string(count) + " questions, the file has " +
               std::to_string(records);
    if (!ParseField(lines, "digest", fileDigest, 16)) return AtLine(lines, "\"digest\" expected");
    if (fileDigest != digest) return "it belongs to another question file";
    if (!ParseField(lines, "topics", topics) || topics == 0 || topics > kMaxTopics)
        return AtLine(lines, "\"topics\" with 1 to " + std::to_string(kMaxTopics) + " expected");
    std::string problem = ParseNames(lines, topics, index);
    if (problem.empty()) problem = ParseRecords(lines, count, index);
    if (!problem.empty()) index = {};
    return problem;
}

}  // namespace quiz
