// The programmer's start: splash screen, settings, the main window, the version stamp and what
// follows a first or an ordinary start.
#pragma once

#include <string>

namespace shell {
class SettingsStore;
}

namespace gui {

class MainWindow;

struct StartupTimes {
    int SplashMs = 3000;  // how long the splash screen stands
    int PauseMs = 500;    // the pause after the main window appears
};

class StartupSequence {
  public:
    // option: the command-line switch; file: a program file named on the command line.
    StartupSequence(MainWindow& window, shell::SettingsStore& settings, std::string option,
                    std::string file, StartupTimes times = {});

    // Runs the start from the splash screen on; returns once the programmer is idle.
    void Run();

  private:
    // Serves window events for ms milliseconds.
    void Wait(int ms);
    void Welcome();
    // The connect question of an ordinary start with a port.
    void OfferConnection();

    MainWindow& window_;
    shell::SettingsStore& settings_;
    std::string option_;
    std::string file_;
    StartupTimes times_;
};

}  // namespace gui
