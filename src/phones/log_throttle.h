// Keeps a chatty source of log lines (the phones' server under join churn, a stranger's
// floods) to what a log can hold for a whole evening: within a minute a line already written
// is not written again, and at most `linesPerMinute` lines pass; what was held back is counted
// in one line once the minute is over.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace phones {

class LogThrottle {
public:
    explicit LogThrottle(int linesPerMinute = 30) : limit_(linesPerMinute) {}

    // What to write now for `line`, which arrived at tick `now`: nothing, the line, or a count of
    // the lines held back in the minute before and then the line.
    std::vector<std::string> Pass(const std::string& line, uint32_t now);
    // The count of held-back lines once their minute is over; call it now and then.
    std::vector<std::string> Flush(uint32_t now);

private:
    static constexpr uint32_t kWindowMs = 60000;

    int limit_;
    bool started_ = false;
    uint32_t windowStart_ = 0;
    int passed_ = 0;
    int held_ = 0;
    std::set<std::string> seen_;  // the lines passed in this minute: at most `limit_`
};

}  // namespace phones
