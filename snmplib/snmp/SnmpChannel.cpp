#include "SnmpChannel.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/large_fd_set.h>
#include <poll.h>
#include <sys/socket.h>

#include <QCoreApplication>
#include <algorithm>
#include <climits>
#include <cstring>
#include <span>
#include <type_traits>
#include <vector>

#include "NetSnmpPdu.h"
#include "NetSnmpWideNumbers.h"
#include "Snmp.h"
#include "SnmpSmi.h"

static_assert(std::is_same_v<oid, unsigned long>, "Net-SNMP sub-identifiers are expected as unsigned long");

namespace {

void AppendField(std::string& key, const std::string& field)
{
    key += std::to_string(field.size());
    key += ':';
    key += field;
}

std::string Bytes(const std::vector<unsigned char>& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

bool ChannelSettings::IsV3() const
{
    return version == SNMP_VERSION_3;
}

std::string ChannelSettings::Key() const
{
    std::string key;
    AppendField(key, peer);
    AppendField(key, std::to_string(version));
    AppendField(key, std::to_string(timeoutMicros));
    AppendField(key, std::to_string(retries));
    AppendField(key, community);
    AppendField(key, securityName);
    AppendField(key, std::to_string(securityLevel));
    AppendField(key, KeyFingerprint());
    return key;
}

std::string ChannelSettings::KeyFingerprint() const
{
    std::string key;
    AppendField(key, std::to_string(authProtocol));
    AppendField(key, std::to_string(privProtocol));
    AppendField(key, Bytes(authKey));
    AppendField(key, Bytes(privKey));
    return key;
}

std::unique_ptr<SnmpChannel> SnmpChannel::Open(const ChannelSettings& settings, int& result)
{
    netsnmp_session in;
    snmp_sess_init(&in);
    std::vector<char> peer(settings.peer.begin(), settings.peer.end());
    peer.push_back('\0');
    in.peername = peer.data();
    in.version = settings.version;
    in.timeout = settings.timeoutMicros;
    in.retries = settings.retries;
    std::vector<u_char> community(settings.community.begin(), settings.community.end());
    std::vector<char> securityName(settings.securityName.begin(), settings.securityName.end());
    securityName.push_back('\0');
    if (settings.IsV3()) {
        in.securityModel = SNMP_SEC_MODEL_USM;
        in.securityName = securityName.data();
        in.securityNameLen = settings.securityName.size();
        in.securityLevel = settings.securityLevel == kSecurityLevelAuthPriv    ? SNMP_SEC_LEVEL_AUTHPRIV
                           : settings.securityLevel == kSecurityLevelAuthNoPriv ? SNMP_SEC_LEVEL_AUTHNOPRIV
                                                                                : SNMP_SEC_LEVEL_NOAUTH;
        if (settings.authProtocol == kAuthProtocolMd5 || settings.authProtocol == kAuthProtocolSha) {
            const bool sha = settings.authProtocol == kAuthProtocolSha;
            in.securityAuthProto = sha ? usmHMACSHA1AuthProtocol : usmHMACMD5AuthProtocol;
            in.securityAuthProtoLen = sha ? OID_LENGTH(usmHMACSHA1AuthProtocol) : OID_LENGTH(usmHMACMD5AuthProtocol);
            const std::size_t length = std::min(settings.authKey.size(), sizeof in.securityAuthKey);
            std::memcpy(in.securityAuthKey, settings.authKey.data(), length);
            in.securityAuthKeyLen = length;
        }
        if (settings.privProtocol == kPrivProtocolDes && !settings.privKey.empty()) {
            in.securityPrivProto = usmDESPrivProtocol;
            in.securityPrivProtoLen = OID_LENGTH(usmDESPrivProtocol);
            const std::size_t length = std::min(settings.privKey.size(), sizeof in.securityPrivKey);
            std::memcpy(in.securityPrivKey, settings.privKey.data(), length);
            in.securityPrivKeyLen = length;
        }
    } else {
        in.community = community.data();
        in.community_len = community.size();
    }

    void* handle = snmp_sess_open(&in);
    if (!handle) {
        result = in.s_snmp_errno == SNMPERR_BAD_ADDRESS ? SnmpResult::InvalidAddress : SnmpResult::SendFailed;
        return nullptr;
    }
    std::unique_ptr<SnmpChannel> channel(new SnmpChannel);
    channel->settings_ = settings;
    channel->handle_ = handle;
    channel->socket_ = snmp_sess_transport(handle)->sock;
    if (settings.IsV3()) {
        // Engine-ID discovery is ours, asynchronous: the library's own probe
        // would block the caller for the whole time-out.
        snmp_sess_session(handle)->flags |= SNMP_FLAGS_DONT_PROBE;
        channel->discovery = Discovery::Needed;
    }
    if (QCoreApplication::instance()) {
        auto* notifier = new QSocketNotifier(channel->socket_, QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] { SNMPProcessPendingEvents(); });
        channel->notifier_ = notifier;
    }
    result = SnmpResult::Success;
    return channel;
}

SnmpChannel::~SnmpChannel()
{
    delete notifier_.data();
    closing_ = true;
    if (handle_)
        snmp_sess_close(handle_);
    // The tokens go last: closing may still hand them to the callback.
}

snmp_session* SnmpChannel::session() const
{
    return snmp_sess_session(handle_);
}

CallToken* SnmpChannel::NewToken(std::uint64_t callId)
{
    auto token = std::make_unique<CallToken>();
    token->callId = callId;
    token->channel = this;
    tokens_.push_back(std::move(token));
    return tokens_.back().get();
}

void SnmpChannel::DropToken(CallToken* token)
{
    std::erase_if(tokens_, [token](const std::unique_ptr<CallToken>& t) { return t.get() == token; });
}

void SnmpChannel::SweepTokens()
{
    std::erase_if(tokens_, [](const std::unique_ptr<CallToken>& t) { return t->retired; });
}

bool SnmpChannel::Readable(int waitMillis) const
{
    pollfd fd{socket_, POLLIN, 0};
    return poll(&fd, 1, waitMillis) > 0 && (fd.revents & (POLLIN | POLLERR)) != 0;
}

void SnmpChannel::ReadWaiting(int limit)
{
    // Room for the largest datagram: the library reads the same one next.
    static std::vector<std::uint8_t> datagram(65536);
    for (int i = 0; i < limit && Readable(0); ++i) {
        ForgetWideNumbers();
        const ssize_t peeked = ::recv(socket_, datagram.data(), datagram.size(), MSG_PEEK | MSG_DONTWAIT);
        // Nothing to read after all, or a socket error the peek has taken:
        // the library's own read would wait for a datagram.
        if (peeked < 0)
            continue;
        if (peeked > 0)
            NoteDatagram(std::span(datagram.data(), static_cast<std::size_t>(peeked)));
        netsnmp_large_fd_set fds;
        netsnmp_large_fd_set_init(&fds, socket_ + 1);
        NETSNMP_LARGE_FD_SET(socket_, &fds);
        snmp_sess_read2(handle_, &fds);
        netsnmp_large_fd_set_cleanup(&fds);
    }
}

void SnmpChannel::HandleTimeouts()
{
    snmp_sess_timeout(handle_);
}

int SnmpChannel::MillisToNextTimeout() const
{
    netsnmp_large_fd_set fds;
    netsnmp_large_fd_set_init(&fds, socket_ + 1);
    int numfds = 0;
    int block = 1;
    timeval wait{INT_MAX / 2, 0};
    snmp_sess_select_info2(handle_, &numfds, &fds, &wait, &block);
    netsnmp_large_fd_set_cleanup(&fds);
    if (block)
        return -1;
    const long long millis = static_cast<long long>(wait.tv_sec) * 1000 + (wait.tv_usec + 999) / 1000;
    return static_cast<int>(std::clamp<long long>(millis, 0, INT_MAX / 2));
}
