// Start-up against an agent that never answers: the window is painted
// before the stack walk blocks it, and the failure says what was asked,
// what happened and where the settings come from.
#include <QEvent>
#include <QLabel>
#include <QScrollArea>

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
    // The settings file names the silent port, SNMPv2c.
    TMainForm& StartSilent(VnFirstBuild firstBuild)
    {
        EXPECT_GT(silent_.port(), 0);
        const std::string registry = folder_.Write(
            "registry.ini", "[SOFTWARE\\Varonet\\Orvix5.1\\MibFile]\nPath=" + folder_.Folder() + "\n");
        if (!previousRegistry_)
            previousRegistry_ = std::string(std::getenv("VN_REGISTRY_FILE") ? std::getenv("VN_REGISTRY_FILE") : "");
        setenv("VN_REGISTRY_FILE", registry.c_str(), 1);
        folder_.Write("127.0.0.1.cfg", startuptest::FullCfg(silent_.port(), 1));
        boxes_ = std::make_unique<VnMessageBoxCapture>(VnMsgAnswer::Ok);
        form_ = std::make_unique<TMainForm>(std::vector<std::string>{"/I127.0.0.1", "/Rqorvel"}, nullptr, firstBuild);
        form_->SetConfirmClose(false);
        return *form_;
    }

    QString Expected() const
    {
        return QStringLiteral("Get Unit Information Failed: asked 127.0.0.1 port %1 (SNMPv2c): no answer within "
                              "the time-out")
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
    ASSERT_EQ(lines.size(), 3) << form.BuildNotice().toStdString();
    EXPECT_EQ(lines[0], Expected());
    EXPECT_EQ(lines[1], QString::fromStdString("The agent's port and SNMP version come from " + folder_.Folder() +
                                               "127.0.0.1.cfg."));
    EXPECT_EQ(lines[2], "Check the agent and the settings file, then choose Basic Configuration > Refresh Panel.");

    // The panel area says it in full where the panels would be.
    form.show();
    auto* note = form.findChild<QLabel*>("EmptyViewNote");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), form.BuildNotice());
    EXPECT_GE(form.ScrollBox1->viewport()->height(), note->height()) << "the whole note is in view";
}

TEST_F(SilentAgent, WithoutASettingsFileTheDefaultsAreNamed)
{
    TMainForm& form = StartSilent(VnFirstBuild::InConstructor);
    CfgFileFound = false;  // as start-up leaves it when the file is not there
    form.RefreshDeviceView(false);
    EXPECT_EQ(form.BuildNotice().split('\n').value(1),
              QString::fromStdString("No settings file " + folder_.Folder() +
                                     "127.0.0.1.cfg: the default port and SNMP version were used."));
}

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
