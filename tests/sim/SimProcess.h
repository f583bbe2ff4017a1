// zolt-sim run as its own process, as a user starts it, for tests of the executable and of
// zoltctl against it.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace simtest {

class SimProcess {
  public:
    // Starts zolt-sim with args and waits for the device line it prints.
    explicit SimProcess(const std::vector<std::string>& args);
    // Ends it as Ctrl-C would, if still running.
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The device it printed, empty when it did not start.
    const std::string& Device() const { return device_; }
    // Sends SIGTERM and returns its exit status (-1 when it did not exit normally).
    int Stop();

  private:
    pid_t pid_ = -1;
    std::string device_;
};

}  // namespace simtest
