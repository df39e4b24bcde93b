// What the phone hosts (the buzzer game's and the class game's) share: lines from standard
// input handed to the game's thread, scratch files, the process's memory and CPU, and the
// frame loop's pace.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace host_tools {

// Reads standard input on a thread of its own until "quit" or its end.
void WatchInput();
bool InputEnded();
// The lines read since the last call, on the calling thread.
std::vector<std::string> TakeLines();

void WriteFile(const std::string& path, const std::string& bytes);
// A "Vm…:" line of /proc/self/status in kB (VmRSS, VmHWM); -1 when missing.
long StatusKb(const char* field);
// User and system CPU of the whole process (every thread) so far, in ms.
long CpuMs();

// Counts frames and those that came more than a frame late after the one before.
class FramePace {
public:
    using Clock = std::chrono::steady_clock;
    explicit FramePace(std::chrono::milliseconds frame) : frame_(frame) {}
    // True when a frame is due now; it is then counted.
    bool Due(Clock::time_point now);
    long Frames() const { return frames_; }
    long Late() const { return late_; }
    long LongestMs() const;

private:
    std::chrono::milliseconds frame_;
    Clock::time_point last_{};
    long frames_ = 0, late_ = 0;
    Clock::duration longest_{};
};

}  // namespace host_tools
