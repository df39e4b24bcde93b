#include "topic_choice.h"

#include "platform/platform.h"

#include <algorithm>
#include <set>

namespace quiz {

namespace {
constexpr char kSeparator = '|';

TopicIndex topics;
std::vector<int> questionsOf;
std::set<std::string> leftOut;  // Windows-1250 names

bool Valid(int topic) { return topic >= 0 && topic < TopicCount(); }

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

}  // namespace quiz
