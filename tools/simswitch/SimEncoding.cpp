#include "SimEncoding.h"

#include <span>

namespace {

using Octets = std::vector<std::uint8_t>;

constexpr std::uint8_t kInteger = 0x02;
constexpr std::uint8_t kSequence = 0x30;
constexpr std::uint8_t kOpaque = 0x44;
constexpr std::size_t kLongLengthOctets = 8;

struct Element {
    std::uint8_t tag = 0;
    Octets content;
};

// The elements that fill `in`, one after another.
bool Elements(std::span<const std::uint8_t> in, std::vector<Element>& out)
{
    out.clear();
    while (!in.empty()) {
        if (in.size() < 2)
            return false;
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
        out.push_back({in[0], Octets(in.begin() + pos, in.begin() + pos + length)});
        in = in.subspan(pos + length);
    }
    return true;
}

struct Message {
    Element version;
    Element community;
    std::uint8_t pduTag = 0;
    Element requestId;
    Element status;
    Element index;
    std::vector<Element> names;
    std::vector<Element> values;
};

bool Parse(const Octets& octets, Message& m)
{
    std::vector<Element> top, body, pdu, list, pair;
    if (!Elements(octets, top) || top.size() != 1 || top[0].tag != kSequence)
        return false;
    if (!Elements(top[0].content, body) || body.size() != 3 || body[0].tag != kInteger
        || body[0].content.size() != 1 || body[0].content[0] > 1)
        return false;
    m.version = body[0];
    m.community = body[1];
    m.pduTag = body[2].tag;
    if (!Elements(body[2].content, pdu) || pdu.size() != 4 || pdu[3].tag != kSequence)
        return false;
    m.requestId = pdu[0];
    m.status = pdu[1];
    m.index = pdu[2];
    if (!Elements(pdu[3].content, list))
        return false;
    for (const Element& binding : list) {
        if (binding.tag != kSequence || !Elements(binding.content, pair) || pair.size() != 2)
            return false;
        m.names.push_back(pair[0]);
        m.values.push_back(pair[1]);
    }
    return true;
}

SimOid Name(const Octets& content)
{
    SimOid name;
    std::uint32_t id = 0;
    for (std::uint8_t octet : content) {
        id = (id << 7) | (octet & 0x7F);
        if (octet & 0x80)
            continue;
        if (name.empty()) {
            name.push_back(id < 80 ? id / 40 : 2);
            name.push_back(id < 80 ? id % 40 : id - 80);
        } else {
            name.push_back(id);
        }
        id = 0;
    }
    return name;
}

// The content of an INTEGER plus 2^32: five octets, as the number is
// below 2^31.
Octets PlusTwo32(const Octets& content)
{
    std::uint32_t value = 0;
    for (std::uint8_t octet : content)
        value = (value << 8) | octet;
    return {0x01, static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
            static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

struct Writer {
    bool longLengths = false;

    Octets Tlv(std::uint8_t tag, const Octets& content) const
    {
        Octets out{tag};
        const std::size_t n = content.size();
        if (longLengths) {
            out.push_back(0x80 | kLongLengthOctets);
            for (std::size_t k = kLongLengthOctets; k-- > 0;)
                out.push_back(k >= sizeof(std::size_t) ? 0 : static_cast<std::uint8_t>(n >> (8 * k)));
        } else if (n < 0x80) {
            out.push_back(static_cast<std::uint8_t>(n));
        } else if (n <= 0xFF) {
            out.insert(out.end(), {0x81, static_cast<std::uint8_t>(n)});
        } else {
            out.insert(out.end(), {0x82, static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n)});
        }
        out.insert(out.end(), content.begin(), content.end());
        return out;
    }
    Octets Tlv(const Element& e) const { return Tlv(e.tag, e.content); }
};

void Append(Octets& out, const Octets& more)
{
    out.insert(out.end(), more.begin(), more.end());
}

} // namespace

bool SimMessageNames(const std::vector<std::uint8_t>& message, std::vector<SimOid>& names)
{
    Message m;
    if (!Parse(message, m))
        return false;
    names.clear();
    for (const Element& name : m.names)
        names.push_back(Name(name.content));
    return true;
}

bool SimEncodeMessage(std::vector<std::uint8_t>& message, SimEncoding encoding)
{
    Message m;
    if (!Parse(message, m))
        return false;
    const Writer w{encoding == SimEncoding::LongLengths};
    if (encoding == SimEncoding::WideId)
        m.requestId.content = PlusTwo32(m.requestId.content);
    if (encoding == SimEncoding::WideStatus)
        m.status.content = PlusTwo32(m.status.content);
    if (encoding == SimEncoding::CommunityTag)
        m.community.tag = kOpaque;

    // Nested: each binding's SEQUENCE ends with the next binding, so they
    // are written from the last one back.
    Octets list;
    if (encoding == SimEncoding::Nested) {
        Octets inner;
        for (std::size_t k = m.names.size(); k-- > 0;) {
            Octets pair = w.Tlv(m.names[k]);
            Append(pair, w.Tlv(m.values[k]));
            Append(pair, inner);
            inner = w.Tlv(kSequence, pair);
        }
        list = inner;
    } else {
        for (std::size_t k = 0; k < m.names.size(); ++k) {
            Octets pair = w.Tlv(m.names[k]);
            Append(pair, w.Tlv(m.values[k]));
            Append(list, w.Tlv(kSequence, pair));
        }
    }
    Octets pdu = w.Tlv(m.requestId);
    Append(pdu, w.Tlv(m.status));
    Append(pdu, w.Tlv(m.index));
    Append(pdu, w.Tlv(kSequence, list));
    Octets body = w.Tlv(m.version);
    Append(body, w.Tlv(m.community));
    Append(body, w.Tlv(m.pduTag, pdu));
    message = w.Tlv(kSequence, body);
    return true;
}
