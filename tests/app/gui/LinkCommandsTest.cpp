// What only the window shows of the link, against an emulated unit on a pseudo-terminal: the
// status label and progress bar of a send, the cancel command, the commands a transfer locks,
// the save offered before a read, and the marked row of run mode.
#include <QDir>
#include <QPlainTextEdit>
#include <QProgressBar>

#include "files/ProgramFile.h"

#include "app/sim/SimFiles.h"
#include "app/sim/UnitThread.h"
#include "link/LinkTexts.h"
#include "model/ProgramChecksum.h"
#include "tests/app/gui/GuiFixture.h"
#include "tests/editor/PageBuilder.h"
#include "tests/files/TestFiles.h"
#include "tests/support/ProgramFactory.h"

namespace testgui {
namespace {

class LinkCommandsTest : public MainWindowTest {
  protected:
    // Puts the unit on a pseudo-terminal as port 1 and connects to it from the Setup menu.
    void ConnectTo(const sim::UnitSetup& setup, bool pace = false) {
        unit = std::make_unique<sim::UnitThread>(setup, pace);
        ASSERT_EQ(unit->Error(), "");
        settings.values[{"Communications", "Port"}] = "1";
        settings.values[{"Communications", "Speed"}] = "0";
        settings.values[{"Communications", "Device1"}] = unit->DevicePath();
        Trigger("mnuSetupConnect");
        ASSERT_TRUE(WaitFor([&] { return Mode() == "Connected to MCU"; })) << Mode().toStdString();
    }
    // Serves window events until done holds, at most five seconds.
    static bool WaitFor(const std::function<bool()>& done) {
        for (int i = 0; i < 500 && !done(); ++i)
            QTest::qWait(10);
        return done();
    }
    QString Mode() { return Find<QLabel>("lblMode")->text(); }
    QLabel* Status() { return Find<QLabel>("lblXFerStat"); }

    std::unique_ptr<sim::UnitThread> unit;
};

// At 9600 baud a send takes some eight seconds: its status and progress show while it runs and
// the cancel command is offered, which stops it once the bar has gone past 100 of its 925;
// nothing may change the program meanwhile. What the cancelled send leaves is the link's.
TEST_F(LinkCommandsTest, SendShowsStatusAndProgressAndCancelStopsIt) {
    ConnectTo(sim::UnitSetup{}, true);
    Use(testsupport::FullProgram());
    QAction* cancel = Find<QAction>("mnuSetupCancel");
    QProgressBar* progress = Find<QProgressBar>("prgXFerStat");
    QString status;
    bool locked = false;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        status = Status()->isVisible() ? Status()->text() : status;
        if (progress->isVisible() && progress->value() > 100 && cancel->isEnabled()) {
            locked = !Find<QAction>("mnuFileNew")->isEnabled() &&
                     !Find<QAction>("mnuPage")->isEnabled() && !List()->isEnabled();
            cancel->trigger();
        }
    });
    sampler.start(1);
    const auto start = std::chrono::steady_clock::now();
    Trigger("mnuFileSendMCU");
    sampler.stop();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(6));
    EXPECT_EQ(status, "Sending Data");
    EXPECT_TRUE(locked);
    EXPECT_TRUE(dialogs.texts.contains(comm::texts::kMcuSendCancelled));
    // Line 1, a Check Input, was on its way before the cancel.
    EXPECT_EQ(unit->Inspect([](const sim::UnitEmulator& u) { return u.Memory()[0][0]; }), 1);
    EXPECT_FALSE(cancel->isEnabled());
    EXPECT_EQ(Status()->text(), comm::texts::kTransferCancelled);
    EXPECT_TRUE(Status()->isVisible());
    EXPECT_FALSE(progress->isVisible());
    EXPECT_TRUE(Find<QAction>("mnuFileNew")->isEnabled());
    EXPECT_TRUE(List()->isEnabled());
}

// The read replaces the program: unsaved work is offered a save first, and Cancel sends nothing.
TEST_F(LinkCommandsTest, ReadAsksToSaveUnsavedWorkAndCancelSendsNothing) {
    ConnectTo(sim::UnitSetup{});
    Use(testpage::ProgramWithLines(0, 2));
    program.PgmChanged = true;
    const auto requests = [&] {
        return unit->Inspect([](const sim::UnitEmulator& u) { return u.Requests().size(); });
    };
    const std::size_t before = requests();
    dialogs.answers = {gui::Answer::Cancel};
    Trigger("mnuFileReadMCU");
    EXPECT_EQ(dialogs.titles.back(), "Save Changes");
    EXPECT_EQ(testpage::Lines(program, 0), "L1 L2 END");
    EXPECT_EQ(requests(), before);
}

