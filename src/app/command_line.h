// The game's command line: --help, --version, --window WxH and --phones. Anything else is refused
// before a window opens, so a mistyped option never starts a full-screen game.
#pragma once

#include <string>
#include <vector>

enum class CommandAction { Play, ShowHelp, ShowVersion, Refuse };

struct CommandLine {
    CommandAction action = CommandAction::Play;
    int windowWidth = 0;  // both 0: the window covers the screen
    int windowHeight = 0;
    bool phones = false;  // --phones: phones may join the buzzer game
    std::string error;    // why the line was refused, one line
};

// `arguments` are argv[1..]. The first of --help or --version wins over anything after it.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// Takes the size BRELLIK_WINDOW names (`value`, may be null) into `line` when the command
// line named none. Text that is no size is left out, and the line returned says so as the
// command line's refusal would; empty when there is nothing to say.
std::string TakeWindowVariable(const char* value, CommandLine& line);

// The text --help prints, ending in a line feed.
std::string HelpText();
