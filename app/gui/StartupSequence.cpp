// The start-up sequence.
#include "app/gui/StartupSequence.h"

#include <QCoreApplication>
#include <QTimer>

#include "app/gui/Dialogs.h"
#include "app/gui/LinkController.h"
#include "app/gui/MainWindow.h"
#include "app/gui/SplashScreen.h"
#include "app/gui/Tour.h"
#include "app/gui/WelcomeDialog.h"
#include "app/shell/StartupSettings.h"

namespace gui {

StartupSequence::StartupSequence(MainWindow& window, shell::SettingsStore& settings,
                                 std::string option, std::string file, StartupTimes times)
    : window_(window),
      settings_(settings),
      option_(std::move(option)),
      file_(std::move(file)),
      times_(times) {}

void StartupSequence::Run() {
    // tmrMaster: the one-shot timer the start waits on. A click on the splash screen ends the
    // wait, also one that comes while the screen is still being shown.
    SplashScreen splash;
    QTimer tmrMaster;
    tmrMaster.setSingleShot(true);
    bool dismissed = false;
    QObject::connect(&splash, &SplashScreen::dismissed, &tmrMaster, [&] {
        dismissed = true;
        tmrMaster.stop();
    });
    splash.show();
    splash.setFocus();
    const shell::StartupSettings settings = shell::ReadStartupSettings(settings_);
    window_.Files().SetPgmDir(settings.PgmDir);

    tmrMaster.start(times_.SplashMs);
    while (!dismissed && tmrMaster.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    splash.close();

    window_.show();
    if (!file_.empty())
        window_.Files().Load(file_);
    shell::StampVersion(settings_);
    Wait(times_.PauseMs);

    switch (shell::ChooseAfterStart(option_, settings_, settings.CommPortNumber)) {
        case shell::AfterStart::Nothing:
            break;
        case shell::AfterStart::OfferConnection:
            OfferConnection();
            break;
        case shell::AfterStart::Welcome:
            Welcome();
            break;
    }
}

void StartupSequence::Wait(int ms) {
    QTimer pause;
    pause.setSingleShot(true);
    pause.start(ms);
    while (pause.isActive())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void StartupSequence::Welcome() {
    WelcomeDialog welcome(&window_);
    welcome.SetLines(QStringLiteral("Welcome to the Zolt Programmer"), 14, QString(),
                     QStringLiteral("Would you like to take an introductory tour?"), 10);
    welcome.SetButtons(QStringLiteral("Yes"), QStringLiteral("No"));
    if (welcome.Ask() == 1)
        Tour(window_, settings_, window_.DataFolder()).Run();
    shell::ForgetFirstStart(settings_);
}

void StartupSequence::OfferConnection() {
    Dialogs& dialogs = window_.Messages();
    if (dialogs.Message(QStringLiteral("Connect"), QStringLiteral("Connect to Zolt device?"),
                        MessageIcon::Question, MessageButtons::YesNo, Answer::No) == Answer::Yes) {
        window_.Link().Connect();
        return;
    }
    dialogs.Tell(QCoreApplication::applicationName(),
                 QStringLiteral("You can connect at any time by selecting \n"
                                " 'Setup...Connect to Zolt' from drop down menu"),
                 MessageIcon::None);
}

}  // namespace gui
