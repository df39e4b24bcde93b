// The entry function: the command line, start-up properties, the frame, the game, the loop
// and shutdown.
#include "app.h"
#include "command_line.h"
#include "frame/interface.h"
#include "multi/phone_buzzers.h"
#include "platform/install_layout.h"
#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// How the game knows it runs installed: the binary finds its data relative to itself
// (BRELLIK_DATA_FROM_BINARY, bin/../share/brellik as installed). Then it works from that
// folder, as it does from build/game, and sends Debug.log to the user folder so that the
// install tree is never written to; the profile and the tables live there in any case. A
// binary without that folder beside it (build/game) runs from the working directory and
// keeps Debug.log next to itself, as before. Reading it from the binary's own place rather
// than from a launcher's argument keeps the install relocatable (DESTDIR, another PREFIX).
bool PrepareInstalledRun(StartupProperties& properties) {
    const std::string dataFolder = platform::InstalledDataFolder(BRELLIK_DATA_FROM_BINARY);
    if (dataFolder.empty()) return true;
    if (!platform::ChangeWorkingFolder(dataFolder)) {
        std::fprintf(stderr, "brellik: cannot enter the data folder %s\n", dataFolder.c_str());
        return false;
    }
    properties.runtimeFolder = platform::UserFolder() + "/";
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    CommandLine options = ParseCommandLine(arguments);
    switch (options.action) {
        case CommandAction::ShowHelp: std::fputs(HelpText().c_str(), stdout); return 0;
        case CommandAction::ShowVersion: std::printf("brellik %s\n", BRELLIK_VERSION); return 0;
        case CommandAction::Refuse:
            std::fprintf(stderr, "brellik: %s (see brellik --help)\n", options.error.c_str());
            return 2;
        case CommandAction::Play: break;
    }
    if (options.phones) multi::SwitchPhonesOn();
    const std::string warning = TakeWindowVariable(std::getenv("BRELLIK_WINDOW"), options);
    if (!warning.empty()) std::fprintf(stderr, "brellik: %s\n", warning.c_str());
    platform::RequestWindowSize(options.windowWidth, options.windowHeight);

    StartupProperties properties;
    if (!PrepareInstalledRun(properties)) return 1;
    // The command line is passed along; past the options above nothing reads it.
    std::string commandLine;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        commandLine += (i > 0 ? " " : "") + arguments[i];
    }
    platform::UseSdlBackend();
    platform::UseSdlSound();
    if (!platform::DisplayAvailable()) {
        std::fprintf(stderr, "Brellik needs a graphical desktop session to run.\n");
        return 1;
    }
    if (!Interface::PreInit(nullptr, commandLine.c_str(), &properties)) return 0;
    AppInit();
    const int result = Interface::Run();
    AppShutdown();
    Interface::Shutdown();
    return result;
}
