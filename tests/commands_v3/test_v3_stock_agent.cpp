// "SNMP Engine", "User Table" and "Security Group Table" against a stock
// Net-SNMP snmpd with v3 users of its own, over v2c and over v3 with
// authentication and privacy: its engine ID, users and groups show with
// the keys decoded; and a view added while the agent stalls shows what
// the agent did. Skipped where snmpd is not installed.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <set>
#include <sys/socket.h>
#include <unistd.h>

#include "UdpRelay.h"
#include "VnSNMPRequest2Controls.h"
#include "test_v3_support.h"

using namespace commandtest;
using namespace layer2test;
using namespace v3test;

namespace {

const char* const kSnmpd = "/usr/sbin/snmpd";

// A UDP port on the loopback address that is free now.
quint16 FreeLoopbackPort()
{
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    quint16 port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
        && getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    close(fd);
    return port;
}

class StockAgentTest : public V3CommandTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        if (!QFile::exists(kSnmpd))
            GTEST_SKIP() << "no snmpd";
        V3CommandTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
        port_ = FreeLoopbackPort();
        ASSERT_NE(port_, 0);
        const QString conf = folder_.filePath("snmpd.conf");
        QFile file(conf);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("createUser v3admin MD5 md5authpass DES desprivpass\n"
                   "com2sec readers 127.0.0.1 public\n"
                   "com2sec writers 127.0.0.1 private\n"
                   "group g_public v2c readers\n"
                   "group g_private v2c writers\n"
                   "group g_admin usm v3admin\n"
                   "view all included .1\n"
                   "access g_public \"\" v2c noauth exact all none none\n"
                   "access g_private \"\" v2c noauth exact all all none\n"
                   "access g_admin \"\" usm priv exact all all none\n");
        file.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("SNMP_PERSISTENT_DIR", folder_.path());
        env.insert("MIBS", "");
        agent_.setProcessEnvironment(env);
        agent_.setProcessChannelMode(QProcess::MergedChannels);
        agent_.start(kSnmpd, {"-f", "-Lo", "-C", "-c", conf, "-M", folder_.path(),
                              QString("udp:127.0.0.1:%1").arg(port_)});
        ASSERT_TRUE(agent_.waitForStarted(kTestPatienceMs));
        QByteArray said;
        ASSERT_TRUE(RunUntil([&] {
            said += agent_.readAll();
            return said.contains("NET-SNMP version") || agent_.state() == QProcess::NotRunning;
        }))
            << said.toStdString();
        ASSERT_EQ(agent_.state(), QProcess::Running) << said.toStdString();

        VnDefaultDevice.port = port_;
        if (GetParam() == 3) {
            VnDefaultSecurity.version = 3;
            VnDefaultSecurity.securityModel = 3;
            VnDefaultSecurity.securityLevel = 3;
            VnDefaultSecurity.securityName = "v3admin";
            VnDefaultSecurity.authProtocol = 2;
            VnDefaultSecurity.privProtocol = 2;
            VnDefaultSecurity.authPassword = "md5authpass";
            VnDefaultSecurity.privPassword = "desprivpass";
        } else {
            VnDefaultSecurity.readCommunity = "public";
            VnDefaultSecurity.writeCommunity = "private";
        }
    }

    void TearDown() override
    {
        if (agent_.state() != QProcess::NotRunning) {
            agent_.terminate();
            agent_.waitForFinished(5000);
        }
        VnDefaultSecurity = {};
        V3CommandTest::TearDown();
    }

    // The rows of `command`'s table as texts.
    std::vector<QStringList> Rows(const char* command)
    {
        std::vector<QStringList> rows;
        EXPECT_TRUE(WithEditor(Main(), command, [&](TConfigForm& form, TSNMPEditorPanel& panel) {
            EXPECT_TRUE(StatusText(panel).startsWith("Get: (VnSNMP++) Ok!")) << StatusText(panel).toStdString();
            const QTreeWidget& view = ListOf(form);
            for (int r = 0; r < view.topLevelItemCount(); ++r)
                rows.push_back(RowTexts(*view.topLevelItem(r)));
        }));
        return rows;
    }

    QTemporaryDir folder_;
    QProcess agent_;
    quint16 port_ = 0;
};

