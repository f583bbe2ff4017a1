// The main window's wiring: the listing it draws, what a row click, the Page menu, the page name
// and the comment box reach, the error log, the trace marker, the smallest size and exit.
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>

#include "files/ProgramFile.h"
#include "files/TextExport.h"
#include "model/HardwareConfig.h"
#include "tests/app/gui/GuiFixture.h"
#include "tests/editor/PageBuilder.h"
#include "tests/files/TestFiles.h"

namespace {

using gui::Answer;
using testgui::MainWindowTest;
using testgui::RowOf;
using testsupport::IndexedChild;

TEST_F(MainWindowTest, ListsThePageInAFixedPitchFont) {
    ASSERT_EQ(List()->count(), 1);
    EXPECT_EQ(List()->item(0)->text(), "     1          End Page");
    // Asked for, so that the columns line up whichever fonts this desktop has.
    for (const char* name : {"lstPage", "lblLineNum", "txtComment"})
        EXPECT_TRUE(Find<QWidget>(name)->font().fixedPitch()) << name;
}

// The session's question and its answers shown: Cancel keeps the line, and a press on the row
// already current (which moves nothing in the list) is a click all the same; Yes stores the
// edit and shows the clicked line.
TEST_F(MainWindowTest, RowClickAsksAboutAnEditedCommentAgainUntilAnswered) {
    Use(testpage::ProgramWithLines(0, 3));
    ClickRow(RowOf(1));
    TypeComment(QStringLiteral("x"));
    dialogs.answers = {Answer::Cancel, Answer::Yes};
    ClickRow(RowOf(3));
    EXPECT_EQ(Comment()->Comment(), "L1x");
    ClickRow(RowOf(3));
    ASSERT_EQ(dialogs.titles, (QStringList{"Save Changes", "Save Changes"}));
    EXPECT_EQ(dialogs.texts[0],
              "You have unsaved changes on this line\nDo you want to save them now?");
    EXPECT_EQ(dialogs.buttons[0], gui::MessageButtons::YesNoCancel);
    EXPECT_EQ(program.PgmData[0].Comment, "L1x");
    EXPECT_EQ(Comment()->Comment(), "L3");
    EXPECT_EQ(Find<QLineEdit>("txtTimeCount")->text(), "3.00");
    EXPECT_EQ(List()->currentRow(), RowOf(3));
    ClickRow(RowOf(3));
    EXPECT_EQ(dialogs.texts.size(), 2u);
}

TEST_F(MainWindowTest, ClickOnACommentRowSelectsItsLineRowToo) {
    Use(testpage::ProgramWithLines(0, 3));
    ClickRow(RowOf(2) + 1);
    EXPECT_TRUE(List()->item(RowOf(2))->isSelected());
}

TEST_F(MainWindowTest, PageMenuShowsItsPageWithTheNameTypedForIt) {
    auto* name = Find<QLineEdit>("txtPageName");
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("Pu\"mps"));
    EXPECT_EQ(program.PageName[0], "Pumps");
    for (QAction* page : window->findChildren<QAction*>(QStringLiteral("mnuPage"))) {
        if (page->property("index").toInt() == 2)
            page->trigger();
    }
    EXPECT_EQ(Find<QLabel>("lblPage")->text(), "Page C");
    EXPECT_EQ(name->text(), "");
    window->ChangePage(0);
    EXPECT_EQ(name->text(), "Pumps");
}

TEST_F(MainWindowTest, RedrawKeepsTheListScrolledUnlessOnLineOne) {
    Use(testpage::ProgramWithLines(0, 150));
    List()->scrollToItem(List()->item(RowOf(100)), QAbstractItemView::PositionAtCenter);
    ClickRow(RowOf(100));
    const int scrolled = List()->verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    Press("cmdInsLine");
    EXPECT_EQ(List()->verticalScrollBar()->value(), scrolled);
    window->ChangePage(0);
    EXPECT_EQ(List()->verticalScrollBar()->value(), 0);
}

