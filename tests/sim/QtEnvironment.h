#pragma once
// QSerialPort wants an application object on the thread that uses it: one
// for the whole test program, made before the first test.

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <memory>

namespace kiv::test {

class QtApplication : public ::testing::Environment {
  public:
    void SetUp() override { app_ = std::make_unique<QCoreApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[8] = "kivtest";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> app_;
};

[[maybe_unused]] inline auto* const qtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

} // namespace kiv::test
