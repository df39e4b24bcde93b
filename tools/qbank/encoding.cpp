#include "encoding.h"

#include "platform/platform.h"

#include <cstdio>

namespace qbank {

namespace {
constexpr char32_t kInvalid = 0xFFFFFFFF;

int SequenceLength(uint8_t lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Decodes one strict UTF-8 sequence at `pos` and moves past it; kInvalid (one byte consumed)
// for a malformed, overlong or surrogate sequence.
char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<uint8_t>(text[pos]);
    const int length = SequenceLength(lead);
    if (length == 0 || pos + length > text.size()) {
        ++pos;
        return kInvalid;
    }
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<uint8_t>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return kInvalid;
        }
        cp = cp << 6 | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kInvalid;
    }
    pos += length;
    return cp;
}

std::string CodePointName(char32_t cp) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(cp));
    return name;
}

std::string DescribeBadCharacter(char32_t cp, std::string_view sequence, int column) {
    const std::string where = "column " + std::to_string(column) + ": ";
    if (cp == kInvalid) return where + "the text is not valid UTF-8";
    if (cp < 0x20 || cp == 0x7F)
        return where + "control character " + CodePointName(cp) + " is not allowed";
    return where + "'" + std::string(sequence) + "' (" + CodePointName(cp) +
           ") has no Windows-1250 form";
}

bool IsSpace(uint8_t byte) { return byte == ' ' || byte == '\t' || byte == 0xA0; }

bool IsPunctuation(uint8_t byte) {
    static constexpr std::string_view kPunctuation =
        "!\"'(),-.:;?[]{}_`"
        "\x82\x84\x85\x8B\x91\x92\x93\x94\x95\x96\x97\x9B\xAB\xAD\xB7\xBB";
    return kPunctuation.find(static_cast<char>(byte)) != std::string_view::npos;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

uint8_t LowerCase(uint8_t byte) {
    if (byte >= 'A' && byte <= 'Z') return byte + 0x20;
    if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) return byte + 0x20;
    switch (byte) {
        case 0x8A: return 0x9A;  // Š
        case 0x8C: return 0x9C;  // Ś
        case 0x8D: return 0x9D;  // Ť
        case 0x8E: return 0x9E;  // Ž
        case 0x8F: return 0x9F;  // Ź
        case 0xA3: return 0xB3;  // Ł
        case 0xA5: return 0xB9;  // Ą
        case 0xAA: return 0xBA;  // Ş
        case 0xAF: return 0xBF;  // Ż
        case 0xBC: return 0xBE;  // Ľ
        default: return byte;
    }
}
}  // namespace

Encoded EncodeLine(std::string_view utf8) {
    Encoded result;
    int column = 0;
    int badCount = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        const char32_t cp = NextCodePoint(utf8, pos);
        ++column;
        uint8_t byte = 0;
        const bool encodable =
            cp != kInvalid && cp >= 0x20 && cp != 0x7F && platform::UnicodeToCp1250(cp, byte);
        if (encodable) {
            result.text += static_cast<char>(byte);
        } else if (badCount++ == 0) {
            result.error = DescribeBadCharacter(cp, utf8.substr(start, pos - start), column);
        }
    }
    if (badCount > 1) {
        result.error += " (and " + std::to_string(badCount - 1) + " more such characters)";
    }
    return result;
}

std::string FoldForComparison(std::string_view text) {
    std::string folded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<uint8_t>(text[i]);
        if (IsSpace(byte)) continue;
        if (IsPunctuation(byte)) {
            const bool beforeDigit = i + 1 < text.size() && IsDigit(text[i + 1]);
            const bool betweenDigits = beforeDigit && i > 0 && IsDigit(text[i - 1]);
            // A hyphen or dash right before a number is its sign: -1 is not 1.
            const bool sign = beforeDigit && (byte == '-' || byte == 0x96);
            if (!betweenDigits && !sign) continue;
        }
        folded += static_cast<char>(LowerCase(byte));
    }
    return folded;
}

std::vector<std::string> FoldedWords(std::string_view text) {
    std::vector<std::string> words(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<uint8_t>(text[i]);
        const bool betweenDigits = i > 0 && i + 1 < text.size() && IsDigit(text[i - 1]) &&
                                   IsDigit(text[i + 1]);
        if (IsSpace(byte) || (IsPunctuation(byte) && !betweenDigits)) {
            if (!words.back().empty()) words.emplace_back();
            continue;
        }
        words.back() += static_cast<char>(LowerCase(byte));
    }
    if (words.back().empty()) words.pop_back();
    return words;
}

}  // namespace qbank
