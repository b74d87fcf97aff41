#include "SnmpClient.h"

#include "SimValue.h"

#include <sys/select.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace {

std::vector<oid> ParseName(const std::string& text)
{
    auto parsed = SimParseOid(text);
    if (!parsed)
        throw std::invalid_argument("bad OID " + text);
    return std::vector<oid>(parsed->begin(), parsed->end());
}

std::string ValueText(const netsnmp_variable_list* vb)
{
    SimValue value;
    value.type = static_cast<SimType>(vb->type);
    switch (vb->type) {
    case ASN_INTEGER:
        value.number = *vb->val.integer;
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        value.number = static_cast<std::uint32_t>(*vb->val.integer);
        break;
    case ASN_COUNTER64:
        value.number = static_cast<std::int64_t>((static_cast<std::uint64_t>(vb->val.counter64->high) << 32) |
                                                 (vb->val.counter64->low & 0xFFFFFFFFu));
        break;
    case ASN_OBJECT_ID:
        value.oid.assign(vb->val.objid, vb->val.objid + vb->val_len / sizeof(oid));
        break;
    case ASN_NULL:
    case SNMP_NOSUCHOBJECT:
    case SNMP_NOSUCHINSTANCE:
    case SNMP_ENDOFMIBVIEW:
        return "";
    default:
        if (vb->val.string)
            value.bytes.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
        break;
    }
    return SimFormatValue(value);
}

void ForgetUser(const std::string& name)
{
    // The library keeps keys per (engine, user): drop old ones so this
    // session's passwords are the ones used.
    for (usmUser* user = usm_get_userList(); user;) {
        usmUser* next = user->next;
        if (user->name && name == user->name) {
            usm_remove_user(user);
            usm_free_user(user);
        }
        user = next;
    }
}

}  // namespace

SnmpTarget SnmpTarget::V1(const std::string& community)
{
    SnmpTarget t;
    t.version = SNMP_VERSION_1;
    t.community = community;
    return t;
}

SnmpTarget SnmpTarget::V2c(const std::string& community)
{
    SnmpTarget t;
    t.community = community;
    return t;
}

SnmpTarget SnmpTarget::V3(const std::string& user, const std::string& authProtocol,
                          const std::string& authPassword, const std::string& privProtocol,
                          const std::string& privPassword)
{
    SnmpTarget t;
    t.version = SNMP_VERSION_3;
    t.user = user;
    t.authProtocol = authProtocol;
    t.authPassword = authPassword;
    t.privProtocol = privProtocol;
    t.privPassword = privPassword;
    return t;
}

void InitSnmpClientLibrary()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    setenv("MIBS", "", 1);
    netsnmp_set_mib_directory("");
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, "/dev/null");
    init_snmp("test_simswitch");
}

SnmpReply ToReply(int stat, const netsnmp_pdu* response, int libError)
{
    SnmpReply reply;
    reply.stat = stat;
    reply.libError = libError;
    if (stat != STAT_SUCCESS || !response)
        return reply;
    reply.errstat = response->errstat;
    reply.errindex = response->errindex;
    for (auto* vb = response->variables; vb; vb = vb->next_variable) {
        SimOid name(vb->name, vb->name + vb->name_length);
        reply.varbinds.push_back({SimFormatOid(name), vb->type, ValueText(vb)});
    }
    return reply;
}

SnmpClient::SnmpClient(std::uint16_t port, const SnmpTarget& target)
{
    InitSnmpClientLibrary();
    std::string peer = "udp:127.0.0.1:" + std::to_string(port);
    netsnmp_session session;
    snmp_sess_init(&session);
    session.peername = peer.data();
    session.version = target.version;
    session.timeout = target.timeoutMs * 1000L;
    session.retries = target.retries;
    if (target.version != SNMP_VERSION_3) {
        session.community = reinterpret_cast<u_char*>(const_cast<char*>(target.community.data()));
        session.community_len = target.community.size();
    } else {
        ForgetUser(target.user);
        session.securityModel = SNMP_SEC_MODEL_USM;
        session.securityName = const_cast<char*>(target.user.c_str());
        session.securityNameLen = target.user.size();
        session.securityLevel = SNMP_SEC_LEVEL_NOAUTH;
        if (!target.authProtocol.empty()) {
            session.securityLevel = SNMP_SEC_LEVEL_AUTHNOPRIV;
            bool md5 = target.authProtocol == "MD5";
            session.securityAuthProto = snmp_duplicate_objid(md5 ? usmHMACMD5AuthProtocol : usmHMACSHA1AuthProtocol,
                                                             USM_AUTH_PROTO_MD5_LEN);
            session.securityAuthProtoLen = USM_AUTH_PROTO_MD5_LEN;
            session.securityAuthKeyLen = USM_AUTH_KU_LEN;
            generate_Ku(session.securityAuthProto, session.securityAuthProtoLen,
                        reinterpret_cast<const u_char*>(target.authPassword.data()), target.authPassword.size(),
                        session.securityAuthKey, &session.securityAuthKeyLen);
        }
        if (!target.privProtocol.empty()) {
            session.securityLevel = SNMP_SEC_LEVEL_AUTHPRIV;
            session.securityPrivProto = snmp_duplicate_objid(usmDESPrivProtocol, USM_PRIV_PROTO_DES_LEN);
            session.securityPrivProtoLen = USM_PRIV_PROTO_DES_LEN;
            session.securityPrivKeyLen = USM_PRIV_KU_LEN;
            generate_Ku(session.securityAuthProto, session.securityAuthProtoLen,
                        reinterpret_cast<const u_char*>(target.privPassword.data()), target.privPassword.size(),
                        session.securityPrivKey, &session.securityPrivKeyLen);
        }
    }
    handle_ = snmp_sess_open(&session);
    free(session.securityAuthProto);
    free(session.securityPrivProto);
    if (!handle_)
        throw std::runtime_error("snmp_sess_open failed for " + peer);
}

