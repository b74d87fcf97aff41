#pragma once
// Helpers of the configuration-form tests: the objects of
// tools/simswitch/data/configform-tables.sim as descriptor tables of our
// own, binders aimed at the simulated switch, the switch fixture, and
// acting on a modal form once it is open.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "EventLoopWait.h"
#include "SessionSwitchTest.h"
#include "VnOptionList.h"
#include "VnSNMPRequest2Edits.h"
#include "VnSNMPVarList.h"

// Readable QString values in GoogleTest messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace formtest {

// Runs `action` once on the next modal dialog to open (the one on top),
// from inside its own modal loop. A dialog still open the test patience later is
// rejected, so a failed test does not hang.
class OnModal {
public:
    explicit OnModal(std::function<void(QDialog*)> action) : action_(std::move(action))
    {
        QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
        poll_.start(10);
    }
    bool Ran() const { return ran_; }

private:
    void Poll()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        if (!ran_) {
            ran_ = true;
            opened_.start();
            seen_ = dialog;
            action_(dialog);
            return;
        }
        if (dialog == seen_ && opened_.elapsed() > kTestPatienceMs) {
            ADD_FAILURE() << "a modal form stayed open";
            dialog->reject();
        }
    }

    std::function<void(QDialog*)> action_;
    QTimer poll_;
    QElapsedTimer opened_;
    QDialog* seen_ = nullptr;
    bool ran_ = false;
};

// The last status line with its time replaced by "T".
inline std::string LastLine(const QPlainTextEdit& memo)
{
    static const QRegularExpression time(R"(\d\d:\d\d:\d\d \S+\.$)");
    QString line = memo.toPlainText().split('\n').back();
    line.replace(time, "T.");
    return line.toStdString();
}

#define FORMTEST_S(n) "1.3.6.1.4.1.88406.996.1." #n
#define FORMTEST_T(c) "1.3.6.1.4.1.88406.996.2.1." #c
#define FORMTEST_P(n) "1.3.6.1.4.1.88406.996.3." #n
#define FORMTEST_L(c) "1.3.6.1.4.1.88406.996.4.1." #c

namespace S = VnSyntax;
namespace A = VnAccess;

inline const VnIntOption kStateArray[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
inline const VnOptionList kStateOptions(kStateArray);
inline const VnIntOption kRowStatusArray[] = {{1, "active"},      {2, "notInService"}, {3, "notReady"},
                                              {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"},
                                              {0, nullptr}};
inline const VnOptionList kRowStatusOptions(kRowStatusArray);
inline const VnIntOption kModeArray[] = {{1, "auto"}, {2, "manual"}, {0, nullptr}};
inline const VnOptionList kModeOptions(kModeArray);

enum ScalarItem { kName, kState, kContact, kUptime, kDescription };
inline const VnSNMPVarDesc kScalars[] = {
    {FORMTEST_S(1), "System Name", S::DisplayStr, A::ReadWrite},
    {FORMTEST_S(2), "State", S::Integer, A::ReadWrite, &kStateOptions},
    {FORMTEST_S(3), "Contact", S::DisplayStr, A::ReadWrite},
    {FORMTEST_S(4), "Uptime", S::TimeTicks, A::ReadOnly},
    {FORMTEST_S(5), "Description", S::DisplayStr, A::ReadOnly},
    {},
};

// Two index columns with no object of their own, then three columns.
enum TableItem { kVlan, kPort, kRowName, kPriority, kStatus };
inline const VnSNMPVarDesc kTable[] = {
    {" ", "VLAN", S::Integer, A::NotAccess},
    {" ", "Port", S::Integer, A::NotAccess},
    {FORMTEST_T(3), "Name", S::DisplayStr, A::ReadWrite},
    {FORMTEST_T(4), "Priority", S::Integer, A::ReadWrite},
    {FORMTEST_T(5), "Status", S::Integer, A::ReadWrite, &kRowStatusOptions},
    {},
};

inline const VnSNMPVarDesc kPage2[] = {
    {FORMTEST_P(1), "Location", S::DisplayStr, A::ReadWrite},
    {FORMTEST_P(2), "Mode", S::Integer, A::ReadWrite, &kModeOptions},
    {},
};

// Eight rows of one readable index and a name.
inline const VnSNMPVarDesc kLongTable[] = {
    {FORMTEST_L(1), "Index", S::Integer, A::ReadOnly},
    {FORMTEST_L(2), "Name", S::DisplayStr, A::ReadWrite},
    {},
};

// A binder over `table`, aimed at the switch on `port`.
inline std::unique_ptr<VnSNMPRequest2Edits> MakeBinder(QWidget* owner, const VnSNMPVarDesc* table,
                                                       unsigned char type, unsigned keys, std::uint16_t port)
{
    auto binder = std::make_unique<VnSNMPRequest2Edits>(owner);
    binder->request.varList = VnSNMPVarList(table, type, keys);
    binder->request.device.address = simswitch::kAddress;
    binder->request.device.port = port;
    binder->request.security.version = 1;  // SNMPv2c
    binder->request.security.readCommunity = simswitch::kReadCommunity;
    binder->request.security.writeCommunity = simswitch::kWriteCommunity;
    binder->request.timeout = kTestSnmpTimeout;
    binder->request.retries = 1;
    return binder;
}

// The switch with default.sim and the editors' objects.
class FormSwitchTest : public SessionSwitchTest {
protected:
    FormSwitchTest() : SessionSwitchTest("configform-tables.sim") {}
};

} // namespace formtest
