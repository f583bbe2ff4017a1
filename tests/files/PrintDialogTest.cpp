// The print dialog driven by its control names: what its boxes take and refuse, and which
// sections it offers. The limits themselves are the core's.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "files/qt/PrintDialog.h"
#include "tests/support/DialogDriving.h"
#include "tests/support/QtTestApp.h"

namespace {

TEST(PrintDialog, BoxesRefuseWhatTheyCannotHoldAndOkTakesTheJob) {
    files::PrintJob job;
    job.Sections.fill(true);
    std::array<bool, files::kPrintSectionCount> available;
    available.fill(true);
    available[files::kCounterSection] = false;
    QStringList errors;
    files::PrintDialog dialog(job, available, {"Office", files::kPdfPrinter},
                              [&](QWidget*, const QString& message) { errors << message; });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* counters = testsupport::IndexedChild<QCheckBox>(&dialog, "chkPrnPage", 8);
    EXPECT_FALSE(counters->isEnabled() || counters->isChecked());
    EXPECT_EQ(dialog.findChild<QComboBox*>("cboPrinters")->currentText(), "PDF file");

    auto* lines = dialog.findChild<QLineEdit*>("txtPrnLines");
    lines->selectAll();
    QTest::keyClicks(lines, "2.5x");
    EXPECT_EQ(lines->text(), "25");
    auto* left = dialog.findChild<QLineEdit*>("txtLeftMargin");
    left->setFocus();
    left->selectAll();
    QTest::keyClicks(left, "0.05");
    lines->setFocus();
    EXPECT_EQ(errors, QStringList{"Left margin must be at least 0.1 inches"});
    EXPECT_EQ(QApplication::focusWidget(), left);
    QCoreApplication::processEvents();
    QTest::keyClick(left, Qt::Key_Backspace);
    QTest::keyClicks(left, "0.1");
    testsupport::IndexedChild<QCheckBox>(&dialog, "chkPrnPage", 0)->click();
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdPrnOK"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(job.LeftInches, 0.1);
    EXPECT_EQ(job.LinesPerSheet, 25);
    EXPECT_FALSE(job.Sections[0] || job.Sections[files::kCounterSection]);
    EXPECT_EQ(errors.size(), 1);
}

}  // namespace
