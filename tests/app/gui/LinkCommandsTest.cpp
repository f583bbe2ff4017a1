// What only the window shows of the link, against an emulated unit on a pseudo-terminal: the
// status label and progress bar of a send, the cancel command, and the traced row of run mode.
#include <QProgressBar>

#include "app/sim/SimFiles.h"
#include "app/sim/UnitThread.h"
#include "link/LinkTexts.h"
#include "model/ProgramChecksum.h"
#include "tests/app/gui/GuiFixture.h"
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
// the cancel command is offered, which stops it once the bar has gone past 100 of its 925.
// What the cancelled send leaves in the program is the link's.
TEST_F(LinkCommandsTest, SendShowsStatusAndProgressAndCancelStopsIt) {
    ConnectTo(sim::UnitSetup{}, true);
    Use(testsupport::FullProgram());
    QAction* cancel = Find<QAction>("mnuSetupCancel");
    QProgressBar* progress = Find<QProgressBar>("prgXFerStat");
    EXPECT_FALSE(cancel->isEnabled());
    QString status;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        status = Status()->isVisible() ? Status()->text() : status;
        if (progress->isVisible() && progress->value() > 100 && cancel->isEnabled())
            cancel->trigger();
    });
    sampler.start(1);
    const auto start = std::chrono::steady_clock::now();
    Trigger("mnuFileSendMCU");
    sampler.stop();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(6));
    EXPECT_EQ(status, "Sending Data");
    EXPECT_FALSE(dialogs.texts.contains(comm::texts::kTransferred));
    // Line 1, a Check Input, was on its way before the cancel.
    EXPECT_EQ(unit->Inspect([](const sim::UnitEmulator& u) { return u.Memory()[0][0]; }), 1);
    EXPECT_FALSE(cancel->isEnabled());
    EXPECT_FALSE(Status()->isVisible());
    EXPECT_FALSE(progress->isVisible());
}

TEST_F(LinkCommandsTest, RunHighlightsTheReportedRowAndLeavesOnlyReset) {
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
    EXPECT_FALSE(Find<QAction>("mnuFileNew")->isEnabled());
    ASSERT_TRUE(WaitFor([&] {
        const QListWidgetItem* item = List()->currentItem();
        return item != nullptr && item->data(Qt::UserRole).toInt() == 3;
    })) << "the row of line 3 is highlighted";

    Trigger("mnuSetupReset");
    EXPECT_TRUE(Find<QAction>("mnuFileNew")->isEnabled());
    EXPECT_FALSE(Status()->isVisible());
}

}  // namespace
}  // namespace testgui
