#include "install_layout.h"

#include "platform.h"

#include <cstdlib>
#include <filesystem>

namespace platform {

namespace fs = std::filesystem;

std::string InstalledDataFolder(std::string_view fromBinary) {
    std::error_code error;
    const fs::path binary = fs::read_symlink("/proc/self/exe", error);
    if (error) return {};
    const fs::path folder = (binary.parent_path() / fromBinary).lexically_normal();
    if (!fs::is_directory(folder / "Data", error)) return {};
    return folder.string();
}

bool ChangeWorkingFolder(const std::string& folder) {
    std::error_code error;
    const fs::path userFolder = fs::absolute(UserFolder(), error);
    if (error) return false;
    // The user folder is read from the environment each time: pinning it there keeps every
    // later reader in agreement.
    ::setenv("BRELLIK_HOME", userFolder.c_str(), 1);
    fs::current_path(folder, error);
    return !error;
}

void RequestWindowSize(int width, int height) {
    if (width <= 0 || height <= 0) {
        ::unsetenv("BRELLIK_WINDOW");
        return;
    }
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    ::setenv("BRELLIK_WINDOW", size.c_str(), 1);
}

}  // namespace platform
