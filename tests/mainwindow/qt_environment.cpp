// One QApplication for the whole test program. The program runs in a
// folder of its own, where the session keeps its boot counter, and reads
// no registry file of the user's.
#include "QtAppEnvironment.h"

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class MainWindowEnvironment : public QtAppEnvironment<QApplication> {
public:
    MainWindowEnvironment() : QtAppEnvironment<QApplication>("test_mainwindow") {}

    void SetUp() override
    {
        char folder[] = "/tmp/vnmainwindow-test-XXXXXX";
        if (mkdtemp(folder)) {
            folder_ = folder;
            std::filesystem::current_path(folder_);
        }
        setenv("VN_REGISTRY_FILE", (folder_ + "/no-registry.ini").c_str(), 1);
        QtAppEnvironment<QApplication>::SetUp();
    }
    void TearDown() override
    {
        QtAppEnvironment<QApplication>::TearDown();
        if (folder_.empty())
            return;
        std::error_code error;
        std::filesystem::current_path("/tmp", error);
        std::filesystem::remove_all(folder_, error);
    }

private:
    std::string folder_;
};

[[maybe_unused]] const auto* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new MainWindowEnvironment);

} // namespace
