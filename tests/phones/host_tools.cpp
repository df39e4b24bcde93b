#include "host_tools.h"

#include <sys/resource.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <mutex>

namespace host_tools {

namespace {

std::atomic<bool> inputEnded{false};
std::mutex linesMutex;
std::vector<std::string> lines;

}  // namespace

void WatchInput() {
    std::string line;
    while (std::getline(std::cin, line) && line != "quit") {
        std::lock_guard lock(linesMutex);
        lines.push_back(line);
    }
    inputEnded = true;
}

bool InputEnded() { return inputEnded; }

std::vector<std::string> TakeLines() {
    std::vector<std::string> taken;
    std::lock_guard lock(linesMutex);
    taken.swap(lines);
    return taken;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

long StatusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    const std::string prefix = std::string(field) + ":";
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(prefix, 0) == 0) return std::atol(line.c_str() + prefix.size());
    }
    return -1;
}

long CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000L +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000L;
}

bool FramePace::Due(Clock::time_point now) {
    if (frames_ > 0 && now - last_ < frame_) return false;
    if (frames_ > 0) {
        const Clock::duration gap = now - last_;
        if (gap > 2 * frame_) ++late_;
        longest_ = std::max(longest_, gap);
    }
    ++frames_;
    last_ = now;
    return true;
}

long FramePace::LongestMs() const {
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(longest_).count());
}

}  // namespace host_tools
