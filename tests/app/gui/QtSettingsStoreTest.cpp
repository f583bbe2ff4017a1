// The desktop settings store: text in, the same text out, defaults for absent keys.
#include <QStandardPaths>

#include "app/gui/QtSettingsStore.h"
#include "tests/app/gui/GuiFixture.h"

namespace {

TEST(QtSettingsStore, KeepsTextBySectionAndKeyAndForgetsDeletedKeys) {
    // Test mode keeps the run away from the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
    {
        gui::QtSettingsStore store;
        store.Delete("Key", "RunMode");
        EXPECT_EQ(store.Get("Key", "RunMode", "absent"), "absent");
        store.Save("Key", "RunMode", "install");
        store.Save("Communications", "RunMode", "other section");
        EXPECT_EQ(store.Get("Key", "RunMode", ""), "install");
        EXPECT_EQ(store.Get("Communications", "RunMode", ""), "other section");
    }
    {
        gui::QtSettingsStore reopened;
        EXPECT_EQ(reopened.Get("Key", "RunMode", ""), "install");
        reopened.Delete("Key", "RunMode");
        reopened.Delete("Communications", "RunMode");
        reopened.Delete("Key", "RunMode");
        EXPECT_EQ(reopened.Get("Key", "RunMode", "noexist"), "noexist");
    }
    QStandardPaths::setTestModeEnabled(false);
}

}  // namespace
