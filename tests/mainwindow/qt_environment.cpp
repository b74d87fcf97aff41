// One QApplication for the whole test program, offscreen unless the caller
// chose a platform. The program runs in a folder of its own, where the
// session keeps its boot counter, and reads no registry file of the user's.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        char folder[] = "/tmp/vnmainwindow-test-XXXXXX";
        if (mkdtemp(folder)) {
            folder_ = folder;
            std::filesystem::current_path(folder_);
        }
        setenv("VN_REGISTRY_FILE", (folder_ + "/no-registry.ini").c_str(), 1);
        static int argc = 1;
        static char name[] = "test_mainwindow";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override
    {
        app_.reset();
        if (!folder_.empty()) {
            std::error_code error;
            std::filesystem::current_path("/tmp", error);
            std::filesystem::remove_all(folder_, error);
        }
    }

private:
    std::unique_ptr<QApplication> app_;
    std::string folder_;
};

[[maybe_unused]] const auto* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
