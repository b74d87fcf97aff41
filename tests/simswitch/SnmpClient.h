#pragma once
// A small blocking SNMP manager over Net-SNMP's single-session API, for
// checking the simulated switch from the outside.
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cstdint>
#include <string>
#include <vector>

struct SnmpTarget {
    long version = SNMP_VERSION_2c;
    std::string community;
    std::string user;
    std::string authProtocol;  // "", "MD5", "SHA"
    std::string authPassword;
    std::string privProtocol;  // "", "DES"
    std::string privPassword;
    // Long enough for a loaded machine: a test that expects a time-out
    // sets a short one.
    int timeoutMs = 10000;
    int retries = 0;

    static SnmpTarget V1(const std::string& community);
    static SnmpTarget V2c(const std::string& community);
    static SnmpTarget V3(const std::string& user, const std::string& authProtocol = "",
                         const std::string& authPassword = "", const std::string& privProtocol = "",
                         const std::string& privPassword = "");
};

struct SnmpVarbind {
    std::string oid;
    int type = 0;       // ASN tag, or 0x80..0x82 for the v2 exceptions
    std::string value;  // as the switch's record writes it
};

struct SnmpReply {
    int stat = STAT_ERROR;  // STAT_SUCCESS, STAT_ERROR or STAT_TIMEOUT
    long errstat = 0;
    long errindex = 0;
    int libError = 0;       // the session's error after STAT_ERROR
    std::vector<SnmpVarbind> varbinds;
};

struct SnmpSetItem {
    std::string oid;
    char type;  // snmp_add_var's letters: i u c t a o s x b
    std::string value;
};

class SnmpClient {
public:
    SnmpClient(std::uint16_t port, const SnmpTarget& target);
    ~SnmpClient();
    SnmpClient(const SnmpClient&) = delete;
    SnmpClient& operator=(const SnmpClient&) = delete;

    SnmpReply Get(const std::vector<std::string>& oids);
    SnmpReply GetNext(const std::vector<std::string>& oids);
    SnmpReply Set(const std::vector<SnmpSetItem>& items);

    // One request sent without waiting; WaitAsync collects its reply.
    void GetAsync(const std::string& oid);
    void SetAsync(const std::vector<SnmpSetItem>& items);
    bool WaitAsync(int timeoutMs, SnmpReply& reply);

private:
    static int OnAsyncReply(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic);
    SnmpReply Send(netsnmp_pdu* pdu);
    void SendAsync(netsnmp_pdu* pdu);
    static netsnmp_pdu* SetPdu(const std::vector<SnmpSetItem>& items);

    void* handle_ = nullptr;
    bool asyncDone_ = false;
    SnmpReply asyncReply_;
};

// Library set-up for the test process: no config, no MIBs, no state.
void InitSnmpClientLibrary();
SnmpReply ToReply(int stat, const netsnmp_pdu* response, int libError);

// One request on a session of its own.
SnmpReply SnmpGet(std::uint16_t port, const SnmpTarget& target, const std::vector<std::string>& oids);
SnmpReply SnmpGetNext(std::uint16_t port, const SnmpTarget& target, const std::vector<std::string>& oids);
SnmpReply SnmpSet(std::uint16_t port, const SnmpTarget& target, const std::vector<SnmpSetItem>& items);
