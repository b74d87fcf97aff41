#pragma once
// Helpers of the SNMP engine tests: completions recorded and waited for in
// an event loop, targets for the simulated switch's users, a silent agent.
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QEventLoop>
#include <memory>
#include <string>
#include <vector>

#include "EventLoopWait.h"
#include "SessionSwitchTest.h"
#include "Snmp.h"

struct Outcome {
    int reason = 0;
    Pdu pdu;
};

// Records completions; Wait() runs an event loop until enough arrived.
class Recorder {
public:
    Snmp::Completion Callback()
    {
        return [this](int reason, Snmp*, Pdu& pdu, SnmpTarget&) {
            outcomes.push_back({reason, pdu});
            if (loop_)
                loop_->quit();
        };
    }

    bool Wait(std::size_t count, int timeoutMs = 8000)
    {
        return RunUntil([&] { return outcomes.size() >= count; }, timeoutMs, &loop_);
    }

    std::vector<Outcome> outcomes;

private:
    QEventLoop* loop_ = nullptr;
};

// A UDP port on 127.0.0.1 that receives and never answers.
class SilentAgent {
public:
    SilentAgent()
    {
        fd_ = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~SilentAgent() { ::close(fd_); }
    SilentAgent(const SilentAgent&) = delete;
    SilentAgent& operator=(const SilentAgent&) = delete;
    std::uint16_t port() const { return port_; }

private:
    int fd_ = -1;
    std::uint16_t port_ = 0;
};

// How one test reaches the switch: a community or an SNMPv3 user.
struct Access {
    const char* label;
    snmp_version version;
    const char* name;  // community (read and write) or security name
    int level = kSecurityLevelNoAuthNoPriv;
    int authProtocol = kAuthProtocolNone;
    const char* authPassword = "";
    int privProtocol = kPrivProtocolNone;
    const char* privPassword = "";
};

inline std::unique_ptr<SnmpTarget> MakeTarget(const Access& access, std::uint16_t port, unsigned long timeout = 100,
                                              int retries = 1)
{
    UdpAddress address(simswitch::kAddress);
    address.set_port(port);
    std::unique_ptr<SnmpTarget> target;
    if (access.version == version3) {
        usmAddUserName(access.name, access.authProtocol, access.privProtocol, access.authPassword,
                       access.privPassword);
        auto user = std::make_unique<UTarget>(address);
        user->set_security_name(access.name);
        user->set_security_model(kSecurityModelUsm);
        target = std::move(user);
    } else {
        auto community = std::make_unique<CTarget>(address);
        community->set_readcommunity(access.name);
        community->set_writecommunity(access.name);
        target = std::move(community);
    }
    target->set_version(access.version);
    target->set_timeout(timeout);
    target->set_retry(retries);
    return target;
}

inline Pdu MakePdu(const Access& access, const std::vector<Vb>& vbs)
{
    Pdu pdu;
    for (const Vb& vb : vbs)
        pdu += vb;
    pdu.set_security_level(access.level);
    return pdu;
}

inline Vb NullVb(const char* oid)
{
    return Vb(Oid(oid));
}

// The switch with the test tables, and the process-wide session.
class EngineTest : public SessionSwitchTest {
protected:
    EngineTest() : SessionSwitchTest("testtables.sim") {}
    Snmp& session() { return *VnGlobalSession; }
};

namespace via {
inline const Access kV1{"v1", version1, simswitch::kWriteCommunity};
inline const Access kV2c{"v2c", version2c, simswitch::kWriteCommunity};
inline const Access kV3NoAuth{"v3 noauth", version3, simswitch::kNoAuthUser};
inline const Access kV3Md5{"v3 MD5", version3, simswitch::kMd5User, kSecurityLevelAuthNoPriv, kAuthProtocolMd5,
                           simswitch::kMd5Password};
inline const Access kV3Md5Des{"v3 MD5+DES", version3,           simswitch::kMd5DesUser,
                              kSecurityLevelAuthPriv, kAuthProtocolMd5, simswitch::kMd5Password,
                              kPrivProtocolDes,       simswitch::kDesPassword};
inline const Access kV3ShaDes{"v3 SHA+DES", version3,           simswitch::kShaDesUser,
                              kSecurityLevelAuthPriv, kAuthProtocolSha, simswitch::kShaPassword,
                              kPrivProtocolDes,       simswitch::kDesPassword};
}  // namespace via

inline std::string HexOf(const std::string& bytes)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += kDigits[c >> 4];
        hex += kDigits[c & 15];
    }
    return hex;
}