TEST_F(MainWindowTest, CommentBoxLaysOutRowsOf60RefusesQuotesAndFillsARowOnEnter) {
    ClickRow(0);
    TypeComment(QString(60, 'a') + "bbbb\"");
    EXPECT_EQ(Comment()->toPlainText(), QString(60, 'a') + "\nbbbb");
    QTest::keyClick(Comment(), Qt::Key_Return);
    Comment()->insertPlainText(QStringLiteral("say \"go\""));
    const std::string comment = std::string(60, 'a') + "bbbb" + std::string(56, ' ') + "say 'go'";
    EXPECT_EQ(Comment()->Comment(), comment);
    EXPECT_EQ(State().EditComment, comment);
    EXPECT_EQ(State().LineEdited, editor::LineEdit::Yes);
}

// Input 7 is not fitted after New: a Check Input for it on line 3 is a problem. The log is
// closed the first time and an entry picked the second.
TEST_F(MainWindowTest, ErrorLogListsThePagesProblemsAndAPickSelectsItsLine) {
    model::Program problems = testpage::ProgramWithLines(0, 3);
    problems.PgmData[2].Code = {1, 0x07, 1, 0};
    dialogs.answers = {Answer::Yes, Answer::Yes};
    testgui::WhenShown("frmErrorForm", window.get(), [&](QWidget* log) {
        EXPECT_FALSE(window->isEnabled());
        log->close();
    });
    Use(problems);
    EXPECT_TRUE(window->isEnabled());
    QString logged;
    testgui::WhenShown("frmErrorForm", window.get(), [&](QWidget* log) {
        auto* entries = log->findChild<QListWidget*>(QStringLiteral("lstErrors"));
        logged = entries->item(0)->text();
        const QRect first = entries->visualItemRect(entries->item(0));
        QTest::mouseClick(entries->viewport(), Qt::LeftButton, {}, first.center());
    });
    window->ChangePage(0);
    EXPECT_EQ(dialogs.titles, (QStringList{"Program Errors", "Program Errors"}));
    EXPECT_EQ(logged, "Line 3:   Input is not installed. ");
    EXPECT_EQ(List()->currentRow(), RowOf(3));
    EXPECT_TRUE(window->isEnabled());
}

// At its smallest the window shows every control whole (where the controls stand is the layout's
// test): the editor's toolbar and fields wrap onto more rows, the comment box shows four rows of
// 60 characters without scrolling, and the connection status label grows to the left until the
// longest status fits.
TEST_F(MainWindowTest, AtTheMinimumSizeEveryControlIsWholeAndTheCommentNeedsNoScrolling) {
    window->resize(300, 200);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), window->minimumSize());
    model::Program counting = testpage::ProgramWithLines(0, 3);
    counting.SetRegisterByte(model::kCounterModuleRegister, 0, model::kModuleInstalled);
    Use(counting);
    ClickRow(RowOf(1));
    Trigger("10a");  // a counter compare: the widest row of fields
    TypeComment(QString(240, QLatin1Char('w')));
    QApplication::processEvents();

    auto* editor = Find<QWidget>("FunctionEditor");
    for (QWidget* field : editor->findChildren<QWidget*>()) {
        if (!field->isVisible())
            continue;
        EXPECT_TRUE(
            editor->rect().contains(QRect(field->mapTo(editor, QPoint(0, 0)), field->size())))
            << field->objectName().toStdString();
        EXPECT_GE(field->width(), field->minimumSizeHint().width())
            << field->objectName().toStdString();
    }
    EXPECT_EQ(Comment()->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(Comment()->horizontalScrollBar()->maximum(), 0);
    QLabel* mode = Find<QLabel>("lblMode");
    for (const char* text : {"Connected to MCU", "High Speed Error", "Connecting ..."})
        EXPECT_GE(mode->width(), mode->fontMetrics().horizontalAdvance(QString(text))) << text;
}

// Exit and closing the window both offer Cancel, so Esc on the question never loses the work.
TEST_F(MainWindowTest, ExitOrCloseWithCancelKeepsRunning) {
    int exits = 0;
    QObject::connect(window.get(), &gui::MainWindow::exitRequested, [&] { ++exits; });
    program.PgmChanged = true;
    dialogs.answers = {Answer::Cancel, Answer::Cancel};
    Trigger("mnuFileExit");
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(exits, 0);

    dialogs.answers = {Answer::No};
    window->close();
    EXPECT_EQ(dialogs.titles, (QStringList{"Save Changes", "Save Changes", "Save Changes"}));
    EXPECT_EQ(dialogs.buttons,
              std::vector<gui::MessageButtons>(3, gui::MessageButtons::YesNoCancel));
    EXPECT_EQ(exits, 1);
}

