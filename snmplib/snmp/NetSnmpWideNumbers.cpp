#include "NetSnmpWideNumbers.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/snmp_secmod.h>

#include <algorithm>
#include <climits>

namespace {

using Octets = std::span<const std::uint8_t>;

constexpr std::uint8_t kTagInteger = 0x02;
constexpr std::uint8_t kTagOid = 0x06;
constexpr std::uint8_t kTagSequence = 0x30;
constexpr std::uint8_t kTagOpaque = 0x44;
constexpr std::uint8_t kOpaqueWrapper = 0x9F;
constexpr std::uint8_t kTagV1Trap = 0xA4;
// Net-SNMP's limits: octets of a length, and sub-identifiers of a name
// (the first octet's two count as one here).
constexpr std::size_t kMaxLengthOctets = 8;
constexpr std::size_t kMaxEncodedSubIds = MAX_OID_LEN - 1;

// The length of an element whose length octets start `in`, and the
// content: false when the length is not one Net-SNMP takes (indefinite,
// more than 8 octets) or the content is not all in `in`.
bool ReadLength(Octets in, Octets& content, Octets& after)
{
    if (in.empty())
        return false;
    std::size_t pos = 1;
    std::uint64_t length = in[0];
    if (length & 0x80) {
        const std::size_t count = length & 0x7F;
        if (count == 0 || count > kMaxLengthOctets || in.size() - pos < count)
            return false;
        length = 0;
        for (std::size_t k = 0; k < count; ++k)
            length = (length << 8) | in[pos++];
    }
    if (length > in.size() - pos)
        return false;
    content = in.subspan(pos, static_cast<std::size_t>(length));
    after = in.subspan(pos + static_cast<std::size_t>(length));
    return true;
}

// The next element of `in`, which moves past it. Net-SNMP reads no tag of
// more than one octet.
bool NextTlv(Octets& in, std::uint8_t& tag, Octets& content)
{
    if (in.size() < 2 || (in[0] & 0x1F) == 0x1F)
        return false;
    tag = in[0];
    return ReadLength(in.subspan(1), content, in);
}

bool Expect(Octets& in, std::uint8_t wanted, Octets& content)
{
    std::uint8_t tag = 0;
    return NextTlv(in, tag, content) && tag == wanted;
}

// The octet-string tags Net-SNMP's string reader takes: OCTET STRING,
// IpAddress, Opaque, NsapAddress.
bool ExpectString(Octets& in)
{
    std::uint8_t tag = 0;
    Octets content;
    return NextTlv(in, tag, content)
           && (tag == ASN_OCTET_STR || tag == ASN_IPADDRESS || tag == ASN_OPAQUE || tag == ASN_NSAP);
}

// A BER integer's value; numbers of more than 16 octets do not fit here
// and are no 64-bit value either.
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

// An INTEGER of the message or PDU header as Net-SNMP reads it: one to
// eight octets, cut to 32 bits the way it cuts them. `fits`: whether it
// needed no cut.
bool HeaderInteger(Octets& in, long& cut, bool* fits = nullptr)
{
    Octets content;
    __int128 value = 0;
    if (!Expect(in, kTagInteger, content) || content.size() > sizeof(long) || !SignedValue(content, value))
        return false;
    auto number = static_cast<long>(value);
    if (fits)
        *fits = number >= INT32_MIN && number <= INT32_MAX;
    if (number > INT32_MAX)
        number &= 0xFFFFFFFFL;
    else if (number < INT32_MIN)
        number = 0 - (number & 0xFFFFFFFFL);
    cut = number;
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

// The range of each number type, by the type Net-SNMP gives the binding.
struct Range {
    __int128 lowest;
    __int128 highest;
};

bool NumberRange(std::uint8_t type, Range& range)
{
    switch (type) {
    case ASN_INTEGER:
        range = {INT32_MIN, INT32_MAX};
        return true;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
    case ASN_UINTEGER:
        range = {0, UINT32_MAX};
        return true;
    case ASN_COUNTER64:
    case ASN_OPAQUE_COUNTER64:
    case ASN_OPAQUE_U64:
        range = {0, UINT64_MAX};
        return true;
    case ASN_OPAQUE_I64:
        range = {INT64_MIN, INT64_MAX};
        return true;
    default:
        return false;
    }
}

// A binding's number: fits, or the number as sent in `wide`. False for an
// empty number, which Net-SNMP reads as 0 for the 64-bit types.
bool ReadNumber(Octets content, const Range& range, VnScannedBinding& binding, std::string& wide)
{
    if (content.empty())
        return false;
    __int128 value = 0;
    if (!SignedValue(content, value)) {
        wide = HexText(content);
        return true;
    }
    if (value < range.lowest || value > range.highest) {
        wide = DecimalText(value);
        return true;
    }
    binding.number = true;
    binding.value = static_cast<std::uint64_t>(static_cast<unsigned __int128>(value));
    return true;
}

// An object identifier as Net-SNMP decodes it: the first octet's number
// gives two sub-identifiers, an empty one is "0".
bool ReadName(Octets content, std::vector<std::uint32_t>& name)
{
    name.clear();
    if (content.empty()) {
        name.push_back(0);
        return true;
    }
    std::vector<std::uint64_t> ids;
    std::size_t k = 0;
    while (k < content.size()) {
        if (ids.size() >= kMaxEncodedSubIds)
            return false;
        std::uint64_t id = 0;
        std::uint8_t octet = 0;
        do {
            octet = content[k++];
            id = (id << 7) + (octet & 0x7F);
        } while ((octet & 0x80) && k < content.size());
        if ((octet & 0x80) || id > UINT32_MAX)
            return false;
        ids.push_back(id);
    }
    const std::uint64_t first = ids[0];
    const std::uint64_t top = first < 40 ? 0 : first < 80 ? 1 : 2;
    name.push_back(static_cast<std::uint32_t>(top));
    name.push_back(static_cast<std::uint32_t>(first - top * 40));
    for (std::size_t i = 1; i < ids.size(); ++i)
        name.push_back(static_cast<std::uint32_t>(ids[i]));
    return true;
}

bool IsWrappedNumber(std::uint8_t type)
{
    return type == ASN_OPAQUE_COUNTER64 || type == ASN_OPAQUE_U64 || type == ASN_OPAQUE_I64
           || type == ASN_OPAQUE_FLOAT || type == ASN_OPAQUE_DOUBLE;
}

// The bindings as Net-SNMP walks them: each is a SEQUENCE holding a name
// and a value, and the next one starts right after the value, inside the
// SEQUENCE if it goes on.
bool ScanBindings(Octets list, VnWideScan& scan)
{
    while (!list.empty()) {
        Octets pair, name, value;
        std::uint8_t type = 0;
        if (!Expect(list, kTagSequence, pair) || !Expect(pair, kTagOid, name) || !NextTlv(pair, type, value))
            return false;
        // A 64-bit number or a float in an Opaque: the inner value counts,
        // and the walk goes on after it.
        if (type == kTagOpaque && value.size() >= 3 && value[0] == kOpaqueWrapper && IsWrappedNumber(value[1])) {
            type = value[1];
            Octets after;
            if (!ReadLength(value.subspan(2), value, after))
                return false;
        }
        const std::uint8_t* const next = value.data() + value.size();
        list = std::span(next, static_cast<std::size_t>(list.data() + list.size() - next));

        VnScannedBinding binding;
        binding.type = type;
        if (!ReadName(name, binding.name))
            return false;
        Range range{};
        std::string wide;
        if (NumberRange(type, range) && !ReadNumber(value, range, binding, wide))
            return false;
        if (!wide.empty())
            scan.numbers.push_back({scan.bindings.size(), std::move(wide)});
        scan.bindings.push_back(std::move(binding));
    }
    return true;
}

// A PDU: request ID, error status and index, then the bindings. Net-SNMP
// reads an SNMPv1 trap otherwise, and no other tag.
bool ScanPdu(Octets& in, VnWideScan& scan)
{
    std::uint8_t tag = 0;
    Octets pdu, bindings;
    if (!NextTlv(in, tag, pdu) || tag < SNMP_MSG_GET || tag > SNMP_MSG_REPORT || tag == kTagV1Trap)
        return false;
    long status = 0;
    long index = 0;
    bool statusFits = false;
    bool indexFits = false;
    if (!HeaderInteger(pdu, scan.requestId) || !HeaderInteger(pdu, status, &statusFits)
        || !HeaderInteger(pdu, index, &indexFits) || !Expect(pdu, kTagSequence, bindings))
        return false;
    // Net-SNMP would show the low bits of these as the agent's answer.
    if (!statusFits || !indexFits)
        return false;
    scan.bindings.clear();
    scan.numbers.clear();
    return ScanBindings(bindings, scan);
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
        // Nothing may unwind through the library; the reply then counts as
        // one that could not be checked.
        noted.valid = false;
    }
    return result;
}

std::uint64_t Counter64Value(const counter64& c)
{
    const std::uint64_t high = c.high & 0xFFFFFFFFu;
    return (high << 32) | (c.low & 0xFFFFFFFFu);
}

// Net-SNMP decoded the same number as the octets hold.
bool SameNumber(const netsnmp_variable_list& v, const VnScannedBinding& b)
{
    switch (b.type) {
    case ASN_INTEGER:
        return v.val.integer && *v.val.integer == static_cast<long>(static_cast<std::int64_t>(b.value));
    case ASN_COUNTER64:
    case ASN_OPAQUE_COUNTER64:
    case ASN_OPAQUE_U64:
    case ASN_OPAQUE_I64:
        return v.val.counter64 && Counter64Value(*v.val.counter64) == b.value;
    default:
        return v.val.integer && static_cast<unsigned long>(*v.val.integer) == b.value;
    }
}

bool SameBindings(const VnWideScan& scan, const netsnmp_variable_list* v)
{
    std::size_t k = 0;
    for (; v; v = v->next_variable, ++k) {
        if (k >= scan.bindings.size())
            return false;
        const VnScannedBinding& b = scan.bindings[k];
        if (v->type != b.type || v->name_length != b.name.size()
            || !std::equal(b.name.begin(), b.name.end(), v->name))
            return false;
        if (b.number && !SameNumber(*v, b))
            return false;
    }
    return k == scan.bindings.size();
}

} // namespace

