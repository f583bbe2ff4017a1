// The desktop settings store: text in, the same text out, defaults for absent keys.
#include <QStandardPaths>

#include "app/gui/QtSettingsStore.h"
#include "tests/app/gui/GuiFixture.h"

namespace {

TEST(QtSettingsStore, KeepsTextBySectionAndKeyForTheNextStartAndForgetsDeletedKeys) {
    // Test mode keeps the run away from the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
    gui::QtSettingsStore().Save("Key", "RunMode", "install");
    gui::QtSettingsStore store;
    store.Save("Communications", "RunMode", "other section");
    EXPECT_EQ(store.Get("Key", "RunMode", ""), "install");
    EXPECT_EQ(store.Get("Communications", "RunMode", ""), "other section");
    store.Delete("Key", "RunMode");
    store.Delete("Communications", "RunMode");
    EXPECT_EQ(store.Get("Key", "RunMode", "absent"), "absent");
    QStandardPaths::setTestModeEnabled(false);
}

}  // namespace
