#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {
CommandLine Parse(std::vector<std::string> arguments) { return ParseCommandLine(arguments); }
}  // namespace

TEST(CommandLine, NoArgumentsPlaysFullScreen) {
    const CommandLine line = Parse({});
    EXPECT_EQ(line.action, CommandAction::Play);
    EXPECT_EQ(line.windowWidth, 0);
    EXPECT_EQ(line.windowHeight, 0);
}

TEST(CommandLine, WindowSizeInBothSpellings) {
    for (const auto& arguments : {std::vector<std::string>{"--window", "1024x768"},
                                  std::vector<std::string>{"--window=1024x768"}}) {
        const CommandLine line = Parse(arguments);
        EXPECT_EQ(line.action, CommandAction::Play);
        EXPECT_EQ(line.windowWidth, 1024);
        EXPECT_EQ(line.windowHeight, 768);
    }
    EXPECT_FALSE(Parse({}).phones);
    const CommandLine phones = Parse({"--phones", "--window", "800x600"});
    EXPECT_EQ(phones.action, CommandAction::Play);
    EXPECT_TRUE(phones.phones);
    EXPECT_EQ(phones.windowWidth, 800);
}

TEST(CommandLine, HelpAndVersionWinOverWhatFollows) {
    EXPECT_EQ(Parse({"--help", "--bogus"}).action, CommandAction::ShowHelp);
    EXPECT_EQ(Parse({"-h"}).action, CommandAction::ShowHelp);
    EXPECT_EQ(Parse({"--window", "800x600", "--version"}).action, CommandAction::ShowVersion);
}

TEST(CommandLine, RefusesWhatItDoesNotKnowWithOneLine) {
    const std::vector<std::vector<std::string>> refused = {
        {"--fullscreen"}, {"-x"}, {"questions.txt"}, {"--window"}, {"--version=2"},
        {"--window", "1024"}, {"--window", "1024x"}, {"--window", "x768"},
        {"--window", "0x600"}, {"--window", "-800x600"}, {"--window", "800x600x2"},
        {"--window", "800 x600"}, {"--window", "99999x600"}, {"--window=800x600junk"}};
    for (const auto& arguments : refused) {
        const CommandLine line = Parse(arguments);
        EXPECT_EQ(line.action, CommandAction::Refuse) << arguments.back();
        EXPECT_FALSE(line.error.empty());
        EXPECT_EQ(line.error.find('\n'), std::string::npos);
    }
}

TEST(CommandLine, HelpNamesEveryOption) {
    const std::string help = HelpText();
    for (const char* option : {"--window WxH", "--phones", "--help", "--version", "BRELLIK_WINDOW"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
}

TEST(CommandLine, TheWindowVariableIsReadAsTheOptionIsAndABadOneIsToldAndLeftOut) {
    CommandLine line = Parse({});
    EXPECT_EQ(TakeWindowVariable(nullptr, line), "");
    EXPECT_EQ(TakeWindowVariable("1280x960", line), "");
    EXPECT_EQ(line.windowWidth, 1280);
    EXPECT_EQ(line.windowHeight, 960);
    line = Parse({"--window", "800x600"});
    EXPECT_EQ(TakeWindowVariable("1280x960", line), "");  // the option wins
    EXPECT_EQ(line.windowWidth, 800);
    for (const char* bad : {"big", "800 x600", "0x600", "800x600junk", ""}) {
        line = Parse({});
        EXPECT_EQ(TakeWindowVariable(bad, line),
                  "BRELLIK_WINDOW: '" + std::string(bad) +
                      "' is not a window size such as 1024x768; the game starts as without it");
        EXPECT_EQ(line.windowWidth, 0);
        EXPECT_EQ(line.action, CommandAction::Play);
    }
    EXPECT_EQ(Parse({"--window", "big"}).error, "'big' is not a window size such as 1024x768");
}
