#pragma once
// One Net-SNMP single-session (one UDP socket) for one combination of
// agent, version, time-out, retries and credentials. The engine keeps a
// few of them open and picks one per request.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QPointer>
#include <QSocketNotifier>

struct snmp_session;

struct ChannelSettings {
    std::string peer;          // "udp:10.1.2.3:161"
    long version = 0;          // Net-SNMP's version number
    long timeoutMicros = 1000000;
    int retries = 1;
    std::string community;     // SNMPv1/v2c
    std::string securityName;  // SNMPv3 from here on
    int securityLevel = 1;     // 1..3
    int authProtocol = 1;
    int privProtocol = 1;
    std::vector<unsigned char> authKey;  // Ku, unlocalised
    std::vector<unsigned char> privKey;

    bool IsV3() const;
    // Identifies the settings; equal keys can share a channel.
    std::string Key() const;
    // What identifies the user's keys, to notice a changed password.
    std::string KeyFingerprint() const;
};

// Handed to Net-SNMP as the callback data of each request: it lives until
// the library is done with the request, and its first member is scratch
// space for library versions that write a word through that pointer.
struct CallToken {
    int libraryScratch = 0;
    std::uint64_t callId = 0;
    class SnmpChannel* channel = nullptr;
    bool retired = false;
};

class SnmpChannel {
public:
    enum class Discovery { NotNeeded, Needed, Running, Done };

    // Opens the session; null with `result` set when it cannot be opened.
    static std::unique_ptr<SnmpChannel> Open(const ChannelSettings& settings, int& result);
    ~SnmpChannel();
    SnmpChannel(const SnmpChannel&) = delete;
    SnmpChannel& operator=(const SnmpChannel&) = delete;

    const ChannelSettings& settings() const { return settings_; }
    void* handle() const { return handle_; }
    snmp_session* session() const;
    int socket() const { return socket_; }
    bool closing() const { return closing_; }

    CallToken* NewToken(std::uint64_t callId);
    // A token the library never took (its send failed).
    void DropToken(CallToken* token);
    // Frees the tokens whose requests the library has let go.
    void SweepTokens();
    std::size_t TokenCount() const { return tokens_.size(); }

    // Reads every datagram waiting on the socket (at most `limit`).
    void ReadWaiting(int limit = 256);
    // Resends and times out requests whose time has come.
    void HandleTimeouts();
    // Milliseconds until the library's next resend or time-out, -1 when
    // nothing is waiting.
    int MillisToNextTimeout() const;
    bool Readable(int waitMillis) const;

    Discovery discovery = Discovery::NotNeeded;
    std::uint64_t probeCallId = 0;
    std::vector<std::uint64_t> waiting;  // calls sent once discovery is done
    bool retired = false;                // takes no new calls; closed when idle
    std::size_t liveCalls = 0;
    std::uint64_t lastUse = 0;

private:
    SnmpChannel() = default;

    ChannelSettings settings_;
    void* handle_ = nullptr;
    int socket_ = -1;
    bool closing_ = false;
    std::vector<std::unique_ptr<CallToken>> tokens_;
    QPointer<QSocketNotifier> notifier_;
};
