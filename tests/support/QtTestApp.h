// One Qt application for a whole test run of window code, on the offscreen display unless one
// is named: made before the first test and gone before the process exits, while Qt's own
// state still stands (so leak checks see Qt's font caches released).
#pragma once

#include <gtest/gtest.h>
#include <QApplication>

#include <memory>

namespace testsupport {

class QtTestApp : public ::testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[16] = "zolt-tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

// Include once per test program: registers the application with GoogleTest.
inline const ::testing::Environment* const kQtTestApp =
    ::testing::AddGlobalTestEnvironment(new QtTestApp);

}  // namespace testsupport
