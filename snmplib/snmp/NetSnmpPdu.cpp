#include "NetSnmpPdu.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cstring>

#include "NetSnmpWideNumbers.h"

namespace {

int NetSnmpCommand(int command)
{
    switch (command) {
    case kPduGetNext:
        return SNMP_MSG_GETNEXT;
    case kPduSet:
        return SNMP_MSG_SET;
    default:
        return SNMP_MSG_GET;
    }
}

bool AddBinding(snmp_pdu* pdu, const Vb& vb, int& result)
{
    std::vector<unsigned long> name;
    if (!vb.get_oid().valid() || !EncodableOid(vb.get_oid(), name)) {
        result = SnmpResult::InvalidOid;
        return false;
    }
    if (!vb.value_valid()) {
        result = SnmpResult::InvalidPdu;
        return false;
    }
    const oid* id = name.data();
    const std::size_t length = name.size();
    netsnmp_variable_list* added = nullptr;
    switch (vb.get_syntax()) {
    case kSmiInteger: {
        long value = static_cast<std::int32_t>(static_cast<std::uint32_t>(vb.number()));
        added = snmp_pdu_add_variable(pdu, id, length, ASN_INTEGER, &value, sizeof value);
        break;
    }
    case kSmiCounter32:
    case kSmiGauge32:
    case kSmiTimeTicks:
    case kSmiUInteger32: {
        u_long value = static_cast<std::uint32_t>(vb.number());
        added = snmp_pdu_add_variable(pdu, id, length, static_cast<u_char>(vb.get_syntax()), &value, sizeof value);
        break;
    }
    case kSmiCounter64: {
        counter64 value{};
        value.high = static_cast<u_long>(vb.number() >> 32);
        value.low = static_cast<u_long>(vb.number() & 0xFFFFFFFFu);
        added = snmp_pdu_add_variable(pdu, id, length, ASN_COUNTER64, &value, sizeof value);
        break;
    }
    case kSmiOctets:
    case kSmiOpaque:
    case kSmiBits:
    case kSmiIpAddress:
        added = snmp_pdu_add_variable(pdu, id, length, static_cast<u_char>(vb.get_syntax()), vb.octets().data(),
                                      vb.octets().len());
        break;
    case kSmiOid: {
        std::vector<unsigned long> value;
        if (!EncodableOid(vb.oid_value(), value)) {
            result = SnmpResult::InvalidPdu;
            return false;
        }
        added = snmp_pdu_add_variable(pdu, id, length, ASN_OBJECT_ID, value.data(), value.size() * sizeof(oid));
        break;
    }
    default:  // NULL, and the exception values, which a request never carries
        added = snmp_pdu_add_variable(pdu, id, length, ASN_NULL, nullptr, 0);
        break;
    }
    if (!added) {
        result = SnmpResult::ResourceUnavailable;
        return false;
    }
    return true;
}

std::uint64_t Unsigned32(const netsnmp_variable_list& v)
{
    return v.val.integer ? static_cast<std::uint32_t>(*v.val.integer) : 0;
}

// Net-SNMP unwraps the special Opaque kinds (float, double, 64-bit
// integers); they are wrapped again so the value reads as it was sent.
OctetStr SpecialOpaque(const netsnmp_variable_list& v)
{
    u_char buffer[64];
    size_t length = sizeof buffer;
    u_char* end = nullptr;
    switch (v.type) {
    case ASN_OPAQUE_FLOAT:
        if (v.val.floatVal)
            end = asn_build_float(buffer, &length, v.type, v.val.floatVal, sizeof(float));
        break;
    case ASN_OPAQUE_DOUBLE:
        if (v.val.doubleVal)
            end = asn_build_double(buffer, &length, v.type, v.val.doubleVal, sizeof(double));
        break;
    case ASN_OPAQUE_COUNTER64:
    case ASN_OPAQUE_U64:
        if (v.val.counter64)
            end = asn_build_unsigned_int64(buffer, &length, v.type, v.val.counter64, sizeof(counter64));
        break;
    case ASN_OPAQUE_I64:
        if (v.val.counter64)
            end = asn_build_signed_int64(buffer, &length, v.type, v.val.counter64, sizeof(counter64));
        break;
    default:
        break;
    }
    if (!end)
        return OctetStr(v.val.string, v.val.string ? v.val_len : 0);
    // What was built is the whole Opaque (tag, length, contents); the
    // contents are the value. (asn_parse_header would also skip the inner
    // header of these kinds.)
    const std::size_t built = static_cast<std::size_t>(end - buffer);
    std::size_t header = 2;
    if (built >= 2 && (buffer[1] & 0x80))
        header += buffer[1] & 0x7F;
    if (built < header)
        return OctetStr(v.val.string, v.val.string ? v.val_len : 0);
    return OctetStr(buffer + header, built - header);
}

Vb ReadBinding(const netsnmp_variable_list& v)
{
    Vb vb;
    std::vector<std::uint32_t> name;
    for (std::size_t i = 0; i < v.name_length; ++i)
        name.push_back(static_cast<std::uint32_t>(v.name[i]));
    vb.set_oid(Oid(name.data(), name.size()));

    const auto* bytes = v.val.string;
    switch (v.type) {
    case ASN_INTEGER:
        vb.set_received(kSmiInteger, Unsigned32(v), {}, {});
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
    case ASN_UINTEGER:
        vb.set_received(v.type, Unsigned32(v), {}, {});
        break;
    case ASN_COUNTER64: {
        std::uint64_t value = 0;
        if (v.val.counter64)
            value = (std::uint64_t{static_cast<std::uint32_t>(v.val.counter64->high)} << 32) |
                    static_cast<std::uint32_t>(v.val.counter64->low);
        vb.set_received(kSmiCounter64, value, {}, {});
        break;
    }
    case ASN_OBJECT_ID: {
        std::vector<std::uint32_t> ids;
        for (std::size_t i = 0; v.val.objid && i < v.val_len / sizeof(oid); ++i)
            ids.push_back(static_cast<std::uint32_t>(v.val.objid[i]));
        vb.set_received(kSmiOid, 0, {}, Oid(ids.data(), ids.size()));
        break;
    }
    case ASN_NULL:
    case SNMP_NOSUCHOBJECT:
    case SNMP_NOSUCHINSTANCE:
    case SNMP_ENDOFMIBVIEW:
        vb.set_received(v.type, 0, {}, {});
        break;
    case ASN_OCTET_STR:
    case ASN_IPADDRESS:
    case ASN_BIT_STR:
        vb.set_received(v.type, 0, OctetStr(bytes, bytes ? v.val_len : 0), {});
        break;
    case ASN_OPAQUE:
        vb.set_received(kSmiOpaque, 0, OctetStr(bytes, bytes ? v.val_len : 0), {});
        break;
    default:
        vb.set_received(kSmiOpaque, 0, SpecialOpaque(v), {});
        break;
    }
    return vb;
}

}  // namespace