// The traced line is marked apart from the selection: OK during run mode stores into the line
// the editor shows, never into the one the MCU executes.
TEST_F(MainWindowTest, TraceReportDuringAnEditLeavesTheEditedLineToOk) {
    Use(testpage::ProgramWithLines(0, 3));
    ClickRow(RowOf(2));
    TypeComment(QStringLiteral("x"));
    window->ShowTracedRow(RowOf(3));
    EXPECT_EQ(List()->currentRow(), RowOf(2));
    EXPECT_NE(List()->item(RowOf(3))->background(), List()->item(RowOf(2))->background());
    Press("cmdAcceptChg");
    EXPECT_EQ(program.PgmData[1].Comment, "L2x");
    EXPECT_EQ(program.PgmData[2].Comment, "L3");
}

// Each unit's transfer items come with its identification, before its speed set-up is done.
TEST_F(MainWindowTest, EachUnitEnablesItsOwnTransfersOnly) {
    window->UpdateLinkMenus(comm::CommStateWord::McuX);
    EXPECT_TRUE(Find<QAction>("mnuFileSendMCU")->isEnabled());
    EXPECT_FALSE(Find<QAction>("mnuFileSendPP")->isEnabled());
    window->UpdateLinkMenus(comm::CommStateWord::PpX);
    EXPECT_TRUE(Find<QAction>("mnuFileSendPP")->isEnabled());
    EXPECT_FALSE(Find<QAction>("mnuFileReadTmr")->isEnabled());
    window->UpdateLinkMenus(comm::CommStateWord::Cim);
    EXPECT_TRUE(Find<QAction>("mnuFileReadTmr")->isEnabled());
    EXPECT_FALSE(Find<QAction>("mnuFileRun")->isEnabled());
}

// OK in the I/O setup dialog writes the hardware, and the page's checks follow at once: a line
// checking input 7 is a problem with six MCU inputs and none with eight.
TEST_F(MainWindowTest, IOSetupOkChangesTheHardwareAndTheChecksFollowAtOnce) {
    model::Program problems = testpage::ProgramWithLines(0, 2);
    problems.PgmData[1].Code = {1, 0x07, 1, 0};
    Use(problems);
    for (int inputs : {8, 6}) {
        testgui::WhenShown("frmIOSetup", window.get(), [inputs](QWidget* dialog) {
            for (auto* list : dialog->findChildren<QComboBox*>(QStringLiteral("cboNumIn"))) {
                if (list->property("index").toInt() == 0)
                    emit list->activated(inputs);
            }
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdIoSetupOK")),
                              Qt::LeftButton);
        });
        Trigger("mnuSetupIO");
        EXPECT_EQ(program.RegisterByte(10, 0), inputs);
        EXPECT_EQ(window->Session().Listing().Errors.size(), inputs == 8 ? 0u : 1u) << inputs;
    }
    EXPECT_TRUE(program.PgmChanged);
}

