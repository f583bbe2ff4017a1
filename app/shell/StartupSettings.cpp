// Reading the start-up settings and deciding what follows the splash screen.
#include "app/shell/StartupSettings.h"

#include <cmath>

#include "app/shell/SettingsStore.h"
#include "model/Program.h"
#include "model/TextFormat.h"

namespace shell {

namespace {

constexpr const char* kKey = "Key";
constexpr const char* kCommunications = "Communications";
constexpr const char* kPrinting = "Printing";
constexpr const char* kInstall = "install";

// A 16-bit setting: a number too large for the controller's word is held at its limit.
int Int16Setting(const SettingsStore& store, const char* section, const char* key,
                 const char* fallback) {
    const double value = std::round(model::LeadingNumber(store.Get(section, key, fallback)));
    if (value > 32767)
        return 32767;
    if (value < -32768)
        return -32768;
    return static_cast<int>(value);
}

double RealSetting(const SettingsStore& store, const char* section, const char* key,
                   const char* fallback) {
    return model::LeadingNumber(store.Get(section, key, fallback));
}

}  // namespace

StartupSettings ReadStartupSettings(const SettingsStore& store) {
    StartupSettings s;
    s.Directory = store.Get(kKey, "Directory", "");
    s.PgmDir = store.Get(kKey, "PgmDir", "");
    s.CommPortNumber = Int16Setting(store, kCommunications, "Port", "0");
    s.CommSpeed = Int16Setting(store, kCommunications, "Speed", "1");
    s.Print = ReadPrintSettings(store);
    return s;
}

PrintSettings ReadPrintSettings(const SettingsStore& store) {
    PrintSettings p;
    p.Font = store.Get(kPrinting, "Font", "arial");
    p.Size = Int16Setting(store, kPrinting, "Size", "10");
    p.Top = RealSetting(store, kPrinting, "Top", "1");
    p.Left = RealSetting(store, kPrinting, "Left", "1");
    p.Lines = Int16Setting(store, kPrinting, "Lines", "50");
    return p;
}

void SavePrintSettings(SettingsStore& store, const PrintSettings& print) {
    store.Save(kPrinting, "Font", print.Font);
    store.Save(kPrinting, "Size", model::Dec(print.Size));
    store.Save(kPrinting, "Top", model::Real(print.Top));
    store.Save(kPrinting, "Left", model::Real(print.Left));
    store.Save(kPrinting, "Lines", model::Dec(print.Lines));
}

bool StampVersion(SettingsStore& store) {
    if (store.Get(kKey, kKey, "") == model::kAppVersion)
        return false;
    store.Save(kKey, kKey, model::kAppVersion);
    return true;
}

AfterStart ChooseAfterStart(const std::string& option, const SettingsStore& store,
                            int commPortNumber) {
    if (option != kInstall && store.Get(kKey, "RunMode", "") != kInstall)
        return commPortNumber < 1 ? AfterStart::Nothing : AfterStart::OfferConnection;
    return AfterStart::Welcome;
}

void ForgetFirstStart(SettingsStore& store) {
    store.Delete(kKey, "RunMode");
}

}  // namespace shell
