// How often a unit was asked for each line or memory block: a request repeated for no fault
// of the unit's shows here.
#pragma once

#include <map>
#include <tuple>
#include <vector>

#include "app/sim/UnitEmulator.h"

namespace linktest {

class RequestTally {
  public:
    // requests as the unit took them in, in order.
    explicit RequestTally(const std::vector<sim::Frame>& requests);

    // The most times one line was asked for.
    int Most() const;
    // How many lines were asked for more than once.
    int Repeated() const;

  private:
    // Command, then page and offset (a line) or address high and low (a memory block).
    std::map<std::tuple<uint8_t, uint8_t, uint8_t>, int> counts_;
};

}  // namespace linktest
