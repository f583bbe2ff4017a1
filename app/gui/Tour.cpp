// The tour.
#include "app/gui/Tour.h"

#include <QCoreApplication>
#include <QFile>
#include <QShortcut>

#include "app/gui/Dialogs.h"
#include "app/gui/LinkController.h"
#include "app/gui/MainWindow.h"
#include "app/gui/SlideWindow.h"
#include "app/gui/WelcomeDialog.h"
#include "app/shell/DataFolder.h"
#include "app/shell/StartupSettings.h"
#include "app/shell/TourSettings.h"
#include "model/HardwareConfig.h"
#include "model/Program.h"

namespace gui {

namespace {

QString LocalText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace

void Tour::Run() {
    if (!McuConnected() && !OfferConnection())
        return;
    const QStringList slides =
        SlideWindow::SlidesIn(LocalText(shell::DemoFolder(dataFolder_) + "Tour"));
    if (slides.isEmpty()) {
        window_.Messages().Tell(QCoreApplication::applicationName(),
                                QStringLiteral("Could not find Zolt Tour file"),
                                MessageIcon::Warning);
        return;
    }
    SlideWindow(slides, &window_).exec();

    const shell::AfterSlides after = shell::TakeTourSettings(settings_);
    if (after.Maximise)
        window_.showMaximized();
    if (after.LoadDemo && window_.Files().OfferToSave() &&
        window_.Files().Load(shell::DemoProgram(dataFolder_)) && McuConnected())
        RunSampleProgram();
}

bool Tour::OfferConnection() {
    WelcomeDialog connect(&window_);
    connect.SetLines(QStringLiteral("Tour the Zolt Programmer"), 14,
                     QStringLiteral("You will need to be connected to a Zolt MCU\n"
                                    "to run the sample program from the tour"),
                     QStringLiteral("Would you like to connect to an MCU now?"), 10);
    connect.SetButtons(QStringLiteral("Yes"), QStringLiteral("No"));
    if (connect.Ask() != 1)
        return true;
    if (shell::ReadStartupSettings(settings_).CommPortNumber < 1) {
        WelcomeDialog port(&window_);
        port.SetLines(QStringLiteral("Connect to the Zolt Programmer"), 14,
                      QStringLiteral("You need to choose a comm port for the MCU"),
                      QStringLiteral("Refer to the instruction book for cable connections"), 10);
        port.SetButtons(QStringLiteral("Select Port"), QStringLiteral("Skip"));
        if (port.Ask() == 1)
            window_.Link().ChangePort();
        // Without a port nothing could ever answer: the tour goes on as after Skip.
        if (shell::ReadStartupSettings(settings_).CommPortNumber < 1) {
            window_.Messages().Tell(QStringLiteral("Tour the Zolt"),
                                    QStringLiteral("You will be able to view the sample program\n"
                                                   "after the tour, but not be able to run it."),
                                    MessageIcon::Information);
            return true;
        }
    }
    window_.Link().Connect();
    return WaitForMcu();
}

// Until the MCU has identified itself; Escape in the main window ends the wait, and the tour.
bool Tour::WaitForMcu() {
    bool ended = false;
    QShortcut escape(QKeySequence(Qt::Key_Escape), &window_);
    // Also while a message of the connection has left the main window inactive.
    escape.setContext(Qt::ApplicationShortcut);
    QObject::connect(&escape, &QShortcut::activated, [&ended] { ended = true; });
    while (!ended && !McuConnected() && window_.isVisible())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return McuConnected();
}

bool Tour::McuConnected() {
    return window_.Link().Session().State() == comm::CommStateWord::Mcu;
}

// The sample program goes to the MCU and runs once the MCU holds it whole.
void Tour::RunSampleProgram() {
    LinkController& link = window_.Link();
    link.SendToMcu();
    const auto reg100 = link.ReadMcuCheckLine();
    if (reg100 && (*reg100)[3] == window_.Program().RegisterByte(model::kVersionRegister, 3)) {
        link.Run();
        return;
    }
    window_.Messages().Tell(QCoreApplication::applicationName(),
                            QStringLiteral("MCU Checksum Error\nPlease send the program again"),
                            MessageIcon::None);
}

}  // namespace gui
