// The start-up sequence: splash screen, version stamp, first-start welcome.
#include <QElapsedTimer>
#include <QTimer>

#include "app/gui/StartupSequence.h"
#include "tests/app/gui/GuiFixture.h"

namespace {

// Finds a visible top-level window by name, or one of its children.
QWidget* Shown(const char* window, const char* child = nullptr) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == window && w->isVisible())
            return child ? w->findChild<QWidget*>(QString::fromLatin1(child)) : w;
    }
    return nullptr;
}

// Clicks a control as soon as it shows up.
void ClickWhenShown(const char* window, const char* child, bool* clicked) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [=] {
        if (QWidget* target = Shown(window, child)) {
            QTest::mouseClick(target, Qt::LeftButton);
            *clicked = true;
            poll->deleteLater();
        }
    });
    poll->start(10);
}

class Startup : public ::testing::Test {
  protected:
    Startup() : window(program, settings, dialogs) {}

    model::Program program;
    testshell::MemorySettings settings;
    testgui::ScriptedDialogs dialogs;
    gui::MainWindow window;
};

TEST_F(Startup, FirstStartWelcomesOnceAndStampsTheVersion) {
    settings.values[{"Key", "Key"}] = "2.2.0";
    settings.values[{"Communications", "Port"}] = "2";
    bool clicked = false;
    ClickWhenShown("frmWelcome", "cmdWelcm2", &clicked);
    gui::StartupSequence(window, settings, "install", "", {0, 0}).Run();
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(settings.Get("Key", "Key", ""), "2.2.1");
    EXPECT_FALSE(settings.Has("Key", "RunMode"));
    EXPECT_GE(settings.deletes, 1);
    EXPECT_TRUE(dialogs.shown.empty());  // no connect question on a first start
}

TEST_F(Startup, OrdinaryStartWithAPortOffersToConnect) {
    settings.values[{"Key", "Key"}] = "2.2.1";
    settings.values[{"Communications", "Port"}] = "3";
    dialogs.answers = {gui::Answer::No};
    gui::StartupSequence(window, settings, "", "", {0, 0}).Run();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].Title, "Connect");
    EXPECT_EQ(dialogs.shown[0].Text, "Connect to Zolt device?");
    EXPECT_EQ(dialogs.shown[0].Buttons, gui::MessageButtons::YesNo);
    EXPECT_EQ(dialogs.shown[1].Text,
              "You can connect at any time by selecting \n"
              " 'Setup...Connect to Zolt' from drop down menu");

    // Yes runs the connect command: its prompt comes next.
    dialogs.shown.clear();
    dialogs.answers = {gui::Answer::Yes};
    gui::StartupSequence(window, settings, "", "", {0, 0}).Run();
    ASSERT_GE(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].Text.left(26), "Connect the Zolt to the co");
}

// A click on the splash screen ends the wait long before its time is up.
TEST_F(Startup, ClickOnTheSplashScreenEndsTheWait) {
    bool clicked = false;
    ClickWhenShown("frmSplashScr", "lblSplScr2", &clicked);
    QElapsedTimer clock;
    clock.start();
    gui::StartupSequence(window, settings, "", "", {60000, 0}).Run();
    EXPECT_TRUE(clicked);
    EXPECT_LT(clock.elapsed(), 30000);
    EXPECT_TRUE(window.isVisible());
}

}  // namespace
