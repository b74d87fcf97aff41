#include "NetSnmpWideNumbers.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/snmp_secmod.h>

#include <algorithm>

namespace {

using Octets = std::span<const std::uint8_t>;

constexpr std::uint8_t kTagInteger = 0x02;
constexpr std::uint8_t kTagOctets = 0x04;
constexpr std::uint8_t kTagOid = 0x06;
constexpr std::uint8_t kTagSequence = 0x30;
constexpr std::uint8_t kTagFirstPdu = 0xA0;
constexpr std::uint8_t kTagLastPdu = 0xA8;

// The next TLV of `in`, which moves past it; false when the octets do not
// hold a whole one.
bool NextTlv(Octets& in, std::uint8_t& tag, Octets& content)
{
    if (in.size() < 2 || (in[0] & 0x1F) == 0x1F)
        return false;
    tag = in[0];
    std::size_t pos = 2;
    std::size_t length = in[1];
    if (length & 0x80) {
        const std::size_t count = length & 0x7F;
        if (count == 0 || count > 4 || in.size() - pos < count)
            return false;
        length = 0;
        for (std::size_t k = 0; k < count; ++k)
            length = (length << 8) | in[pos++];
    }
    if (in.size() - pos < length)
        return false;
    content = in.subspan(pos, length);
    in = in.subspan(pos + length);
    return true;
}

bool Expect(Octets& in, std::uint8_t wanted, Octets& content)
{
    std::uint8_t tag = 0;
    return NextTlv(in, tag, content) && tag == wanted;
}

// A BER integer's value; numbers of more than 16 octets do not fit here
// and are no 32-bit value either.
bool SignedValue(Octets content, __int128& value)
{
    if (content.empty() || content.size() > 16)
        return false;
    unsigned __int128 bits = (content[0] & 0x80) ? ~static_cast<unsigned __int128>(0) : 0;
    for (std::uint8_t octet : content)
        bits = (bits << 8) | octet;
    value = static_cast<__int128>(bits);
    return true;
}

std::string DecimalText(__int128 value)
{
    const bool negative = value < 0;
    unsigned __int128 magnitude = negative ? -static_cast<unsigned __int128>(value)
                                           : static_cast<unsigned __int128>(value);
    std::string digits;
    do {
        digits.push_back(static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative)
        digits.push_back('-');
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::string HexText(Octets content)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text = "0x";
    for (std::uint8_t octet : content) {
        text.push_back(kDigits[octet >> 4]);
        text.push_back(kDigits[octet & 15]);
    }
    return text;
}

// The number as sent when it does not fit its type; "" when it fits or is
// no 32-bit number.
std::string WideValue(std::uint8_t tag, Octets content)
{
    const bool isSigned = tag == ASN_INTEGER;
    const bool isUnsigned = tag == ASN_COUNTER || tag == ASN_GAUGE || tag == ASN_TIMETICKS || tag == ASN_UINTEGER;
    if ((!isSigned && !isUnsigned) || content.empty())
        return {};
    __int128 value = 0;
    if (!SignedValue(content, value))
        return HexText(content);
    const __int128 lowest = isSigned ? INT32_MIN : 0;
    const __int128 highest = isSigned ? INT32_MAX : UINT32_MAX;
    return value < lowest || value > highest ? DecimalText(value) : std::string();
}

// A PDU: request ID, error status and index, then the bindings.
bool ScanPdu(Octets& in, VnWideScan& scan)
{
    std::uint8_t tag = 0;
    Octets pdu;
    if (!NextTlv(in, tag, pdu) || tag < kTagFirstPdu || tag > kTagLastPdu)
        return false;
    Octets requestId, status, index, bindings;
    __int128 id = 0;
    if (!Expect(pdu, kTagInteger, requestId) || !SignedValue(requestId, id) || !Expect(pdu, kTagInteger, status)
        || !Expect(pdu, kTagInteger, index) || !Expect(pdu, kTagSequence, bindings))
        return false;
    scan.requestId = static_cast<long>(id);
    scan.numbers.clear();
    for (std::size_t n = 0; !bindings.empty(); ++n) {
        Octets binding, name, value;
        if (!Expect(bindings, kTagSequence, binding) || !Expect(binding, kTagOid, name)
            || !NextTlv(binding, tag, value))
            return false;
        if (std::string wide = WideValue(tag, value); !wide.empty())
            scan.numbers.push_back({n, std::move(wide)});
    }
    return true;
}

// The reply being read, while it is read.
struct Noted {
    bool valid = false;
    VnWideScan scan;
};
Noted noted;

SecmodInMsg* usmDecode = nullptr;

int WatchedDecode(struct snmp_secmod_incoming_params* in)
{
    const int result = usmDecode ? usmDecode(in) : SNMPERR_GENERR;
    try {
        if (result == SNMPERR_SUCCESS && in && in->scopedPdu && *in->scopedPdu && in->scopedPduLen) {
            VnWideScan scan;
            noted.valid = ScanScopedPdu(Octets(*in->scopedPdu, *in->scopedPduLen), scan);
            noted.scan = std::move(scan);
        }
    } catch (...) {
        // Nothing may unwind through the library; the reply is then read
        // as Net-SNMP decoded it.
        noted.valid = false;
    }
    return result;
}

} // namespace

bool ScanCommunityMessage(std::span<const std::uint8_t> message, VnWideScan& scan)
{
    Octets in = message;
    Octets body, version, community;
    __int128 number = 0;
    if (!Expect(in, kTagSequence, body) || !Expect(body, kTagInteger, version) || !SignedValue(version, number)
        || (number != SNMP_VERSION_1 && number != SNMP_VERSION_2c) || !Expect(body, kTagOctets, community))
        return false;
    return ScanPdu(body, scan);
}

bool ScanScopedPdu(std::span<const std::uint8_t> scopedPdu, VnWideScan& scan)
{
    Octets in = scopedPdu;
    Octets body, engine, context;
    if (!Expect(in, kTagSequence, body) || !Expect(body, kTagOctets, engine) || !Expect(body, kTagOctets, context))
        return false;
    return ScanPdu(body, scan);
}

void ForgetWideNumbers()
{
    noted = {};
}

void NoteDatagram(std::span<const std::uint8_t> datagram)
{
    VnWideScan scan;
    if (!ScanCommunityMessage(datagram, scan))
        return;
    noted.valid = true;
    noted.scan = std::move(scan);
}

void WatchDecodedScopedPdus()
{
    snmp_secmod_def* usm = find_sec_mod(SNMP_SEC_MODEL_USM);
    if (!usm || usm->decode == WatchedDecode)
        return;
    usmDecode = usm->decode;
    usm->decode = WatchedDecode;
}

std::vector<VnWideNumber> TakeWideNumbers(long requestId)
{
    if (!noted.valid || noted.scan.requestId != requestId)
        return {};
    std::vector<VnWideNumber> numbers = std::move(noted.scan.numbers);
    noted = {};
    return numbers;
}
