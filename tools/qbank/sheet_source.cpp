#include "sheet_source.h"

#include "sets/sheet_file.h"

#include <algorithm>
#include <filesystem>
#include <map>

namespace qbank {

namespace {
constexpr std::size_t kSmallestWidth = kFields;
constexpr std::size_t kLargestWidth = kFields + 1;

// ASCII letters and the capital Á lowered: enough to tell the header words.
std::string Lowered(std::string text) {
    for (std::size_t at = text.find("Á"); at != std::string::npos; at = text.find("Á", at))
        text.replace(at, 2, "á");
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string TopicOfName(const std::string& path) {
    std::string name = std::filesystem::path(path).stem().string();
    std::replace(name.begin(), name.end(), '_', ' ');
    return name;
}

SourceFile Refused(const std::string& path, std::string message) {
    SourceFile file;
    file.path = path;
    file.topic = TopicOfName(path);
    file.problems.push_back({path, 0, std::move(message)});
    return file;
}

// "1 sloupec", "3 sloupce", "6 sloupců".
std::string Columns(std::size_t count) {
    const char* word = count == 1 ? " sloupec" : count >= 2 && count <= 4 ? " sloupce" : " sloupců";
    return std::to_string(count) + word;
}

std::string ShapeProblem(std::size_t width) {
    const std::string needed =
        "; otázka je řádek o 4 sloupcích (otázka, správná odpověď, dvě špatné odpovědi) "
        "a nepovinném pátém, tématu";
    return (width < kSmallestWidth ? "tabulka má jen " : "tabulka má ") + Columns(width) + needed;
}

SourceQuestion QuestionOf(const std::string& path, const sets::SheetRow& row) {
    SourceQuestion question;
    question.file = path;
    for (int field = 0; field < kFields; ++field) {
        question.lines[field] = row.number;
        if (static_cast<std::size_t>(field) < row.cells.size())
            question.fields[field] = row.cells[field];
    }
    return question;
}
}  // namespace

bool IsHeaderRow(const sets::SheetRow& row) {
    if (row.cells.empty()) return false;
    const std::string first = Lowered(row.cells.front());
    return first.starts_with("otázka") || first.starts_with("otazka") ||
           first.starts_with("question");
}

std::vector<SourceFile> SheetSources(const std::string& path, const sets::Sheet& sheet) {
    if (!sheet.error.empty()) return {Refused(path, sheet.error)};
    auto rows = sheet.rows.begin();
    if (rows != sheet.rows.end() && IsHeaderRow(*rows)) ++rows;
    std::size_t width = 0;
    for (auto row = rows; row != sheet.rows.end(); ++row) width = std::max(width, row->cells.size());
    if (rows == sheet.rows.end()) return {Refused(path, "tabulka má jen záhlaví, žádnou otázku")};
    if (width < kSmallestWidth || width > kLargestWidth) return {Refused(path, ShapeProblem(width))};

    std::vector<SourceFile> sources;
    std::map<std::string, std::size_t> byTopic;
    for (auto row = rows; row != sheet.rows.end(); ++row) {
        std::string topic = row->cells.size() > kTopicColumn ? row->cells[kTopicColumn] : "";
        const bool named = !topic.empty();
        if (!named) topic = TopicOfName(path);
        const auto [found, added] = byTopic.emplace(topic, sources.size());
        if (added) {
            SourceFile& file = sources.emplace_back();
            file.path = path;
            file.topic = topic;
            file.topicLine = named ? row->number : 0;
        }
        sources[found->second].questions.push_back(QuestionOf(path, *row));
    }
    return sources;
}

std::vector<SourceFile> ReadSources(const std::string& path) {
    if (sets::IsSheetFile(path)) return SheetSources(path, sets::ReadSheetFile(path));
    return {ReadSource(path)};
}

}  // namespace qbank
