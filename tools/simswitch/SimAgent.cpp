#include "SimAgent.h"
#include "SimEncoding.h"
#include "SimWideNumbers.h"

#include "SimEndless.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

const char* const kAppName = "simswitch";
const char* const kSetDataName = "simswitch-set";

// One set PDU as the handlers of every subtree see it.
struct SetTransaction {
    std::vector<SimVarbind> varbinds;  // the served ones, in PDU order
    std::vector<int> position;         // their 1-based place in the PDU
    std::vector<int> status;           // per PDU place, 0 when it may be set
    SimUndo undo;
    bool applied = false;
    bool done = false;
};

void FreeTransaction(void* data)
{
    delete static_cast<SetTransaction*>(data);
}

SimOid ToSimOid(const oid* name, std::size_t length)
{
    SimOid out(length);
    for (std::size_t i = 0; i < length; ++i)
        out[i] = static_cast<std::uint32_t>(name[i]);
    return out;
}

std::vector<oid> ToNetOid(const SimOid& in)
{
    return std::vector<oid>(in.begin(), in.end());
}

SimValue FromVarbind(const netsnmp_variable_list* vb)
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
        value.oid = ToSimOid(vb->val.objid, vb->val_len / sizeof(oid));
        break;
    case ASN_NULL:
        break;
    default:
        if (vb->val.string && vb->val_len)
            value.bytes.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
        break;
    }
    return value;
}

void ToVarbind(netsnmp_variable_list* vb, const SimValue& value)
{
    if (SimIsWideNumber(value)) {
        SimEncodeWideNumber(vb, value);
        return;
    }
    SimForgetWideNumber(vb);
    auto tag = static_cast<u_char>(value.type);
    switch (value.type) {
    case SimType::Integer: {
        long n = static_cast<long>(value.number);
        snmp_set_var_typed_value(vb, tag, &n, sizeof n);
        return;
    }
    case SimType::Counter32:
    case SimType::Gauge32:
    case SimType::TimeTicks: {
        u_long n = static_cast<u_long>(value.number);
        snmp_set_var_typed_value(vb, tag, &n, sizeof n);
        return;
    }
    case SimType::Counter64: {
        auto n = static_cast<std::uint64_t>(value.number);
        counter64 c{};
        c.high = static_cast<u_long>(n >> 32);
        c.low = static_cast<u_long>(n & 0xFFFFFFFFu);
        snmp_set_var_typed_value(vb, tag, &c, sizeof c);
        return;
    }
    case SimType::ObjectId: {
        auto name = ToNetOid(value.oid);
        snmp_set_var_typed_value(vb, tag, name.data(), name.size() * sizeof(oid));
        return;
    }
    case SimType::Null:
        snmp_set_var_typed_value(vb, tag, nullptr, 0);
        return;
    case SimType::OctetString:
    case SimType::BitString:
    case SimType::IpAddress:
    case SimType::Opaque:
        break;
    }
    snmp_set_var_typed_value(vb, tag, value.bytes.data(), value.bytes.size());
}

// Another value of the binding's own type: a number one more, the last
// octet or sub-identifier changed. A NULL has no other value.
void OtherValue(netsnmp_variable_list* vb)
{
    switch (vb->type) {
    case ASN_INTEGER:
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        snmp_set_var_typed_integer(vb, vb->type, *vb->val.integer + 1);
        return;
    case ASN_COUNTER64:
        ++vb->val.counter64->low;
        return;
    case ASN_OBJECT_ID:
        if (vb->val_len >= sizeof(oid))
            ++vb->val.objid[vb->val_len / sizeof(oid) - 1];
        return;
    case ASN_NULL:
        return;
    default:
        if (vb->val_len > 0)
            vb->val.string[vb->val_len - 1] ^= 1;
        else
            snmp_set_var_value(vb, "x", 1);
        return;
    }
}

