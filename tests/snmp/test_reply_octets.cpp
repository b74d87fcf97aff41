// The reply octet reader against Net-SNMP's own decoder. Replies are built
// here, each one's bindings known, fed to Net-SNMP's parser (snmp_parse:
// for SNMPv3 through USM, where the reader sees the scoped PDU) and then
// taken as the engine takes them (ReadNetSnmpPdu). Whenever Net-SNMP takes
// a reply, the result holds the bindings sent with every number that does
// not fit its type flagged, or the reply is flagged as one that could not
// be checked; never does such a number pass as a value. Encodings that
// Net-SNMP takes are followed, not flagged, unless the case says so.
#include <gtest/gtest.h>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include "NetSnmpLibrary.h"
#include "NetSnmpPdu.h"
#include "NetSnmpWideNumbers.h"
#include "Pdu.h"

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using Octets = std::vector<std::uint8_t>;
using Number = __int128;

constexpr Number kTwo32 = Number(1) << 32;
constexpr Number kTwo64 = Number(1) << 64;

std::string Decimal(Number value)
{
    const bool negative = value < 0;
    auto magnitude = static_cast<unsigned __int128>(negative ? -value : value);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    return negative ? "-" + digits : digits;
}

// A BER integer's content: the shortest two's complement, or `octets`
// long with sign octets in front.
Octets IntegerOctets(Number value, std::size_t octets = 0)
{
    Octets out;
    Number rest = value;
    do {
        out.insert(out.begin(), static_cast<std::uint8_t>(rest & 0xFF));
        rest >>= 8;
    } while (!((rest == 0 && !(out.front() & 0x80)) || (rest == -1 && (out.front() & 0x80))));
    while (out.size() < octets)
        out.insert(out.begin(), value < 0 ? 0xFF : 0x00);
    return out;
}

void Append(Octets& out, const Octets& more)
{
    out.insert(out.end(), more.begin(), more.end());
}

// Elements with their lengths in the shortest form (0) or always in the
// long form of `lengthOctets` octets.
struct Ber {
    int lengthOctets = 0;

    Octets Tlv(std::uint8_t tag, const Octets& content) const { return TlvWithLength(tag, content, content.size()); }
    // A length that need not be the content's.
    Octets TlvWithLength(std::uint8_t tag, const Octets& content, std::size_t length) const
    {
        Octets out{tag};
        if (lengthOctets == 0 && length < 0x80) {
            out.push_back(static_cast<std::uint8_t>(length));
        } else {
            const int count = lengthOctets ? lengthOctets : (length <= 0xFF ? 1 : 2);
            out.push_back(static_cast<std::uint8_t>(0x80 | count));
            for (int k = count - 1; k >= 0; --k)
                out.push_back(k >= 8 ? 0 : static_cast<std::uint8_t>(length >> (8 * k)));
        }
        Append(out, content);
        return out;
    }
};

Octets Name(const std::vector<std::uint32_t>& ids)
{
    Octets out{static_cast<std::uint8_t>(ids[0] * 40 + ids[1])};
    for (std::size_t i = 2; i < ids.size(); ++i) {
        Octets id{static_cast<std::uint8_t>(ids[i] & 0x7F)};
        for (std::uint32_t rest = ids[i] >> 7; rest; rest >>= 7)
            id.insert(id.begin(), static_cast<std::uint8_t>(0x80 | (rest & 0x7F)));
        Append(out, id);
    }
    return out;
}

// A binding as sent, and what must be read of it.
struct Binding {
    std::vector<std::uint32_t> name;
    std::uint8_t tag = 0x02;
    std::uint8_t wrapped = 0;  // an Opaque holding a number of this type
    Octets content;
    bool nestsNext = false;    // the next binding sits inside this one's SEQUENCE
    Octets afterWrapped;       // octets inside the Opaque after its number
    bool carried = false;      // sent as the previous binding's afterWrapped
    std::string shown;         // the value as read, "" when not compared
    std::string wide;          // the number as sent when it does not fit its type
};

std::vector<std::uint32_t> TestName(std::uint32_t n)
{
    return {1, 3, 6, 1, 4, 1, 88406, 993, 9, n, 0};
}

