// A number cell's value as a Czech spreadsheet shows it: "3,14", "1500", "-0,5".
#pragma once

#include <string>
#include <string_view>

namespace sets {

// `stored` is the value as the file stores it ("3.1400000000000001"); a text that is no
// number comes back as it is.
std::string NumberAsShown(std::string_view stored);

}  // namespace sets
