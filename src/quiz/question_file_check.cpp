#include "question_file_check.h"

#include "question.h"

namespace quiz {

namespace {
std::string AtLine(int line, std::string_view fault) {
    return "řádek " + std::to_string(line) + " " + std::string(fault);
}

// The fault of one line's text, or empty.
std::string LineDamage(std::string_view text, int line) {
    if (text.empty()) return AtLine(line, "je prázdný");
    if (text.find('\0') != std::string_view::npos) return AtLine(line, "obsahuje nulový bajt");
    if (text.size() > kFieldSize - 1) {
        return AtLine(line, "je delší než " + std::to_string(kFieldSize - 1) + " znaků");
    }
    return {};
}
}  // namespace

std::string QuestionFileDamage(std::string_view plain) {
    if (plain.empty()) return "soubor neobsahuje žádnou otázku";
    int line = 0;
    while (!plain.empty()) {
        ++line;
        const std::size_t end = plain.find("\r\n");
        const std::string_view text = plain.substr(0, end);
        if (end == std::string_view::npos) {
            return "soubor končí uprostřed řádku " + std::to_string(line);
        }
        if (text.find('\r') != std::string_view::npos) return AtLine(line, "nekončí CR LF");
        if (std::string damage = LineDamage(text, line); !damage.empty()) return damage;
        plain.remove_prefix(end + 2);
    }
    if (line % kFieldsPerQuestion != 0) {
        return "soubor končí uprostřed otázky (" + std::to_string(line) + " řádků)";
    }
    return {};
}

}  // namespace quiz
