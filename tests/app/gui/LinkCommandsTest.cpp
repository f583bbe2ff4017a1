// What only the window shows of the link, against an emulated unit on a pseudo-terminal: the
// status label and progress bar of a send, the marked row of run mode, and the cancel command.
#include <QProgressBar>
#include <QTimer>
#include <functional>

#include "app/gui/LinkController.h"
#include "app/sim/SimFiles.h"
#include "app/sim/UnitThread.h"
#include "link/LinkTexts.h"
#include "model/ProgramChecksum.h"
#include "tests/app/gui/GuiFixture.h"
#include "tests/editor/PageBuilder.h"
#include "tests/support/ProgramFactory.h"

namespace testgui {
namespace {

class LinkCommandsTest : public MainWindowTest {
  protected:
    // Puts unit on a pseudo-terminal as port 1 and connects to it from the Setup menu.
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
    bool Shown(const QString& text) const {
        for (const ShownMessage& m : dialogs.shown)
            if (m.Text == text)
                return true;
        return false;
    }

    std::unique_ptr<sim::UnitThread> unit;
};

TEST_F(LinkCommandsTest, SendFromTheFileMenuShowsStatusAndProgressThenTheVerdict) {
    ConnectTo(sim::UnitSetup{});
    Use(testsupport::FullProgram());
    QLabel* status = Find<QLabel>("lblXFerStat");
    QProgressBar* progress = Find<QProgressBar>("prgXFerStat");
    QStringList seen;
    int highest = 0;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        if (status->isVisible() && !seen.contains(status->text()))
            seen << status->text();
        if (progress->isVisible())
            highest = std::max(highest, progress->value());
    });
    sampler.start(1);
    Trigger("mnuFileSendMCU");
    sampler.stop();

    EXPECT_TRUE(Shown(comm::texts::kConnectPrompt));
    EXPECT_TRUE(seen.contains("Sending Data")) << seen.join(",").toStdString();
    EXPECT_GT(highest, 800) << "the bar follows the records up to the BIOS registers";
    EXPECT_TRUE(Shown(comm::texts::kTransferred));
    EXPECT_FALSE(status->isVisible());
    EXPECT_FALSE(progress->isVisible());
    const uint8_t sent = model::ProgramChecksum(program);
    EXPECT_EQ(unit->Inspect([](const sim::UnitEmulator& u) { return u.Memory()[899][3]; }), sent);
}

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
    EXPECT_EQ(Find<QLabel>("lblXFerStat")->text(), "Running Program");
    EXPECT_FALSE(Find<QAction>("mnuFileNew")->isEnabled());
    const int selected = List()->currentRow();
    QListWidgetItem* line3 = nullptr;
    for (int row = 0; row < List()->count() && !line3; ++row) {
        if (List()->item(row)->data(Qt::UserRole).toInt() == 3)
            line3 = List()->item(row);
    }
    ASSERT_NE(line3, nullptr);
    const QBrush plain = line3->background();
    ASSERT_TRUE(WaitFor([&] { return line3->background() != plain; }))
        << "the row of line 3 is marked";
    EXPECT_EQ(List()->currentRow(), selected);

    Trigger("mnuSetupReset");
    EXPECT_EQ(line3->background(), plain);
    EXPECT_TRUE(Find<QAction>("mnuFileNew")->isEnabled());
    EXPECT_FALSE(Find<QLabel>("lblXFerStat")->isVisible());
}

// What the cancelled send leaves in the program is the link's; the menu item is the window's.
TEST_F(LinkCommandsTest, CancelIsOfferedWhileASendRunsAndStopsIt) {
    ConnectTo(sim::UnitSetup{}, true);  // 9600 baud: a send takes some eight seconds
    Use(testsupport::FullProgram());
    EXPECT_FALSE(Find<QAction>("mnuSetupCancel")->isEnabled());
    QTimer::singleShot(300, [&] {
        // Nothing may change the program while it goes out.
        EXPECT_FALSE(Find<QAction>("mnuFileNew")->isEnabled());
        EXPECT_FALSE(Find<QAction>("mnuPage")->isEnabled());
        EXPECT_FALSE(List()->isEnabled());
        Trigger("mnuSetupCancel");
    });
    const auto start = std::chrono::steady_clock::now();
    Trigger("mnuFileSendMCU");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_FALSE(Shown(comm::texts::kTransferred));
    EXPECT_FALSE(Find<QAction>("mnuSetupCancel")->isEnabled());
    EXPECT_TRUE(Shown(comm::texts::kMcuSendCancelled));
    EXPECT_EQ(Find<QLabel>("lblXFerStat")->text(), comm::texts::kTransferCancelled);
    EXPECT_TRUE(Find<QLabel>("lblXFerStat")->isVisible());
    EXPECT_TRUE(Find<QAction>("mnuFileNew")->isEnabled());
    EXPECT_TRUE(List()->isEnabled());
}

// The read replaces the program: unsaved work is offered a save first, and Cancel sends nothing.
TEST_F(LinkCommandsTest, ReadAsksToSaveUnsavedWorkAndCancelSendsNothing) {
    ConnectTo(sim::UnitSetup{});
    Use(testpage::ProgramWithLines(0, 2));
    program.PgmChanged = true;
    const auto requests = [&] {
        return unit->Inspect([](sim::UnitEmulator& u) { return u.Requests().size(); });
    };
    const std::size_t before = requests();
    dialogs.answers = {gui::Answer::Cancel};
    Trigger("mnuFileReadMCU");
    EXPECT_EQ(dialogs.shown.back().Title, "Save Changes");
    EXPECT_EQ(testpage::Lines(program, 0), "L1 L2 END");
    EXPECT_EQ(requests(), before);
}

}  // namespace
}  // namespace testgui
