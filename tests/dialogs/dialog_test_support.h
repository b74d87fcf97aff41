#pragma once
// Helpers of the dialog tests: the simulated switch with the dialogs'
// data, the defaults aimed at it, a main-window context with a chosen
// stack, and waiting until a dialog's binders are idle.
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "EventLoopWait.h"
#include "SessionSwitchTest.h"
#include "TDialogBase.h"
#include "VnSNMPDefaults.h"

namespace dialogtest {

// New requests (and so every binder a dialog makes) talk to the switch.
inline void AimDefaults(std::uint16_t port)
{
    VnDefaultDevice.address = simswitch::kAddress;
    VnDefaultDevice.port = port;
    VnDefaultSecurity.version = 1;  // SNMPv2c
    VnDefaultSecurity.readCommunity = simswitch::kReadCommunity;
    VnDefaultSecurity.writeCommunity = simswitch::kWriteCommunity;
    VnDefaultTimeout = kTestSnmpTimeout;
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

// A main window holding `units` (unit id, model) in its stack list, each
// with the port range of its model.
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
            rows.push_back({id, "exist", "", std::to_string(TestPortsPerModel(model)), model});
        return rows;
    };
    context.portsPerUnitForModel = TestPortsPerModel;
    return context;
}

inline bool WaitIdle(const TDialogBase& dialog, int timeoutMs = kTestPatienceMs)
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

// The switch with default.sim and the dialogs' objects; new requests are
// aimed at it.
class DialogSwitchTest : public SessionSwitchTest {
protected:
    DialogSwitchTest() : SessionSwitchTest("dialogs-vlan.sim") {}
    void SetUp() override
    {
        SessionSwitchTest::SetUp();
        if (sim_)
            AimDefaults(port());
    }
};

}  // namespace dialogtest
