// The port setup dialog driven as a user drives it: picks, OK, Cancel, and the refusals.
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "link/DevicePorts.h"
#include "link/qt/CommSetupDialog.h"
#include "tests/support/QtTestApp.h"

namespace comm {
namespace {

class CommSetupTest : public ::testing::Test {
  protected:
    // Opens the dialog on current with ports 1 and 2 present, clicks the named options, then
    // the named button.
    int Run(CommChoice current, std::initializer_list<const char*> clicks, const char* button) {
        CommSetupDialog dialog(
            current, [](int n) { return n <= 2; },
            [this](const QString& text) { messages.push_back(text); });
        dialog.show();
        for (const char* option : clicks)
            dialog.findChild<QRadioButton*>(option)->click();
        dialog.findChild<QPushButton*>(button)->click();
        choice = dialog.Choice();
        return dialog.result();
    }
    std::vector<QString> messages;
    CommChoice choice;
};

TEST_F(CommSetupTest, AnUnavailablePortIsRefusedAndTheDialogStaysOpen) {
    EXPECT_EQ(Run({1, 1}, {"optCom3"}, "cmdCommOK"), QDialog::Rejected);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Comm Port 3 is not available");
}

TEST_F(CommSetupTest, LowSpeedWarnsOfSlowerRunningAndHighDoesNot) {
    EXPECT_EQ(Run({0, 1}, {"optCom2", "optCommSpeed0"}, "cmdCommOK"), QDialog::Accepted);
    EXPECT_EQ(choice.Port, 2);
    EXPECT_EQ(choice.Speed, 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Selecting lo speed may slow down\nprogram execution in the MCU.");

    messages.clear();
    EXPECT_EQ(Run({2, 0}, {"optCommSpeed1"}, "cmdCommOK"), QDialog::Accepted);
    EXPECT_EQ(choice.Speed, 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(CommSetupTest, NoneIsAlwaysAcceptedAndCancelChangesNothing) {
    EXPECT_EQ(Run({4, 1}, {"optCom0"}, "cmdCommOK"), QDialog::Accepted);
    EXPECT_EQ(choice.Port, 0);
    EXPECT_EQ(Run({4, 1}, {"optCom1", "optCommSpeed0"}, "cmdCommCancel"), QDialog::Rejected);
    EXPECT_TRUE(messages.empty());
}

TEST(PortAvailable, OnlyTerminalsThatOpen) {
    EXPECT_FALSE(PortAvailable(""));
    EXPECT_FALSE(PortAvailable("/dev/no-such-zolt-port"));
    EXPECT_FALSE(PortAvailable("/dev/null")) << "not a terminal";
}

}  // namespace
}  // namespace comm
