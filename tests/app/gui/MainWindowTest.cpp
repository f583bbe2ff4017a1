// The main window: the listing of a new program, row clicks and page changes with unsaved
// edits, the comment box, the error log, the menus, the minimum size and exit.
#include <QMenu>
#include <QScrollBar>
#include <QTimer>

#include "model/LineText.h"
#include "tests/app/gui/GuiFixture.h"
#include "tests/editor/PageBuilder.h"

namespace {

using gui::Answer;
using testgui::MainWindowTest;

// Row of line n (1-based) on a page of numbered lines: each line has one comment row.
int RowOf(int line) {
    return 2 * (line - 1);
}

TEST_F(MainWindowTest, NewProgramListsTheOneEndPageRow) {
    EXPECT_EQ(Rows(), QStringList{"     1          End Page"});
    EXPECT_EQ(Find<QLabel>("lblPage")->text(), "Page A");
    EXPECT_EQ(window->windowTitle(), "Zolt MCU Programmer");
    EXPECT_EQ(Find<QLabel>("lblMode")->text(), "Not Connected");
    EXPECT_EQ(List()->currentRow(), 0);
    EXPECT_TRUE(List()->font().fixedPitch() || QFontInfo(List()->font()).fixedPitch());
    EXPECT_TRUE(dialogs.shown.empty());

    program.PgmData[0].Code = {9, 0, 5, 0};
    program.PgmChanged = true;
    dialogs.answers = {Answer::No};
    Trigger("mnuFileNew");
    EXPECT_EQ(dialogs.Titles(), QStringList{"Save Changes"});
    EXPECT_EQ(dialogs.shown[0].Text, "Do you want to save changes to this program?");
    EXPECT_EQ(program.PgmData[0].F(), 12);
    EXPECT_FALSE(program.PgmChanged);
}

struct QuestionCase {
    const char* name;
    Answer answer;
    const char* storedComment;  // line 1 afterwards
    int lineAfter;              // current line offset afterwards
};

class SaveQuestionOnRowClick : public MainWindowTest,
                               public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(SaveQuestionOnRowClick, StoresDropsOrKeepsTheEdit) {
    Use(testpage::ProgramWithLines(0, 5));
    ClickRow(RowOf(1));
    TypeComment(QStringLiteral("x"));
    dialogs.answers = {GetParam().answer};
    ClickRow(RowOf(3));
    ASSERT_EQ(dialogs.Titles(), QStringList{"Save Changes"});
    EXPECT_EQ(dialogs.shown[0].Text,
              "You have unsaved changes on this line\nDo you want to save them now?");
    EXPECT_EQ(dialogs.shown[0].Buttons, gui::MessageButtons::YesNoCancel);
    EXPECT_EQ(program.PgmData[0].Comment, GetParam().storedComment);
    EXPECT_EQ(window->State().CurLine, GetParam().lineAfter);
    if (GetParam().answer == Answer::Cancel)
        EXPECT_EQ(Comment()->Comment(), "L1x");
    else
        EXPECT_EQ(Comment()->Comment(), "L3");
}

INSTANTIATE_TEST_SUITE_P(Answers, SaveQuestionOnRowClick,
                         ::testing::Values(QuestionCase{"Yes", Answer::Yes, "L1x", 2},
                                           QuestionCase{"No", Answer::No, "L1", 2},
                                           QuestionCase{"Cancel", Answer::Cancel, "L1", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

class SaveQuestionOnPageChange : public MainWindowTest,
                                 public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(SaveQuestionOnPageChange, StoresDropsOrStays) {
    Use(testpage::ProgramWithLines(0, 5));
    ClickRow(RowOf(1));
    TypeComment(QStringLiteral("x"));
    dialogs.answers = {GetParam().answer};
    QAction* pageB = nullptr;
    for (QAction* a : window->findChildren<QAction*>(QStringLiteral("mnuPage"))) {
        if (a->property("index").toInt() == 1)
            pageB = a;
    }
    ASSERT_NE(pageB, nullptr);
    EXPECT_EQ(pageB->text(), "Page &B");
    pageB->trigger();
    EXPECT_EQ(dialogs.Titles(), QStringList{"Save Changes"});
    EXPECT_EQ(program.PgmData[0].Comment, GetParam().storedComment);
    const bool stayed = GetParam().answer == Answer::Cancel;
    EXPECT_EQ(Find<QLabel>("lblPage")->text(), stayed ? "Page A" : "Page B");
    EXPECT_EQ(Comment()->Comment(), stayed ? "L1x" : "");
    EXPECT_EQ(window->State().CurLine, 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, SaveQuestionOnPageChange,
                         ::testing::Values(QuestionCase{"Yes", Answer::Yes, "L1x", 0},
                                           QuestionCase{"No", Answer::No, "L1", 0},
                                           QuestionCase{"Cancel", Answer::Cancel, "L1", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ClickingTheRowAgainAfterCancelAsksAgain) {
    Use(testpage::ProgramWithLines(0, 5));
    ClickRow(RowOf(1));
    TypeComment(QStringLiteral("x"));
    dialogs.answers = {Answer::Cancel, Answer::No};
    ClickRow(RowOf(3));
    EXPECT_EQ(window->State().CurLine, 0);
    ClickRow(RowOf(3));
    EXPECT_EQ(dialogs.Titles(), (QStringList{"Save Changes", "Save Changes"}));
    EXPECT_EQ(window->State().CurLine, 2);
    ClickRow(RowOf(3));
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST_F(MainWindowTest, ClickingACommentRowKeepsTheLineAndAsksNothing) {
    Use(testpage::ProgramWithLines(0, 5));
    ClickRow(RowOf(2));
    TypeComment(QStringLiteral("x"));
    ClickRow(RowOf(4) + 1);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(window->State().CurLine, 1);
    EXPECT_TRUE(List()->item(RowOf(4))->isSelected());
    EXPECT_EQ(Comment()->Comment(), "L2x");
}

TEST_F(MainWindowTest, RepeatLinesIsRefusedOnLineOneOnly) {
    Use(testpage::ProgramWithLines(0, 5));
    QAction* repeat = Find<QAction>("7a");
    ClickRow(RowOf(1));
    EXPECT_FALSE(repeat->isEnabled());
    ClickRow(RowOf(2));
    EXPECT_TRUE(repeat->isEnabled());
}

TEST_F(MainWindowTest, RedrawKeepsTheListScrolledUnlessOnLineOne) {
    Use(testpage::ProgramWithLines(0, 150));
    List()->scrollToItem(List()->item(RowOf(100)), QAbstractItemView::PositionAtCenter);
    ClickRow(RowOf(100));
    const int scrolled = List()->verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    Press("cmdInsLine");
    EXPECT_EQ(window->State().CurLine, 99);
    EXPECT_EQ(List()->verticalScrollBar()->value(), scrolled);
    window->ChangePage(0);
    EXPECT_EQ(List()->verticalScrollBar()->value(), 0);
}

TEST_F(MainWindowTest, APastedQuoteIsStoredAsAnApostrophe) {
    ClickRow(0);
    Comment()->setFocus();
    Comment()->insertPlainText(QStringLiteral("say \"stop\""));
    EXPECT_EQ(Comment()->Comment(), "say 'stop'");
    EXPECT_EQ(window->State().LineEdited, editor::LineEdit::Yes);
}

// ----- the comment box

TEST_F(MainWindowTest, CommentOf130CharactersListsThreeCommentRows) {
    ClickRow(0);
    const QString text = QString(60, 'a') + QString(60, 'b') + QString(10, 'c');
    TypeComment(text);
    EXPECT_EQ(Comment()->toPlainText(),
              QString(60, 'a') + "\n" + QString(60, 'b') + "\n" + QString(10, 'c'));
    Press("cmdAcceptChg");
    EXPECT_EQ(program.PgmData[0].Comment, text.toStdString());
    const QStringList rows = Rows();
    ASSERT_EQ(rows.size(), 4);  // the End Page line and three comment rows
    EXPECT_EQ(rows[1], QString(20, ' ') + QString(60, 'a'));
    EXPECT_EQ(rows[3], QString(20, ' ') + QString(10, 'c'));
    for (int row : {1, 2, 3}) {
        ClickRow(row);
        EXPECT_EQ(window->State().CurLine, 0) << row;
    }
}

TEST_F(MainWindowTest, A241stCommentCharacterIsDropped) {
    ClickRow(0);
    TypeComment(QString(240, 'k') + "z");
    EXPECT_EQ(Comment()->Comment(), std::string(240, 'k'));
    EXPECT_EQ(Comment()->toPlainText().count('\n'), 3);
    TypeComment(QStringLiteral("\""));
    EXPECT_EQ(Comment()->Comment(), std::string(240, 'k'));
}

TEST_F(MainWindowTest, EnterFillsTheRestOfTheCaretsRow) {
    ClickRow(0);
    std::string typed;
    for (int i = 0; i < 100; ++i)
        typed += static_cast<char>('A' + i % 26);
    TypeComment(QString::fromStdString(typed));
    Comment()->SetBoxCaret(70);  // row 2, character 9 of the comment's second part
    QTest::keyClick(Comment(), Qt::Key_Return);
    const std::string comment = Comment()->Comment();
    ASSERT_EQ(comment.size(), 152u);
    EXPECT_EQ(comment.substr(68, 52), std::string(52, ' '));
    EXPECT_EQ(comment.substr(120), typed.substr(68));
    EXPECT_EQ(Comment()->toPlainText().count('\n'), 2);

    TypeComment(QString(40, 'z'));
    Comment()->SetBoxCaret(196);  // row 4
    QTest::keyClick(Comment(), Qt::Key_Return);
    EXPECT_EQ(Comment()->Comment().size(), 192u);
    EXPECT_EQ(window->State().LineEdited, editor::LineEdit::Yes);
}

TEST_F(MainWindowTest, PageNameRefusesQuotesAndKeepsToThePage) {
    auto* name = Find<QLineEdit>("txtPageName");
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("Pu\"mps"));
    EXPECT_EQ(program.PageName[0], "Pumps");
    EXPECT_FALSE(program.PgmChanged);
    window->ChangePage(2);
    EXPECT_EQ(name->text(), "");
    window->ChangePage(0);
    EXPECT_EQ(name->text(), "Pumps");
}

// ----- the error log

// Answers the error log when it opens: picks the entry on `row`, or closes it for -1.
void AnswerErrorLog(int row) {
    QTimer::singleShot(0, [row] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() != "frmErrorForm" || !w->isVisible())
                continue;
            auto* log = w->findChild<QListWidget*>(QStringLiteral("lstErrors"));
            if (row < 0) {
                w->close();
            } else {
                const QRect r = log->visualItemRect(log->item(row));
                QTest::mouseClick(log->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
            }
            return;
        }
        ADD_FAILURE() << "the error log is not open";
    });
}

// Input 7 is not fitted after New: a Check Input for it is a problem on every page.
model::Program ProgramWithProblems() {
    model::Program p = testpage::ProgramWithLines(0, 3);
    for (int page : {0, 1, 2}) {
        p.PgmData[model::PageBase(page) + (page == 0 ? 2 : 0)].Code = {1, 0x07, 1, 0};
        p.PgmData[model::PageBase(page) + (page == 0 ? 2 : 0)].Comment = "x";
    }
    return p;
}

TEST_F(MainWindowTest, ErrorLogIsOfferedAndAPickedEntryLeadsToItsLine) {
    dialogs.answers = {Answer::No};
    Use(ProgramWithProblems());
    ASSERT_EQ(dialogs.Titles(), QStringList{"Program Errors"});
    EXPECT_EQ(dialogs.shown[0].Text,
              "A possible error was found on this page\nDo you want to view the error log?");
    EXPECT_EQ(window->ErrorLogState(), gui::ErrLogState::No);

    // Asked again after a No; a picked entry selects its line even below comment rows.
    dialogs.answers = {Answer::Yes};
    AnswerErrorLog(0);
    window->ChangePage(0);
    EXPECT_EQ(dialogs.Titles().count("Program Errors"), 2);
    EXPECT_EQ(window->ErrorLogState(), gui::ErrLogState::Yes);
    EXPECT_EQ(window->State().CurLine, 2);
    EXPECT_EQ(List()->currentRow(), 4);

    // "yes": the next page with problems opens the log without asking.
    AnswerErrorLog(-1);
    window->ChangePage(1);
    EXPECT_EQ(dialogs.Titles().count("Program Errors"), 2);
    EXPECT_EQ(window->ErrorLogState(), gui::ErrLogState::Cancel);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(MainWindowTest, ErrorLogListsTheProblemsOfThePage) {
    dialogs.answers = {Answer::Yes};
    bool checked = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() != "frmErrorForm")
                continue;
            auto* log = w->findChild<QListWidget*>(QStringLiteral("lstErrors"));
            EXPECT_FALSE(window->isEnabled());
            ASSERT_EQ(log->count(), 1);
            EXPECT_EQ(log->item(0)->text(), "Line 3:   Input is not installed. ");
            checked = true;
            w->close();
        }
    });
    Use(ProgramWithProblems());
    EXPECT_TRUE(checked);
}

// ----- menus, size, exit

struct MenuCase {
    const char* name;
    const char* caption;
    bool enabled;
};

TEST_F(MainWindowTest, MenuTreeCarriesItsNamesCaptionsAndEnabling) {
    const MenuCase items[] = {
        {"mnuFileNew", "&New Program", true},
        {"mnuFileOpen", "&Open Program...", true},
        {"mnuFileSave", "Save Program &As...", true},
        {"mnuFilePrint", "&Print", false},
        {"mnuFileExport", "E&xport to text file", true},
        {"mnuFileSend", "Send &to Zolt", false},
        {"mnuFileSendMCU", "Send progam to &MCU", false},
        {"mnuFileReadCtr", "Read &Counter data from CIM", false},
        {"mnuFileRun", "Run Pro&gram", false},
        {"mnuFileExit", "E&xit", true},
        {"mnuSetupIO", "&Add or Remove I/O Modules", false},
        {"mnuSetupRCP", "Setup Remote &Counter Panel", false},
        {"mnuSetupConnect", "C&onnect to Zolt", true},
        {"mnuSetupComm", "Change Com&m Port", true},
        {"mnuSetupReset", "Reset Comm &Port", true},
        {"mnuSetupCancel", "&Cancel Transfer", false},
        {"mnuHelpTour", "&Take Zolt Tour", false},
        {"mnuListEditPaste", "Paste", false},
        {"mnuListEditReplace", "Replace", false},
    };
    for (const MenuCase& item : items) {
        QAction* action = Find<QAction>(item.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), item.caption) << item.name;
        EXPECT_EQ(action->isEnabled(), item.enabled) << item.name;
    }
    EXPECT_EQ(Find<QMenu>("mnuListEdit")->actions().size(), 5);  // with its separator

    window->UpdateLinkMenus(comm::CommStateWord::Mcu);
    EXPECT_TRUE(Find<QAction>("mnuFileSendMCU")->isEnabled());
    EXPECT_TRUE(Find<QAction>("mnuFileRun")->isEnabled());
    EXPECT_FALSE(Find<QAction>("mnuFileSendPP")->isEnabled());
    window->UpdateLinkMenus(comm::CommStateWord::Cim);
    EXPECT_TRUE(Find<QAction>("mnuFileReadTmr")->isEnabled());
    EXPECT_FALSE(Find<QAction>("mnuFileRun")->isEnabled());
    // A unit's items come with its identification, before its speed set-up is done.
    window->UpdateLinkMenus(comm::CommStateWord::PpX);
    EXPECT_TRUE(Find<QAction>("mnuFileSendPP")->isEnabled());
    EXPECT_FALSE(Find<QAction>("mnuFileReadTmr")->isEnabled());
    // While the MCU runs its program only Reset is left; windows not built stay disabled.
    window->UpdateLinkMenus(comm::CommStateWord::Run);
    EXPECT_FALSE(Find<QAction>("mnuFileNew")->isEnabled());
    EXPECT_FALSE(Find<QAction>("mnuSetupConnect")->isEnabled());
    EXPECT_TRUE(Find<QAction>("mnuSetupReset")->isEnabled());
    window->UpdateLinkMenus(comm::CommStateWord::None);
    EXPECT_FALSE(Find<QAction>("mnuFileSend")->isEnabled());
    EXPECT_TRUE(Find<QAction>("mnuFileOpen")->isEnabled());
    EXPECT_FALSE(Find<QAction>("mnuSetupIO")->isEnabled());
}

TEST_F(MainWindowTest, ConnectionStatusFitsItsLabel) {
    QLabel* mode = Find<QLabel>("lblMode");
    for (const char* text : {"Connected to MCU", "High Speed Error", "Connecting ..."})
        EXPECT_GE(mode->width(), mode->fontMetrics().horizontalAdvance(QString(text))) << text;
    EXPECT_LE(mode->geometry().right(), window->centralWidget()->width());
}

TEST_F(MainWindowTest, ControlsCarryTheirCaptionsAndTips) {
    EXPECT_EQ(Find<QPushButton>("cmdInsLine")->toolTip(), "Insert a Line");
    EXPECT_EQ(Find<QPushButton>("cmdDelLine")->text(), "Delete");
    EXPECT_EQ(Find<QPushButton>("cmdAcceptChg")->toolTip(), "Accept Changes");
    EXPECT_EQ(Find<QPushButton>("cmdCancelChg")->toolTip(), "Cancel Changes");
    EXPECT_EQ(Find<QLabel>("lblLineNum")->text(), "Line #      Function Data");
    EXPECT_EQ(Find<QLineEdit>("txtPageName")->toolTip(), "Name or comments for this page.");
    EXPECT_EQ(Comment()->toolTip(), "Comments for this line.");
    EXPECT_FALSE(Find<QWidget>("prgXFerStat")->isVisible());
}

TEST_F(MainWindowTest, ResizeBelowTheMinimumSnapsBack) {
    window->resize(300, 200);
    QApplication::processEvents();
    EXPECT_GE(window->frameGeometry().width(), 535);
    EXPECT_GE(window->frameGeometry().height(), 538);
    window->resize(1000, 700);
    QApplication::processEvents();
    const int inner = window->centralWidget()->width();
    EXPECT_EQ(List()->width(), (inner * 15 - 465) / 15);
    EXPECT_EQ(Find<QLineEdit>("txtPageName")->width(), (inner * 15 - 1545) / 15);
}

TEST_F(MainWindowTest, ExitWithCancelKeepsRunningAndClosingOffersNoCancel) {
    int exits = 0;
    QObject::connect(window.get(), &gui::MainWindow::exitRequested, [&] { ++exits; });
    program.PgmChanged = true;
    dialogs.answers = {Answer::Cancel};
    Trigger("mnuFileExit");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(exits, 0);

    dialogs.answers = {Answer::No};
    window->close();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].Buttons, gui::MessageButtons::YesNo);
    EXPECT_EQ(dialogs.shown[1].Title, "Save Changes");
    EXPECT_EQ(exits, 1);
}

TEST_F(MainWindowTest, CtrlNStartsANewProgram) {
    program.PgmData[0].Code = {9, 0, 1, 0};
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(program.PgmData[0].F(), 12);
}

}  // namespace