Binding Sent(std::vector<std::uint32_t> name, std::uint8_t tag, Octets content, std::uint8_t wrapped = 0)
{
    Binding b;
    b.name = std::move(name);
    b.tag = tag;
    b.wrapped = wrapped;
    b.content = std::move(content);
    return b;
}

// A number of `tag`, fitting its type or not.
Binding NumberBinding(std::uint32_t n, std::uint8_t tag, Number value, std::size_t octets = 0)
{
    Binding b = Sent(TestName(n), tag, IntegerOctets(value, octets));
    Number lowest = 0;
    Number highest = 0;
    switch (tag) {
    case 0x02:
        lowest = INT32_MIN;
        highest = INT32_MAX;
        break;
    case 0x46:
        highest = kTwo64 - 1;
        break;
    default:
        highest = kTwo32 - 1;
        break;
    }
    if (value < lowest || value > highest)
        b.wide = Decimal(value);
    else
        b.shown = Decimal(value);
    return b;
}

// A 64-bit number in an Opaque: 0x76 Counter64, 0x7B unsigned, 0x7A signed.
Binding WrappedBinding(std::uint32_t n, std::uint8_t type, Number value, std::size_t octets = 0)
{
    Binding b = Sent(TestName(n), 0x44, IntegerOctets(value, octets), type);
    const bool fits = type == 0x7A ? value >= INT64_MIN && value <= INT64_MAX : value >= 0 && value < kTwo64;
    if (!fits)
        b.wide = Decimal(value);
    return b;
}

Binding OctetsBinding(std::uint32_t n, const std::string& text)
{
    Binding b = Sent(TestName(n), 0x04, Octets(text.begin(), text.end()));
    b.shown = text;
    return b;
}

// What a reply holds besides its bindings, as sent.
struct Reply {
    Octets version = {1};
    std::uint8_t communityTag = 0x04;
    Octets requestId = {7};
    Octets status = {0};
    Octets index = {0};
    std::vector<Binding> bindings;
    Ber ber;
    // SNMPv3: the context strings' tags, the length the scoped PDU's
    // SEQUENCE says (-1: its own), octets after it as a block cipher
    // leaves them.
    std::uint8_t contextTag = 0x04;
    int scopedLength = -1;
    std::size_t padding = 0;
};

// The bindings from `k` on that sit in one SEQUENCE chain, as one element.
Octets BindingTlv(const Reply& r, std::size_t k)
{
    const Binding& b = r.bindings[k];
    Octets value = b.content;
    if (b.wrapped) {
        value = {0x9F, b.wrapped, static_cast<std::uint8_t>(b.content.size())};
        Append(value, b.content);
        Append(value, b.afterWrapped);
    }
    Octets inner = r.ber.Tlv(0x06, Name(b.name));
    Append(inner, r.ber.Tlv(b.tag, value));
    if (b.nestsNext && k + 1 < r.bindings.size())
        Append(inner, BindingTlv(r, k + 1));
    return r.ber.Tlv(0x30, inner);
}

Octets EncodePdu(const Reply& r)
{
    Octets list;
    for (std::size_t k = 0; k < r.bindings.size(); ++k) {
        if (r.bindings[k].carried)
            continue;
        Append(list, BindingTlv(r, k));
        while (r.bindings[k].nestsNext && k + 1 < r.bindings.size())
            ++k;
    }
    Octets pdu = r.ber.Tlv(0x02, r.requestId);
    Append(pdu, r.ber.Tlv(0x02, r.status));
    Append(pdu, r.ber.Tlv(0x02, r.index));
    Append(pdu, r.ber.Tlv(0x30, list));
    return r.ber.Tlv(0xA2, pdu);
}

Octets EncodeCommunityMessage(const Reply& r)
{
    Octets body = r.ber.Tlv(0x02, r.version);
    Append(body, r.ber.Tlv(r.communityTag, {'p', 'u', 'b'}));
    Append(body, EncodePdu(r));
    return r.ber.Tlv(0x30, body);
}

const Octets kEngineId = {0x80, 0x00, 0x1F, 0x88, 0x80, 0x11, 0x22, 0x33, 0x44};

