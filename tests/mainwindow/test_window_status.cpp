// What the status line tells a user: a command's failure stays readable
// until the user's next command, although the LED polls write their lines
// every few seconds; and a stock agent without the switch's private MIB is
// said to have no stack unit, in every SNMP version.
#include <QMenu>
#include <QMenuBar>

#include <functional>

#include "VnProcess.h"
#include "VnStatusOutput.h"
#include "test_deviceview_support.h"

using namespace deviceviewtest;

namespace {

// Every panel polls once more; true when all have been answered.
bool PollAll(TMainForm& form)
{
    for (TPanelForm* panel : form.UnitPanels + form.ModulePanels)
        panel->LedBinder()->Poll();
    return RunUntil([&] {
        for (TPanelForm* panel : form.UnitPanels + form.ModulePanels) {
            if (panel->LedBinder()->Busy())
                return false;
        }
        return true;
    });
}

// The user opens the first menu of the menu bar and closes it again.
void OpenAMenu(TMainForm& form)
{
    QMenu* menu = form.MainMenu1->actions().first()->menu();
    ASSERT_NE(menu, nullptr);
    menu->popup(QPoint(10, 10));
    RunEvents(10);
    menu->hide();
}

using LastingStatus = MainWindowTest;

struct FailedCommand {
    const char* why;
    std::function<void(TMainForm&)> run;
    const char* startOfText;
};

TEST_F(LastingStatus, ACommandsFailureOutlivesTheLedPollsUntilTheNextCommand)
{
    TMainForm& form = Start();
    ASSERT_TRUE(WaitForLeds());
    VnScopedProcessStarter failing([](const std::string&, const std::vector<std::string>&) { return false; });
    const FailedCommand commands[] = {
        {"a sibling module that cannot start", [](TMainForm& f) { f.RunEmsModule("/TLayer3_OSPF"); },
         "Can not start module: Layer3"},
        {"a help file that cannot be opened", [](TMainForm& f) { f.OpenHelpFile(); },
         "Can not open help file: "},
    };
    for (const FailedCommand& c : commands) {
        SCOPED_TRACE(c.why);
        c.run(form);
        const QString text = form.StatusPanel0()->text();
        EXPECT_TRUE(text.startsWith(c.startOfText)) << text.toStdString();
        EXPECT_TRUE(form.StatusTextHeld());

        ASSERT_TRUE(PollAll(form));
        EXPECT_EQ(form.StatusPanel0()->text(), text) << "the polls did not overwrite it";

        OpenAMenu(form);
        EXPECT_FALSE(form.StatusTextHeld()) << "the user's next command has begun";
        ASSERT_TRUE(PollAll(form));
        EXPECT_TRUE(form.StatusPanel0()->text().contains("Led Status")) << "the polls write again";
    }
}

TEST_F(LastingStatus, PanelsBuiltWhileATextIsHeldDoNotOverwriteIt)
{
    TMainForm& form = Start();
    form.ShowLastingStatusText("held");
    form.RefreshDeviceView(false);  // its own walk's lines may replace the text
    form.ShowLastingStatusText("held");
    ASSERT_FALSE(form.UnitPanels.isEmpty());
    ASSERT_TRUE(WaitForLeds());
    ASSERT_TRUE(PollAll(form));
    EXPECT_EQ(form.StatusPanel0()->text(), "held");
    form.ReleaseStatusText();
    ASSERT_TRUE(PollAll(form));
    EXPECT_TRUE(form.StatusPanel0()->text().contains("Led Status"));
}

// ---- a stock agent

struct VersionCase {
    const char* name;
    std::string cfgLines;  // after AgentPort
};

class StockAgent : public MainWindowTest, public ::testing::WithParamInterface<VersionCase> {
protected:
    SimSwitchOptions switchOptions() const override
    {
        SimSwitchOptions options;
        options.defaultData = false;
        options.dataFiles = {SimSwitch::dataPath("hostile-stock-agent.sim")};
        return options;
    }
};

TEST_P(StockAgent, TheStatusLineSaysNoUnitWasFound)
{
    TMainForm& form = Start({"/I127.0.0.1", "/Rqorvel", "/Wtamisko"},
                            startuptest::CfgText("AgentPort=" + std::to_string(port()) + "\n" +
                                                 GetParam().cfgLines));
    EXPECT_TRUE(form.UnitPanels.isEmpty());
    EXPECT_EQ(form.StatusPanel0()->text(),
              "No stack unit found: the agent does not serve the switch's stack-unit table");
}

INSTANTIATE_TEST_SUITE_P(
    Versions, StockAgent,
    ::testing::Values(
        VersionCase{"v1", "Version=0\nSecurityModel=0\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n"},
        VersionCase{"v2c", "Version=1\nSecurityModel=0\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n"},
        VersionCase{"v3", "Version=3\nSecurityModel=3\nSecurityLevel=2\nSecurityName=md5des\n"
                          "AuthProtocol=1\nPrivProtocol=1\nAuthPassword=md5authpass\n"
                          "PrivPassword=desprivpass\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