// The binding's number plus 2^32, sent as it stands, as an agent that puts
// a 64-bit number into a 32-bit object; other values change as OtherValue.
void WideValue(netsnmp_variable_list* vb)
{
    SimValue wide;
    wide.type = static_cast<SimType>(vb->type);
    switch (vb->type) {
    case ASN_INTEGER:
        wide.number = static_cast<std::int32_t>(*vb->val.integer) + (std::int64_t{1} << 32);
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        wide.number = static_cast<std::uint32_t>(*vb->val.integer) + (std::int64_t{1} << 32);
        break;
    default:
        OtherValue(vb);
        return;
    }
    SimEncodeWideNumber(vb, wide);
}

void SetError(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* request, int status)
{
    if (status >= static_cast<int>(SNMP_NOSUCHOBJECT)) {
        snmp_set_var_typed_value(request->requestvb, static_cast<u_char>(status), nullptr, 0);
        return;
    }
    netsnmp_set_request_error(reqinfo, request, status);
}

std::string ConfigWord(const std::string& word)
{
    return '"' + word + '"';
}

}  // namespace

SimAgent::SimAgent(SimConfig& config) : config_(config), control_(config, record_) {}

bool SimAgent::WriteLibraryConfig(std::string& path, std::string& error) const
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/simswitch.XXXXXX";
    if (!mkdtemp(pattern.data())) {
        error = "cannot create a temporary folder";
        return false;
    }
    path = pattern + "/simswitch.conf";
    std::ofstream out(path);
    for (const auto& community : config_.communities) {
        out << (community.readWrite ? "rwcommunity " : "rocommunity ") << ConfigWord(community.name)
            << " default\n";
    }
    for (const auto& user : config_.users) {
        out << "createUser " << ConfigWord(user.name);
        if (!user.authProtocol.empty())
            out << ' ' << user.authProtocol << ' ' << ConfigWord(user.authPassword);
        if (!user.privProtocol.empty())
            out << ' ' << user.privProtocol << ' ' << ConfigWord(user.privPassword);
        const char* level = user.privProtocol.empty() ? (user.authProtocol.empty() ? "noauth" : "auth")
                                                      : "priv";
        out << '\n' << (user.readWrite ? "rwuser " : "rouser ") << ConfigWord(user.name) << ' ' << level
            << '\n';
    }
    out.close();
    if (!out) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

bool SimAgent::Start(int port, std::string& error)
{
    // No MIB files, no system configuration, no state written anywhere.
    setenv("MIBS", "", 1);
    netsnmp_set_mib_directory("");
    // Warnings and worse only: the library logs every packet at info level.
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_STDERR, LOG_WARNING);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);  // master
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_NO_ROOT_ACCESS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, "/dev/null");

    std::string configPath;
    if (!WriteLibraryConfig(configPath, error))
        return false;
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_OPTIONALCONFIG, configPath.c_str());

    // Without vacm_conf every request would be allowed; without usmConf
    // there would be no v3 users.
    char modules[] = "usmConf,vacm_conf";
    add_to_init_list(modules);
    init_agent(kAppName);
    init_snmp(kAppName);

    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(configPath).parent_path(), ignored);

    if (!RegisterSubtrees(error) || !OpenSocket(port, error))
        return false;
    controlOpen_ = register_readfd(STDIN_FILENO, &SimAgent::OnControlReadable, this) == FD_REGISTERED_OK;
    return true;
}

bool SimAgent::RegisterSubtrees(std::string& error)
{
    auto subtrees = config_.subtrees;
    std::sort(subtrees.begin(), subtrees.end());
    std::vector<SimOid> roots;
    for (const auto& subtree : subtrees) {
        if (roots.empty() || !SimOidHasPrefix(subtree, roots.back()))
            roots.push_back(subtree);
    }
    for (const auto& root : roots) {
        auto name = ToNetOid(root);
        std::string label = std::string(kAppName) + "-" + SimFormatOid(root);
        auto* reg = netsnmp_create_handler_registration(label.c_str(), &SimAgent::OnRequest, name.data(),
                                                        name.size(), HANDLER_CAN_RWRITE);
        if (!reg) {
            error = "cannot register " + SimFormatOid(root);
            return false;
        }
        reg->my_reg_void = this;
        if (netsnmp_register_handler(reg) != MIB_REGISTERED_OK) {
            error = "cannot register " + SimFormatOid(root);
            return false;
        }
    }
    return true;
}