Octets EncodeScopedPdu(const Reply& r)
{
    Octets body = r.ber.Tlv(r.contextTag, kEngineId);
    Append(body, r.ber.Tlv(r.contextTag, {}));
    Append(body, EncodePdu(r));
    Octets scoped = r.ber.TlvWithLength(0x30, body, r.scopedLength < 0 ? body.size() : r.scopedLength);
    scoped.resize(scoped.size() + r.padding, 0);
    return scoped;
}

// An SNMPv3 message without authentication around the scoped PDU, as an
// agent answers a user of that level.
Octets EncodeV3Message(const Reply& r)
{
    const Ber plain;
    Octets header = plain.Tlv(0x02, {0x2A});
    Append(header, plain.Tlv(0x02, {0x00, 0xFF, 0xE3}));
    Append(header, plain.Tlv(0x04, {0x00}));
    Append(header, plain.Tlv(0x02, {0x03}));
    Octets security = plain.Tlv(0x04, kEngineId);
    Append(security, plain.Tlv(0x02, {0x01}));
    Append(security, plain.Tlv(0x02, {0x05}));
    Append(security, plain.Tlv(0x04, {}));
    Append(security, plain.Tlv(0x04, {}));
    Append(security, plain.Tlv(0x04, {}));
    Octets body = plain.Tlv(0x02, {0x03});
    Append(body, plain.Tlv(0x30, header));
    Append(body, plain.Tlv(0x04, plain.Tlv(0x30, security)));
    Append(body, EncodeScopedPdu(r));
    return plain.Tlv(0x30, body);
}

struct PduFree {
    void operator()(netsnmp_pdu* pdu) const { snmp_free_pdu(pdu); }
};
using NetSnmpPdu = std::unique_ptr<netsnmp_pdu, PduFree>;

// Net-SNMP's reading of a message that came in on a session of `version`;
// null when it refuses it. The datagram is noted first, as the channel
// notes every datagram before the library reads it.
NetSnmpPdu ParsedByNetSnmp(Octets message, long version)
{
    EnsureNetSnmpLibrary();
    ForgetWideNumbers();
    NoteDatagram(message);
    netsnmp_session session;
    snmp_sess_init(&session);
    session.version = version;
    if (version == SNMP_VERSION_3)
        session.securityModel = SNMP_SEC_MODEL_USM;
    NetSnmpPdu pdu(static_cast<netsnmp_pdu*>(std::calloc(1, sizeof(netsnmp_pdu))));
    if (snmp_parse(nullptr, &session, pdu.get(), message.data(), message.size()) != 0)
        return nullptr;
    return pdu;
}

enum class Outcome { Refused, Read, Flagged };

const char* OutcomeName(Outcome o)
{
    return o == Outcome::Refused ? "refused by Net-SNMP" : o == Outcome::Read ? "read" : "flagged as not checked";
}

// The one check of every reply: what the engine makes of it.
Outcome Check(const Reply& r, long version, const std::string& why)
{
    SCOPED_TRACE(why);
    const Octets message = version == SNMP_VERSION_3 ? EncodeV3Message(r) : EncodeCommunityMessage(r);
    const NetSnmpPdu parsed = ParsedByNetSnmp(message, version);
    if (!parsed)
        return Outcome::Refused;
    Pdu read;
    ReadNetSnmpPdu(*parsed, read);
    if (read.unchecked())
        return Outcome::Flagged;
    const std::vector<Vb>& vbs = read.vbs();
    EXPECT_EQ(vbs.size(), r.bindings.size()) << "the bindings, as Net-SNMP walks them";
    for (std::size_t k = 0; k < std::min(vbs.size(), r.bindings.size()); ++k) {
        const Binding& b = r.bindings[k];
        EXPECT_EQ(vbs[k].get_oid().ids(), b.name) << "binding " << k;
        EXPECT_EQ(vbs[k].out_of_range(), !b.wide.empty()) << "binding " << k << " " << vbs[k].get_printable_value();
        const std::string& value = b.wide.empty() ? b.shown : b.wide;
        if (!value.empty()) {
            EXPECT_EQ(vbs[k].get_printable_value(), value) << "binding " << k;
        }
    }
    return Outcome::Read;
}

// A good INTEGER, then the binding under test.
Reply With(Binding tested)
{
    Reply r;
    r.bindings = {NumberBinding(1, 0x02, 5), std::move(tested)};
    return r;
}

