// The settings start-up reads, the version stamp, and what follows the splash screen.
#pragma once

#include <string>

namespace shell {

class SettingsStore;

// The "Printing" settings: read at start-up, written by every print.
struct PrintSettings {
    std::string Font = "arial";
    int Size = 10;    // points
    double Top = 1;   // inches
    double Left = 1;  // inches
    int Lines = 50;   // per sheet
};

PrintSettings ReadPrintSettings(const SettingsStore& store);
void SavePrintSettings(SettingsStore& store, const PrintSettings& print);

struct StartupSettings {
    std::string Directory;   // installation folder
    std::string PgmDir;      // folder last used for program files
    int CommPortNumber = 0;  // 1..4, below 1 when no port is chosen
    int CommSpeed = 1;       // 0 low, 1 high line speed
    PrintSettings Print;
};

// Reads the settings in start-up order; absent keys take their defaults, a number is the
// leading numeric part of its text (0 when there is none), rounded and held in 16 bits.
StartupSettings ReadStartupSettings(const SettingsStore& store);

// Writes the program version into the version stamp when it holds another; returns whether it
// wrote.
bool StampVersion(SettingsStore& store);

// What start-up does once the main window is up.
enum class AfterStart {
    Nothing,          // an ordinary start without a port
    OfferConnection,  // an ordinary start with a port
    Welcome,          // the first start after installation
};

// option is the command-line switch; a first start is the switch "install" or the "RunMode"
// setting "install".
AfterStart ChooseAfterStart(const std::string& option, const SettingsStore& store,
                            int commPortNumber);

// Deletes "RunMode", so the welcome appears only once.
void ForgetFirstStart(SettingsStore& store);

}  // namespace shell
