// The stand-in for the Windows directory: the player's own data folder.
#include "platform.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

bool MakeFolders(const std::string& path) {
    for (std::size_t pos = 1; pos <= path.size(); ++pos) {
        if (pos == path.size() || path[pos] == '/') {
            const std::string prefix = path.substr(0, pos);
            if (::mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST) return false;
        }
    }
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

int lockFd = -1;

}  // namespace

std::string UserFolder() {
    if (const char* home = std::getenv("BRELLIK_HOME"); home && *home) return home;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
        return std::string(data) + "/brellik";
    }
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.local/share/brellik";
}

bool EnsureUserFolder() { return MakeFolders(UserFolder() + "/System"); }

bool MakeUserSubfolder(const std::string& name, std::string* why) {
    const std::string path = UserFolder() + "/" + name;
    errno = 0;
    if (MakeFolders(path) && ::access(path.c_str(), W_OK) == 0) return true;
    if (why) *why = errno ? std::strerror(errno) : "not a folder";
    return false;
}

bool AcquireSingleInstance(const char* title) {
    if (lockFd >= 0) return true;
    if (!EnsureUserFolder()) return true;  // no folder to lock in: do not refuse to start
    const std::string path = UserFolder() + "/" + (title ? title : "") + ".lock";
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    lockFd = fd;
    return true;
}

void ReleaseSingleInstance() {
    if (lockFd < 0) return;
    ::close(lockFd);
    lockFd = -1;
}

}  // namespace platform
