#pragma once
// Helpers of the binder tests: the process-wide session, requests aimed at
// the simulated switch, the objects of tools/simswitch/data/binders-edits.sim
// as descriptor tables, and waiting in an event loop.
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EventLoopWait.h"
#include "SessionSwitchTest.h"
#include "VnOptionList.h"
#include "VnSNMPRequest.h"
#include "VnSNMPVarList.h"

namespace bindertest {

inline void Aim(VnSNMPRequest& request, std::uint16_t port)
{
    request.device.address = simswitch::kAddress;
    request.device.port = port;
    request.security.version = 1;  // SNMPv2c
    request.security.readCommunity = simswitch::kReadCommunity;
    request.security.writeCommunity = simswitch::kWriteCommunity;
    request.timeout = kTestSnmpTimeout;
    request.retries = 1;
}

// A status line with its time replaced by "T", so it can be compared.
inline std::string WithoutTime(const QString& line)
{
    static const QRegularExpression time(R"(\d\d:\d\d:\d\d \S+\.$)");
    QString copy = line;
    copy.replace(time, "T.");
    return copy.toStdString();
}

// A memo's status lines, each without its time.
inline std::vector<std::string> MemoLines(const QPlainTextEdit& memo)
{
    std::vector<std::string> lines;
    const QString text = memo.toPlainText();
    if (text.isEmpty())
        return lines;
    for (const QString& line : text.split('\n'))
        lines.push_back(WithoutTime(line));
    return lines;
}

#define BINDERTEST_S(n) "1.3.6.1.4.1.88406.997.1." #n
#define BINDERTEST_T(c) "1.3.6.1.4.1.88406.997.2.1." #c

inline const VnIntOption kStateArray[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
inline const VnOptionList kStateOptions(kStateArray);
inline const VnIntOption kModeArray[] = {{1, "auto"}, {2, "manual"}, {3, "off"}, {0, nullptr}};
inline const VnOptionList kModeOptions(kModeArray);

namespace S = VnSyntax;
namespace A = VnAccess;

// The scalar group; item indexes are the constants below.
enum ScalarItem { kName, kState, kFlag, kPorts, kAddress, kMode, kUptime, kDescription };
inline const VnSNMPVarDesc kScalars[] = {
    {BINDERTEST_S(1), "Name", S::DisplayStr, A::ReadWrite},
    {BINDERTEST_S(2), "State", S::Integer, A::ReadWrite, &kStateOptions},
    {BINDERTEST_S(3), "Flag", S::Integer, A::ReadWrite, &kStateOptions},
    {BINDERTEST_S(4), "Ports", S::OctetStr, A::ReadWrite},
    {BINDERTEST_S(5), "Address", S::IpAddress, A::ReadWrite},
    {BINDERTEST_S(6), "Mode", S::Integer, A::ReadWrite, &kModeOptions},
    {BINDERTEST_S(7), "Uptime", S::TimeTicks, A::ReadOnly},
    {BINDERTEST_S(8), "Description", S::DisplayStr, A::ReadOnly},
    {},
};

// The table of five rows; the index is a readable column.
enum TableItem { kRowIndex, kRowName, kRowState, kRowPorts };
inline const VnSNMPVarDesc kTable[] = {
    {BINDERTEST_T(1), "Index", S::Integer, A::ReadOnly},
    {BINDERTEST_T(2), "Name", S::DisplayStr, A::ReadWrite},
    {BINDERTEST_T(3), "State", S::Integer, A::ReadWrite, &kStateOptions},
    {BINDERTEST_T(4), "Ports", S::OctetStr, A::ReadWrite},
    {},
};

// A fresh switch with the binder objects for every test.
class BinderSwitchTest : public SessionSwitchTest {
protected:
    BinderSwitchTest() : SessionSwitchTest("binders-edits.sim") {}
    void Use(VnSNMPRequest& request, const VnSNMPVarDesc* table, unsigned char type, unsigned keys)
    {
        request.varList = VnSNMPVarList(table, type, keys);
        Aim(request, port());
    }
};

} // namespace bindertest
