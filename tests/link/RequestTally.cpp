// Counting a unit's requests per line.
#include "tests/link/RequestTally.h"

#include <algorithm>

namespace linktest {

RequestTally::RequestTally(const std::vector<sim::Frame>& requests) {
    for (const sim::Frame& frame : requests)
        ++counts_[{frame[0], frame[1], frame[2]}];
}

int RequestTally::Most() const {
    int most = 0;
    for (const auto& [line, count] : counts_)
        most = std::max(most, count);
    return most;
}

int RequestTally::Repeated() const {
    return static_cast<int>(std::count_if(counts_.begin(), counts_.end(),
                                          [](const auto& entry) { return entry.second > 1; }));
}

}  // namespace linktest
