// Shared by the fuzz targets: the bytes of one run as a file in a scratch folder of this
// process, and the headless backend every reader needs behind the platform calls.
#pragma once

#include "platform/headless/headless.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace fuzzing {

// A folder of this process, made once and removed at exit; the user folder points into it.
// Never destroyed, so the exit handler can still read it.
inline const std::string& Scratch() {
    static const std::string& folder = *new std::string([] {
        const std::string path = (std::filesystem::temp_directory_path() /
                                  ("brellik-fuzz-" + std::to_string(::getpid()))).string();
        std::filesystem::create_directories(path + "/home/System");
        ::setenv("BRELLIK_HOME", (path + "/home").c_str(), 1);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(Scratch(), ignored);
        });
        return path;
    }());
    return folder;
}

// Writes the run's bytes to `name` under the scratch folder and returns its path.
inline std::string WriteInput(const std::string& name, const uint8_t* data, std::size_t size) {
    const std::string path = Scratch() + "/" + name;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        if (size) std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    return path;
}

// The headless backend, installed once: message boxes are recorded, not shown.
inline void UseHeadless() {
    static const bool installed = [] {
        headless::Install();
        return true;
    }();
    (void)installed;
}

// Stops the run when a property the fuzzer checks does not hold.
inline void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

}  // namespace fuzzing
