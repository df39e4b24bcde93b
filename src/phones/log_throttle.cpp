#include "log_throttle.h"

namespace phones {

std::vector<std::string> LogThrottle::Flush(uint32_t now) {
    std::vector<std::string> lines;
    if (started_ && now - windowStart_ < kWindowMs) return lines;  // unsigned: wraps safely
    if (held_ > 0) {
        lines.push_back("Phones: " + std::to_string(held_) +
                        " more lines like those above were left out in the last minute");
    }
    started_ = true;
    windowStart_ = now;
    passed_ = 0;
    held_ = 0;
    seen_.clear();
    return lines;
}

std::vector<std::string> LogThrottle::Pass(const std::string& line, uint32_t now) {
    std::vector<std::string> lines = Flush(now);
    if (passed_ >= limit_ || seen_.count(line)) {
        ++held_;
        return lines;
    }
    ++passed_;
    seen_.insert(line);
    lines.push_back(line);
    return lines;
}

}  // namespace phones
