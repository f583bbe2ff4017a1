// The line commands in the window: Insert and Delete, the list's pop-up menu and keys over the
// rows the user selected, and OK, Enter and Cancel of the line in the function editor.
#include <QMenu>

#include "tests/app/gui/GuiFixture.h"
#include "tests/editor/PageBuilder.h"

namespace {

using gui::Answer;
using testgui::RowOf;
using testsupport::WhenShown;

class LineCommands : public testgui::MainWindowTest {
  protected:
    // Selects the rows of lines first..last, comment rows included, by click and shift-click.
    void SelectLines(int first, int last) {
        ClickRow(RowOf(first));
        ClickRow(RowOf(last) + 1, Qt::ShiftModifier);
    }
    void CtrlKey(Qt::Key key) { QTest::keyClick(List(), key, Qt::ControlModifier); }
    std::string Page() { return testpage::Lines(program, 0); }
    QLineEdit* TimeBox() { return Find<QLineEdit>("txtTimeCount"); }
    void Type(QLineEdit* box, const char* keys) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(keys));
    }
};

TEST_F(LineCommands, DeleteAsksFirstAndInsertAddsABlankLine) {
    Use(testpage::ProgramWithLines(0, 3));
    ClickRow(RowOf(2));
    dialogs.answers = {Answer::No, Answer::Yes};
    Press("cmdDelLine");
    EXPECT_EQ(Page(), "L1 L2 L3 END");
    Press("cmdDelLine");
    EXPECT_EQ(Page(), "L1 L3 END");
    EXPECT_EQ(dialogs.titles, (QStringList{"Delete Line", "Delete Line"}));
    EXPECT_EQ(dialogs.buttons[0], gui::MessageButtons::YesNo);
    Press("cmdInsLine");
    EXPECT_EQ(Page(), "L1 _ L3 END");
    ClickRow(List()->count() - 1);
    Press("cmdDelLine");
    EXPECT_EQ(dialogs.texts.back(), "Cannot delete End Page");
}

// The keys are the shortcuts of the pop-up menu's own items.
TEST_F(LineCommands, PopupMenuAndKeysWorkOnTheSelectedRows) {
    Use(testpage::ProgramWithLines(0, 6));
    EXPECT_FALSE(Find<QAction>("mnuListEditPaste")->isEnabled());
    SelectLines(3, 4);
    CtrlKey(Qt::Key_C);
    ClickRow(RowOf(2));
    CtrlKey(Qt::Key_V);
    EXPECT_EQ(Page(), "L1 L3 L4 L2 L3 L4 L5 L6 END");
    SelectLines(1, 1);
    CtrlKey(Qt::Key_X);
    EXPECT_EQ(Page(), "L3 L4 L2 L3 L4 L5 L6 END");
    SelectLines(6, 7);
    Trigger("mnuListEditReplace");
    EXPECT_EQ(Page(), "L3 L4 L2 L3 L4 L1 END");
}

// OK with a value over its limit shows one message and leaves the focus in the box; Cancel
// loads the stored line again; Enter accepts and moves on to the End Page that gave way.
TEST_F(LineCommands, OkRefusesAValueOverItsLimitCancelRestoresAndEnterAccepts) {
    ClickRow(0);
    Trigger("6a");
    Type(TimeBox(), "60000");
    Press("cmdAcceptChg");
    EXPECT_EQ(dialogs.titles, QStringList{"Error"});
    EXPECT_TRUE(TimeBox()->hasFocus());
    Press("cmdCancelChg");
    EXPECT_EQ(dialogs.texts.size(), 1u);
    EXPECT_EQ(State().EditCode[0], 12);
    Trigger("6a");
    Type(TimeBox(), "12.5");
    QTest::keyClick(TimeBox(), Qt::Key_Return);
    EXPECT_EQ(program.PgmData[0].Code, (std::array<int16_t, 4>{9, 0, 12, 50}));
    EXPECT_EQ(List()->currentRow(), 1);
}

// The Edit menu names the step it undoes; undoing back to the program as opened clears the
// changed flag, and redo brings the step back.
TEST_F(LineCommands, UndoAndRedoFromTheEditMenuNameTheStep) {
    Use(testpage::ProgramWithLines(0, 3));
    ClickRow(RowOf(2));
    Press("cmdInsLine");
    QAction* undo = Find<QAction>("mnuEditUndo");
    EXPECT_EQ(undo->text(), "&Undo Insert Line 2 on Page A");
    undo->trigger();
    EXPECT_EQ(Page(), "L1 L2 L3 END");
    EXPECT_FALSE(program.PgmChanged);
    EXPECT_FALSE(undo->isEnabled());
    Trigger("mnuEditRedo");
    EXPECT_EQ(Page(), "L1 _ L2 L3 END");
    EXPECT_TRUE(program.PgmChanged);
}

// A right-click on a line offers what it uses; the list of lines using it shows the one picked.
TEST_F(LineCommands, WhereUsedFromARightClickShowsThePickedLine) {
    model::Program program2 = testpage::ProgramWithLines(0, 3);
    program2.PgmData[0].Code = {255, 0x02, 0, 0};  // Turn ON Output 2
    program2.PgmData[2].Code = {254, 0x02, 0, 0};  // Turn OFF Output 2
    program2.IOName[2][model::kOutput] = "PUMP";
    Use(program2);
    const QRect first = List()->visualItemRect(List()->item(RowOf(1)));
    emit List()->customContextMenuRequested(first.center());
    const QList<QAction*> offered = Find<QMenu>("mnuListEditWhereUsed")->actions();
    Find<QMenu>("mnuListEdit")->close();
    ASSERT_EQ(offered.size(), 1);
    EXPECT_EQ(offered[0]->text(), "Output 2 (PUMP)");
    WhenShown("frmWhereUsed", window.get(), [](QWidget* uses) {
        auto* list = uses->findChild<QListWidget*>("lstWhereUsed");
        ASSERT_EQ(list->count(), 2);
        list->setCurrentRow(1);
        emit list->itemActivated(list->item(1));
    });
    offered[0]->trigger();
    EXPECT_EQ(State().CurLine, 2);
}

}  // namespace
