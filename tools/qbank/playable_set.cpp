#include "playable_set.h"

#include "sheet_import.h"
#include "sheet_source.h"
#include "quiz/topic_index.h"

#include <algorithm>

namespace qbank {

namespace {
uint8_t TopicNumber(PlayableSet& set, const std::string& topic) {
    const auto found = std::find(set.topics.begin(), set.topics.end(), topic);
    if (found != set.topics.end()) return static_cast<uint8_t>(found - set.topics.begin());
    set.topics.push_back(topic);
    return static_cast<uint8_t>(set.topics.size() - 1);
}
}  // namespace

PlayableSet ReadPlayableSet(const std::string& path, bool fit) {
    PlayableSet set;
    set.path = path;
    const std::vector<SourceFile> files = ReadSources(path);
    CheckOptions options;
    options.fit = fit;
    const CheckedQuestions checked = CheckSources(files, options);
    for (const Problem& problem : checked.problems) {
        if (!problem.file.empty()) set.problems.push_back(problem);
    }
    std::vector<const EncodedQuestion*> good = GoodQuestions(checked);
    if (good.size() > static_cast<std::size_t>(kMaxQuestions)) {
        set.problems.push_back({path, 0,
                                std::to_string(good.size()) + " questions; the first " +
                                    std::to_string(kMaxQuestions) + " are played"});
        good.resize(kMaxQuestions);
        set.cut = true;
    }
    for (const EncodedQuestion* question : good) {
        const std::string& topic = checked.topics[question->fileIndex];
        // The index holds at most kMaxTopics names; the questions of any further topic play
        // under the set's first.
        const bool room = set.topics.size() < static_cast<std::size_t>(quiz::kMaxTopics) ||
                          std::find(set.topics.begin(), set.topics.end(), topic) != set.topics.end();
        set.topicOf.push_back(room ? TopicNumber(set, topic) : 0);
        set.questions.push_back(question->fields);
    }
    return set;
}

}  // namespace qbank
