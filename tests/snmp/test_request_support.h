#pragma once
// Requests against the simulated switch: how a request is aimed at it for
// each protocol version, the test tables as descriptor tables, and walks
// driven the way a binder drives them.
#include "EventLoopWait.h"
#include "SessionSwitchTest.h"
#include "SnmpSmi.h"
#include "SnmpTestSupport.h"
#include "VnSNMPRequest.h"

#include <QEventLoop>
#include <QTimer>

#include <ostream>
#include <string>
#include <vector>

namespace reqtest {

struct Version {
    const char* label;
    std::uint8_t version;
    const char* user = "";
    int level = kSecurityLevelNoAuthNoPriv;
    int auth = kAuthProtocolNone;
    const char* authPassword = "";
    int priv = kPrivProtocolNone;
    const char* privPassword = "";
};

inline const Version kV1{"v1", 0};
inline const Version kV2c{"v2c", 1};
inline const Version kV3Md5Des{"v3_MD5_DES", 3, simswitch::kMd5DesUser, kSecurityLevelAuthPriv,
                               kAuthProtocolMd5, simswitch::kMd5Password, kPrivProtocolDes,
                               simswitch::kDesPassword};
inline const Version kV3ShaDes{"v3_SHA_DES", 3, simswitch::kShaDesUser, kSecurityLevelAuthPriv,
                               kAuthProtocolSha, simswitch::kShaPassword, kPrivProtocolDes,
                               simswitch::kDesPassword};

inline void Aim(VnSNMPRequest& request, std::uint16_t port, const Version& v)
{
    request.device.address = simswitch::kAddress;
    request.device.port = port;
    request.security.version = v.version;
    request.security.readCommunity = simswitch::kReadCommunity;
    request.security.writeCommunity = simswitch::kWriteCommunity;
    request.security.securityModel = kSecurityModelUsm;
    request.security.securityLevel = v.level;
    request.security.securityName = v.user;
    request.security.authProtocol = v.auth;
    request.security.authPassword = v.authPassword;
    request.security.privProtocol = v.priv;
    request.security.privPassword = v.privPassword;
}

inline void PrintTo(const Version& v, std::ostream* os)
{
    *os << v.label;
}

inline std::string VersionName(const ::testing::TestParamInfo<Version>& info)
{
    return info.param.label;
}

// Column OIDs of the switch's test tables (tools/simswitch/data/testtables.sim).
#define REQTEST_T(n, c) "1.3.6.1.4.1.88406.999." #n ".1." #c

namespace S = VnSyntax;
namespace A = VnAccess;

inline const VnSNMPVarDesc kIntegerTable[] = {
    {REQTEST_T(1, 1), "Index", S::Integer, A::ReadOnly},
    {REQTEST_T(1, 2), "Name", S::DisplayStr, A::ReadWrite},
    {REQTEST_T(1, 3), "Value", S::Integer, A::ReadWrite},
    {REQTEST_T(1, 4), "Status", S::Integer, A::ReadWrite},
    {},
};
inline const VnSNMPVarDesc kImpliedTable[] = {
    {REQTEST_T(2, 1), "Key", S::DisplayStr, A::NotAccess | A::Implied},
    {REQTEST_T(2, 2), "Name", S::DisplayStr, A::ReadWrite},
    {REQTEST_T(2, 3), "Value", S::Integer, A::ReadWrite},
    {},
};
inline const VnSNMPVarDesc kMacTable[] = {
    {REQTEST_T(3, 1), "Mac", S::MacAddress, A::NotAccess},
    {REQTEST_T(3, 2), "Name", S::DisplayStr, A::ReadWrite},
    {REQTEST_T(3, 3), "Value", S::Integer, A::ReadWrite},
    {},
};
inline const VnSNMPVarDesc kIpTable[] = {
    {REQTEST_T(4, 1), "Address", S::IpAddress, A::ReadOnly},
    {REQTEST_T(4, 2), "Name", S::DisplayStr, A::ReadWrite},
    {REQTEST_T(4, 3), "Mask", S::IpAddress, A::ReadWrite},
    {},
};
inline const VnSNMPVarDesc kUnitPortTable[] = {
    {" ", "Unit", S::Integer, A::NotAccess},
    {" ", "Port", S::Integer, A::NotAccess},
    {REQTEST_T(5, 1), "Name", S::DisplayStr, A::ReadWrite},
    {REQTEST_T(5, 2), "Speed", S::Gauge, A::ReadOnly},
    {},
};

using Rows = std::vector<std::vector<std::string>>;

inline std::vector<std::string> Values(const VnSNMPVarList& list)
{
    std::vector<std::string> values;
    for (int i = 0; i < list.Count(); ++i)
        values.push_back(list.Item(i).value);
    return values;
}

struct WalkResult {
    Rows rows;
    VnSNMPError last;
    int completions = 0;
    bool finished = false;
    std::string exception;
};

// Walks as a binder does: the next GetAsync is sent from the completion
// until the end of the walk or an error.
inline WalkResult WalkAsync(VnSNMPRequest& request, int timeoutMs = 15000)
{
    WalkResult walk;
    QEventLoop loop;
    VnSNMPCompletion step = [&](const VnSNMPError& result, VnSNMPVarList& list) {
        ++walk.completions;
        if (result.code != 0 || result.endOfWalk) {
            walk.last = result;
            walk.finished = true;
            loop.quit();
            return;
        }
        walk.rows.push_back(Values(list));
        try {
            request.GetAsync(step, false);
        } catch (const std::exception& e) {
            walk.exception = e.what();
            walk.finished = true;
            loop.quit();
        }
    };
    request.GetAsync(step, true);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return walk;
}

// Walks with the blocking Get.
inline Rows WalkSync(VnSNMPRequest& request)
{
    Rows rows;
    for (bool first = true; request.Get(first); first = false)
        rows.push_back(Values(request.varList));
    return rows;
}

// One asynchronous request and its single outcome.
struct AsyncOutcome {
    std::vector<VnSNMPError> results;
    std::vector<std::string> values;
    bool Wait(int timeoutMs = 10000)
    {
        return RunUntil([this] { return !results.empty(); }, timeoutMs);
    }
    VnSNMPCompletion Completion()
    {
        return [this](const VnSNMPError& result, VnSNMPVarList& list) {
            results.push_back(result);
            values = Values(list);
        };
    }
};

class RequestTest : public SessionSwitchTest {
protected:
    RequestTest() : SessionSwitchTest("testtables.sim") {}
    void Use(VnSNMPRequest& request, const VnSNMPVarDesc* table, unsigned char type, unsigned keys,
             const Version& version = kV2c)
    {
        request.varList = VnSNMPVarList(table, type, keys);
        Aim(request, port(), version);
    }
};

} // namespace reqtest