bool SimAgent::OpenSocket(int port, std::string& error)
{
    // Our own session in place of init_master_agent: loopback only, and
    // every packet passes OnPacket first (set record, dropped requests).
    std::string address = "udp:127.0.0.1:" + std::to_string(port);
    netsnmp_transport* transport = netsnmp_transport_open_server("snmp", address.c_str());
    if (!transport) {
        error = "cannot open " + address;
        return false;
    }
    sockaddr_in bound{};
    socklen_t length = sizeof bound;
    if (getsockname(transport->sock, reinterpret_cast<sockaddr*>(&bound), &length) != 0) {
        error = "cannot read the port of " + address;
        netsnmp_transport_free(transport);
        return false;
    }
    port_ = ntohs(bound.sin_port);

    SimRetagWideNumbers(transport);
    SimRewriteCommunityReplies([this](std::vector<u_char>& message) { EncodeReply(message); });
    netsnmp_set_lookup_cache_size(-1);
    netsnmp_session session;
    snmp_sess_init(&session);
    session.version = SNMP_DEFAULT_VERSION;
    session.callback = &SimAgent::OnPacket;
    session.callback_magic = this;
    session.authenticator = nullptr;
    session.flags = netsnmp_ds_get_int(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_FLAGS);
    session.isAuthoritative = SNMP_SESS_AUTHORITATIVE;
    if (!snmp_add(&session, transport, netsnmp_agent_check_packet, netsnmp_agent_check_parse)) {
        error = "cannot open an agent session on " + address;
        return false;
    }
    return true;
}

void SimAgent::Run()
{
    while (!control_.QuitRequested())
        agent_check_and_process(1);
}

void SimAgent::Shutdown()
{
    if (controlOpen_)
        unregister_readfd(STDIN_FILENO);
    controlOpen_ = false;
    for (auto& held : held_) {
        snmp_alarm_unregister(held->alarm);
        snmp_free_pdu(held->pdu);
    }
    held_.clear();
    for (LateCopy& copy : late_)
        snmp_free_pdu(copy.pdu);
    late_.clear();
    snmp_shutdown(kAppName);
    FreeCutVarbinds();
    shutdown_agent();
}

int SimAgent::OnPacket(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic)
{
    auto* self = static_cast<SimAgent*>(magic);
    int copies = 1;
    bool late = false;
    try {
        if (op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE && pdu) {
            // Copies held back from earlier replies go out ahead of this one.
            self->SendLateCopies();
            int seq = pdu->command == SNMP_MSG_SET ? self->RecordSet(pdu) : 0;
            if (self->IsDropped(pdu)) {
                if (seq)
                    self->record_.MarkDropped(seq);
                return 0;  // the library frees the PDU; nobody answers
            }
            // The engine queues every request behind a set in progress, so
            // a slow set is held back before it starts, not in its handler.
            if (int ms = seq ? self->HoldTimeOf(pdu) : 0; ms && self->Hold(session, pdu, ms))
                return 1;
            copies = self->CopiesOf(pdu, late);
        }
    } catch (...) {
        return 0;
    }
    const int handled = handle_snmp_packet(op, session, reqid, pdu, nullptr);
    if (late && copies > 1) {
        // The clone keeps the sender's address and, for v3, its security state.
        if (netsnmp_pdu* copy = snmp_clone_pdu(pdu))
            self->late_.push_back({session, copy, copies - 1});
        return handled;
    }
    // The engine answers a copy of the PDU each time, so every duplicate
    // is a whole reply of its own, sent right after the first.
    for (int i = 1; i < copies; ++i)
        handle_snmp_packet(op, session, reqid, pdu, nullptr);
    return handled;
}

