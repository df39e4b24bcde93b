#include "question_sets.h"

#include "frame/interface.h"
#include "frame/profile_keys.h"
#include "platform/platform.h"
#include "qbank/encoding.h"
#include "qbank/playable_set.h"
#include "quiz/topic_choice.h"
#include "sets/sheet_file.h"
#include "sets/sheet_writer.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <set>

namespace screens {

namespace {
constexpr std::string_view kSetsKey = "Question sets=";
constexpr char kSeparator = '|';

void Log(const std::string& line) { Interface::Log(line.c_str(), false); }

// The bank as it is being filled: records and their topics, merged by name.
class Filling {
public:
    explicit Filling(quiz::QuestionBank& bank) : bank_(bank) {}

    bool Full() const { return count_ >= quiz::kBankSize; }
    int Count() const { return count_; }

    // A question that an earlier set holds too is played once.
    void Add(const quiz::Question& record, const std::string& topic) {
        if (Full() || !seen_.insert(qbank::FoldForComparison(record.question)).second) return;
        std::memcpy(&staged_[static_cast<std::size_t>(count_)], &record, sizeof record);
        index_.topicOf.push_back(TopicNumber(topic));
        ++count_;
    }

    void AddFields(const std::array<std::string, quiz::kFieldsPerQuestion>& fields,
                   const std::string& topic) {
        quiz::Question record{};
        for (int field = 0; field < quiz::kFieldsPerQuestion; ++field) {
            std::strncpy(quiz::FieldOf(record, field), fields[field].c_str(), quiz::kFieldSize - 1);
        }
        Add(record, topic);
    }

    void Finish() {
        std::copy(staged_.begin(), staged_.end(), bank_.records.begin());
        quiz::SetTopics(std::move(index_));
    }

private:
    uint8_t TopicNumber(const std::string& topic) {
        auto found = std::find(index_.names.begin(), index_.names.end(), topic);
        if (found == index_.names.end() &&
            index_.names.size() < static_cast<std::size_t>(quiz::kMaxTopics)) {
            found = index_.names.insert(index_.names.end(), topic);
        }
        if (found == index_.names.end()) return 0;  // past the last topic the panel holds
        return static_cast<uint8_t>(found - index_.names.begin());
    }

