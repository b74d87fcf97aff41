#pragma once
// Helpers of the dialog tests: the session, the simulated switch with the
// dialogs' data, the defaults aimed at it, a main-window context with a
// chosen stack, and waiting in an event loop.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "SimSwitchTest.h"
#include "TDialogBase.h"
#include "VnSNMPDefaults.h"
#include "VnSNMPSession.h"

namespace dialogtest {

inline void EnsureSession()
{
    if (VnSNMPSession())
        return;
    char folder[] = "/tmp/vndialogs-test-XXXXXX";
    if (!mkdtemp(folder))
        return;
    StartSession(folder);
}

// New requests (and so every binder a dialog makes) talk to the switch.
inline void AimDefaults(std::uint16_t port)
{
    VnDefaultDevice.address = simswitch::kAddress;
    VnDefaultDevice.port = port;
    VnDefaultSecurity.version = 1;  // SNMPv2c
    VnDefaultSecurity.readCommunity = simswitch::kReadCommunity;
    VnDefaultSecurity.writeCommunity = simswitch::kWriteCommunity;
    VnDefaultTimeout = 100;
}

// The front ports of the models the tests use.
inline int TestPortsPerModel(std::string_view model)
{
    if (model == "RQ-4024S" || model == "RQ-4024S*" || model == "RQ-4124S")
        return 24;
    if (model == "RQ-6050S")
        return 50;
    if (model == "RQ-6026R" || model == "RQ-6026S")
        return 26;
    return 0;
}

// A main window holding `units` (unit id, model) in its stack list.
inline VnDialogContext Context(std::vector<std::pair<std::string, std::string>> units = {{"1", "RQ-4024S"},
                                                                                       {"3", "RQ-6050S"}},
                               bool largeFonts = false)
{
    VnDialogContext context;
    context.agentAddress = simswitch::kAddress;
    context.largeFonts = largeFonts;
    context.stackUnits = [units] {
        std::vector<VnStackUnitRow> rows;
        for (const auto& [id, model] : units)
            rows.push_back({id, "exist", "", "", model});
        return rows;
    };
    context.portsPerUnitForModel = TestPortsPerModel;
    return context;
}

template <typename Pred>
bool RunUntil(Pred done, int timeoutMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0)
            return false;
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (done())
                loop.quit();
        });
        poll.start(5);
        QTimer::singleShot(static_cast<int>(left), &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

inline void RunEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

inline bool WaitIdle(const TDialogBase& dialog, int timeoutMs = 10000)
{
    return RunUntil([&] { return !dialog.AnyBinderBusy(); }, timeoutMs);
}

// A status line with its time replaced by "T", so it can be compared.
inline std::string WithoutTime(const QString& line)
{
    static const QRegularExpression time(R"(\d\d:\d\d:\d\d \S+\.$)");
    QString copy = line;
    copy.replace(time, "T.");
    return copy.toStdString();
}

inline QStringList MemoLines(const QPlainTextEdit* memo)
{
    return memo->toPlainText().split('\n', Qt::SkipEmptyParts);
}

// The switch with default.sim and the dialogs' objects.
class DialogSwitchTest : public SimSwitchTest {
protected:
    SimSwitchOptions switchOptions() const override
    {
        SimSwitchOptions options;
        options.dataFiles = {SimSwitch::dataPath("dialogs-vlan.sim")};
        return options;
    }
    void SetUp() override
    {
        EnsureSession();
        SimSwitchTest::SetUp();
        if (sim_)
            AimDefaults(port());
    }
};

}  // namespace dialogtest
