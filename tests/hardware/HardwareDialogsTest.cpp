// The hardware dialogs driven by their control names as the user drives them: the typing the
// fields let through, the keys that choose and confirm, and what the I/O setup's pop-up reaches.
// What OK writes is the working copies' tests.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "hardware/qt/BiosRegisterDialog.h"
#include "hardware/qt/IONamesDialog.h"
#include "hardware/qt/IOSetupDialog.h"
#include "hardware/qt/InputSpeedDialog.h"
#include "model/NewProgram.h"
#include "model/Program.h"
#include "tests/support/DialogDriving.h"
#include "tests/support/QtTestApp.h"

namespace {

using testsupport::IndexedChild;

class HardwareDialogsTest : public ::testing::Test {
  protected:
    HardwareDialogsTest() { model::MakeNewProgram(program); }

    // Shows `dialog` as the active window and types `keys` into its field.
    static void TypeInto(QDialog& dialog, QLineEdit* field, const char* keys) {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QString::fromLatin1(keys));
    }

    model::Program program;
};

// A double quote and a ninth character are refused as they are typed, so are a letter and a
// fourth digit of a speed; Enter is OK and Escape Cancel.
TEST_F(HardwareDialogsTest, NameAndSpeedFieldsRefuseAsTheUserTypes) {
    hardware::BlockIONames names(program, 1);
    hardware::IONamesDialog namesDialog(names);
    EXPECT_EQ(IndexedChild<QLabel>(&namesDialog, "lblNameOut", 8)->text(), "18");
    QLineEdit* name = IndexedChild<QLineEdit>(&namesDialog, "txtNameOut", 1);
    TypeInto(namesDialog, name, "PU\"MP 12345");
    EXPECT_EQ(names.Name(1, model::kOutput), "PUMP 123");
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(namesDialog.result(), QDialog::Accepted);

    hardware::BlockInputSpeeds speeds(program, 0);
    hardware::InputSpeedDialog speedDialog(speeds);
    QLineEdit* speed = IndexedChild<QLineEdit>(&speedDialog, "txtSpdIn", 7);
    TypeInto(speedDialog, speed, "4x5-67");
    EXPECT_EQ(speeds.Text(7), "456");
    QTest::keyClick(speed, Qt::Key_Escape);
    EXPECT_EQ(speedDialog.result(), QDialog::Rejected);
}

// Page Up steps five registers, an arrow one; a byte field writes as it is typed and goes back
// to what it held when the number passes 255.
TEST_F(HardwareDialogsTest, BiosSliderStepsAndFieldsWriteAtOnce) {
    hardware::BiosRegisterEditor editor(program);
    hardware::BiosRegisterDialog dialog(editor);
    auto* slider = dialog.findChild<QSlider*>("sldBIOSReg");
    auto* number = dialog.findChild<QLabel*>("lblBIOS2");
    EXPECT_EQ(number->text(), "1");
    QTest::keyClick(slider, Qt::Key_PageUp);
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(number->text(), "7");
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(number->text(), "125");
    slider->setValue(20);
    QLineEdit* byteA = IndexedChild<QLineEdit>(&dialog, "txtBIOS", 0);
    TypeInto(dialog, byteA, "300");
    EXPECT_EQ(byteA->text(), "30");
    EXPECT_EQ(program.RegisterByte(20, 0), 30);
}

// The pop-up opens only on a fitted block's label; a trip to the speeds dialog leaves a count
// picked but not confirmed as it was, and names confirmed there are written even when the
// setup is cancelled.
TEST_F(HardwareDialogsTest, BlockPopupReachesTheNamesAndSpeedsOfAFittedBlockOnly) {
    hardware::IOSetup setup(program);
    hardware::IOSetupDialog dialog(setup, program, [](hardware::Module) { return true; });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* menu = dialog.findChild<QMenu*>("mnuIO");
    const auto rightClick = [&](int position) {
        QLabel* label = IndexedChild<QLabel>(&dialog, "lblBlockNum", position);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                label->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(label, &event);
    };
    rightClick(4);
    EXPECT_FALSE(menu->isVisible());

    IndexedChild<QCheckBox>(&dialog, "chkBlockInst", 4)->click();
    QComboBox* inputs = IndexedChild<QComboBox>(&dialog, "cboNumIn", 4);
    inputs->setCurrentIndex(5);
    emit inputs->activated(5);
    rightClick(0);
    ASSERT_TRUE(menu->isVisible());
    testsupport::WhenShown("frmInpSpeed", &dialog,
                           [](QWidget* speeds) { QTest::keyClick(speeds, Qt::Key_Escape); });
    menu->findChild<QAction*>("mnuIOSpeed")->trigger();
    EXPECT_EQ(inputs->currentText(), "5");
    EXPECT_EQ(setup.Block(4).Inputs, 5);

    rightClick(4);
    testsupport::WhenShown("frmIONames", &dialog, [](QWidget* names) {
        IndexedChild<QLineEdit>(names, "txtNameIn", 0)->setText("LEVEL");
        emit IndexedChild<QLineEdit>(names, "txtNameIn", 0)->textEdited("LEVEL");
        QTest::mouseClick(names->findChild<QPushButton*>("cmdIONameOK"), Qt::LeftButton);
    });
    menu->findChild<QAction*>("mnuIOName")->trigger();
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdIoSetupCan"), Qt::LeftButton);
    EXPECT_EQ(program.IOName[41][model::kInput], "LEVEL");
    EXPECT_EQ(program.RegisterByte(40, 0), 0);
    EXPECT_TRUE(program.PgmChanged);
}

}  // namespace