    quiz::QuestionBank& bank_;
    std::vector<quiz::Question> staged_ = std::vector<quiz::Question>(quiz::kBankSize);
    quiz::TopicIndex index_;
    std::set<std::string> seen_;  // the questions added, folded
    int count_ = 0;
};

void AddShipped(const quiz::QuestionBank& bank, int count, Filling& filling) {
    const std::string shipped = platform::Utf8ToCp1250(kShippedSetName);
    std::vector<std::string> topicOf(static_cast<std::size_t>(count), shipped);
    for (int topic = 0; topic < quiz::TopicCount(); ++topic) {
        for (int32_t record : quiz::RecordsOfTopic(topic)) {
            if (record < count) topicOf[static_cast<std::size_t>(record)] = quiz::TopicName(topic);
        }
    }
    for (int i = 0; i < count; ++i) filling.Add(bank.records[static_cast<std::size_t>(i)], topicOf[i]);
}

// Adds the set's good questions; true when the bank was full before the last of them.
bool AddSet(const std::string& name, Filling& filling) {
    const qbank::PlayableSet set = qbank::ReadPlayableSet(SetsFolder() + "/" + name, true);
    for (const qbank::Problem& problem : set.problems)
        Log("Sets: " + name + ": " + (problem.line ? std::to_string(problem.line) + ": " : "") +
            problem.message);
    const int before = filling.Count();
    for (std::size_t i = 0; i < set.questions.size() && !filling.Full(); ++i)
        filling.AddFields(set.questions[i], set.topics[set.topicOf[i]]);
    const int added = filling.Count() - before;
    Log("Sets: " + name + ": " + std::to_string(added) + " questions");
    const bool cut = filling.Full() && static_cast<std::size_t>(added) < set.questions.size();
    if (cut)
        Log("Sets: the chosen sets hold more than " + std::to_string(quiz::kBankSize) +
            " questions; " + name + " is cut");
    return cut || set.cut;
}

int shippedQuestions = 0;
SetsReloader reloader = nullptr;
}  // namespace

std::string SetsFolder() { return platform::UserFolder() + "/" + kSetsFolderName; }

bool IsSetFileName(const std::string& path) {
    return sets::IsSheetFile(path) || sets::LowerExtension(path) == ".txt";
}

std::vector<std::string> SetFileNames() {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(SetsFolder(), error)) {
        if (IsSetFileName(entry.path().string())) names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string WriteTemplates() {
    std::error_code error;
    std::filesystem::create_directories(SetsFolder(), error);
    const sets::TextRows rows = {
        sets::HeaderRow(),
        {"Které město je hlavním městem Slovenska?", "Bratislava", "Košice", "Žilina", "Zeměpis"},
        {"Kdo napsal Babičku?", "Božena Němcová", "Karel Jaromír Erben", "Alois Jirásek",
         "Literatura"}};
    for (const char* name : {"Šablona.xlsx", "Šablona.ods"}) {
        if (std::string problem = sets::WriteSheet(SetsFolder() + "/" + name, rows); !problem.empty())
            return problem;
    }
    return {};
}

std::vector<std::string> ChosenSetNames() {
    const std::string value = profile::ReadValue(kSetsKey).value_or("");
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < value.size()) {
        std::size_t end = value.find(kSeparator, start);
        if (end == std::string::npos) end = value.size();
        if (end > start) names.push_back(value.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

bool WriteChosenSetNames(const std::vector<std::string>& names) {
    std::string value;
    for (const std::string& name : names) value += (value.empty() ? "" : "|") + name;
    return profile::WriteValue(kSetsKey, value);
}

SetsOutcome PlayChosenSets(quiz::QuestionBank& bank, int shippedCount) {
    shippedQuestions = shippedCount;
    const std::vector<std::string> chosen = ChosenSetNames();
    const bool shipped = std::find(chosen.begin(), chosen.end(), kShippedSetName) != chosen.end();
    std::vector<std::string> files;
    for (const std::string& name : SetFileNames()) {
        if (std::find(chosen.begin(), chosen.end(), name) != chosen.end()) files.push_back(name);
    }
    if (files.empty()) return {shippedCount, false, {}};
    Filling filling(bank);
    if (shipped) AddShipped(bank, shippedCount, filling);
    std::string cutSets;
    for (const std::string& name : files) {
        if (AddSet(name, filling)) cutSets += (cutSets.empty() ? "" : ", ") + name;
    }
    const std::string smallest = std::to_string(quiz::kSmallestChoice);
    if (filling.Count() < quiz::kSmallestChoice) {
        Log("Sets: the chosen sets hold " + std::to_string(filling.Count()) +
            " questions, fewer than a game needs (" + smallest + "); the shipped questions play");
        return {shippedCount, true,
                "Vybrané sady mají jen " + std::to_string(filling.Count()) +
                    " dobrých otázek; hra jich potřebuje aspoň " + smallest + "."};
    }
    filling.Finish();
    Log("Sets: " + std::to_string(filling.Count()) + " questions from the chosen sets");
    SetsOutcome outcome{filling.Count(), false, {}};
    if (!cutSets.empty())
        outcome.notice = "Hraje se jen prvních " + std::to_string(quiz::kBankSize) +
                         " otázek (víc hra nepojme); zkráceno: " + cutSets + ".";
    return outcome;
}

int ShippedQuestionCount() { return shippedQuestions; }

void SetSetsReloader(SetsReloader function) { reloader = function; }

SetsOutcome ReloadSets() {
    if (reloader) return reloader();
    return {0, true, "Otázky teď nejde načíst znovu."};
}

}  // namespace screens
