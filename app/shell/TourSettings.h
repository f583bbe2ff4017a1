// What the tour does after its slides, as the settings say: the "demo" setting, written by the
// installer, asks once for the sample program; "RunMode" "install" for a maximised window.
#pragma once

namespace shell {

class SettingsStore;

struct AfterSlides {
    bool LoadDemo = false;  // "demo" was "yes"
    bool Maximise = false;  // "RunMode" is "install"
};

// Reads and deletes the "demo" setting (a setting that is absent is not touched).
AfterSlides TakeTourSettings(SettingsStore& store);

}  // namespace shell