// The executing line is marked (apart from the selection: the main window's test) and a reset
// takes the mark away.
TEST_F(LinkCommandsTest, RunMarksTheReportedRowAndLeavesOnlyReset) {
    model::Program running = testsupport::FullProgram();
    model::StoreProgramChecksum(running);
    sim::UnitSetup setup;
    setup.Memory = sim::ImageOfProgram(running);
    setup.Trace = {{1, 2}, {1, 2}};  // page A line 3, twice: shown
    setup.TraceInterval = sim::Millis(20);
    ConnectTo(setup);
    Use(running);

    Trigger("mnuFileRun");
    EXPECT_EQ(Status()->text(), "Running Program");
    for (const char* command : {"mnuFileNew", "mnuSetupIO", "mnuSetupBIOS"})
        EXPECT_FALSE(Find<QAction>(command)->isEnabled()) << command;
    QListWidgetItem* line3 = nullptr;
    for (int row = 0; row < List()->count() && !line3; ++row) {
        if (List()->item(row)->data(Qt::UserRole).toInt() == 3)
            line3 = List()->item(row);
    }
    ASSERT_NE(line3, nullptr);
    const QBrush plain = line3->background();
    ASSERT_TRUE(WaitFor([&] { return line3->background() != plain; }))
        << "the row of line 3 is marked";

    Trigger("mnuSetupReset");
    EXPECT_EQ(line3->background(), plain);
    EXPECT_TRUE(Find<QAction>("mnuFileNew")->isEnabled());
    EXPECT_FALSE(Status()->isVisible());
}

// With the MCU connected the about box reads its firmware version, and the tour asks nothing.
// After the slides, the installer's "demo" loads the sample program, which goes to the MCU, is
// checked and runs.
TEST_F(LinkCommandsTest, TourWithTheMcuConnectedRunsTheSampleProgramAfterTheSlides) {
    testfiles::ScratchFolder data;
    QDir(QString::fromStdString(data.Path())).mkpath(QStringLiteral("Demo/Tour"));
    testfiles::WriteBytes(data.File("Demo/Tour/slide01.htm"), "<h1>Welcome</h1>");
    model::Program sample = testpage::ProgramWithLines(0, 3);
    ASSERT_EQ(files::SaveProgram(sample, data.File("Demo/Zolt_demo.zlp")), "");
    settings.values[{"Key", "Directory"}] = data.Path();
    settings.values[{"Key", "demo"}] = "yes";
    ConnectTo(sim::UnitSetup{});
    QString versions;
    WhenShown("frmHelpAbout", window.get(), [&versions](QWidget* about) {
        versions = about->findChild<QLabel*>("lblAbout2")->text();
        about->close();
    });
    Trigger("mnuHelpAbout");
    EXPECT_TRUE(versions.endsWith("\nInterface Version:  1\nMCU Version:  1.30"))
        << versions.toStdString();

    bool asked = false;
    WhenShown("frmWelcome", window.get(), [&asked](QWidget* welcome) {
        asked = true;
        welcome->close();
    });
    WhenShown("frmTour", window.get(),
              [](QWidget* slides) { slides->findChild<QPushButton*>("cmdTourClose")->click(); });
    Trigger("mnuHelpTour");
    EXPECT_FALSE(asked);
    EXPECT_EQ(program.PgmData[2].Code, sample.PgmData[2].Code);
    EXPECT_EQ(Status()->text(), "Running Program");
    EXPECT_EQ(settings.values.count({"Key", "demo"}), 0u);
}

// Compare reads the MCU's program beside the PC's: the same program says so; a changed line
// shows under its page and number, and the PC's program stays as it was.
TEST_F(LinkCommandsTest, CompareWithMcuShowsTheDifferingLinesAndKeepsThePcsProgram) {
    model::Program held = testpage::ProgramWithLines(0, 3);
    model::StoreProgramChecksum(held);
    sim::UnitSetup setup;
    setup.Memory = sim::ImageOfProgram(held);
    ConnectTo(setup);
    Use(held);
    Trigger("mnuFileCompare");
    EXPECT_EQ(dialogs.texts.back(), "The MCU holds the program as it is in the PC.");

    model::Program edited = held;
    edited.PgmData[2].Code = {9, 0, 7, 0};
    Use(edited);
    QString shown;
    WhenShown("frmCompare", window.get(), [&shown](QWidget* compare) {
        shown = compare->findChild<QPlainTextEdit*>("txtCompare")->toPlainText();
        compare->close();
    });
    Trigger("mnuFileCompare");
    EXPECT_TRUE(shown.startsWith("Page A, line 3\n-     3          Wait 7.00 Seconds\n"))
        << shown.toStdString();
    EXPECT_EQ(program.PgmData[2].Code, edited.PgmData[2].Code);
}

}  // namespace
}  // namespace testgui
