#include "decompile.h"

#include "platform/platform.h"
#include "quiz/question.h"
#include "source.h"

namespace qbank {

namespace {
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

bool IsUndefinedByte(char c) {
    return platform::Cp1250ToUnicode(static_cast<uint8_t>(c)) == 0xFFFD;
}

std::string Header(const std::string& origin, int questions) {
    return "# " + std::to_string(questions) + " questions decompiled from " + origin +
           ".\n"
           "# Four lines a question: the question, the correct answer, two wrong answers.\n"
           "# A blank line ends a question; a line starting with # is a comment. A line\n"
           "# starting with \\ is taken exactly as it stands after the \\.\n";
}

class Writer {
public:
    Writer(const std::string& origin, Decompiled& out) : origin_(origin), out_(out) {}

    // Writes one field: the game shows a field up to a zero byte; a LF cannot stand in a
    // source line and becomes U+FFFD, as do bytes the code page leaves undefined.
    void Field(std::string text, int fileLine) {
        if (const std::size_t zero = text.find('\0'); zero != std::string::npos) {
            Warn(fileLine,
                 "holds a zero byte; the text after it, which the game never shows, "
                 "is left out");
            text.resize(zero);
        }
        std::string utf8;
        bool replaced = false;
        for (char c : text) {
            if (c == '\n' || IsUndefinedByte(c)) {
                utf8 += kReplacement;
                replaced = true;
            } else {
                utf8 += platform::Cp1250ToUtf8(std::string_view(&c, 1));
            }
        }
        if (replaced) {
            Warn(fileLine,
                 "holds a line feed or a byte with no character in Windows-1250; "
                 "written as U+FFFD");
        }
        if (NeedsEscape(text)) out_.source += kEscape;
        out_.source += utf8;
        out_.source += '\n';
    }

    void Warn(int fileLine, const std::string& what) {
        out_.warnings.push_back(origin_ + ": line " + std::to_string(fileLine) + " " + what);
    }

private:
    const std::string& origin_;
    Decompiled& out_;
};
}  // namespace

Decompiled DecompileLines(const std::vector<std::string>& lines, const std::string& origin) {
    Decompiled result;
    const std::size_t whole = lines.size() / kFields;
    const bool partial = lines.size() % kFields != 0;
    result.questions = static_cast<int>(whole + (partial ? 1 : 0));
    result.source = Header(origin, result.questions);
    Writer writer(origin, result);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i % kFields == 0) result.source += '\n';
        writer.Field(lines[i], static_cast<int>(i) + 1);
    }
    if (partial) {
        result.warnings.push_back(origin + ": the last question has only " +
                                  std::to_string(lines.size() % kFields) + " of its 4 lines");
    }
    if (result.questions > quiz::kBankSize) {
        result.warnings.push_back(origin + ": holds " + std::to_string(result.questions) +
                                  " questions; the game reads only the first " +
                                  std::to_string(quiz::kBankSize));
    }
    return result;
}

}  // namespace qbank