void SimAgent::SendLateCopies()
{
    // Taken first: answering may bring us back here.
    std::vector<LateCopy> due;
    due.swap(late_);
    for (LateCopy& copy : due) {
        for (int i = 0; i < copy.copies; ++i)
            handle_snmp_packet(NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE, copy.session, copy.pdu->reqid, copy.pdu,
                               nullptr);
        snmp_free_pdu(copy.pdu);
    }
}

int SimAgent::RecordSet(const netsnmp_pdu* pdu)
{
    SimSetPdu record;
    record.version = pdu->version == SNMP_VERSION_1 ? "v1" : pdu->version == SNMP_VERSION_2c ? "v2c" : "v3";
    record.reqid = pdu->reqid;
    if (pdu->version == SNMP_VERSION_3) {
        if (pdu->securityName)
            record.securityName.assign(pdu->securityName, pdu->securityNameLen);
    } else if (pdu->community) {
        record.securityName.assign(reinterpret_cast<const char*>(pdu->community), pdu->community_len);
    }
    for (auto* vb = pdu->variables; vb; vb = vb->next_variable)
        record.varbinds.push_back({ToSimOid(vb->name, vb->name_length), FromVarbind(vb)});
    return record_.Add(std::move(record));
}

bool SimAgent::IsDropped(const netsnmp_pdu* pdu) const
{
    const bool next = pdu->command == SNMP_MSG_GETNEXT || pdu->command == SNMP_MSG_GETBULK;
    for (auto* vb = pdu->variables; vb; vb = vb->next_variable) {
        SimOid name = ToSimOid(vb->name, vb->name_length);
        if (config_.faults.IsDropped(name))
            return true;
        // A walk runs into a dropped subtree from the instance before it.
        if (next) {
            if (auto* found = config_.store.Next(name, false); found && config_.faults.IsDropped(found->first))
                return true;
        }
    }
    return false;
}

int SimAgent::CopiesOf(const netsnmp_pdu* pdu, bool& late) const
{
    // Reads only: answering a set twice would apply it twice.
    const bool next = pdu->command == SNMP_MSG_GETNEXT || pdu->command == SNMP_MSG_GETBULK;
    if (!next && pdu->command != SNMP_MSG_GET)
        return 1;
    int most = 1;
    const auto note = [&](const SimOid& oid) {
        bool ruleLate = false;
        const int copies = config_.faults.CopiesFor(oid, &ruleLate);
        if (copies > most) {
            most = copies;
            late = ruleLate;
        }
    };
    for (auto* vb = pdu->variables; vb; vb = vb->next_variable) {
        SimOid name = ToSimOid(vb->name, vb->name_length);
        note(name);
        if (next) {
            if (auto* found = config_.store.Next(name, false))
                note(found->first);
        }
    }
    return most;
}

void SimAgent::SpoilSetReply(netsnmp_pdu* pdu)
{
    netsnmp_variable_list* target = nullptr;
    SimSetSpoil spoil = SimSetSpoil::Off;
    for (auto* vb = pdu->variables; vb && !target; vb = vb->next_variable) {
        spoil = config_.faults.SpoilFor(ToSimOid(vb->name, vb->name_length));
        if (spoil != SimSetSpoil::Off)
            target = vb;
    }
    if (!target)
        return;
    // Bindings cut from a reply stay alive until the next spoiled set: the
    // agent's requests still point at them while this one is answered.
    FreeCutVarbinds();
    switch (spoil) {
    case SimSetSpoil::None:
        cut_.push_back(pdu->variables);
        pdu->variables = nullptr;
        break;
    case SimSetSpoil::Fewer: {
        netsnmp_variable_list** last = &pdu->variables;
        while ((*last)->next_variable)
            last = &(*last)->next_variable;
        cut_.push_back(*last);
        *last = nullptr;
        break;
    }
    case SimSetSpoil::More:
        snmp_varlist_add_variable(&pdu->variables, target->name, target->name_length, target->type,
                                  target->val.string, target->val_len);
        break;
    case SimSetSpoil::Oid:
        ++target->name[target->name_length - 1];
        break;
    case SimSetSpoil::Type:
        // The numbers keep their value under another tag; anything else
        // becomes INTEGER 0.
        if (target->type == ASN_INTEGER)
            target->type = ASN_GAUGE;
        else if (target->type == ASN_GAUGE || target->type == ASN_COUNTER || target->type == ASN_TIMETICKS)
            target->type = ASN_INTEGER;
        else
            snmp_set_var_typed_integer(target, ASN_INTEGER, 0);
        break;
    case SimSetSpoil::Value:
        OtherValue(target);
        break;
    case SimSetSpoil::Wide:
        WideValue(target);
        break;
    case SimSetSpoil::NoSuchObject:
        snmp_set_var_typed_value(target, SNMP_NOSUCHOBJECT, nullptr, 0);
        break;
    case SimSetSpoil::NoSuchInstance:
        snmp_set_var_typed_value(target, SNMP_NOSUCHINSTANCE, nullptr, 0);
        break;
    case SimSetSpoil::EndOfMibView:
        snmp_set_var_typed_value(target, SNMP_ENDOFMIBVIEW, nullptr, 0);
        break;
    case SimSetSpoil::Off:
        break;
    }
}