bool ScanCommunityMessage(std::span<const std::uint8_t> message, VnWideScan& scan)
{
    Octets in = message;
    Octets body;
    long version = 0;
    // Net-SNMP takes the version cut to 32 bits, as it does the request ID.
    if (!Expect(in, kTagSequence, body) || !HeaderInteger(body, version)
        || (version != SNMP_VERSION_1 && version != SNMP_VERSION_2c) || !ExpectString(body))
        return false;
    return ScanPdu(body, scan);
}

bool ScanScopedPdu(std::span<const std::uint8_t> scopedPdu, VnWideScan& scan)
{
    // Net-SNMP checks the SEQUENCE's length against the octets it has and
    // then reads on to their end, whatever the length says.
    Octets in = scopedPdu;
    Octets body;
    if (!Expect(in, kTagSequence, body))
        return false;
    in = scopedPdu.subspan(static_cast<std::size_t>(body.data() - scopedPdu.data()));
    if (!ExpectString(in) || !ExpectString(in))
        return false;
    return ScanPdu(in, scan);
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

bool TakeCheckedReply(const snmp_pdu& pdu, std::vector<VnWideNumber>& numbers)
{
    numbers.clear();
    Noted taken = std::move(noted);
    noted = {};
    if (!taken.valid || taken.scan.requestId != pdu.reqid || !SameBindings(taken.scan, pdu.variables))
        return false;
    numbers = std::move(taken.scan.numbers);
    return true;
}
