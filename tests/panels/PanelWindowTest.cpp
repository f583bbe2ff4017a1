// The panel windows driven by their control names: where the focus starts, what leaving a value
// field and OK reach, and that the windows only show the editor's copy. The rules themselves are
// the panel editor's tests.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "panels/qt/PanelWindow.h"
#include "tests/support/DialogDriving.h"
#include "tests/support/QtTestApp.h"

namespace {

using panels::PanelOption;

class PanelWindowTest : public ::testing::Test {
  protected:
    void Open(const panels::PanelWindowLayout& layout, const model::PanelTables& tables) {
        editor = std::make_unique<panels::PanelEditor>(layout.Kind, tables);
        window = std::make_unique<panels::PanelWindow>(
            layout, *editor, [this](QWidget*, const QString& message) { errors << message; });
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // As the user's click or Tab does: the field's text is selected once the focus is in.
    static void FocusOn(QLineEdit* field) {
        field->setFocus();
        QCoreApplication::processEvents();
    }
    template <typename T>
    T* Find(const char* name) {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    std::unique_ptr<panels::PanelEditor> editor;
    std::unique_ptr<panels::PanelWindow> window;
    QStringList errors;
};

// The focus starts on Cancel. A time typed and left for the name field is checked (the high
// limit is still 0), the focus comes back; towards the low limit it passes and shows "0.00".
TEST_F(PanelWindowTest, TimerWindowChecksAValueFieldOnLeavingIt) {
    Open(panels::TimerWindowLayout(), model::DefaultPanelTables("Timer"));
    EXPECT_EQ(window->windowTitle(), " Zolt RTP Programmer");
    EXPECT_EQ(QApplication::focusWidget(), Find<QPushButton>("cmdTmrCancel"));
    QLineEdit* set = Find<QLineEdit>("txtTmrSet");
    FocusOn(set);
    QTest::keyClicks(set, "12.345");
    EXPECT_EQ(set->text(), "12.34");
    Find<QLineEdit>("txtTmrName")->setFocus();
    EXPECT_EQ(errors, QStringList{"High limit cannot be less than set time"});
    EXPECT_EQ(QApplication::focusWidget(), set);
    QTest::keyClick(set, Qt::Key_Tab);  // to the high limit: not compared
    EXPECT_EQ(set->text(), "12.34");

    testsupport::IndexedChild<QRadioButton>(window.get(), "optTmrNum", 4)->click();
    EXPECT_EQ(Find<QLineEdit>("txtTmrName")->text(), "Timer 5");
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(window->result(), QDialog::Rejected);
}

// OK with the focus in a value field runs its check first and stays open when it fails; the
// option boxes store into the copy; a name typed and confirmed without leaving is kept.
TEST_F(PanelWindowTest, CounterWindowOkChecksTheFocusedFieldFirst) {
    Open(panels::CounterWindowLayout(), model::DefaultPanelTables("Counter"));
    Find<QCheckBox>("chkCtrRemCtr")->click();
    EXPECT_TRUE(editor->Option(PanelOption::CountRemembered));
    QLineEdit* name = Find<QLineEdit>("txtCtrName");
    FocusOn(name);
    QTest::keyClicks(name, "Bottles");
    QLineEdit* set = Find<QLineEdit>("txtCtrSet");
    FocusOn(set);
    QTest::keyClicks(set, "1.5");
    EXPECT_EQ(set->text(), "15");
    emit Find<QPushButton>("cmdCtrOK")->clicked();
    EXPECT_EQ(errors, QStringList{"High limit cannot be less than set count"});
    EXPECT_TRUE(window->isVisible());

    set->selectAll();
    QTest::keyClick(set, Qt::Key_0);
    emit Find<QPushButton>("cmdCtrOK")->clicked();
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(editor->Tables().Data[0].Name, "Bottles");
}

}  // namespace
