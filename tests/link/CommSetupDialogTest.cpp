// The port setup dialog driven as a user drives it: picks, OK, Cancel, and the refusals.
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include <cerrno>

#include <gtest/gtest.h>

#include "link/qt/CommSetupDialog.h"
#include "tests/support/QtTestApp.h"

namespace comm {
namespace {

// The dialog opens on a choice with ports 1 and 2 present; the options are clicked, then the
// button. A refused port keeps the dialog open; None is always accepted.
TEST(CommSetupDialog, RefusesAnUnavailablePortWarnsOfLowSpeedAndCancelChangesNothing) {
    const QString lowSpeed = "Selecting lo speed may slow down\nprogram execution in the MCU.";
    const struct {
        CommChoice current;
        std::vector<const char*> clicks;
        const char* button;
        CommChoice accepted;  // Port -1: not accepted
        QString message;
    } rows[] = {
        {{1, 1, {}}, {"optCom3"}, "cmdCommOK", {-1, 0, {}}, "Comm Port 3 is not available"},
        {{0, 1, {}}, {"optCom2", "optCommSpeed0"}, "cmdCommOK", {2, 0, {}}, lowSpeed},
        {{2, 0, {}}, {"optCommSpeed1"}, "cmdCommOK", {2, 1, {}}, ""},
        {{4, 1, {}}, {"optCom0"}, "cmdCommOK", {0, 1, {}}, ""},
        {{4, 1, {}}, {"optCom1", "optCommSpeed0"}, "cmdCommCancel", {-1, 0, {}}, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.clicks) + row.button);
        std::vector<QString> messages;
        CommSetupDialog dialog(
            row.current, {},
            [](const CommChoice& pending) {
                return CheckOf("", pending.Port <= 2 ? 0 : ENOENT, "");
            },
            [&messages](const QString& text) { messages.push_back(text); });
        dialog.show();
        for (const char* option : row.clicks)
            dialog.findChild<QRadioButton*>(option)->click();
        dialog.findChild<QPushButton*>(row.button)->click();
        const bool accepted = row.accepted.Port >= 0;
        EXPECT_EQ(dialog.result(), accepted ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(dialog.isVisible(), !row.message.isEmpty() && !accepted);
        EXPECT_EQ(messages.size(), row.message.isEmpty() ? 0u : 1u);
        EXPECT_TRUE(messages.empty() || messages[0] == row.message);
        EXPECT_TRUE(!accepted || (dialog.Choice().Port == row.accepted.Port &&
                                  dialog.Choice().Speed == row.accepted.Speed));
    }
}

// The list beside Com 2 shows what each entry is; the entry picked is the device OK tests and
// the setting it keeps, and one in use is refused saying so.
TEST(CommSetupDialog, TestsAndKeepsTheDevicePickedBesideTheComPort) {
    std::array<PortChoices, 4> lists;
    lists[1] = {{{"Automatic: nothing there", ""},
                 {"ttyUSB0 — FT232R USB UART (FTDI)", "/dev/ttyUSB0"},
                 {"pts/3", "/dev/pts/3"}},
                0};
    const std::string inUse = CheckOf("/dev/pts/3", EBUSY, "").Advice;
    std::vector<QString> messages;
    CommSetupDialog dialog(
        {2, 1, {}}, lists,
        [](const CommChoice& c) {
            return CheckOf(c.Devices[1], c.Devices[1] == "/dev/pts/3" ? EBUSY : 0, "");
        },
        [&messages](const QString& text) { messages.push_back(text); });
    dialog.show();
    auto* device = dialog.findChild<QComboBox*>("cboComDevice2");
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->itemText(1), QString::fromUtf8("ttyUSB0 — FT232R USB UART (FTDI)"));
    for (int entry : {2, 1}) {
        device->setCurrentIndex(entry);
        dialog.findChild<QPushButton*>("cmdCommOK")->click();
    }
    EXPECT_EQ(messages, std::vector<QString>{QString::fromStdString(inUse)});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Choice().Devices[1], "/dev/ttyUSB0");
}

}  // namespace
}  // namespace comm
