#include "phone_names.h"

#include "platform/platform.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace phones {

namespace {

constexpr char kReplacement = '?';

// Cyrillic а..я (U+0430..U+044F) in Czech transliteration; the capitals take the same letters
// with the first one capitalised.
constexpr std::array<const char*, 32> kCyrillic = {
    "a", "b", "v", "g", "d", "e", "ž", "z", "i", "j", "k", "l", "m", "n", "o", "p",
    "r", "s", "t", "u", "f", "ch", "c", "č", "š", "šč", "", "y", "", "e", "ju", "ja"};
constexpr std::array<const char*, 32> kCyrillicCapitals = {
    "A", "B", "V", "G", "D", "E", "Ž", "Z", "I", "J", "K", "L", "M", "N", "O", "P",
    "R", "S", "T", "U", "F", "Ch", "C", "Č", "Š", "Šč", "", "Y", "", "E", "Ju", "Ja"};
// Greek α..ω (U+03B1..U+03C9, with final sigma at U+03C2).
constexpr std::array<const char*, 25> kGreek = {
    "a", "v", "g", "d", "e", "z", "i", "th", "i", "k", "l", "m", "n",
    "x", "o", "p", "r", "s", "s", "t", "y", "f", "ch", "ps", "o"};
constexpr std::array<const char*, 25> kGreekCapitals = {
    "A", "V", "G", "D", "E", "Z", "I", "Th", "I", "K", "L", "M", "N",
    "X", "O", "P", "R", "", "S", "T", "Y", "F", "Ch", "Ps", "O"};

// Letters of other alphabets that the code page lacks, and their nearest in it.
constexpr std::pair<char32_t, const char*> kOtherLetters[] = {
    {U'À', "A"}, {U'Ã', "A"}, {U'Å', "A"}, {U'Æ', "Ae"}, {U'È', "E"}, {U'Ê', "E"},
    {U'Ì', "I"}, {U'Ï', "I"}, {U'Ð', "D"}, {U'Ñ', "N"}, {U'Ò', "O"}, {U'Õ', "O"},
    {U'Ø', "O"}, {U'Ù', "U"}, {U'Û', "U"}, {U'Þ', "Th"}, {U'à', "a"}, {U'ã', "a"},
    {U'å', "a"}, {U'æ', "ae"}, {U'è', "e"}, {U'ê', "e"}, {U'ì', "i"}, {U'ï', "i"},
    {U'ð', "d"}, {U'ñ', "n"}, {U'ò', "o"}, {U'õ', "o"}, {U'ø', "o"}, {U'ù', "u"},
    {U'û', "u"}, {U'þ', "th"}, {U'ÿ', "y"}, {U'Ā', "A"}, {U'ā', "a"}, {U'Ē', "E"},
    {U'ē', "e"}, {U'Ė', "E"}, {U'ė', "e"}, {U'Ğ', "G"}, {U'ğ', "g"}, {U'Ī', "I"},
    {U'ī', "i"}, {U'Į', "I"}, {U'į', "i"}, {U'İ', "I"}, {U'ı', "i"}, {U'Ķ', "K"},
    {U'ķ', "k"}, {U'Ļ', "L"}, {U'ļ', "l"}, {U'Ņ', "N"}, {U'ņ', "n"}, {U'Ō', "O"},
    {U'ō', "o"}, {U'Œ', "Oe"}, {U'œ', "oe"}, {U'Ŗ', "R"}, {U'ŗ', "r"}, {U'Ū', "U"},
    {U'ū', "u"}, {U'Ų', "U"}, {U'ų', "u"}, {U'Ÿ', "Y"}, {U'Ё', "Jo"}, {U'ё', "jo"},
    {U'Є', "Je"}, {U'є', "je"}, {U'І', "I"}, {U'і', "i"}, {U'Ї', "Ji"}, {U'ї', "ji"},
    {U'Ў', "U"}, {U'ў', "u"}, {U'Ґ', "G"}, {U'ґ', "g"}, {U'ά', "a"}, {U'έ', "e"},
    {U'ή', "i"}, {U'ί', "i"}, {U'ό', "o"}, {U'ύ', "y"}, {U'ώ', "o"},
};

// Marks that only change how the character before them looks: accents typed apart, emoji
// joiners, variation selectors and skin tones, tags.
bool IsModifier(char32_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x200B && c <= 0x200F) || c == 0x2060 ||
           (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0x1F3FB && c <= 0x1F3FF) ||
           (c >= 0xE0000 && c <= 0xE007F);
}

bool IsSpace(char32_t c) {
    return c == ' ' || c == '\t' || c == 0xA0 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

// The UTF-8 spelling of `c` in the code page's letters, or empty when it has none.
std::string_view Spelling(char32_t c) {
    if (c >= 0x0430 && c <= 0x044F) return kCyrillic[c - 0x0430];
    if (c >= 0x0410 && c <= 0x042F) return kCyrillicCapitals[c - 0x0410];
    if (c >= 0x03B1 && c <= 0x03C9) return kGreek[c - 0x03B1];
    if (c >= 0x0391 && c <= 0x03A9) return kGreekCapitals[c - 0x0391];
    for (const auto& [letter, spelling] : kOtherLetters) {
        if (letter == c) return spelling;
    }
    return {};
}

// One character's contribution in Windows-1250; `lastReplaced` keeps a run of characters
// that nothing fits (an emoji sequence) to one "?".
void Append(std::string& out, char32_t c, bool& lastReplaced) {
    if (IsModifier(c) || c < 0x20 || (c >= 0x7F && c < 0xA0)) return;
    if (IsSpace(c)) {
        out += ' ';
        lastReplaced = false;
        return;
    }
    uint8_t byte = 0;
    if (platform::UnicodeToCp1250(c, byte)) {
        out += static_cast<char>(byte);
        lastReplaced = false;
        return;
    }
    // Hard and soft signs are spelt as nothing, and are no reason for a "?" either.
    const bool sign = c == 0x042A || c == 0x042C || c == 0x044A || c == 0x044C;
    if (const std::string_view spelling = Spelling(c); !spelling.empty() || sign) {
        out += platform::Utf8ToCp1250(spelling);
        lastReplaced = false;
        return;
    }
    if (!lastReplaced) out += kReplacement;
    lastReplaced = true;
}

// Single spaces between words, none at either end.
std::string Tidied(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        out += c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

// Something a player could be called by: a letter or a digit, of any alphabet the code page has.
bool ReadsAsAName(const std::string& name) {
    return std::any_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0xA0 || std::isalnum(byte);
    });
}

}  // namespace

std::string GameName(std::string_view utf8, int number) {
    std::string mapped;
    bool lastReplaced = false;
    std::size_t pos = 0;
    while (pos < utf8.size() && mapped.size() <= 4 * kGameNameBytes) {
        Append(mapped, platform::NextUtf8CodePoint(utf8, pos), lastReplaced);
    }
    std::string name = Tidied(mapped);
    if (name.size() > kGameNameBytes) name = Tidied(name.substr(0, kGameNameBytes));
    if (ReadsAsAName(name)) return name;
    return platform::Utf8ToCp1250("Hráč " + std::to_string(number));
}

}  // namespace phones
