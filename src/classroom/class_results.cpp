#include "class_results.h"

#include "platform/platform.h"

#include <cstdio>

namespace classroom {

namespace {

constexpr const char* kResultsFolder = "Výsledky";
constexpr const char* kBom = "\xEF\xBB\xBF";

// A field with a separator, a quote or a line break goes in quotes, its quotes doubled.
std::string Field(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return quoted + "\"";
}

const char* ChoiceWord(int8_t choice, int correct) {
    if (choice == kNotPlaying) return "";
    if (choice == kNoChoice) return "bez odpovědi";
    return choice == correct ? "správně" : "špatně";
}

std::string Stamp(std::time_t when) {
    const std::tm t = platform::LocalTime(when);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d-%02d-%02d", t.tm_year + 1900,
                  t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

bool Write(const std::string& path, const std::string& text) {
    return platform::WriteFileAtomically(path, text.data(), text.size());
}

}  // namespace

std::string PupilsCsv(const ClassGame& game) {
    const std::vector<QuestionTally>& tallies = game.Tallies();
    std::string csv = kBom;
    csv += "Pořadí;Jméno;Body;Správně";
    for (std::size_t q = 0; q < tallies.size(); ++q) csv += ";" + std::to_string(q + 1) + ".";
    csv += "\r\n";
    for (const int seat : game.Ranking()) {
        const Pupil& pupil = game.PupilAt(seat);
        csv += std::to_string(game.PlaceOf(seat)) + ";" + Field(pupil.name) + ";" +
               std::to_string(pupil.points) + ";" + std::to_string(pupil.right);
        for (std::size_t q = 0; q < tallies.size(); ++q) {
            csv += ";";
            csv += ChoiceWord(pupil.choices[q], tallies[q].correct);
        }
        csv += "\r\n";
    }
    return csv;
}

std::string QuestionsCsv(const ClassGame& game, const std::vector<AskedQuestion>& asked) {
    const std::vector<QuestionTally>& tallies = game.Tallies();
    std::string csv = kBom;
    csv += "Č.;Otázka;Správná odpověď;Odpověď A;Odpověď B;Odpověď C;Zvolilo A;Zvolilo B;"
           "Zvolilo C;Bez odpovědi;Správně (%)\r\n";
    for (std::size_t q = 0; q < tallies.size() && q < asked.size(); ++q) {
        const QuestionTally& tally = tallies[q];
        const int playing = tally.chosen[0] + tally.chosen[1] + tally.chosen[2] + tally.none;
        const int percent = playing ? tally.chosen[tally.correct] * 100 / playing : 0;
        csv += std::to_string(q + 1) + ";" + Field(asked[q].text) + ";" +
               Field(asked[q].answers[tally.correct]);
        for (const std::string& answer : asked[q].answers) csv += ";" + Field(answer);
        for (const int chosen : tally.chosen) csv += ";" + std::to_string(chosen);
        csv += ";" + std::to_string(tally.none) + ";" + std::to_string(percent) + "\r\n";
    }
    return csv;
}

SavedResults SaveResults(const ClassGame& game, const std::vector<AskedQuestion>& asked,
                         std::time_t when) {
    SavedResults saved;
    // File names on Linux are UTF-8 bytes; the folder's name is the players' language.
    const std::string folder = platform::UserFolder() + "/" + kResultsFolder;
    saved.folder = folder;
    if (!platform::MakeUserSubfolder(kResultsFolder, &saved.why)) return saved;
    const std::string stem = folder + "/" + Stamp(when);
    saved.pupilsFile = stem + " žáci.csv";
    saved.questionsFile = stem + " otázky.csv";
    if (!Write(saved.pupilsFile, PupilsCsv(game)) ||
        !Write(saved.questionsFile, QuestionsCsv(game, asked))) {
        saved.why = "soubor nejde zapsat";
        return saved;
    }
    saved.saved = true;
    return saved;
}

}  // namespace classroom
