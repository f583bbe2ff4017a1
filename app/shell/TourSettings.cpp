// The tour's settings.
#include "app/shell/TourSettings.h"

#include <string>

#include "app/shell/SettingsStore.h"

namespace shell {

AfterSlides TakeTourSettings(SettingsStore& store) {
    const std::string demo = store.Get("Key", "demo", "noexist");
    if (demo != "noexist")
        store.Delete("Key", "demo");
    return {demo == "yes", store.Get("Key", "RunMode", "") == "install"};
}

}  // namespace shell
