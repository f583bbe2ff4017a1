// What only the window shows of the link, against an emulated unit on a pseudo-terminal: the
// status label and progress bar of a send, the traced row of run mode, and the cancel command.
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

TEST_F(LinkCommandsTest, SendFromTheFileMenuShowsStatusAndProgressThenTheVerdict) {
    ConnectTo(sim::UnitSetup{});
    Use(testsupport::FullProgram());
    QProgressBar* progress = Find<QProgressBar>("prgXFerStat");
    QStringList seen;
    int highest = 0;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        if (Status()->isVisible() && !seen.contains(Status()->text()))
            seen << Status()->text();
        if (progress->isVisible())
            highest = std::max(highest, progress->value());
    });
    sampler.start(1);
    Trigger("mnuFileSendMCU");
    sampler.stop();

    EXPECT_TRUE(seen.contains("Sending Data")) << seen.join(",").toStdString();
    EXPECT_GT(highest, 800) << "the bar follows the records up to the BIOS registers";
    EXPECT_TRUE(dialogs.texts.contains(comm::texts::kTransferred));
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

// What the cancelled send leaves in the program is the link's; the menu item is the window's.
TEST_F(LinkCommandsTest, CancelIsOfferedWhileASendRunsAndStopsIt) {
    ConnectTo(sim::UnitSetup{}, true);  // 9600 baud: a send takes some eight seconds
    Use(testsupport::FullProgram());
    EXPECT_FALSE(Find<QAction>("mnuSetupCancel")->isEnabled());
    QTimer::singleShot(300, [&] { Trigger("mnuSetupCancel"); });
    const auto start = std::chrono::steady_clock::now();
    Trigger("mnuFileSendMCU");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_FALSE(dialogs.texts.contains(comm::texts::kTransferred));
    EXPECT_FALSE(Find<QAction>("mnuSetupCancel")->isEnabled());
    EXPECT_FALSE(Status()->isVisible());
}

}  // namespace
}  // namespace testgui
