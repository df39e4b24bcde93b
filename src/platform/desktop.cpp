#include "desktop.h"

#include "backend.h"
#include "platform.h"

#include <cstdlib>

#include <cerrno>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace platform {

namespace {
std::deque<std::string>& Drops() {
    static std::deque<std::string> drops;
    return drops;
}

// Whether a program of that name can be run from the PATH.
bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        std::size_t end = folders.find(':', start);
        if (end == std::string::npos) end = folders.size();
        const std::string folder = folders.substr(start, end - start);
        if (!folder.empty() && ::access((folder + "/" + program).c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}
}  // namespace

void PostDroppedFile(const std::string& path) {
    if (Drops().size() >= kMaxWaitingDrops) return;
    Drops().push_back(path);
    PostMessage({kWmDropFile, 0, 0});
}

bool TakeDroppedFile(std::string& path) {
    if (Drops().empty()) return false;
    path = std::move(Drops().front());
    Drops().pop_front();
    return true;
}

void ForgetDroppedFiles() { Drops().clear(); }

std::string OpenFolderOnDesktop(const std::string& path) {
    return CurrentBackend().OpenFolderOnDesktop(path);
}

std::string LaunchFileManager(const std::string& path) {
    if (!OnPath("xdg-open"))
        return "Program xdg-open chybí (balík xdg-utils); otevřete složku sami: " + path;
    // Everything the child needs is made before the fork: it only makes system calls.
    char program[] = "xdg-open";
    std::string target = path;
    char* argv[] = {program, target.data(), nullptr};
    // A child that starts xdg-open in a process of its own and ends at once, so the game waits
    // only for that short-lived child and xdg-open is never left as a zombie.
    const pid_t child = ::fork();
    if (child < 0) return std::string("Složku nejde otevřít: ") + std::strerror(errno);
    if (child == 0) {
        ::setsid();
        const int null = ::open("/dev/null", O_RDWR);
        if (null >= 0) {
            ::dup2(null, 0);
            ::dup2(null, 1);
            ::dup2(null, 2);
        }
        pid_t opener = 0;
        const int failed = ::posix_spawnp(&opener, program, nullptr, nullptr, argv, environ);
        ::_exit(failed ? 1 : 0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "Program xdg-open nejde spustit; otevřete složku sami: " + path;
    return {};
}

}  // namespace platform