Reply Edited(Reply r, const std::function<void(Reply&)>& edit)
{
    edit(r);
    return r;
}

const Binding kWideCounter = NumberBinding(2, 0x41, Number(1) << 40);

TEST(ReplyOctets, EveryEncodingNetSnmpTakesIsFollowedOrFlagged)
{
    const struct {
        const char* why;
        Reply reply;
        long version;
        Outcome outcome;
    } cases[] = {
        {"a plain reply with a Counter32 of 2^40", With(kWideCounter), SNMP_VERSION_2c, Outcome::Read},
        {"a plain reply whose numbers fit", With(NumberBinding(2, 0x41, 4294967295)), SNMP_VERSION_2c, Outcome::Read},
        {"SNMPv1", Edited(With(kWideCounter), [](Reply& r) { r.version = {0}; }), SNMP_VERSION_1, Outcome::Read},
        {"every length in 5 octets", Edited(With(kWideCounter), [](Reply& r) { r.ber.lengthOctets = 5; }),
         SNMP_VERSION_2c, Outcome::Read},
        {"every length in 8 octets", Edited(With(kWideCounter), [](Reply& r) { r.ber.lengthOctets = 8; }),
         SNMP_VERSION_2c, Outcome::Read},
        {"lengths in 9 octets", Edited(With(kWideCounter), [](Reply& r) { r.ber.lengthOctets = 9; }),
         SNMP_VERSION_2c, Outcome::Refused},
        {"the request ID as 2^32 + 7", Edited(With(kWideCounter), [](Reply& r) { r.requestId = {1, 0, 0, 0, 7}; }),
         SNMP_VERSION_2c, Outcome::Read},
        {"the request ID in 8 octets",
         Edited(With(kWideCounter), [](Reply& r) { r.requestId = {0, 0, 0, 0, 0, 0, 0, 7}; }), SNMP_VERSION_2c,
         Outcome::Read},
        {"the request ID in 9 octets",
         Edited(With(kWideCounter), [](Reply& r) { r.requestId = {0, 0, 0, 0, 0, 0, 0, 0, 7}; }), SNMP_VERSION_2c,
         Outcome::Refused},
        {"the version as 2^32 + 1", Edited(With(kWideCounter), [](Reply& r) { r.version = {1, 0, 0, 0, 1}; }),
         SNMP_VERSION_2c, Outcome::Read},
        {"the community tagged IpAddress", Edited(With(kWideCounter), [](Reply& r) { r.communityTag = 0x40; }),
         SNMP_VERSION_2c, Outcome::Read},
        {"the community tagged Opaque", Edited(With(kWideCounter), [](Reply& r) { r.communityTag = 0x44; }),
         SNMP_VERSION_2c, Outcome::Read},
        {"the community tagged NsapAddress", Edited(With(kWideCounter), [](Reply& r) { r.communityTag = 0x45; }),
         SNMP_VERSION_2c, Outcome::Read},
        {"the community tagged Counter32", Edited(With(kWideCounter), [](Reply& r) { r.communityTag = 0x41; }),
         SNMP_VERSION_2c, Outcome::Refused},
        {"the second binding inside the first one's SEQUENCE",
         Edited(With(kWideCounter), [](Reply& r) { r.bindings[0].nestsNext = true; }), SNMP_VERSION_2c,
         Outcome::Read},
        {"a set echoed as 2^32 + 41, inside the first binding's SEQUENCE",
         Edited(With(NumberBinding(2, 0x02, kTwo32 + 41)), [](Reply& r) { r.bindings[0].nestsNext = true; }),
         SNMP_VERSION_2c, Outcome::Read},
        {"a Counter64 sent as the one octet 0xFF", With(NumberBinding(2, 0x46, -1)), SNMP_VERSION_2c, Outcome::Read},
        {"the largest Counter64, in 9 octets", With(NumberBinding(2, 0x46, kTwo64 - 1)), SNMP_VERSION_2c,
         Outcome::Read},
        {"a Counter64 of 2^64", With(NumberBinding(2, 0x46, kTwo64)), SNMP_VERSION_2c, Outcome::Refused},
        {"a Gauge32 sent as 0xFF", With(NumberBinding(2, 0x42, -1)), SNMP_VERSION_2c, Outcome::Read},
        {"a TimeTicks of 2^63 in 9 octets", With(NumberBinding(2, 0x43, Number(1) << 63)), SNMP_VERSION_2c,
         Outcome::Read},
        {"an INTEGER of 2^56 + 1 in 8 octets", With(NumberBinding(2, 0x02, (Number(1) << 56) + 1)),
         SNMP_VERSION_2c, Outcome::Read},
        {"an INTEGER of 5 in 8 octets", With(NumberBinding(2, 0x02, 5, 8)), SNMP_VERSION_2c, Outcome::Read},
        {"an unsigned 64-bit number below 0 in an Opaque", With(WrappedBinding(2, 0x7B, -1)), SNMP_VERSION_2c,
         Outcome::Read},
        {"a Counter64 below 0 in an Opaque", With(WrappedBinding(2, 0x76, -1)), SNMP_VERSION_2c, Outcome::Read},
        {"a signed 64-bit number below 0 in an Opaque", With(WrappedBinding(2, 0x7A, -1)), SNMP_VERSION_2c,
         Outcome::Read},
        {"a binding after a wrapped number, inside its Opaque",
         [] {
             Reply r;
             Binding wrapped = WrappedBinding(1, 0x76, 5);
             // SEQUENCE { OID "0", NULL }: walked as a binding of its own.
             wrapped.afterWrapped = {0x30, 0x04, 0x06, 0x00, 0x05, 0x00};
             Binding carried = Sent({0}, 0x05, {});
             carried.carried = true;
             r.bindings = {wrapped, carried};
             return r;
         }(),
         SNMP_VERSION_2c, Outcome::Read},
        {"an empty Counter64, which Net-SNMP reads as 0",
         Edited(With(NumberBinding(2, 0x46, 0)), [](Reply& r) { r.bindings[1].content.clear(); }),
         SNMP_VERSION_2c, Outcome::Flagged},
        {"an error status of 2^32, which Net-SNMP reads as noError",
         Edited(With(NumberBinding(2, 0x41, 5)), [](Reply& r) { r.status = {1, 0, 0, 0, 0}; }), SNMP_VERSION_2c,
         Outcome::Flagged},
        {"v3: a plain scoped PDU", With(kWideCounter), SNMP_VERSION_3, Outcome::Read},
        {"v3: every length in 8 octets", Edited(With(kWideCounter), [](Reply& r) { r.ber.lengthOctets = 8; }),
         SNMP_VERSION_3, Outcome::Read},
        {"v3: the request ID as 2^32 + 7",
         Edited(With(kWideCounter), [](Reply& r) { r.requestId = {1, 0, 0, 0, 7}; }), SNMP_VERSION_3,
         Outcome::Read},
        {"v3: the context strings tagged Opaque", Edited(With(kWideCounter), [](Reply& r) { r.contextTag = 0x44; }),
         SNMP_VERSION_3, Outcome::Read},
        {"v3: the scoped PDU's SEQUENCE says 0 octets",
         Edited(With(kWideCounter), [](Reply& r) { r.scopedLength = 0; }), SNMP_VERSION_3, Outcome::Read},
        {"v3: padding after the scoped PDU", Edited(With(kWideCounter), [](Reply& r) { r.padding = 7; }),
         SNMP_VERSION_3, Outcome::Read},
        {"v3: the second binding inside the first one's SEQUENCE",
         Edited(With(kWideCounter), [](Reply& r) { r.bindings[0].nestsNext = true; }), SNMP_VERSION_3,
         Outcome::Read},
        {"v3: a Counter64 sent as 0xFF", With(NumberBinding(2, 0x46, -1)), SNMP_VERSION_3, Outcome::Read},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OutcomeName(Check(c.reply, c.version, c.why)), OutcomeName(c.outcome)) << c.why;
}

