// The start-up sequence: splash screen, version stamp, first-start welcome, connect question; and
// the desktop's settings store it reads.
#include <QElapsedTimer>
#include <QStandardPaths>

#include "app/gui/QtSettingsStore.h"
#include "app/gui/StartupSequence.h"
#include "tests/app/gui/GuiFixture.h"

namespace {

class Startup : public testgui::MainWindowTest {
  protected:
    // Clicks `child` of the top-level window `name` once it shows.
    void ClickWhenShown(const char* name, const char* child) {
        testgui::WhenShown(name, window.get(), [this, child](QWidget* shown) {
            QTest::mouseClick(shown->findChild<QWidget*>(QString::fromLatin1(child)),
                              Qt::LeftButton);
            clicked = true;
        });
    }
    void Run(const char* option, int splashMs = 0) {
        gui::StartupSequence(*window, settings, option, "", {splashMs, 0}).Run();
    }

    bool clicked = false;
};

TEST_F(Startup, FirstStartWelcomesOnceAndStampsTheVersion) {
    settings.values[{"Key", "Key"}] = "2.2.0";
    settings.values[{"Key", "RunMode"}] = "done";
    settings.values[{"Communications", "Port"}] = "2";
    ClickWhenShown("frmWelcome", "cmdWelcm2");
    Run("install");
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(window->isVisible() && window->isEnabled());
    EXPECT_EQ(settings.Get("Key", "Key", ""), "2.2.1");
    EXPECT_FALSE(settings.values.count({"Key", "RunMode"}));
    EXPECT_TRUE(dialogs.texts.isEmpty());  // no connect question on a first start
}

TEST_F(Startup, OrdinaryStartWithAPortOffersToConnect) {
    settings.values[{"Communications", "Port"}] = "3";
    dialogs.answers = {gui::Answer::No};
    Run("");
    ASSERT_EQ(dialogs.texts.size(), 2u);
    EXPECT_EQ(dialogs.titles[0], "Connect");
    EXPECT_EQ(dialogs.texts[0], "Connect to Zolt device?");
    EXPECT_EQ(dialogs.buttons[0], gui::MessageButtons::YesNo);
    EXPECT_EQ(dialogs.texts[1],
              "You can connect at any time by selecting \n"
              " 'Setup...Connect to Zolt' from drop down menu");

    // Yes runs the connect command: its prompt comes next.
    dialogs.answers = {gui::Answer::Yes};
    Run("");
    ASSERT_GE(dialogs.texts.size(), 4u);
    EXPECT_EQ(dialogs.texts[3].left(26), "Connect the Zolt to the co");
}

// A click on the splash screen ends the wait long before its time is up.
TEST_F(Startup, ClickOnTheSplashScreenEndsTheWait) {
    ClickWhenShown("frmSplashScr", "lblSplScr2");
    QElapsedTimer clock;
    clock.start();
    Run("", 60000);
    EXPECT_TRUE(clicked);
    EXPECT_LT(clock.elapsed(), 30000);
    EXPECT_TRUE(window->isVisible());
}

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
