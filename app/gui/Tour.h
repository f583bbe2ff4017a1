// Help > Take Zolt Tour: an offer to connect the MCU, the slides, then the sample program, sent
// and run when the MCU is there.
#pragma once

#include <string>

namespace shell {
class SettingsStore;
}

namespace gui {

class MainWindow;

class Tour {
  public:
    // dataFolder: where Demo/ is.
    Tour(MainWindow& window, shell::SettingsStore& settings, std::string dataFolder)
        : window_(window), settings_(settings), dataFolder_(std::move(dataFolder)) {}

    void Run();

  private:
    // Offers to connect the MCU and waits for it. False when the user ended the tour meanwhile.
    bool OfferConnection();
    bool WaitForMcu();
    bool McuConnected();
    void RunSampleProgram();

    MainWindow& window_;
    shell::SettingsStore& settings_;
    std::string dataFolder_;
};

}  // namespace gui