void SimAgent::EncodeReply(std::vector<u_char>& message) const
{
    try {
        std::vector<SimOid> names;
        if (!SimMessageNames(message, names))
            return;
        for (const SimOid& name : names) {
            if (const SimEncoding encoding = config_.faults.EncodingFor(name); encoding != SimEncoding::Off) {
                SimEncodeMessage(message, encoding);
                return;
            }
        }
    } catch (...) {
        // Called inside Net-SNMP's send: the reply goes out as it was.
    }
}

void SimAgent::FreeCutVarbinds()
{
    for (auto* vb : cut_)
        snmp_free_varbind(vb);
    cut_.clear();
}

int SimAgent::HoldTimeOf(const netsnmp_pdu* pdu) const
{
    int longest = 0;
    for (auto* vb = pdu->variables; vb; vb = vb->next_variable)
        longest = std::max(longest, config_.faults.DelayFor(ToSimOid(vb->name, vb->name_length)));
    return longest;
}

bool SimAgent::Hold(netsnmp_session* session, const netsnmp_pdu* pdu, int ms)
{
    // The clone keeps the sender's address and, for v3, its security state.
    netsnmp_pdu* copy = snmp_clone_pdu(const_cast<netsnmp_pdu*>(pdu));
    if (!copy)
        return false;
    auto held = std::make_unique<HeldSet>(HeldSet{this, session, copy, 0});
    timeval wait{ms / 1000, (ms % 1000) * 1000};
    held->alarm = snmp_alarm_register_hr(wait, 0, &SimAgent::OnHoldOver, held.get());
    if (held->alarm == 0) {
        snmp_free_pdu(copy);
        return false;
    }
    held_.push_back(std::move(held));
    return true;
}

void SimAgent::OnHoldOver(unsigned int /*alarm*/, void* data)
{
    auto* held = static_cast<HeldSet*>(data);
    SimAgent* self = held->agent;
    try {
        handle_snmp_packet(NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE, held->session, held->pdu->reqid, held->pdu,
                           nullptr);
    } catch (...) {
    }
    snmp_free_pdu(held->pdu);
    self->held_.remove_if([held](const std::unique_ptr<HeldSet>& h) { return h.get() == held; });
}

int SimAgent::OnRequest(netsnmp_mib_handler* handler, netsnmp_handler_registration* reginfo,
                        netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    auto* self = static_cast<SimAgent*>(reginfo->my_reg_void);
    try {
        switch (reqinfo->mode) {
        case MODE_GET:
            self->AnswerGet(handler, reginfo, reqinfo, requests);
            break;
        case MODE_GETNEXT:
            self->AnswerGetNext(handler, reginfo, reqinfo, requests);
            break;
        case MODE_SET_RESERVE1:
            self->ReserveSet(reqinfo, requests);
            break;
        case MODE_SET_ACTION:
        case MODE_SET_COMMIT:
        case MODE_SET_UNDO:
            self->FinishSet(reqinfo->mode, reqinfo);
            break;
        default:
            break;
        }
    } catch (...) {
        for (auto* request = requests; request; request = request->next)
            netsnmp_set_request_error(reqinfo, request, SNMP_ERR_GENERR);
    }
    return SNMP_ERR_NOERROR;
}