// Block 10 analog with a named, slower input, and both modules, set through the dialogs from
// the Setup menu; then a timer and a counter in their windows, whose items open only once the
// modules are fitted. All of it comes back identical from the saved file, and the export lists
// it.
TEST_F(MainWindowTest, HardwareAndPanelsSetInTheirWindowsSurviveSaveAndOpen) {
    EXPECT_FALSE(Find<QAction>("mnuSetupRTP")->isEnabled());
    testgui::WhenShown("frmIOSetup", window.get(), [](QWidget* setup) {
        IndexedChild<QCheckBox>(setup, "chkBlockInst", 1)->click();
        for (const char* count : {"cboNumIn", "cboNumOut"})
            emit IndexedChild<QComboBox>(setup, count, 1)->activated(3);
        IndexedChild<QRadioButton>(setup, "optAlg", 0)->click();
        setup->findChild<QCheckBox*>("chkTimerInst")->click();
        setup->findChild<QCheckBox*>("chkCounterInst")->click();
        const auto fillIn = [setup](const char* name, const char* menu, const char* field,
                                    const char* text, const char* ok) {
            QLabel* label = IndexedChild<QLabel>(setup, "lblBlockNum", 1);
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(1, 1),
                                    label->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(label, &click);
            testgui::WhenShown(name, setup, [=](QWidget* dialog) {
                QLineEdit* box = IndexedChild<QLineEdit>(dialog, field, 0);
                box->selectAll();
                QTest::keyClicks(box, text);
                QTest::mouseClick(dialog->findChild<QPushButton*>(ok), Qt::LeftButton);
            });
            setup->findChild<QAction*>(menu)->trigger();
        };
        fillIn("frmIONames", "mnuIOName", "txtNameIn", "TANK", "cmdIONameOK");
        fillIn("frmInpSpeed", "mnuIOSpeed", "txtSpdIn", "5", "cmdInpSpdOK");
        QTest::mouseClick(setup->findChild<QPushButton*>("cmdIoSetupOK"), Qt::LeftButton);
    });
    Trigger("mnuSetupIO");

    const auto type = [](QWidget* panel, const char* field, const char* text) {
        auto* box = panel->findChild<QLineEdit*>(field);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    };
    testgui::WhenShown("frmRTPWindow", window.get(), [&](QWidget* timers) {
        type(timers, "txtTmrName", "Mixer");
        type(timers, "txtTmrHi", "400");
        type(timers, "txtTmrSet", "300.5");
        IndexedChild<QRadioButton>(timers, "optTmrDisp", 1)->click();
        QTest::mouseClick(timers->findChild<QPushButton*>("cmdTmrOK"), Qt::LeftButton);
    });
    Trigger("mnuSetupRTP");
    testgui::WhenShown("frmRCPWindow", window.get(), [&](QWidget* counters) {
        type(counters, "txtCtrName", "Bottles");
        counters->findChild<QCheckBox*>("chkCtrRemCtr")->click();
        QTest::mouseClick(counters->findChild<QPushButton*>("cmdCtrOK"), Qt::LeftButton);
    });
    Trigger("mnuSetupRCP");
    testfiles::ScratchFolder folder;
    dialogs.files = {QString::fromStdString(folder.File("tank.zlp"))};
    Trigger("mnuFileSave");

    model::Program reopened;
    ASSERT_TRUE(files::LoadProgram(reopened, folder.File("tank.zlp")).Complete);
    EXPECT_EQ(files::ProgramFileText(reopened), files::ProgramFileText(program));
    EXPECT_EQ(reopened.Register(110).Code, (std::array<int16_t, 4>{3, 3, 1, 2}));
    EXPECT_EQ(reopened.RegisterByte(111, 0), 5);
    const std::string listing = files::ExportText(reopened);
    for (const char* seen :
         {"Input 11 is named TANK", "Installed with  3 inputs  &   3 outputs",
          "Timer Panel is Installed", "Named  'Mixer'", "Set Time = 300.50", "High Limit = 400.00",
          "Display set time", "Named  'Bottles'", "Remember count"})
        EXPECT_NE(listing.find(seen), std::string::npos) << seen;
}

// The simulator's window reaches the run: an input switched on lets the waiting check go on,
// and the next step turns the output's lamp on.
TEST_F(MainWindowTest, SimulatorSwitchesReachTheRunAndLampsShowIt) {
    model::Program program2 = testpage::ProgramWithLines(0, 2);
    program2.PgmData[0].Code = {1, 0x01, 1, 0};    // Check Input 1 For Status ON
    program2.PgmData[1].Code = {255, 0x02, 0, 0};  // Turn ON Output 2
    Use(program2);
    QString lamp, page;
    testgui::WhenShown("frmSimulator", window.get(), [&](QWidget* sim) {
        const auto step = [sim] {
            QTest::mouseClick(sim->findChild<QPushButton*>("cmdSimStep"), Qt::LeftButton);
        };
        step();
        IndexedChild<QCheckBox>(sim, "chkSimIn", 1)->click();
        step();
        step();
        lamp = IndexedChild<QLabel>(sim, "lblSimOut", 2)->accessibleName();
        page = IndexedChild<QLabel>(sim, "lblSimPage", 0)->text();
        sim->findChild<QPushButton*>("cmdSimClose")->click();
    });
    Trigger("mnuFileSimulate");
    EXPECT_EQ(lamp, "on");
    EXPECT_EQ(page, "line 3, running");
}

}  // namespace
