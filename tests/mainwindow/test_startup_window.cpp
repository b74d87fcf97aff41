// Start-up of the main window: without parameters, with a bad settings
// file, and the settings it leaves for every later request.
#include <QLabel>

#include "TForm1.h"
#include "VnSNMPDefaults.h"
#include "VnStatusOutput.h"
#include "VnTargetSettings.h"
#include "test_deviceview_support.h"

using namespace deviceviewtest;

namespace {

using StartUp = MainWindowTest;

TEST_F(StartUp, WithoutParametersSaysSoAndSendsNothing)
{
    TMainForm& form = Start({});
    ASSERT_EQ(boxes_->Texts().size(), 1);
    EXPECT_EQ(boxes_->Texts()[0], "No parameter input");
    EXPECT_TRUE(form.TerminateRequested());
    EXPECT_EQ(form.UnitRequest, nullptr) << "no walk was started";
    EXPECT_EQ(form.RmonStateRequest, nullptr);
    EXPECT_TRUE(form.UnitPanels.empty());
}

TEST_F(StartUp, ASettingsFileWithoutAgentPortStopsStartUp)
{
    try {
        Start({"/I127.0.0.1", "/Rqorvel"}, startuptest::CfgText("Version=1\n"));
        ADD_FAILURE() << "start-up went on";
    } catch (const VnConversionError& e) {
        EXPECT_EQ(std::string(e.what()), "'' is not a valid integer value");
    }
}

TEST_F(StartUp, LeavesTheTargetSettingsForEveryRequest)
{
    TMainForm& form = Start({"/I127.0.0.1", "/Rqorvel", "/Wtamisko"},
                            startuptest::FullCfg(port(), 1, "SecurityName=shades\n"));
    EXPECT_EQ(form.AgentAddress, "127.0.0.1");
    EXPECT_EQ(form.ReadCommunity, "qorvel");
    EXPECT_EQ(form.WriteCommunity, "tamisko");
    EXPECT_EQ(form.VersionText, "1");
    EXPECT_TRUE(CfgFileFound);
    EXPECT_EQ(VnDefaultDevice.address, "127.0.0.1");
    EXPECT_EQ(VnDefaultDevice.port, port());
    EXPECT_EQ(VnDefaultSecurity.version, 1);
    EXPECT_EQ(VnDefaultSecurity.securityName, "shades");
    EXPECT_EQ(form.SettingsFolder, folder_.Folder());
    EXPECT_EQ(form.ModelNames[4], "RQ-4024S*");
    EXPECT_EQ(form.ModelNames[12], "RQ-6026S");
    EXPECT_EQ(form.FontScale, form.LargeFonts ? 1.25f : 1.0f);
}

TEST_F(StartUp, Version3FromTheSettingsFileReachesTheSwitch)
{
    const std::string cfg = startuptest::CfgText(
        "AgentPort=" + std::to_string(port()) +
        "\nVersion=3\nSecurityModel=3\nSecurityLevel=2\nSecurityName=md5des\n"
        "AuthProtocol=1\nPrivProtocol=1\nAuthPassword=md5authpass\nPrivPassword=desprivpass\n");
    TMainForm& form = Start({"/I127.0.0.1", "/Rnone"}, cfg);
    EXPECT_EQ(VnDefaultSecurity.securityLevel, 3);
    EXPECT_EQ(VnDefaultSecurity.authProtocol, 2);
    EXPECT_EQ(VnDefaultSecurity.privProtocol, 2);
    EXPECT_EQ(form.UnitPanels.size(), 2) << "the walk went through as md5des";
}

TEST(AuxiliaryForm, FlagsStartSettled)
{
    TForm1 form;
    EXPECT_TRUE(form.idle);
    EXPECT_TRUE(form.done);
    form.idle = false;
    form.done = false;
    form.RequestDone();
    EXPECT_TRUE(form.idle);
    EXPECT_TRUE(form.done);
}

} // namespace
