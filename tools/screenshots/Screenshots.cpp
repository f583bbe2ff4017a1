// gui-screenshots FOLDER: draws the main window offscreen on a new program, on a small plant
// program with comments, with a Timer, a Counter compare and an analog output line in the
// editor, at the window's smallest size with the Counter compare, and running the plant program
// on an emulated MCU with its traced line marked while the editor shows another; then the I/O
// setup, names, input speed and BIOS register dialogs on the plant's hardware, and its timer and
// counter panels; the help window, a tour slide and the about box; the sample program in the
// simulator. Writes each as a
// PNG into FOLDER. The settings it makes live in a folder of its own, so that the user's stay as
// they are.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <cstdio>

#include "app/gui/AboutBox.h"
#include "app/gui/HelpBrowser.h"
#include "app/gui/LinkController.h"
#include "app/gui/MainWindow.h"
#include "app/gui/QtSettingsStore.h"
#include "app/gui/SimulatorWindow.h"
#include "app/gui/SlideWindow.h"
#include "app/gui/UnattendedDialogs.h"
#include "app/sim/SimFiles.h"
#include "app/sim/UnitThread.h"
#include "files/ProgramFile.h"
#include "hardware/qt/BiosRegisterDialog.h"
#include "hardware/qt/IONamesDialog.h"
#include "hardware/qt/IOSetupDialog.h"
#include "hardware/qt/InputSpeedDialog.h"
#include "link/PortTable.h"
#include "link/qt/CommSetupDialog.h"
#include "model/HardwareConfig.h"
#include "model/Program.h"
#include "model/ProgramChecksum.h"
#include "panels/qt/PanelWindow.h"

namespace {

struct Line {
    std::array<int16_t, 4> Code;
    const char* Comment;
};

// A filling station: a start button, a pump, a level sensor on the analog block, a batch
// timer and a bottle counter.
void MakePlant(model::Program& program) {
    program.SetRegisterByte(90, 0, 2);
    program.SetRegisterByte(90, 1, 2);
    program.SetRegisterByte(90, 2, 1);
    program.SetRegisterByte(model::kTimerModuleRegister, 0, model::kModuleInstalled);
    program.SetRegisterByte(model::kCounterModuleRegister, 0, model::kModuleInstalled);
    program.PageName[0] = "Filling station, main sequence";
    program.IOName[1][0] = "START";
    program.IOName[2][0] = "IN PLACE";
    program.IOName[1][1] = "PUMP";
    program.IOName[2][1] = "CONVEYOR";
    program.IOName[91][1] = "VALVE";
    program.Tmr.Data[0] = {{0, 45, 50, 0, 0, 60, 0, 0, 0, 30, 0, 0, 128}, "Fill time"};
    program.Tmr.Msg[0] = {"Filling", "in progress"};
    program.Tmr.Panel = {1, 1, 0, 0};
    program.Ctr.Data[0] = {{3, 232, 0, 0, 7, 208, 0, 0, 0, 100, 0, 0, 64}, "Bottles"};
    program.Ctr.Panel = {1, 1, 1, 0};
    const Line lines[] = {
        {{1, 0x01, 1, 0}, "Wait here until the operator presses the start button."},
        {{255, 0x02, 0, 0}, "Conveyor on"},
        {{1, 0x02, 1, 3},
         "A bottle under the nozzle? If not, keep the conveyor running and "
         "look again: the conveyor brings the next bottle within a few "
         "seconds."},
        {{254, 0x02, 0, 0}, ""},
        {{253, 0x91, 0, 120}, "Open the fill valve to 75 percent"},
        {{32, 161, 4, 0},
         "Batch timer 1 times the fill. Its set time is adjusted on the remote timer panel; the "
         "panel keeps the last setting after a power cut, so the batch size stays the same from "
         "one shift to the next."},
        {{32, 161, 5, 0}, ""},
        {{253, 0x91, 0, 0}, "Valve closed"},
        {{34, 3, 0, 0}, "One more bottle filled"},
        {{36, 0x33, 232, 1}, "After 1000 bottles, stop for the hourly check"},
        {{9, 0, 12, 50}, "Let the nozzle drip"},
        {{12, 0, 0, 0}, ""},
    };
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        program.PgmData[i].Code = lines[i].Code;
        program.PgmData[i].Comment = lines[i].Comment;
    }
}

bool Save(QWidget& window, const QString& folder, const char* name) {
    QApplication::processEvents();
    const QString path = folder + "/" + name;
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", path.toLocal8Bit().constData());
        return false;
    }
    std::printf("%s\n", path.toLocal8Bit().constData());
    return true;
}

