// Start-up against an agent that never answers: the window is painted
// before the stack walk blocks it, and the failure says what was asked,
// what happened and where the settings come from.
#include <QEvent>
#include <QLabel>
#include <QScrollArea>

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "test_deviceview_support.h"

using namespace deviceviewtest;

namespace {

// A UDP port on 127.0.0.1 that receives and never answers.
class SilentPort {
public:
    SilentPort()
    {
        fd_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        port_ = ntohs(address.sin_port);
    }
    ~SilentPort()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    SilentPort(const SilentPort&) = delete;
    SilentPort& operator=(const SilentPort&) = delete;
    int port() const { return port_; }

private:
    int fd_ = -1;
    int port_ = 0;
};

// What the window showed when it was first painted.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(TMainForm& form) : form_(form) { form.installEventFilter(this); }
    bool seen = false;
    bool walkStarted = false;
    QString status;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &form_ && event->type() == QEvent::Paint && !seen) {
            seen = true;
            walkStarted = form_.UnitRequest != nullptr;
            status = form_.StatusPanel0()->text();
        }
        return false;
    }

private:
    TMainForm& form_;
};

class SilentAgent : public MainWindowTest {
protected:
    // The settings file (when `cfg` is given) names what the test wants;
    // by default the silent port, SNMPv2c. Without `cfg` the registry names
    // no settings folder: the module looks in the current folder.
    TMainForm& StartSilent(VnFirstBuild firstBuild,
                           std::vector<std::string> parameters = {"/I127.0.0.1", "/Rqorvel"},
                           std::optional<std::string> cfg = std::string())
    {
        EXPECT_GT(silent_.port(), 0);
        const std::string registry = folder_.Write(
            "registry.ini",
            cfg ? "[SOFTWARE\\Varonet\\Orvix5.1\\MibFile]\nPath=" + folder_.Folder() + "\n" : std::string());
        if (!previousRegistry_)
            previousRegistry_ = std::string(std::getenv("VN_REGISTRY_FILE") ? std::getenv("VN_REGISTRY_FILE") : "");
        setenv("VN_REGISTRY_FILE", registry.c_str(), 1);
        if (cfg)
            folder_.Write("127.0.0.1.cfg", cfg->empty() ? startuptest::FullCfg(silent_.port(), 1) : *cfg);
        boxes_ = std::make_unique<VnMessageBoxCapture>(VnMsgAnswer::Ok);
        form_ = std::make_unique<TMainForm>(std::move(parameters), nullptr, firstBuild);
        form_->SetConfirmClose(false);
        return *form_;
    }

    QString Expected() const
    {
        return QStringLiteral("Get Unit Information Failed: asked 127.0.0.1 port %1 (SNMPv2c, read community "
                              "\"qorvel\"): no answer within the time-out")
            .arg(silent_.port());
    }

    SilentPort silent_;
};

TEST_F(SilentAgent, TheFailureSaysWhatWasAskedAndWhereToLook)
{
    TMainForm& form = StartSilent(VnFirstBuild::InConstructor);
    EXPECT_EQ(form.StatusPanel0()->text(), Expected()) << "the status line keeps the failure's own words first";
    EXPECT_TRUE(form.UnitPanels.empty());

    const QStringList lines = form.BuildNotice().split('\n');
    ASSERT_EQ(lines.size(), 4) << form.BuildNotice().toStdString();
    EXPECT_EQ(lines[0], Expected());
    EXPECT_EQ(lines[1], "A wrong read community gets no answer either: does the agent take \"qorvel\"?");
    EXPECT_EQ(lines[2], QString::fromStdString("The agent's port and SNMP version come from " + folder_.Folder() +
                                               "127.0.0.1.cfg."));
    // Refresh Panel asks the same target again: it does not read the file.
    EXPECT_EQ(lines[3], "Check the agent, then choose Basic Configuration > Refresh Panel to ask it again; a "
                        "changed settings file takes effect when the module is started again.");

    // The panel area says it in full where the panels would be.
    form.show();
    auto* note = form.findChild<QLabel*>("EmptyViewNote");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), form.BuildNotice());
    EXPECT_GE(form.ScrollBox1->viewport()->height(), note->height()) << "the whole note is in view";
}

TEST_F(SilentAgent, ASettingsFileThatWasNotReadIsSaidSo)
{
    TMainForm& form = StartSilent(VnFirstBuild::InConstructor);
    CfgFileFound = false;  // as start-up leaves it when no parameter follows /I
    form.RefreshDeviceView(false);
    EXPECT_EQ(form.BuildNotice().split('\n').value(2).toStdString(),
              folder_.Folder() + "127.0.0.1.cfg was not read: it is read before each parameter after /I, and "
                                 "none followed.");
}