// The numbers are the reply's own: octets noted for another datagram, or
// none, leave the reply unchecked.
TEST(ReplyOctets, OnlyTheNotedRepliesNumbersCount)
{
    const Octets noted = EncodeCommunityMessage(Edited(With(kWideCounter), [](Reply& r) { r.requestId = {8}; }));
    Octets arrived = EncodeCommunityMessage(With(kWideCounter));
    for (const Octets* first : {&noted, static_cast<const Octets*>(nullptr)}) {
        const NetSnmpPdu parsed = ParsedByNetSnmp(arrived, SNMP_VERSION_2c);
        ASSERT_TRUE(parsed);
        ForgetWideNumbers();
        if (first)
            NoteDatagram(*first);
        Pdu read;
        ReadNetSnmpPdu(*parsed, read);
        EXPECT_TRUE(read.unchecked()) << (first ? "another request's datagram" : "nothing noted");
    }
}

// Replies made at random from the pieces above: lengths in every form,
// request IDs and versions written wide, every community and context tag,
// bindings inside bindings, numbers of every type in and out of range and
// written with extra octets.
Reply RandomReply(std::mt19937& random, long version)
{
    const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    Reply r;
    // 9 octets Net-SNMP refuses (quietly for SNMPv2c only).
    r.ber.lengthOctets = static_cast<int>(pick(version == SNMP_VERSION_3 ? 9 : 10));
    const Octets versions[] = {{1}, {1, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 0, 1}};
    r.version = versions[pick(std::size(versions))];
    const std::uint8_t strings[] = {0x04, 0x40, 0x44, 0x45};
    r.communityTag = strings[pick(4)];
    r.contextTag = strings[pick(4)];
    const Octets ids[] = {{7}, {1, 0, 0, 0, 7}, {0, 0, 0, 0, 0, 0, 0, 7}, {0x7F, 0xFF, 0xFF, 0xFF, 0, 0, 0, 7}};
    r.requestId = ids[pick(std::size(ids))];
    if (version == SNMP_VERSION_3) {
        const int scoped[] = {-1, -1, 0, 5};
        r.scopedLength = scoped[pick(4)];
        r.padding = pick(8);
    }
    const Number values[] = {0,     5,          127,         128,         -1,           INT32_MAX,
                             INT32_MIN, Number(INT32_MAX) + 1, Number(INT32_MIN) - 1, kTwo32 - 1,
                             kTwo32, kTwo32 + 41, Number(1) << 40, INT64_MAX, INT64_MIN, kTwo64 - 1};
    const std::uint8_t types[] = {0x02, 0x41, 0x42, 0x43, 0x47, 0x46};
    const std::uint8_t wrappedTypes[] = {0x76, 0x7B, 0x7A};
    const std::size_t count = 1 + pick(4);
    for (std::uint32_t k = 0; k < count; ++k) {
        const Number value = values[pick(std::size(values))];
        const std::size_t octets = pick(3) == 0 ? pick(10) : 0;
        Binding b;
        switch (pick(6)) {
        case 0:
            b = OctetsBinding(k + 1, "text");
            break;
        case 1:
            b = WrappedBinding(k + 1, wrappedTypes[pick(3)], value, octets);
            break;
        default:
            b = NumberBinding(k + 1, types[pick(std::size(types))], value, octets);
            break;
        }
        b.nestsNext = pick(3) == 0;
        r.bindings.push_back(std::move(b));
    }
    return r;
}

TEST(ReplyOctets, RandomRepliesAreFollowedWheneverNetSnmpTakesThem)
{
    std::mt19937 random(36);
    std::map<std::string, int> tally;
    for (long version : {SNMP_VERSION_2c, SNMP_VERSION_3}) {
        for (int n = 0; n < 1500; ++n) {
            const Reply r = RandomReply(random, version);
            const Outcome outcome = Check(r, version, "random reply " + std::to_string(n));
            EXPECT_NE(outcome, Outcome::Flagged) << "random reply " << n << ": Net-SNMP takes it, so it is followed";
            const std::string label = version == SNMP_VERSION_3 ? "v3 " : "v2c ";
            ++tally[label + OutcomeName(outcome)];
            if (outcome == Outcome::Read) {
                for (const Binding& b : r.bindings)
                    tally[label + "numbers out of range, flagged"] += !b.wide.empty();
            }
            if (::testing::Test::HasFailure())
                return;
        }
    }
    // Enough of them reach the reader to mean something.
    EXPECT_GT(tally["v2c read"], 500);
    EXPECT_GT(tally["v3 read"], 500);
    for (const auto& [what, count] : tally)
        std::printf("%s: %d\n", what.c_str(), count);
}

} // namespace
