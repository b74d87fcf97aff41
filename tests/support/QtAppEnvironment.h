#pragma once
// One Qt application object for a whole test program, made before the first
// test and ended after the last; widget programs run offscreen unless the
// caller chose a platform. A program registers it once, e.g.
//     ::testing::AddGlobalTestEnvironment(new QtAppEnvironment<QApplication>("test_x"));
#include <QCoreApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <utility>

template <typename App>
class QtAppEnvironment : public ::testing::Environment {
public:
    explicit QtAppEnvironment(std::string programName) : name_(std::move(programName)) {}

    void SetUp() override
    {
        if (QCoreApplication::instance())
            return;
        if constexpr (!std::is_same_v<App, QCoreApplication>) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        argv_[0] = name_.data();
        app_ = std::make_unique<App>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    std::string name_;
    // The application keeps references to these for its lifetime.
    int argc_ = 1;
    char* argv_[2] = {nullptr, nullptr};
    std::unique_ptr<App> app_;
};