// Serves window events until done holds, at most five seconds.
template <typename Done>
bool WaitFor(Done done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// Connects to an MCU emulated on a pseudo-terminal that holds the program, runs it, and waits
// until the trace has marked line 3.
bool RunOnEmulatedMcu(gui::MainWindow& window, model::Program& program,
                      shell::SettingsStore& settings) {
    model::StoreProgramChecksum(program);
    sim::UnitSetup setup;
    setup.Memory = sim::ImageOfProgram(program);
    setup.Trace = {{1, 2}, {1, 2}};
    setup.TraceInterval = sim::Millis(20);
    sim::UnitThread unit(setup, false);
    if (!unit.Error().empty())
        return false;
    settings.Save("Communications", "Port", "1");
    settings.Save("Communications", "Device1", unit.DevicePath());
    window.Link().Connect();
    auto* mode = window.findChild<QLabel*>(QStringLiteral("lblMode"));
    if (!WaitFor([&] { return mode->text() == QStringLiteral("Connected to MCU"); }))
        return false;
    window.Link().Run();
    auto* list = window.findChild<QListWidget*>(QStringLiteral("lstPage"));
    return WaitFor([&] {
        for (int row = 0; row < list->count(); ++row) {
            const QListWidgetItem* item = list->item(row);
            if (item->data(Qt::UserRole) == 3)
                return item->data(Qt::BackgroundRole).isValid();
        }
        return false;
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zolt MCU Programmer"));
    if (argc != 2) {
        std::fprintf(stderr, "usage: gui-screenshots FOLDER\n");
        return 64;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    const QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    model::Program program;
    gui::QtSettingsStore settings;
    gui::UnattendedDialogs dialogs;
    gui::MainWindow window(program, settings, dialogs);
    window.resize(960, 680);
    window.show();
    bool ok = Save(window, folder, "main-new.png");

    MakePlant(program);
    window.ShowNewProgram();
    ok = Save(window, folder, "main-plant.png") && ok;

    auto* list = window.findChild<QListWidget*>(QStringLiteral("lstPage"));
    const auto selectLine = [list](int line) {
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->data(Qt::UserRole).toInt() == line)
                list->setCurrentRow(row);
        }
    };
    const struct {
        int line;
        const char* file;
    } shots[] = {{6, "editor-timer.png"}, {10, "editor-counter.png"}, {5, "editor-analog.png"}};
    for (const auto& shot : shots) {
        selectLine(shot.line);
        ok = Save(window, folder, shot.file) && ok;
    }

    selectLine(10);
    window.resize(window.minimumSize());
    ok = Save(window, folder, "main-minimum.png") && ok;
    window.resize(960, 680);

    {
        hardware::IOSetup setup(program);
        hardware::IOSetupDialog dialog(
            setup, program, [](hardware::Module) { return true; }, &window);
        dialog.show();
        ok = Save(dialog, folder, "io-setup.png") && ok;
    }
    {
        hardware::BlockIONames names(program, 0);
        hardware::IONamesDialog dialog(names, &window);
        dialog.show();
        ok = Save(dialog, folder, "io-names.png") && ok;
    }
    {
        hardware::BlockInputSpeeds speeds(program, 9);
        hardware::InputSpeedDialog dialog(speeds, &window);
        dialog.show();
        ok = Save(dialog, folder, "input-speed.png") && ok;
    }
    {
        hardware::BiosRegisterEditor editor(program);
        hardware::BiosRegisterDialog dialog(editor, &window);
        dialog.findChild<QSlider*>(QStringLiteral("sldBIOSReg"))->setValue(90);
        dialog.show();
        ok = Save(dialog, folder, "bios-registers.png") && ok;
    }
    const auto noErrors = [](QWidget*, const QString&) {};
    {
        panels::PanelEditor editor(panels::TimerPanel(), program.Tmr);
        panels::PanelWindow dialog(panels::TimerWindowLayout(), editor, noErrors, &window);
        dialog.show();
        ok = Save(dialog, folder, "timer-panel.png") && ok;
    }
    {
        panels::PanelEditor editor(panels::CounterPanel(), program.Ctr);
        panels::PanelWindow dialog(panels::CounterWindowLayout(), editor, noErrors, &window);
        dialog.show();
        ok = Save(dialog, folder, "counter-panel.png") && ok;
    }
    {
        const QString help = QStringLiteral(ZOLT_SOURCE_DIR "/Help/main.htm");
        gui::HelpBrowser browser(help);
        browser.show();
        ok = Save(browser, folder, "help.png") && ok;
        const QStringList tour = gui::SlideWindow::SlidesIn(ZOLT_SOURCE_DIR "/Demo/Tour");
        ok = !tour.isEmpty() && ok;
        if (!tour.isEmpty()) {
            gui::SlideWindow slides(tour);
            slides.show();
            ok = Save(slides, folder, "tour-slide.png") && ok;
        }
        gui::AboutBox about(QStringLiteral("Program Version:  ") +
                                QString::fromLatin1(model::kAppVersion) +
                                QStringLiteral("\nInterface Version:  1\nMCU Version:  1.30"),
                            &window);
        about.show();
        ok = Save(about, folder, "about.png") && ok;
    }

    {
        // The sample bottling line a few seconds after START, with its safety contacts made,
        // air, and a bottle under the nozzle.
        model::Program demo;
        if (files::LoadProgram(demo, ZOLT_SOURCE_DIR "/Demo/Zolt_demo.zlp").Complete) {
            model::RebuildIOType(demo);
            gui::SimulatorWindow simulator(
                demo, [](int, int) {}, &window);
            simulator.resize(980, 720);
            simulator.show();
            for (int input : {2, 3, 4, 24, 1, 5}) {
                for (QCheckBox* box : simulator.findChildren<QCheckBox*>("chkSimIn")) {
                    if (box->property("index").toInt() == input)
                        box->setChecked(true);
                }
            }
            auto* step = simulator.findChild<QPushButton*>("cmdSimStep");
            for (int i = 0; i < 600; ++i)
                step->click();
            ok = Save(simulator, folder, "simulator.png") && ok;
        } else {
            ok = false;
        }
    }

    selectLine(1);
    if (RunOnEmulatedMcu(window, program, settings))
        ok = Save(window, folder, "main-run.png") && ok;
    else
        ok = false;
    window.Link().Shutdown();

    {
        // The port choice on a machine with two USB adapters; a pseudo-terminal plays the FTDI
        // one, which Com 1 is set to by its stable name.
        sim::UnitThread adapter(sim::UnitSetup{}, false);
        const QTemporaryDir machine;
        const QString dev = machine.filePath("dev"), sys = machine.filePath("sys");
        const QString hub = sys + "/devices/pci0000:00/0000:00:14.0/usb1";
        const auto attributes = [](const QString& dir, const QStringList& pairs) {
            QDir().mkpath(dir);
            for (int i = 0; i + 1 < pairs.size(); i += 2) {
                QFile file(dir + "/" + pairs[i]);
                file.open(QIODevice::WriteOnly);
                file.write(pairs[i + 1].toUtf8() + "\n");
            }
        };
        attributes(hub + "/1-2", {"product", "FT232R USB UART", "manufacturer", "FTDI", "idVendor",
                                  "0403", "idProduct", "6001", "serial", "A10K5ZQ2"});
        attributes(hub + "/1-3", {"product", "CP2102 USB to UART Bridge Controller", "manufacturer",
                                  "Silicon Labs", "idVendor", "10c4", "idProduct", "ea60"});
        QDir().mkpath(dev + "/serial/by-id");
        for (const QString& tty : {QStringLiteral("ttyUSB0"), QStringLiteral("ttyUSB1")}) {
            const QString usb = tty == "ttyUSB0" ? "1-2" : "1-3";
            QDir().mkpath(hub + "/" + usb + "/" + usb + ":1.0/" + tty);
            QDir().mkpath(sys + "/class/tty/" + tty);
            QFile::link(hub + "/" + usb + "/" + usb + ":1.0/" + tty,
                        sys + "/class/tty/" + tty + "/device");
        }
        QFile::link(QString::fromStdString(adapter.DevicePath()), dev + "/ttyUSB0");
        QFile(dev + "/ttyUSB1").open(QIODevice::WriteOnly);
        const QString stable = dev + "/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K5ZQ2-if00-port0";
        QFile::link(dev + "/ttyUSB0", stable);

        const comm::DeviceRoots roots{dev.toStdString(), sys.toStdString()};
        const std::vector<comm::SerialDevice> devices = comm::ListSerialDevices(roots);
        std::array<comm::PortChoices, 4> lists;
        for (int port = 1; port <= 4; ++port)
            lists[static_cast<std::size_t>(port) - 1] =
                comm::ChoicesFor(port, devices, port == 1 ? stable.toStdString() : "", roots);
        comm::CommSetupDialog dialog(
            {1, 1, {}}, lists, [](const comm::CommChoice&) { return comm::PortCheck{}; },
            [](const QString&) {}, &window);
        dialog.show();
        ok = Save(dialog, folder, "comm-port.png") && ok;
    }
    return ok ? 0 : 1;
}