bool EncodableOid(const Oid& oid, std::vector<unsigned long>& ids)
{
    ids.assign(oid.ids().begin(), oid.ids().end());
    while (ids.size() < 2)
        ids.push_back(0);
    if (ids[0] > 2)
        return false;
    return ids[0] == 2 || ids[1] < 40;
}

snmp_pdu* BuildNetSnmpPdu(int command, const Pdu& pdu, int& result)
{
    snmp_pdu* out = snmp_pdu_create(NetSnmpCommand(command));
    if (!out) {
        result = SnmpResult::ResourceUnavailable;
        return nullptr;
    }
    for (const Vb& vb : pdu.vbs()) {
        if (!AddBinding(out, vb, result)) {
            snmp_free_pdu(out);
            return nullptr;
        }
    }
    const OctetStr& name = pdu.get_context_name();
    if (name.len()) {
        out->contextName = static_cast<char*>(std::malloc(name.len()));
        std::memcpy(out->contextName, name.data(), name.len());
        out->contextNameLen = name.len();
    }
    const OctetStr& engine = pdu.get_context_engine_id();
    if (engine.len()) {
        out->contextEngineID = static_cast<u_char*>(std::malloc(engine.len()));
        std::memcpy(out->contextEngineID, engine.data(), engine.len());
        out->contextEngineIDLen = engine.len();
    }
    result = SnmpResult::Success;
    return out;
}

void ReadNetSnmpPdu(const snmp_pdu& in, Pdu& out)
{
    std::vector<Vb> vbs;
    for (const netsnmp_variable_list* v = in.variables; v; v = v->next_variable)
        vbs.push_back(ReadBinding(*v));
    // The library cut these to its types' bits, or read them as positive:
    // say what was sent. A reply whose octets could not be read so may hold
    // such numbers unseen.
    std::vector<VnWideNumber> wide;
    out.set_unchecked(!TakeCheckedReply(in, wide));
    for (VnWideNumber& number : wide) {
        if (number.binding < vbs.size())
            vbs[number.binding].set_out_of_range(std::move(number.value));
    }
    out.set_vbs(std::move(vbs));
    out.set_type(in.command);
    out.set_error_status(static_cast<int>(in.errstat));
    out.set_error_index(static_cast<int>(in.errindex));
}

int ReportResult(snmp_pdu* report)
{
    switch (snmpv3_get_report_type(report)) {
    case SNMPERR_UNKNOWN_SEC_MODEL:
        return SnmpResult::UnsupportedSecurityModel;
    case SNMPERR_UNKNOWN_ENG_ID:
        return SnmpResult::UsmUnknownEngineId;
    case SNMPERR_UNKNOWN_USER_NAME:
        return SnmpResult::UsmUnknownSecurityName;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
        return SnmpResult::UsmUnsupportedSecurityLevel;
    case SNMPERR_AUTHENTICATION_FAILURE:
        return SnmpResult::UsmAuthenticationFailure;
    case SNMPERR_NOT_IN_TIME_WINDOW:
        return SnmpResult::UsmNotInTimeWindow;
    case SNMPERR_DECRYPTION_ERR:
        return SnmpResult::UsmDecryptionError;
    default:
        return SnmpResult::Error;
    }
}

int NetSnmpErrorResult(int snmpErrno)
{
    switch (snmpErrno) {
    case SNMPERR_BAD_SENDTO:
        return SnmpResult::SendFailed;
    case SNMPERR_TIMEOUT:
        return SnmpResult::Timeout;
    case SNMPERR_BAD_ADDRESS:
        return SnmpResult::InvalidAddress;
    case SNMPERR_UNKNOWN_SEC_MODEL:
        return SnmpResult::UnsupportedSecurityModel;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME:
        return SnmpResult::UsmUnknownSecurityName;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL:
        return SnmpResult::UsmUnsupportedSecurityLevel;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE:
        return SnmpResult::UsmAuthenticationFailure;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID:
        return SnmpResult::UsmUnknownEngineId;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW:
        return SnmpResult::UsmNotInTimeWindow;
    case SNMPERR_DECRYPTION_ERR:
        return SnmpResult::UsmDecryptionError;
    case SNMPERR_USM_ENCRYPTIONERROR:
        return SnmpResult::UsmEncryptionError;
    default:
        return SnmpResult::Error;
    }
}
