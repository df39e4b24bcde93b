#include "set_problem_text.h"

#include <regex>
#include <string>
#include <vector>

namespace screens {

namespace {

// The checker's names of the four fields, and the Czech ones (all feminine, so the sentences
// below agree with each).
const char* const kField = "(the question|the correct answer|wrong answer \\d)";

std::string CzechField(const std::string& english) {
    if (english == "the question") return "otázka";
    if (english == "the correct answer") return "správná odpověď";
    return english.substr(english.size() - 1) + ". špatná odpověď";
}

struct Rule {
    std::regex pattern;
    std::string (*czech)(const std::smatch& m);
};

std::string F(const std::smatch& m, int group) { return CzechField(m[group].str()); }

const std::vector<Rule>& Rules() {
    static const std::vector<Rule> rules = {
        {std::regex(std::string("^") + kField + " is empty$"),
         [](const std::smatch& m) { return F(m, 1) + " je prázdná"; }},
        {std::regex(std::string("^") + kField +
                    " is (\\d+) bytes in Windows-1250; a line holds at most (\\d+)$"),
         [](const std::smatch& m) {
             return F(m, 1) + " je delší než " + m[3].str() + " znaků (má " + m[2].str() + ")";
         }},
        {std::regex(std::string("^") + kField + " is the same as " + kField + " \\(line (\\d+)\\)$"),
         [](const std::smatch& m) {
             return F(m, 1) + " je stejná jako " + F(m, 2) + " (řádek " + m[3].str() + ")";
         }},
        {std::regex("^the question repeats the one at .*:(\\d+)$"),
         [](const std::smatch& m) {
             return "stejná otázka už je na řádku " + m[1].str() + "; hraje se jednou";
         }},
        {std::regex("^(\\d+) questions; the first (\\d+) are played$"),
         [](const std::smatch& m) {
             return "sada má " + m[1].str() + " dobrých otázek; hraje se prvních " + m[2].str();
         }},
        {std::regex(std::string("^") + kField + " does not fit its .* block: (\".*\") would not show$"),
         [](const std::smatch& m) {
             return F(m, 1) + " se nevejde na obrazovku: " + m[2].str() + " by nebylo vidět";
         }},
        {std::regex(std::string("^") + kField + " does not fit its .* block: the word (\".*\") is too wide$"),
         [](const std::smatch& m) {
             return F(m, 1) + " se nevejde na obrazovku: slovo " + m[2].str() + " je moc dlouhé";
         }},
        {std::regex("^column (\\d+): the text is not valid UTF-8$"),
         [](const std::smatch& m) {
             return m[1].str() + ". znak: text není v kódování UTF-8 (uložte jej jako UTF-8)";
         }},
        {std::regex("^column (\\d+): control character (U\\+\\w+) is not allowed$"),
         [](const std::smatch& m) {
             return m[1].str() + ". znak: řídicí znak " + m[2].str() + " tu být nesmí";
         }},
        {std::regex("^column (\\d+): '(.*)' \\((U\\+\\w+)\\) has no Windows-1250 form$"),
         [](const std::smatch& m) {
             return m[1].str() + ". znak: znak „" + m[2].str() + "“ hra neumí ukázat";
         }},
        {std::regex("^a question needs exactly 4 lines.* this block has (\\d+)( \\(a blank line missing\\?\\))?$"),
         [](const std::smatch& m) {
             return "otázka má mít přesně 4 řádky (otázka, správná a dvě špatné odpovědi); "
                    "tady jich je " + m[1].str() + (m[2].matched ? " (chybí prázdný řádek?)" : "");
         }},
        {std::regex("^the topic: (.*)$"),
         [](const std::smatch& m) { return "téma nejde použít (" + m[1].str() + ")"; }},
        {std::regex("^cannot read the file$"),
         [](const std::smatch&) { return std::string("soubor se nedá přečíst"); }},
    };
    return rules;
}

std::string Translated(const std::string& message) {
    std::smatch match;
    for (const Rule& rule : Rules()) {
        if (std::regex_match(message, match, rule.pattern)) return rule.czech(match);
    }
    return message;
}

}  // namespace

std::string CzechProblem(const qbank::Problem& problem) {
    const std::string text = Translated(problem.message);
    if (problem.line <= 0) return text;
    return "Řádek " + std::to_string(problem.line) + ": " + text;
}

}  // namespace screens
