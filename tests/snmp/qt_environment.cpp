// One QCoreApplication for the whole test program: the SNMP layer's
// timers and socket notifiers need an event dispatcher.
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class CoreAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (QCoreApplication::instance())
            return;
        static int argc = 1;
        static char name[] = "test_snmp";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QCoreApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QCoreApplication> app_;
};

[[maybe_unused]] const auto* const kCoreAppEnvironment =
    ::testing::AddGlobalTestEnvironment(new CoreAppEnvironment);

}  // namespace
