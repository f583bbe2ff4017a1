// Where one page of a run stands and whether it runs.
#pragma once

#include <string>

#include "simulator/RunTypes.h"

namespace simulator {

struct PageState {
    int Line = 1;  // 1-based
    PageRun Run = PageRun::Running;
    bool Entered = true;   // the page came to Line and has not run it yet
    bool OnError = false;  // stopped on an error: nothing starts it again
    std::string Reason;    // why it stopped
};

}  // namespace simulator
