#include "sheet_import.h"

#include "platform/platform.h"

#include <set>
#include <utility>

namespace qbank {

std::vector<const EncodedQuestion*> GoodQuestions(const CheckedQuestions& checked) {
    std::set<std::pair<std::string, int>> marked;
    for (const Problem& problem : checked.problems) {
        if (!problem.file.empty()) marked.emplace(problem.file, problem.line);
    }
    std::vector<const EncodedQuestion*> good;
    for (const EncodedQuestion& question : checked.questions) {
        const SourceQuestion& source = *question.source;
        bool clean = true;
        for (int line : source.lines) clean = clean && !marked.contains({source.file, line});
        if (clean) good.push_back(&question);
    }
    return good;
}

std::string SourceText(const std::string& topic,
                       const std::vector<const SourceQuestion*>& questions) {
    std::string text = std::string(kTopicMark) + " " + topic + "\n";
    for (const SourceQuestion* question : questions) {
        text += '\n';
        for (const std::string& field : question->fields) {
            if (NeedsEscape(field)) text += kEscape;
            text += field + '\n';
        }
    }
    return text;
}

sets::TextRows QuestionRows(const std::vector<std::string>& lines,
                            const std::vector<std::string>& topics) {
    sets::TextRows rows = {sets::HeaderRow()};
    for (std::size_t first = 0; first + kFields <= lines.size(); first += kFields) {
        std::vector<std::string>& row = rows.emplace_back();
        for (int field = 0; field < kFields; ++field)
            row.push_back(platform::Cp1250ToUtf8(lines[first + field]));
        const std::size_t record = first / kFields;
        if (record < topics.size()) row.push_back(topics[record]);
    }
    return rows;
}

}  // namespace qbank
