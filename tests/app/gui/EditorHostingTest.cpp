// The function editor inside the main window: a line built through the toolbar and fields,
// accepted with Enter or OK and listed; End Page giving way; Cancel restoring the stored line.
#include <QComboBox>

#include "model/LineText.h"
#include "tests/app/gui/GuiFixture.h"
#include "tests/editor/PageBuilder.h"

namespace {

using testgui::MainWindowTest;

class EditorInWindow : public MainWindowTest {
  protected:
    QLineEdit* TimeBox() { return Find<QLineEdit>("txtTimeCount"); }
    void Type(QLineEdit* box, const char* keys) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::fromLatin1(keys));
    }
    void Choose(const char* list, const char* text) {
        auto* box = Find<QComboBox>(list);
        const int index = box->findText(QString::fromLatin1(text));
        ASSERT_GE(index, 0) << text;
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
};

TEST_F(EditorInWindow, LinesAreAppendedOneAfterAnotherOverEndPage) {
    ClickRow(0);
    Trigger("6a");
    Type(TimeBox(), "12.5");
    QTest::keyClick(TimeBox(), Qt::Key_Return);
    EXPECT_EQ(program.PgmData[0].Code, (std::array<int16_t, 4>{9, 0, 12, 50}));
    const std::string wait = model::DescribeLine(program, 0);
    EXPECT_EQ(Rows()[0].toStdString(), model::LineRowText(1, wait));
    EXPECT_EQ(Rows()[1], "     2          End Page");
    // Accepting moved on to the End Page that gave way.
    EXPECT_EQ(window->Session().State().CurLine, 1);
    EXPECT_EQ(program.RegisterByte(1, 0), 1);

    Trigger("4a");
    Choose("cboOutputList", "3");
    Press("cmdAcceptChg");
    EXPECT_EQ(Rows().size(), 3);
    EXPECT_EQ(Rows()[1].toStdString(), model::LineRowText(2, model::DescribeLine(program, 1)));
    EXPECT_EQ(program.PgmData[1].P1(), 0x03);
    EXPECT_EQ(window->Session().State().CurLine, 2);
    EXPECT_TRUE(program.PgmChanged);
}

TEST_F(EditorInWindow, EndPageInThePagesLastLineCannotGiveWay) {
    Use(testpage::ProgramWithLines(1, 74), 1);
    ClickRow(Rows().size() - 1);
    ASSERT_EQ(window->Session().State().CurLine, 74);
    Trigger("6a");
    Type(TimeBox(), "1");
    QTest::keyClick(TimeBox(), Qt::Key_Return);
    ASSERT_EQ(dialogs.Titles(), QStringList{"Insert Line"});
    EXPECT_EQ(dialogs.shown[0].Text, "Sorry, this page is full");
    EXPECT_EQ(program.PgmData[model::PageBase(1) + 74].F(), 12);
    EXPECT_EQ(window->Session().State().LineEdited, editor::LineEdit::Yes);
    Press("cmdCancelChg");
    EXPECT_EQ(window->Session().State().EditCode[0], 12);
    EXPECT_EQ(window->Session().State().LineEdited, editor::LineEdit::No);
}

TEST_F(EditorInWindow, CancelRestoresTheStoredLineEvenFromAValueOverItsLimit) {
    Use(testpage::ProgramWithLines(0, 3));
    ClickRow(2);
    Type(TimeBox(), "70000");
    QTest::mouseClick(Find<QPushButton>("cmdCancelChg"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(TimeBox()->text(), "2.00");
    EXPECT_EQ(window->Session().State().EditCode, (std::array<int32_t, 4>{9, 0, 2, 0}));
    EXPECT_EQ(window->Session().State().LineEdited, editor::LineEdit::No);
    EXPECT_EQ(program.PgmData[1].P2(), 2);
}

TEST_F(EditorInWindow, EnterOnAValueOverItsLimitReportsAndStoresNothing) {
    ClickRow(0);
    Trigger("6a");
    Type(TimeBox(), "60000");
    QTest::keyClick(TimeBox(), Qt::Key_Return);
    ASSERT_EQ(dialogs.Titles(), QStringList{"Error"});
    EXPECT_EQ(dialogs.shown[0].Text, "Time cannot exceed 59999.99");
    EXPECT_EQ(program.PgmData[0].F(), 12);
}

TEST_F(EditorInWindow, OkRefusesAValueOverItsLimitWithOneMessage) {
    ClickRow(0);
    Trigger("6a");
    Type(TimeBox(), "60000");
    Press("cmdAcceptChg");
    EXPECT_EQ(dialogs.Titles(), QStringList{"Error"});
    EXPECT_EQ(program.PgmData[0].F(), 12);
    EXPECT_TRUE(TimeBox()->hasFocus());
    Type(TimeBox(), "600");
    Press("cmdAcceptChg");
    EXPECT_EQ(dialogs.Titles(), QStringList{"Error"});
    EXPECT_EQ(program.PgmData[0].F(), 9);
}

}  // namespace