// What was asked with: the read community under v1 and v2c, where a wrong
// one gets no answer at all; the user under v3. Never a password.
struct CredentialCase {
    const char* name;
    const char* cfgLines;  // after AgentPort; null: no settings file
    std::vector<std::string> parameters;
    const char* asked;     // after "port N (" on the first line
    const char* cause;     // the second line; null: none

    friend void PrintTo(const CredentialCase& c, std::ostream* os) { *os << c.name; }
};

class SilentCredentials : public SilentAgent, public ::testing::WithParamInterface<CredentialCase> {};

TEST_P(SilentCredentials, TheFailureNamesTheCredentialButNoPassword)
{
    const CredentialCase& c = GetParam();
    std::vector<std::string> parameters = c.parameters;
    if (!c.cfgLines)
        parameters.push_back("/t" + std::to_string(silent_.port()));  // honoured under /v3
    const std::optional<std::string> cfg =
        c.cfgLines ? std::optional<std::string>(startuptest::CfgText("AgentPort=" + std::to_string(silent_.port()) +
                                                                     "\n" + c.cfgLines))
                   : std::nullopt;
    TMainForm& form = StartSilent(VnFirstBuild::InConstructor, parameters, cfg);

    const std::string first = "Get Unit Information Failed: asked 127.0.0.1 port " + std::to_string(silent_.port()) +
                              " (" + c.asked + "): no answer within the time-out";
    EXPECT_EQ(form.StatusPanel0()->text().toStdString(), first);
    const QStringList lines = form.BuildNotice().split('\n');
    ASSERT_EQ(lines.size(), c.cause ? 4 : 3) << form.BuildNotice().toStdString();
    EXPECT_EQ(lines[0].toStdString(), first);
    if (c.cause) {
        EXPECT_EQ(lines[1].toStdString(), c.cause);
    }
    if (!c.cfgLines) {
        // Where it looked, in full, though the registry named no folder.
        const std::string looked = (std::filesystem::current_path() / "127.0.0.1.cfg").string();
        EXPECT_EQ(lines[1].toStdString(), "No settings file found at " + looked +
                                              ": the port and SNMP version are the command line's or the "
                                              "defaults.");
    }
    for (const char* password : {"md5authpass", "desprivpass"}) {
        EXPECT_FALSE(form.BuildNotice().contains(password));
        EXPECT_FALSE(form.StatusPanel0()->text().contains(password));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Versions, SilentCredentials,
    ::testing::Values(
        CredentialCase{"V1", "Version=0\nSecurityModel=3\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n",
                       {"/I127.0.0.1", "/Rpublic1"}, "SNMPv1, read community \"public1\"",
                       "A wrong read community gets no answer either: does the agent take \"public1\"?"},
        CredentialCase{"V3FromTheFile",
                       "Version=3\nSecurityModel=3\nSecurityLevel=2\nSecurityName=md5des\nAuthProtocol=1\n"
                       "PrivProtocol=1\nAuthPassword=md5authpass\nPrivPassword=desprivpass\n",
                       {"/I127.0.0.1", "/Rqorvel"}, "SNMPv3, user \"md5des\"",
                       "A wrong privacy password gets no answer either: are the passwords of user \"md5des\" "
                       "right?"},
        CredentialCase{"V3WithoutAFile", nullptr,
                       {"/I127.0.0.1", "/Rqorvel", "/v3", "/m3", "/nmd5user", "/l2", "/a2", "/Amd5authpass"},
                       "SNMPv3, user \"md5user\"", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SilentAgent, TheWindowIsPaintedBeforeTheWalk)
{
    TMainForm& form = StartSilent(VnFirstBuild::AfterFirstPaint);
    EXPECT_TRUE(form.FirstBuildPending());
    EXPECT_EQ(form.UnitRequest, nullptr) << "nothing is read before the window shows";
    FirstPaint paint(form);
    form.show();
    ASSERT_TRUE(RunUntil([&] { return !form.FirstBuildPending() && !form.BuildNotice().isEmpty(); }));
    ASSERT_TRUE(paint.seen);
    EXPECT_FALSE(paint.walkStarted) << "the first paint came before the walk";
    EXPECT_EQ(paint.status, QString("Reading the stack units from 127.0.0.1 port %1 (SNMPv2c)...").arg(silent_.port()));
    EXPECT_EQ(form.StatusPanel0()->text(), Expected());
}

// A picture of the failure, for a person to look at (VN_SCREENSHOT_DIR).
TEST_F(SilentAgent, Screenshot)
{
    const QString folder = qEnvironmentVariable("VN_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "VN_SCREENSHOT_DIR is not set";
    TMainForm& form = StartSilent(VnFirstBuild::AfterFirstPaint);
    form.show();
    ASSERT_TRUE(RunUntil([&] { return !form.FirstBuildPending() && !form.BuildNotice().isEmpty(); }));
    RunEvents(50);
    const QString path = folder + "/mainwindow-silent-agent.png";
    EXPECT_TRUE(form.grab().save(path)) << path.toStdString();
}

}  // namespace
