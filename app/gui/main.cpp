// zolt-programmer: the window application of the Zolt MCU Programmer.
#include <QApplication>
#include <QFileInfo>
#include <string>
#include <vector>

#include "app/gui/MainWindow.h"
#include "app/gui/QtDialogs.h"
#include "app/gui/QtSettingsStore.h"
#include "app/gui/StartupSequence.h"
#include "app/shell/CommandLine.h"
#include "model/Program.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zolt MCU Programmer"));
    QApplication::setApplicationVersion(QString::fromLatin1(model::kAppVersion));
    // Lets a Wayland desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vantricsystems.ZoltProgrammer"));

    std::vector<std::string> args(argv + 1, argv + argc);
    const shell::CommandLine line = shell::ParseCommandLine(args, [](const std::string& arg) {
        return QFileInfo(QFile::decodeName(arg.c_str())).isFile();
    });

    model::Program program;
    gui::QtSettingsStore settings;
    gui::QtDialogs dialogs;
    gui::MainWindow window(program, settings, dialogs);
    dialogs.SetParent(&window);
    bool ended = false;
    QObject::connect(&window, &gui::MainWindow::exitRequested, &app, [&] {
        ended = true;
        QApplication::quit();
    });
    gui::StartupSequence(window, settings, line.Option, line.File).Run();
    return ended ? 0 : QApplication::exec();
}
