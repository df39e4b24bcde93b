#include "stems.h"

#include "encoding.h"

#include <algorithm>
#include <set>

namespace qbank {

namespace {
// Case endings of nouns and adjectives, and the possessive suffix that comes before them
// ("Palach-ov-a"). Longer endings are tried first, so "ého" goes before "o".
constexpr const char* kCaseEndings[] = {
    "ovými", "ových", "ovou", "ového", "ovému", "ovém",
    "atech", "ětem", "etem", "atům",
    "ech", "ích", "ých", "ého", "ému", "ími", "ými", "ách", "ami", "emi", "ěmi",
    "ata", "aty", "ové", "ovi", "ovo", "ova", "ový", "ová",
    "em", "ém", "ím", "ým", "ům", "ám", "ou", "ův", "ov", "mi",
    "a", "e", "ě", "i", "í", "o", "u", "y", "ý", "á", "é"};

// Words that only tie other words together: they say nothing about an answer.
constexpr const char* kFunctionWords[] = {
    "ani", "ale", "asi", "až", "bez", "byl", "byla", "byli", "bylo", "být", "jak", "jako",
    "jeho", "její", "jen", "jsou", "kde", "kdo", "kdy", "mezi", "nad", "než", "nebo", "pod",
    "pro", "proti", "přes", "před", "při", "tak", "také", "ten", "tím", "to", "už", "více"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Windows-1250 letters, so the UTF-8 lists above can be compared with folded words.
std::vector<std::string> Encoded(const auto& words) {
    std::vector<std::string> encoded;
    for (const char* word : words) encoded.push_back(EncodeLine(word).text);
    std::stable_sort(encoded.begin(), encoded.end(),
                     [](const auto& a, const auto& b) { return a.size() > b.size(); });
    return encoded;
}

const std::vector<std::string>& CaseEndings() {
    static const std::vector<std::string> endings = Encoded(kCaseEndings);
    return endings;
}

const std::set<std::string>& FunctionWords() {
    static const std::set<std::string> words = [] {
        const std::vector<std::string> list = Encoded(kFunctionWords);
        return std::set<std::string>(list.begin(), list.end());
    }();
    return words;
}

bool IsVowel(char c) {
    static const std::string vowels = EncodeLine("aeiouyáéěíóúůý").text;
    return vowels.find(c) != std::string::npos;
}

// "čapek" -> "čapk", "němec" -> "němc", "karel" -> "karl": the e that other cases drop.
std::string WithoutMobileE(const std::string& word) {
    const std::size_t n = word.size();
    if (n < kShortestStem + 2) return word;
    const char last = word[n - 1];
    const bool closes = last == 'k' || last == 'c' || last == 'l';
    if (!closes || word[n - 2] != 'e' || IsVowel(word[n - 3])) return word;
    return word.substr(0, n - 2) + last;
}

// Cuts the first (longest) ending that leaves a stem of kShortestStem letters.
bool CutEnding(std::string& word) {
    for (const std::string& ending : CaseEndings()) {
        if (word.size() < ending.size() + kShortestStem || !word.ends_with(ending)) continue;
        word.resize(word.size() - ending.size());
        return true;
    }
    return false;
}
}  // namespace

std::string WordStem(const std::string& word) {
    if (std::any_of(word.begin(), word.end(), IsDigit)) return word;
    std::string stem = word;
    if (!CutEnding(stem)) return WithoutMobileE(stem);
    // What a case ending leaves may still end in the possessive suffix: "palachov-ě".
    if (stem.size() >= kShortestStem + 2 && stem.ends_with("ov")) stem.resize(stem.size() - 2);
    return stem;
}

std::vector<std::string> WordStems(std::string_view cp1250) {
    std::vector<std::string> stems;
    for (const std::string& word : FoldedWords(cp1250)) stems.push_back(WordStem(word));
    return stems;
}

bool IsFunctionWord(const std::string& word) {
    if (std::any_of(word.begin(), word.end(), IsDigit)) return false;
    return word.size() < kShortestStem || FunctionWords().contains(word);
}

std::vector<std::string> ContentStems(std::string_view cp1250) {
    std::vector<std::string> stems;
    for (const std::string& word : FoldedWords(cp1250)) {
        if (!IsFunctionWord(word)) stems.push_back(WordStem(word));
    }
    return stems;
}

}  // namespace qbank
