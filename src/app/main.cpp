// The entry function: start-up properties, the frame, the game, the loop and shutdown.
#include "app.h"
#include "frame/interface.h"
#include "platform/platform.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    // The command line is accepted and passed along; nothing reads it.
    std::string commandLine;
    for (int i = 1; i < argc; ++i) commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
    platform::UseSdlBackend();
    platform::UseSdlSound();
    if (!platform::DisplayAvailable()) {
        std::fprintf(stderr, "Brellik needs a graphical desktop session to run.\n");
        return 1;
    }
    StartupProperties properties;
    if (!Interface::PreInit(nullptr, commandLine.c_str(), &properties)) return 0;
    AppInit();
    const int result = Interface::Run();
    AppShutdown();
    Interface::Shutdown();
    return result;
}
