// Start-up of the main window: without parameters, with a bad settings
// file, and the settings it leaves for every later request.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <functional>

#include "TForm1.h"
#include "VnSNMPDefaults.h"
#include "VnStatusOutput.h"
#include "VnTargetSettings.h"
#include "test_deviceview_support.h"

using namespace deviceviewtest;

namespace {

using StartUp = MainWindowTest;

// Started without parameters: the registry names the settings folder.
class NoParameters : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        previousRegistry_ = std::string(std::getenv("VN_REGISTRY_FILE") ? std::getenv("VN_REGISTRY_FILE") : "");
        const std::string registry = folder_.Write(
            "registry.ini", "[SOFTWARE\\Varonet\\Orvix5.1\\MibFile]\nPath=" + folder_.Folder() + "\n");
        setenv("VN_REGISTRY_FILE", registry.c_str(), 1);
    }
};

TEST_F(NoParameters, SaysWhatIsNeededAndSendsNothing)
{
    bool windowShown = true;
    boxes_ = std::make_unique<VnMessageBoxCapture>(VnMsgAnswer::Ok);
    boxes_->SetOnShow([&](const VnMessageBoxArgs&) {
        windowShown = false;
        for (QWidget* widget : QApplication::topLevelWidgets())
            windowShown = windowShown || widget->isVisible();
    });
    form_ = std::make_unique<TMainForm>(std::vector<std::string>{});
    TMainForm& form = *form_;
    ASSERT_EQ(boxes_->Shown().size(), 1);
    const VnMessageBoxArgs& box = boxes_->Shown()[0];
    EXPECT_EQ(box.owner, nullptr) << "the box stands over no window";
    EXPECT_FALSE(windowShown) << "no window behind the box";
    // It says what the module needs, and where its settings files are read.
    const QStringList lines = box.text.split('\n');
    EXPECT_EQ(lines.value(0), "No parameter input.");
    EXPECT_TRUE(box.text.contains(VnProgramName() + " /I<address> /R<read community>\n")) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains("/W<write community> /v<version>\n")) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains("Under SNMPv3 also:\n    /t<port>")) << box.text.toStdString();
    EXPECT_EQ(lines.back().toStdString(), folder_.Folder()) << "where the settings files are read";

    EXPECT_TRUE(form.TerminateRequested());
    EXPECT_EQ(form.UnitRequest, nullptr) << "no walk was started";
    EXPECT_EQ(form.RmonStateRequest, nullptr);
    EXPECT_TRUE(form.UnitPanels.empty());
}

// The real box, as the user gets it: no window stands behind it, nor is it
// tied to one (a window manager would bring that one up, empty).
TEST_F(NoParameters, TheBoxStandsAlone)
{
    QString text;
    bool tied = true;
    QStringList behind;
    std::function<void()> look = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(0, look);
            return;
        }
        text = box->text();
        tied = box->parentWidget() || (box->windowHandle() && box->windowHandle()->transientParent());
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            if (window != box->windowHandle() && window->isVisible())
                behind << window->title();
        }
        if (const QString folder = qEnvironmentVariable("VN_SCREENSHOT_DIR"); !folder.isEmpty()) {
            EXPECT_TRUE(box->grab().save(folder + "/startup-no-parameter.png"));
        }
        box->button(QMessageBox::Ok)->click();
    };
    QTimer::singleShot(0, look);
    // The real box this time, not the tests' stand-in.
    const VnMessageBoxFn previous = VnSetMessageBoxHandler({});
    form_ = std::make_unique<TMainForm>(std::vector<std::string>{});
    VnSetMessageBoxHandler(previous);

    EXPECT_TRUE(text.startsWith("No parameter input")) << text.toStdString();
    EXPECT_FALSE(tied) << "the box has no parent window";
    EXPECT_TRUE(behind.isEmpty()) << behind.join(", ").toStdString();
    EXPECT_TRUE(form_->TerminateRequested());
}

// A settings file that stops start-up names the key and the file with the
// value: the value alone leaves the user to search every file for it.
TEST_F(StartUp, ASettingsFileThatStopsStartUpNamesTheKeyAndTheFile)
{
    struct Case {
        const char* why;
        std::string cfg;
        std::string message;
    };
    const std::string file = "\nFile: " + folder_.Folder() + "127.0.0.1.cfg";
    const std::string others = "SecurityModel=3\nAuthProtocol=0\nPrivProtocol=0\n";
    const Case cases[] = {
        {"no AgentPort", startuptest::CfgText("Version=1\n"), "'' is not a valid integer value\nKey: AgentPort" + file},
        {"a port with a slip of the finger", startuptest::CfgText("AgentPort=16x1\nVersion=1\n"),
         "'16x1' is not a valid integer value\nKey: AgentPort" + file},
        {"a version of no SNMP", startuptest::CfgText("AgentPort=161\nVersion=2\n"),
         "'2' is not an SNMP version: use 0 (SNMPv1), 1 (SNMPv2c) or 3 (SNMPv3)\nKey: Version" + file},
        {"a security level that is no number",
         startuptest::CfgText("AgentPort=161\nVersion=3\nSecurityLevel=two\n" + others),
         "'two' is not a valid integer value\nKey: SecurityLevel" + file},
        {"a privacy protocol out of range",
         startuptest::CfgText("AgentPort=161\nVersion=3\nSecurityModel=3\nSecurityLevel=0\nAuthProtocol=0\n"
                              "PrivProtocol=2147483647\n"),
         "'2147483647' is not a valid integer value\nKey: PrivProtocol" + file},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        try {
            Start({"/I127.0.0.1", "/Rqorvel"}, c.cfg);
            ADD_FAILURE() << "start-up went on";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        EXPECT_EQ(form_, nullptr) << "no window";
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
