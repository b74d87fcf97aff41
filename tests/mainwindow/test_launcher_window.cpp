// The main window starting sibling modules: what is started, and what the
// status bar says about the host and about a start that failed.
#include "VnProcess.h"
#include "VnStatusOutput.h"
#include "test_deviceview_support.h"

using namespace deviceviewtest;

namespace {

using Launcher = MainWindowTest;

TEST_F(Launcher, StartsTheModuleForTheSameAgent)
{
    TMainForm& form = Start({"/I127.0.0.1", "/Rqorvel", "/Wtamisko"});
    std::string program;
    std::vector<std::string> arguments;
    VnScopedProcessStarter starter([&](const std::string& p, const std::vector<std::string>& a) {
        program = p;
        arguments = a;
        return true;
    });
    form.RunEmsModule("/TRmon_Statistics");
    EXPECT_EQ(program, "Rmon");
    EXPECT_EQ(arguments, (std::vector<std::string>{"/I127.0.0.1", "/Rqorvel", "/Wtamisko",
                                                   "/TRmon_Statistics"}));
    EXPECT_EQ(form.StatusPanel0()->text(), "No Path!") << "this registry names no host";
}

TEST_F(Launcher, AModuleThatCannotStartIsReported)
{
    TMainForm& form = Start();
    VnScopedProcessStarter starter([](const std::string&, const std::vector<std::string>&) { return false; });
    form.RunEmsModule("/TLayer3_OSPF");
    EXPECT_EQ(form.StatusPanel0()->text(), "Can not start module: Layer3");
}

} // namespace
