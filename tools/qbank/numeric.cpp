#include "numeric.h"

#include "encoding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string_view>

namespace qbank {

namespace {
// A hyphen, the minus sign U+2212 or the en dash that Czech typesetting uses for it.
constexpr std::string_view kMinusSigns[] = {"-", "\xE2\x88\x92", "\xE2\x80\x93"};
// Blanks that may split a number into groups of three digits: space, no-break space, thin
// space and narrow no-break space.
constexpr std::string_view kGroupSeparators[] = {" ", "\xC2\xA0", "\xE2\x80\x89",
                                                 "\xE2\x80\xAF"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool HasDigit(std::string_view text) { return std::any_of(text.begin(), text.end(), IsDigit); }

std::size_t DigitsAt(std::string_view text, std::size_t pos) {
    std::size_t end = pos;
    while (end < text.size() && IsDigit(text[end])) ++end;
    return end - pos;
}

// The length of a group separator followed by exactly three digits at `pos`, or 0.
std::size_t GroupAt(std::string_view text, std::size_t pos) {
    for (std::string_view separator : kGroupSeparators) {
        if (text.substr(pos, separator.size()) != separator) continue;
        if (DigitsAt(text, pos + separator.size()) == 3) return separator.size();
    }
    return 0;
}

struct Number {
    std::string_view before;
    std::string_view after;
    double value = 0;
};

// The first number of `text` and the text around it; nothing when more digits follow it.
std::optional<Number> ParseNumber(std::string_view text) {
    const auto first = std::find_if(text.begin(), text.end(), IsDigit);
    if (first == text.end()) return std::nullopt;
    const std::size_t start = static_cast<std::size_t>(first - text.begin());
    std::size_t beforeEnd = start;
    for (std::string_view sign : kMinusSigns) {
        if (text.substr(0, start).ends_with(sign)) beforeEnd = start - sign.size();
    }
    std::string digits(text.substr(start, DigitsAt(text, start)));
    std::size_t pos = start + digits.size();
    for (std::size_t group; (group = GroupAt(text, pos)) != 0; pos += group + 3) {
        digits += text.substr(pos + group, 3);
    }
    if (pos + 1 < text.size() && (text[pos] == ',' || text[pos] == '.') && IsDigit(text[pos + 1])) {
        const std::size_t fraction = DigitsAt(text, pos + 1);
        digits += "." + std::string(text.substr(pos + 1, fraction));
        pos += 1 + fraction;
    }
    // strtod, not stod: a line of hundreds of digits is out of range, which must not throw.
    Number number{text.substr(0, beforeEnd), text.substr(pos),
                  std::strtod(digits.c_str(), nullptr)};
    if (HasDigit(number.after)) return std::nullopt;
    if (beforeEnd != start) number.value = -number.value;
    return number;
}
// Cardinals in the forms answers use, then the stems of ordinals that take ý/á/é.
constexpr std::pair<const char*, int> kCardinals[] = {
    {"jeden", 1},     {"jedna", 1},     {"jedno", 1},      {"jednou", 1},    {"dva", 2},
    {"dvě", 2},       {"dvou", 2},      {"tři", 3},        {"tří", 3},       {"čtyři", 4},
    {"čtyř", 4},      {"pět", 5},       {"šest", 6},       {"sedm", 7},      {"osm", 8},
    {"devět", 9},     {"deset", 10},    {"jedenáct", 11},  {"dvanáct", 12},  {"třináct", 13},
    {"čtrnáct", 14},  {"patnáct", 15},  {"šestnáct", 16},  {"sedmnáct", 17}, {"osmnáct", 18},
    {"devatenáct", 19}, {"dvacet", 20}, {"třicet", 30},    {"čtyřicet", 40}, {"padesát", 50},
    {"šedesát", 60},  {"sedmdesát", 70}, {"osmdesát", 80}, {"devadesát", 90}, {"sto", 100},
    {"tisíc", 1000},  {"první", 1},     {"třetí", 3},      {"pěti", 5},      {"šesti", 6},
    {"sedmi", 7},     {"osmi", 8},      {"devíti", 9},     {"deseti", 10}};
constexpr std::pair<const char*, int> kOrdinalStems[] = {
    {"druh", 2}, {"čtvrt", 4}, {"pát", 5},   {"šest", 6},
    {"sedm", 7}, {"osm", 8},   {"devát", 9}, {"desát", 10}};

// Windows-1250 lower-case number words and their values, "-krát" forms included.
const std::map<std::string, int>& NumberWords() {
    static const std::map<std::string, int> words = [] {
        std::map<std::string, int> table;
        for (const auto& [word, value] : kCardinals) {
            const std::string encoded = EncodeLine(word).text;
            table.emplace(encoded, value);
            table.emplace(encoded + "kr\xE1t", value);  // třikrát
        }
        for (const auto& [stem, value] : kOrdinalStems) {
            for (const char* ending : {"\xFD", "\xE1", "\xE9"})  // ý á é
                table.emplace(EncodeLine(stem).text + ending, value);
        }
        return table;
    }();
    return words;
}

struct WordNumber {
    std::size_t words = 0;     // how many words the answer has
    std::size_t position = 0;  // which of them is the number
    int value = 0;
};

// The one number word of an answer; nothing when it has none, several, or any digit.
std::optional<WordNumber> ParseNumberWord(const std::string& utf8) {
    if (HasDigit(utf8)) return std::nullopt;
    const std::vector<std::string> words = FoldedWords(EncodeLine(utf8).text);
    std::optional<WordNumber> found;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const auto entry = NumberWords().find(words[i]);
        if (entry == NumberWords().end()) continue;
        if (found) return std::nullopt;
        found = WordNumber{words.size(), i, entry->second};
    }
    return found;
}
}  // namespace

bool IsNumberWord(const std::string& cp1250) { return NumberWords().contains(cp1250); }

std::optional<std::array<double, 3>> NumberWordValues(
    const std::array<std::string, kFields>& fields) {
    std::array<double, 3> values{};
    std::optional<WordNumber> first;
    for (int answer = 0; answer < 3; ++answer) {
        const std::optional<WordNumber> number = ParseNumberWord(fields[answer + 1]);
        if (!number) return std::nullopt;
        if (first && (number->words != first->words || number->position != first->position))
            return std::nullopt;
        if (!first) first = number;
        values[answer] = number->value;
    }
    return values;
}

std::optional<std::array<double, 3>> NumericValues(const std::array<std::string, kFields>& fields) {
    std::array<double, 3> values{};
    std::optional<Number> first;
    for (int answer = 0; answer < 3; ++answer) {
        const std::optional<Number> number = ParseNumber(fields[answer + 1]);
        if (!number) return std::nullopt;
        if (first && (number->before != first->before || number->after != first->after))
            return std::nullopt;
        if (!first) first = number;
        values[answer] = number->value;
    }
    return values;
}

bool EvenlySpaced(const std::array<double, 3>& values) {
    std::array<double, 3> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const double lower = sorted[1] - sorted[0];
    const double upper = sorted[2] - sorted[1];
    const double scale = std::max({1.0, std::fabs(sorted[0]), std::fabs(sorted[2])});
    return lower > 0 && std::fabs(lower - upper) <= 1e-9 * scale;
}

bool TenfoldLadder(const std::array<double, 3>& values) {
    std::array<double, 3> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    if (sorted[0] <= 0) return false;
    const double lower = sorted[1] / sorted[0];
    const double upper = sorted[2] / sorted[1];
    const double power = std::round(std::log10(lower));
    const auto near = [](double a, double b) { return std::fabs(a - b) <= 1e-9 * b; };
    return power >= 1 && near(lower, std::pow(10.0, power)) && near(upper, lower);
}

std::optional<int> RightValuePosition(const std::array<double, 3>& values) {
    if (values[0] == values[1] || values[0] == values[2]) return std::nullopt;
    return static_cast<int>(values[0] > values[1]) + static_cast<int>(values[0] > values[2]);
}

}  // namespace qbank