void SimAgent::AnswerGet(netsnmp_mib_handler* handler, netsnmp_handler_registration* reginfo,
                         netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    for (auto* request = requests; request; request = request->next) {
        auto* vb = request->requestvb;
        SimOid name = ToSimOid(vb->name, vb->name_length);
        if (auto status = config_.faults.ErrorFor(name, SimOp::Get)) {
            SetError(reqinfo, request, *status);
            continue;
        }
        config_.fileSystem.BeforeGet(name, config_.store);
        if (const SimValue* value = config_.store.Find(name))
            ToVarbind(vb, *value);
        else
            SetError(reqinfo, request, config_.store.HasObjectOf(name) ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
        if (int ms = config_.faults.DelayFor(name))
            Delay(handler, reginfo, reqinfo, request, ms);
    }
}

void SimAgent::AnswerGetNext(netsnmp_mib_handler* handler, netsnmp_handler_registration* reginfo,
                             netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    for (auto* request = requests; request; request = request->next) {
        auto* vb = request->requestvb;
        SimOid name = ToSimOid(vb->name, vb->name_length);
        if (auto answer = config_.faults.NextAnswerFor(name)) {
            AnswerOutOfOrder(vb, *answer, name);
            continue;
        }
        const auto endless = SimEndlessNext(config_.store, config_.faults.EndlessTables(), name);
        auto* found = endless ? &*endless : config_.store.Next(name, request->inclusive != 0);
        if (!found)
            continue;
        // Past this registration's range: the next subtree answers.
        auto end = ToNetOid(found->first);
        if (request->range_end &&
            snmp_oid_compare(end.data(), end.size(), request->range_end, request->range_end_len) >= 0)
            continue;
        snmp_set_var_objid(vb, end.data(), end.size());
        if (auto status = config_.faults.ErrorFor(found->first, SimOp::GetNext))
            SetError(reqinfo, request, *status);
        else
            ToVarbind(vb, found->second);
        if (int ms = config_.faults.DelayFor(found->first))
            Delay(handler, reginfo, reqinfo, request, ms);
    }
}

void SimAgent::AnswerOutOfOrder(netsnmp_variable_list* vb, const SimNextAnswer& answer, const SimOid& asked)
{
    SimOid oid = answer.oid;
    const SimValue* value = nullptr;
    if (answer.back) {
        const auto* before = config_.store.Before(asked);
        if (!before) {
            snmp_set_var_typed_value(vb, SNMP_ENDOFMIBVIEW, nullptr, 0);
            return;
        }
        oid = before->first;
        value = &before->second;
    } else {
        value = config_.store.Find(oid);
    }
    auto name = ToNetOid(oid);
    snmp_set_var_objid(vb, name.data(), name.size());
    // The engine takes a NULL for no answer, so an OID that holds nothing
    // comes back with an INTEGER 0.
    if (value)
        ToVarbind(vb, *value);
    else
        snmp_set_var_typed_integer(vb, ASN_INTEGER, 0);
}

void SimAgent::ReserveSet(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    auto* tx = static_cast<SetTransaction*>(netsnmp_agent_get_list_data(reqinfo, kSetDataName));
    if (!tx) {
        // The first subtree called checks the whole PDU for all of them.
        auto owned = std::make_unique<SetTransaction>();
        int place = 1;
        for (auto* vb = reqinfo->asp->pdu->variables; vb; vb = vb->next_variable, ++place) {
            SimOid name = ToSimOid(vb->name, vb->name_length);
            if (!config_.IsServed(name))
                continue;
            owned->varbinds.push_back({name, FromVarbind(vb)});
            owned->position.push_back(place);
        }
        owned->status.assign(static_cast<std::size_t>(place), 0);
        auto checked = config_.store.CheckSet(owned->varbinds);
        for (std::size_t i = 0; i < checked.size(); ++i) {
            auto fault = config_.faults.ErrorFor(owned->varbinds[i].oid, SimOp::Set);
            owned->status[owned->position[i]] = fault ? *fault : checked[i];
        }
        tx = owned.release();
        netsnmp_agent_add_list_data(reqinfo, netsnmp_create_data_list(kSetDataName, tx, &FreeTransaction));
    }
    for (auto* request = requests; request; request = request->next) {
        auto place = static_cast<std::size_t>(request->index);
        if (place < tx->status.size() && tx->status[place] != 0)
            netsnmp_set_request_error(reqinfo, request, tx->status[place]);
    }
}

void SimAgent::FinishSet(int mode, netsnmp_agent_request_info* reqinfo)
{
    auto* tx = static_cast<SetTransaction*>(netsnmp_agent_get_list_data(reqinfo, kSetDataName));
    if (!tx)
        return;
    // Each mode reaches every subtree's handler: act on the first call only.
    switch (mode) {
    case MODE_SET_ACTION:
        if (!tx->applied) {
            tx->undo = config_.store.ApplySet(tx->varbinds);
            tx->applied = true;
            // The operation's outcome is in the status before the answer goes.
            config_.fileSystem.AfterSet(tx->varbinds, config_.store);
        }
        break;
    case MODE_SET_COMMIT:
        if (!tx->done) {
            record_.MarkApplied(reqinfo->asp->pdu->reqid);
            tx->done = true;
            // The PDU becomes the reply once every subtree has committed.
            SpoilSetReply(reqinfo->asp->pdu);
        }
        break;
    case MODE_SET_UNDO:
        if (tx->applied && !tx->done) {
            config_.store.Restore(tx->undo);
            tx->done = true;
        }
        break;
    default:
        break;
    }
}

void SimAgent::Delay(netsnmp_mib_handler* handler, netsnmp_handler_registration* reginfo,
                     netsnmp_agent_request_info* reqinfo, netsnmp_request_info* request, int ms)
{
    // The reply waits for the alarm; other requests go on meanwhile.
    auto* cache = netsnmp_create_delegated_cache(handler, reginfo, reqinfo, request, nullptr);
    if (!cache)
        return;
    timeval wait{ms / 1000, (ms % 1000) * 1000};
    if (snmp_alarm_register_hr(wait, 0, &SimAgent::OnDelayOver, cache) == 0) {
        netsnmp_free_delegated_cache(cache);
        return;
    }
    request->delegated = 1;
}

void SimAgent::OnDelayOver(unsigned int /*alarm*/, void* data)
{
    auto* cache = static_cast<netsnmp_delegated_cache*>(data);
    // The request is gone if its PDU has been answered or dropped meanwhile.
    if (netsnmp_handler_check_cache(cache))
        cache->requests->delegated = 0;
    netsnmp_free_delegated_cache(cache);
}

void SimAgent::OnControlReadable(int /*fd*/, void* self)
{
    try {
        static_cast<SimAgent*>(self)->ReadControl();
    } catch (...) {
        std::fputs("error internal failure\n", stdout);
        std::fflush(stdout);
    }
}

void SimAgent::ReadControl()
{
    char buffer[4096];
    ssize_t count = read(STDIN_FILENO, buffer, sizeof buffer);
    if (count < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (count <= 0) {
        // The starter closed our input: keep serving until it stops us.
        unregister_readfd(STDIN_FILENO);
        controlOpen_ = false;
        return;
    }
    controlBuffer_.append(buffer, static_cast<std::size_t>(count));
    for (auto end = controlBuffer_.find('\n'); end != std::string::npos; end = controlBuffer_.find('\n')) {
        std::string line = controlBuffer_.substr(0, end);
        controlBuffer_.erase(0, end + 1);
        std::string reply = control_.Run(line);
        std::fwrite(reply.data(), 1, reply.size(), stdout);
        std::fflush(stdout);
    }
}