TEST_P(StockAgentTest, EngineUsersAndGroupsShowDecoded)
{
    QString engineId;
    EXPECT_TRUE(WithEditor(Main(), "SNMPEngine1Click", [&](TConfigForm&, TSNMPEditorPanel& panel) {
        EXPECT_TRUE(StatusText(panel).startsWith("Get: (VnSNMP++) Ok!")) << StatusText(panel).toStdString();
        engineId = EditOf(panel, 0)->text();
        EXPECT_NE(EditOf(panel, 3)->text(), "");
    }));
    EXPECT_GE(engineId.size(), 10) << "an engine ID of 5 octets or more, as hex";

    bool user = false;
    for (const QStringList& row : Rows("UserTable1Click")) {
        if (row[1] == "v3admin") {
            user = true;
            EXPECT_EQ(row[0], engineId) << "the length-prefixed engine ID key";
            EXPECT_EQ(row[2], "v3admin");
            EXPECT_EQ(row[3], "MD5");
            EXPECT_EQ(row[4], "DES");
        }
    }
    EXPECT_TRUE(user);

    std::set<std::string> groups;
    for (const QStringList& row : Rows("SecurityGroupTable1Click"))
        groups.insert((row[0] + " " + row[1] + " " + row[2]).toStdString());
    EXPECT_TRUE(groups.count("3 v3admin g_admin"));
    EXPECT_TRUE(groups.count("2 readers g_public"));
}

// The agent stalls, then works through its queue: the Add's first try and
// the copy the module sent when the first got no answer reach it together.
// The first creates the view, the copy is refused as the view exists. Over
// v3 the module hears only the answer to its last copy: the refusal may
// follow an Add that was carried out, so the editor says so and reads its
// list, which shows the view. Over v2c the first answer, Ok, is taken.
TEST_P(StockAgentTest, AViewAddedWhileTheAgentStalledIsShownAsTheAgentHasIt)
{
    UdpRelay relay(port_);
    ASSERT_NE(relay.port(), 0);
    VnDefaultDevice.port = relay.port();
    const bool v3 = GetParam() == 3;
    EXPECT_TRUE(WithEditor(Main(), "ViewMIBTreeFamilyTable1Click", [&](TConfigForm& form, TSNMPEditorPanel& panel) {
        auto* table = qobject_cast<TSNMPListViewPanel*>(&panel);
        ASSERT_TRUE(table && form.ActiveRequest());
        VnSNMPRequest2Edits& binder = *form.ActiveRequest();
        binder.rereadIntervalMs = 200;
        relay.HoldRequests(2);
        layer2test::WithModalOver(&form, [&] { table->CtrlBtnPanel->AddBtn->click(); }, [&](QDialog* add) {
            Fill(*table, 0, "stalled");
            Fill(*table, 1, "1.3.6.1.2.1");
            Fill(*table, 2, "included");
            ClickSet(*add);
            const QStringList lines = StatusText(panel).split('\n', Qt::SkipEmptyParts).filter(QRegularExpression("^Set: "));
            ASSERT_FALSE(lines.isEmpty());
            if (v3)
                EXPECT_TRUE(lines.back().contains(kVnFirstTryMayBeDoneTableText)) << lines.back().toStdString();
            else
                EXPECT_TRUE(lines.back().startsWith("Set: (VnSNMP++) Ok!")) << lines.back().toStdString();
            if (add->isVisible())
                add->reject();
        });
        ASSERT_TRUE(RunUntil([&] { return !binder.Busy() && !binder.RereadPending(); }));
        bool listed = false;
        const QTreeWidget& view = ListOf(form);
        for (int r = 0; r < view.topLevelItemCount(); ++r)
            listed = listed || (view.topLevelItem(r)->text(0) == "stalled" && view.topLevelItem(r)->text(1) == "1.3.6.1.2.1");
        EXPECT_TRUE(listed) << "the view the agent holds";
        EXPECT_TRUE(QString::fromStdString(LastStatusLine(panel)).startsWith("Get: (VnSNMP++) Ok!")) << LastStatusLine(panel);
    }));
    EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Versions, StockAgentTest, ::testing::Values(1, 3),
                         [](const auto& info) { return info.param == 3 ? "V3AuthPriv" : "V2c"; });

} // namespace
