#include "topic_choice.h"

#include "../frame/startup_properties.h"
#include "../platform/platform.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace quiz {

namespace {
constexpr std::string_view kChoiceKey = "Topics off=";
constexpr char kSeparator = '|';
constexpr std::size_t kMaxProfileBytes = 1 << 20;

TopicIndex topics;
std::vector<int> questionsOf;
std::set<std::string> leftOut;  // Windows-1250 names

bool Valid(int topic) { return topic >= 0 && topic < TopicCount(); }

// ---- The profile: an INI-like text whose section starts at "[title" ----

std::vector<std::string_view> SplitKeepingEnds(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return lines;
}

bool IsSectionHeader(std::string_view line, std::string_view title) {
    return line.size() > title.size() && line[0] == '[' && line.substr(1, title.size()) == title;
}

std::string_view WithoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

std::string ChoiceIn(std::string_view profile, std::string_view title) {
    bool inSection = false;
    for (std::string_view line : SplitKeepingEnds(profile)) {
        if (!inSection) {
            inSection = IsSectionHeader(line, title);
            continue;
        }
        if (line.starts_with('[')) break;
        if (line.starts_with(kChoiceKey))
            return std::string(WithoutLineEnd(line.substr(kChoiceKey.size())));
    }
    return {};
}

std::string WithChoice(std::string_view profile, std::string_view title, std::string_view value) {
    const std::vector<std::string_view> lines = SplitKeepingEnds(profile);
    const std::string eol = !lines.empty() && lines[0].ends_with("\r\n") ? "\r\n" : "\n";
    const std::string ours = std::string(kChoiceKey) + std::string(value) + eol;
    std::string out;
    bool inSection = false, written = false;
    for (std::string_view line : lines) {
        if (inSection && line.starts_with('[')) inSection = false;
        if (inSection && line.starts_with(kChoiceKey)) continue;
        out += line;
        if (!written && IsSectionHeader(line, title)) {
            if (!line.ends_with('\n')) out += eol;
            out += ours;
            inSection = written = true;
        }
    }
    if (!written) {
        if (!out.empty() && !out.ends_with('\n')) out += eol;
        out += "[" + std::string(title) + "]" + eol + ours;
    }
    return out;
}

std::string ProfileName() {
    const StartupProperties defaults;
    return platform::UserFolder() + "\\" + defaults.profileName + ".ini";
}

// False when the profile is too big to be one (it is then left alone); a missing one is empty.
bool ReadProfileText(std::string& text) {
    text.clear();
    std::FILE* file = platform::OpenFile(ProfileName(), "rb");
    if (!file) return true;
    text.resize(kMaxProfileBytes + 1);
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    return text.size() <= kMaxProfileBytes;
}
}  // namespace

void SetTopics(TopicIndex index) {
    topics = std::move(index);
    questionsOf.assign(topics.names.size(), 0);
    for (const uint8_t topic : topics.topicOf) ++questionsOf[topic];
}

int TopicCount() { return static_cast<int>(topics.names.size()); }

const std::string& TopicName(int topic) {
    static const std::string none;
    return Valid(topic) ? topics.names[static_cast<std::size_t>(topic)] : none;
}

int QuestionsOfTopic(int topic) {
    return Valid(topic) ? questionsOf[static_cast<std::size_t>(topic)] : 0;
}

int TotalTopicQuestions() { return static_cast<int>(topics.topicOf.size()); }

bool IsTopicChosen(int topic) { return Valid(topic) && !leftOut.contains(TopicName(topic)); }

void ChooseTopic(int topic, bool chosen) {
    if (!Valid(topic)) return;
    if (chosen) leftOut.erase(TopicName(topic));
    else leftOut.insert(TopicName(topic));
}

void ChooseAllTopics(bool chosen) {
    for (int topic = 0; topic < TopicCount(); ++topic) ChooseTopic(topic, chosen);
}

int ChosenQuestionCount() {
    int count = 0;
    for (int topic = 0; topic < TopicCount(); ++topic) {
        if (IsTopicChosen(topic)) count += QuestionsOfTopic(topic);
    }
    return count;
}

bool ChoiceIsPlayable() {
    return ChosenQuestionCount() == TotalTopicQuestions() ||
           ChosenQuestionCount() >= kSmallestChoice;
}

std::vector<int32_t> ChosenRecords() {
    if (ChosenQuestionCount() == TotalTopicQuestions() || !ChoiceIsPlayable()) return {};
    std::vector<int32_t> records;
    for (std::size_t record = 0; record < topics.topicOf.size(); ++record) {
        if (IsTopicChosen(topics.topicOf[record])) records.push_back(static_cast<int32_t>(record));
    }
    return records;
}

std::vector<int32_t> RecordsOfTopic(int topic) {
    std::vector<int32_t> records;
    for (std::size_t record = 0; record < topics.topicOf.size(); ++record) {
        if (topics.topicOf[record] == topic) records.push_back(static_cast<int32_t>(record));
    }
    return records;
}

std::string ChoiceProfileValue() {
    std::string value;
    for (const std::string& name : leftOut) {
        if (!value.empty()) value += kSeparator;
        value += platform::Cp1250ToUtf8(name);
    }
    return value;
}

void SetChoiceFromProfileValue(std::string_view value) {
    leftOut.clear();
    while (!value.empty()) {
        const std::size_t end = value.find(kSeparator);
        const std::string_view name = value.substr(0, end);
        if (!name.empty()) leftOut.insert(platform::Utf8ToCp1250(name));
        if (end == std::string_view::npos) break;
        value.remove_prefix(end + 1);
    }
}

void ReadTopicChoice() {
    std::string text;
    if (!ReadProfileText(text)) text.clear();
    SetChoiceFromProfileValue(ChoiceIn(text, StartupProperties().title));
}

bool WriteTopicChoice() {
    std::string text;
    if (!ReadProfileText(text)) return false;
    const std::string updated = WithChoice(text, StartupProperties().title, ChoiceProfileValue());
    return platform::WriteFileAtomically(ProfileName(), updated.data(), updated.size());
}

}  // namespace quiz