SnmpClient::~SnmpClient()
{
    if (handle_)
        snmp_sess_close(handle_);
}

SnmpReply SnmpClient::Send(netsnmp_pdu* pdu)
{
    netsnmp_pdu* response = nullptr;
    int stat = snmp_sess_synch_response(handle_, pdu, &response);
    int libError = snmp_sess_session(handle_)->s_snmp_errno;
    SnmpReply reply = ToReply(stat, response, libError);
    if (response)
        snmp_free_pdu(response);
    return reply;
}

SnmpReply SnmpClient::Get(const std::vector<std::string>& oids)
{
    netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GET);
    for (const auto& text : oids) {
        auto name = ParseName(text);
        snmp_add_null_var(pdu, name.data(), name.size());
    }
    return Send(pdu);
}

SnmpReply SnmpClient::GetNext(const std::vector<std::string>& oids)
{
    netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GETNEXT);
    for (const auto& text : oids) {
        auto name = ParseName(text);
        snmp_add_null_var(pdu, name.data(), name.size());
    }
    return Send(pdu);
}

netsnmp_pdu* SnmpClient::SetPdu(const std::vector<SnmpSetItem>& items)
{
    netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_SET);
    for (const auto& item : items) {
        auto name = ParseName(item.oid);
        if (snmp_add_var(pdu, name.data(), name.size(), item.type, item.value.c_str()) != 0) {
            snmp_free_pdu(pdu);
            throw std::invalid_argument("cannot encode " + item.oid + " = " + item.value);
        }
    }
    return pdu;
}

SnmpReply SnmpClient::Set(const std::vector<SnmpSetItem>& items)
{
    return Send(SetPdu(items));
}

int SnmpClient::OnAsyncReply(int op, netsnmp_session*, int, netsnmp_pdu* pdu, void* magic)
{
    auto* self = static_cast<SnmpClient*>(magic);
    if (op == NETSNMP_CALLBACK_OP_RESEND)
        return 1;
    int stat = op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE ? STAT_SUCCESS
               : op == NETSNMP_CALLBACK_OP_TIMED_OUT      ? STAT_TIMEOUT
                                                          : STAT_ERROR;
    self->asyncReply_ = ToReply(stat, pdu, 0);
    self->asyncDone_ = true;
    return 1;
}

void SnmpClient::SendAsync(netsnmp_pdu* pdu)
{
    asyncDone_ = false;
    if (!snmp_sess_async_send(handle_, pdu, &SnmpClient::OnAsyncReply, this)) {
        snmp_free_pdu(pdu);
        throw std::runtime_error("async send failed");
    }
}

void SnmpClient::GetAsync(const std::string& text)
{
    netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GET);
    auto name = ParseName(text);
    snmp_add_null_var(pdu, name.data(), name.size());
    SendAsync(pdu);
}

void SnmpClient::SetAsync(const std::vector<SnmpSetItem>& items)
{
    SendAsync(SetPdu(items));
}

bool SnmpClient::WaitAsync(int timeoutMs, SnmpReply& reply)
{
    using Clock = std::chrono::steady_clock;
    auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!asyncDone_) {
        auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        int fds = 0, block = 0;
        fd_set readable;
        FD_ZERO(&readable);
        timeval wait{static_cast<time_t>(left / 1000000), static_cast<suseconds_t>(left % 1000000)};
        snmp_sess_select_info(handle_, &fds, &readable, &wait, &block);
        int ready = select(fds, &readable, nullptr, nullptr, &wait);
        if (ready > 0)
            snmp_sess_read(handle_, &readable);
        else if (ready == 0)
            snmp_sess_timeout(handle_);
    }
    reply = asyncReply_;
    return true;
}

SnmpReply SnmpGet(std::uint16_t port, const SnmpTarget& target, const std::vector<std::string>& oids)
{
    return SnmpClient(port, target).Get(oids);
}

SnmpReply SnmpGetNext(std::uint16_t port, const SnmpTarget& target, const std::vector<std::string>& oids)
{
    return SnmpClient(port, target).GetNext(oids);
}

SnmpReply SnmpSet(std::uint16_t port, const SnmpTarget& target, const std::vector<SnmpSetItem>& items)
{
    return SnmpClient(port, target).Set(items);
}
