#include "SimWideNumbers.h"

#include <net-snmp/library/snmp_secmod.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>
#include <vector>

namespace {

using Octets = std::vector<u_char>;

// The encoded OID (tag, length, sub-identifiers) of each binding that holds
// a wide number, and the tag it goes out with.
std::map<Octets, u_char> wide;

int (*transportSend)(netsnmp_transport*, const void*, int, void**, int*) = nullptr;
std::function<void(Octets&)> rewriteReply;
SecmodOutMsg* usmEncodeForward = nullptr;
SecmodOutMsg* usmEncodeReverse = nullptr;

Octets EncodedName(const netsnmp_variable_list* vb)
{
    u_char buffer[MAX_OID_LEN * 5 + 16];
    size_t room = sizeof buffer;
    u_char* end = asn_build_objid(buffer, &room, ASN_OBJECT_ID, vb->name, vb->name_length);
    return end ? Octets(buffer, end) : Octets();
}

// Gives each wide number its own tag in place of the Counter64 one.
void Retag(u_char* data, std::size_t length)
{
    u_char* const end = data + length;
    for (const auto& [name, tag] : wide) {
        for (u_char* at = data; (at = std::search(at, end, name.begin(), name.end())) != end; at += name.size()) {
            u_char* const valueTag = at + name.size();
            if (valueTag < end && *valueTag == ASN_COUNTER64)
                *valueTag = tag;
        }
    }
}

// An SNMPv1 or v2c message: a sequence whose first element is the
// version, one octet of 0 or 1.
bool IsCommunityMessage(const u_char* octets, std::size_t size)
{
    if (size < 2 || octets[0] != (ASN_SEQUENCE | ASN_CONSTRUCTOR))
        return false;
    const std::size_t version = 2 + ((octets[1] & 0x80) ? (octets[1] & 0x7F) : 0);
    return size > version + 2 && octets[version] == ASN_INTEGER && octets[version + 1] == 1
           && (octets[version + 2] == SNMP_VERSION_1 || octets[version + 2] == SNMP_VERSION_2c);
}

// SNMPv1 and v2c replies; an SNMPv3 one was retagged before USM had it.
int SendRetagged(netsnmp_transport* transport, const void* buffer, int size, void** opaque, int* length)
{
    const auto* octets = static_cast<const u_char*>(buffer);
    if ((wide.empty() && !rewriteReply) || size <= 0 || !IsCommunityMessage(octets, static_cast<std::size_t>(size)))
        return transportSend(transport, buffer, size, opaque, length);
    Octets copy(octets, octets + size);
    Retag(copy.data(), copy.size());
    if (rewriteReply)
        rewriteReply(copy);
    return transportSend(transport, copy.data(), static_cast<int>(copy.size()), opaque, length);
}

int EncodeForwardRetagged(snmp_secmod_outgoing_params* params)
{
    if (!wide.empty() && params->scopedPdu)
        Retag(params->scopedPdu, params->scopedPduLen);
    return usmEncodeForward(params);
}

int EncodeReverseRetagged(snmp_secmod_outgoing_params* params)
{
    if (!wide.empty() && params->scopedPdu)
        Retag(params->scopedPdu, params->scopedPduLen);
    return usmEncodeReverse(params);
}

} // namespace

bool SimIsWideNumber(const SimValue& value)
{
    switch (value.type) {
    case SimType::Integer:
        return value.number < INT32_MIN || value.number > INT32_MAX;
    case SimType::Counter32:
    case SimType::Gauge32:
    case SimType::TimeTicks:
        return value.number < 0 || value.number > static_cast<std::int64_t>(UINT32_MAX);
    default:
        return false;
    }
}

void SimEncodeWideNumber(netsnmp_variable_list* vb, const SimValue& value)
{
    const auto number = static_cast<std::uint64_t>(value.number);
    counter64 c{};
    c.high = static_cast<u_long>(number >> 32);
    c.low = static_cast<u_long>(number & 0xFFFFFFFFu);
    snmp_set_var_typed_value(vb, ASN_COUNTER64, &c, sizeof c);
    if (Octets name = EncodedName(vb); !name.empty())
        wide[name] = static_cast<u_char>(value.type);
}

void SimForgetWideNumber(const netsnmp_variable_list* vb)
{
    if (!wide.empty())
        wide.erase(EncodedName(vb));
}

void SimRewriteCommunityReplies(std::function<void(std::vector<u_char>&)> rewrite)
{
    rewriteReply = std::move(rewrite);
}

void SimRetagWideNumbers(netsnmp_transport* transport)
{
    if (transport && transport->f_send != SendRetagged) {
        transportSend = transport->f_send;
        transport->f_send = SendRetagged;
    }
    snmp_secmod_def* usm = find_sec_mod(SNMP_SEC_MODEL_USM);
    if (!usm || usm->encode_forward == EncodeForwardRetagged)
        return;
    usmEncodeForward = usm->encode_forward;
    usmEncodeReverse = usm->encode_reverse;
    if (usmEncodeForward)
        usm->encode_forward = EncodeForwardRetagged;
    if (usmEncodeReverse)
        usm->encode_reverse = EncodeReverseRetagged;
}
