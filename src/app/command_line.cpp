#include "command_line.h"

#include <charconv>

namespace {

constexpr int kLargestWindowSide = 16384;

bool ParseSide(std::string_view text, int& out) {
    const char* end = text.data() + text.size();
    const auto [stop, problem] = std::from_chars(text.data(), end, out);
    return problem == std::errc() && stop == end && out > 0 && out <= kLargestWindowSide;
}

// "WxH" with two positive whole numbers and nothing around them.
bool ParseWindowSize(std::string_view text, CommandLine& out) {
    const std::size_t cross = text.find('x');
    return cross != std::string_view::npos && ParseSide(text.substr(0, cross), out.windowWidth) &&
           ParseSide(text.substr(cross + 1), out.windowHeight);
}

std::string NotAWindowSize(std::string_view text) {
    return "'" + std::string(text) + "' is not a window size such as 1024x768";
}

CommandLine Refusal(std::string message) {
    CommandLine refused;
    refused.action = CommandAction::Refuse;
    refused.error = std::move(message);
    return refused;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            line.action = CommandAction::ShowHelp;
            return line;
        }
        if (argument == "--version") {
            line.action = CommandAction::ShowVersion;
            return line;
        }
        if (argument == "--phones") {
            line.phones = true;
            continue;
        }
        std::string size;
        if (argument == "--window") {
            if (i + 1 == arguments.size()) return Refusal("--window needs a size such as 1024x768");
            size = arguments[++i];
        } else if (argument.rfind("--window=", 0) == 0) {
            size = argument.substr(9);
        } else if (!argument.empty() && argument[0] == '-') {
            return Refusal("unknown option '" + argument + "'");
        } else {
            return Refusal("unexpected argument '" + argument + "'");
        }
        if (!ParseWindowSize(size, line)) {
            return Refusal(NotAWindowSize(size));
        }
    }
    return line;
}

std::string TakeWindowVariable(const char* value, CommandLine& line) {
    if (!value || line.windowWidth > 0) return {};
    CommandLine taken;
    if (ParseWindowSize(value, taken)) {
        line.windowWidth = taken.windowWidth;
        line.windowHeight = taken.windowHeight;
        return {};
    }
    return "BRELLIK_WINDOW: " + NotAWindowSize(value) + "; the game starts as without it";
}

std::string HelpText() {
    return "Usage: brellik [--window WxH] [--phones]\n"
           "A Czech quiz game: a clock game, a lives game, score tables and a question browser.\n"
           "\n"
           "  --window WxH  play in an ordinary window of W x H pixels instead of full screen\n"
           "                (the same as BRELLIK_WINDOW=WxH)\n"
           "  --phones      let players buzz from their phones' browsers in the buzzer game\n"
           "                (the same as Phones=1 in the profile; see the README)\n"
           "  -h, --help    show this help and exit\n"
           "  --version     show the version and exit\n"
           "\n"
           "Scores and settings are kept in $BRELLIK_HOME, else $XDG_DATA_HOME/brellik, else\n"
           "~/.local/share/brellik; an installed game writes its Debug.log there too.\n";
}
