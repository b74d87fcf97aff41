#include "VnItemConversion.h"

#include "VnDateTime.h"
#include "VnException.h"
#include "VnMessages.h"
#include "VnSNMPVarList.h"
#include "VnText.h"
#include "VnValueText.h"
#include "Vb.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>

namespace {

std::string SignedText(std::uint32_t v)
{
    return std::to_string(static_cast<std::int32_t>(v));
}

std::string UnsignedText(std::uint32_t v)
{
    return std::to_string(v);
}

// Sub-identifier `i`, or 0 past the end of the instance.
std::uint32_t SubIdAt(std::span<const std::uint32_t> subIds, std::size_t i) noexcept
{
    return i < subIds.size() ? subIds[i] : 0u;
}

std::vector<std::uint8_t> LowOctets(std::span<const std::uint32_t> subIds)
{
    std::vector<std::uint8_t> octets;
    octets.reserve(subIds.size());
    for (std::uint32_t s : subIds)
        octets.push_back(static_cast<std::uint8_t>(s & 0xFFu));
    return octets;
}

// A length-prefixed value: the count, then up to that many sub-identifiers
// that the instance holds; IMPLIED values take the whole instance.
std::span<const std::uint32_t> CountedPart(std::span<const std::uint32_t> subIds, bool implied,
                                           std::size_t& consumed)
{
    if (implied) {
        consumed = subIds.size();
        return subIds;
    }
    if (subIds.empty()) {
        consumed = 0;
        return {};
    }
    const std::size_t n = std::min<std::size_t>(subIds[0], subIds.size() - 1);
    consumed = n + 1;
    return subIds.subspan(1, n);
}

std::uint64_t DoubleBitsOf(std::span<const std::uint32_t> subIds)
{
    return static_cast<std::uint64_t>(SubIdAt(subIds, 0))
           | static_cast<std::uint64_t>(SubIdAt(subIds, 1)) << 32;
}

void AppendDoubleBits(VnSubIds& out, double value)
{
    const std::uint64_t bits = DoubleToBits(value);
    out.push_back(static_cast<std::uint32_t>(bits));
    out.push_back(static_cast<std::uint32_t>(bits >> 32));
}

void AppendCounted(VnSubIds& out, bool implied, const VnSubIds& part)
{
    if (!implied)
        out.push_back(static_cast<std::uint32_t>(part.size()));
    out.insert(out.end(), part.begin(), part.end());
}

VnSubIds OctetSubIds(const std::vector<std::uint8_t>& octets)
{
    return VnSubIds(octets.begin(), octets.end());
}

} // namespace

std::string OctetsToHex(std::span<const std::uint8_t> octets)
{
    return BytesToHex(octets);
}

std::vector<std::uint8_t> HexToOctets(std::string_view text)
{
    return HexToBytes(text);
}

std::string Counter64ToText(std::uint64_t value)
{
    return std::to_string(value);
}

std::uint64_t TextToCounter64(std::string_view text)
{
    // Read in the C locale whatever the process's LC_NUMERIC is; long double
    // has a 64-bit mantissa here, so every 64-bit integer reads exactly.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const std::string copy(text);
    const long double v = strtold_l(copy.c_str(), nullptr, cLocale);
    if (std::isnan(v))
        return 0;
    constexpr long double two64 = 18446744073709551616.0L;
    const long double whole = std::trunc(v);
    if (whole >= two64)
        return std::numeric_limits<std::uint64_t>::max();
    if (whole >= 0)
        return static_cast<std::uint64_t>(whole);
    if (-whole >= two64)
        return 0;
    return 0u - static_cast<std::uint64_t>(-whole);
}

std::uint64_t DoubleToBits(double value) noexcept
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double BitsToDouble(std::uint64_t bits) noexcept
{
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string JoinSubIds(std::span<const std::uint32_t> subIds)
{
    std::string text;
    for (std::size_t i = 0; i < subIds.size(); ++i) {
        if (i > 0)
            text.push_back('.');
        text += std::to_string(subIds[i]);
    }
    return text;
}

VnSubIds ParseSubIds(std::string_view text)
{
    VnSubIds subIds;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t dot = text.find('.', i);
        const std::string_view part = text.substr(i, dot == std::string_view::npos ? dot : dot - i);
        if (!part.empty()) {
            std::uint32_t v = 0;
            for (std::size_t k = 0; k < part.size() && part[k] >= '0' && part[k] <= '9'; ++k)
                v = v * 10u + static_cast<std::uint32_t>(part[k] - '0');
            subIds.push_back(v);
        }
        if (dot == std::string_view::npos)
            break;
        i = dot + 1;
    }
    return subIds;
}

VnIndexValue DecodeIndexValue(unsigned syntax, bool implied, std::span<const std::uint32_t> subIds)
{
    namespace S = VnSyntax;
    const auto fixed = [&](std::size_t n) { return std::min(n, subIds.size()); };
    switch (syntax) {
    case S::Boolean:
        return {SubIdAt(subIds, 0) != 0 ? "true" : "false", fixed(1)};
    case S::Integer:
        return {SignedText(SubIdAt(subIds, 0)), fixed(1)};
    case S::BitStr:
    case S::OctetStr:
    case S::Opaque: {
        std::size_t consumed = 0;
        const auto part = CountedPart(subIds, implied, consumed);
        return {OctetsToHex(LowOctets(part)), consumed};
    }
    case S::Null:
        return {"(NULL)", 0};
    case S::ObjectId: {
        std::size_t consumed = 0;
        const auto part = CountedPart(subIds, implied, consumed);
        return {JoinSubIds(part), consumed};
    }
    case S::IpAddress:
    case S::NsapAddr: {
        const std::size_t n = fixed(4);
        return {JoinSubIds(subIds.first(n)), n};
    }
    case S::Counter:
    case S::Gauge:
    case S::UInteger:
        return {UnsignedText(SubIdAt(subIds, 0)), fixed(1)};
    case S::TimeTicks:
        return {TimeTicksToText(SubIdAt(subIds, 0)), fixed(1)};
    case S::Counter64: {
        const std::uint64_t v = static_cast<std::uint64_t>(SubIdAt(subIds, 0)) << 32 | SubIdAt(subIds, 1);
        return {Counter64ToText(v), fixed(2)};
    }
    case S::Double:
        return {FloatToText(BitsToDouble(DoubleBitsOf(subIds))), fixed(2)};
    case S::MacAddress: {
        const std::size_t n = fixed(6);
        return {OctetsToHex(LowOctets(subIds.first(n))), n};
    }
    case S::DateTime: {
        const std::size_t n = fixed(11);
        const auto octets = LowOctets(subIds.first(n));
        return {VnDateTime::FromOctets(octets.data(), octets.size()).Format(), n};
    }
    case S::BcdDateTime:
        return {DateTimeToText(BitsToDouble(DoubleBitsOf(subIds))), fixed(2)};
    case S::DisplayStr: {
        std::size_t consumed = 0;
        const auto octets = LowOctets(CountedPart(subIds, implied, consumed));
        return {std::string(octets.begin(), octets.end()), consumed};
    }
    case S::Ipv6Address: {
        const std::size_t n = implied ? subIds.size() : fixed(16);
        return {OctetsToHex(LowOctets(subIds.first(n))), n};
    }
    default:
        VnRaise(kVnErrBadSyntax);
    }
}

VnSubIds EncodeIndexValue(unsigned syntax, bool implied, std::string_view text)
{
    namespace S = VnSyntax;
    VnSubIds out;
    switch (syntax) {
    case S::Boolean:
        out.push_back(text == "true" ? 1u : 0u);
        break;
    case S::Integer:
    case S::Counter:
    case S::Gauge:
    case S::UInteger:
        out.push_back(LeadingNumber(text));
        break;
    case S::BitStr:
    case S::OctetStr:
    case S::Opaque:
        AppendCounted(out, implied, OctetSubIds(HexToOctets(text)));
        break;
    case S::Null:
        break;
    case S::ObjectId:
        AppendCounted(out, implied, ParseSubIds(text));
        break;
    case S::IpAddress:
    case S::NsapAddr:
        out = ParseSubIds(text);
        break;
    case S::TimeTicks:
        out.push_back(TextToTimeTicks(text));
        break;
    case S::Counter64: {
        const std::uint64_t v = TextToCounter64(text);
        out.push_back(static_cast<std::uint32_t>(v >> 32));
        out.push_back(static_cast<std::uint32_t>(v));
        break;
    }
    case S::Double:
        AppendDoubleBits(out, TextToFloat(text));
        break;
    case S::MacAddress:
    case S::Ipv6Address: {
        const std::size_t width = syntax == S::MacAddress ? 6 : 16;
        const auto octets = HexToOctets(text);
        if (octets.size() >= width)
            out.assign(octets.begin(), octets.begin() + static_cast<std::ptrdiff_t>(width));
        break;
    }
    case S::DateTime: {
        VnDateTime dt;
        dt.Parse(text);
        const auto octets = dt.ToOctets();
        out.assign(octets.begin(), octets.end());
        break;
    }
    case S::BcdDateTime:
        AppendDoubleBits(out, TextToDateTime(text));
        break;
    case S::DisplayStr: {
        VnSubIds chars;
        for (char c : text)
            chars.push_back(static_cast<unsigned char>(c));
        AppendCounted(out, implied, chars);
        break;
    }
    default:
        VnRaise(kVnErrBadSyntax);
    }
    return out;
}

bool IsEndOfColumnText(unsigned char itemType, std::string_view column,
                       std::string_view previous, std::string_view returned)
{
    if (itemType == SVT_SV || itemType == MVT_SV)
        return false;
    if (returned.size() <= column.size() || returned.substr(0, column.size()) != column)
        return true;
    if (returned[column.size()] != '.')
        return true;
    if (previous.empty())
        return false;
    // Get-next only ever moves forward; an agent that answers with the same
    // OID again, or goes back, would keep the walk going for ever.
    return ParseSubIds(returned) <= ParseSubIds(previous);
}

namespace {

std::vector<std::uint8_t> OctetsOf(const OctetStr& o)
{
    return std::vector<std::uint8_t>(o.data(), o.data() + o.len());
}

// The first 8 octets as a double, least significant first; missing octets
// of a short value count 0.
double DoubleOfOctets(const OctetStr& o)
{
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8 && i < o.len(); ++i)
        bits |= static_cast<std::uint64_t>(o[i]) << (8 * i);
    return BitsToDouble(bits);
}

OctetStr OctetsOfDouble(double value)
{
    const std::uint64_t bits = DoubleToBits(value);
    unsigned char bytes[8];
    for (std::size_t i = 0; i < 8; ++i)
        bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
    return OctetStr(bytes, sizeof bytes);
}

OctetStr OctetStrOfHex(std::string_view text)
{
    const auto octets = HexToOctets(text);
    return OctetStr(octets.data(), octets.size());
}

} // namespace

std::string VbToValueText(unsigned syntax, const Vb& vb)
{
    namespace S = VnSyntax;
    // A value of another kind than the syntax expects (an agent answering
    // an integer column with an octet string) shows as it came.
    std::uint32_t number = 0;
    OctetStr octets;
    switch (syntax) {
    case S::Boolean:
        if (vb.get_value(number) != 0)
            break;
        return number != 0 ? "true" : "false";
    case S::Integer:
        if (vb.get_value(number) != 0)
            break;
        return SignedText(number);
    case S::Counter:
    case S::Gauge:
    case S::UInteger:
        if (vb.get_value(number) != 0)
            break;
        return UnsignedText(number);
    case S::TimeTicks:
        if (vb.get_value(number) != 0)
            break;
        return TimeTicksToText(number);
    case S::Counter64: {
        Counter64 c;
        if (vb.get_value(c) != 0)
            break;
        return Counter64ToText(c.value());
    }
    case S::BitStr:
    case S::OctetStr:
    case S::Opaque:
    case S::MacAddress:
    case S::Ipv6Address:
        if (vb.get_value(octets) != 0)
            break;
        return OctetsToHex(OctetsOf(octets));
    case S::Null:
        return "(NULL)";
    case S::ObjectId: {
        Oid oid;
        if (vb.get_value(oid) != 0)
            break;
        return oid.get_printable();
    }
    case S::IpAddress:
    case S::NsapAddr: {
        IpAddress ip;
        if (vb.get_value(ip) != 0)
            break;
        return ip.get_printable();
    }
    case S::Double:
        if (vb.get_value(octets) != 0)
            break;
        return FloatToText(DoubleOfOctets(octets));
    case S::DateTime:
        if (vb.get_value(octets) != 0)
            break;
        return VnDateTime::FromOctets(octets.data(), octets.len()).Format();
    case S::BcdDateTime:
        if (vb.get_value(octets) != 0)
            break;
        return DateTimeToText(DoubleOfOctets(octets));
    case S::DisplayStr:
        if (vb.get_value(octets) != 0)
            break;
        return octets.str();
    default:
        VnRaise(kVnErrBadSyntax);
    }
    return vb.get_printable_value();
}

void ValueTextToVb(unsigned syntax, std::string_view text, Vb& vb)
{
    namespace S = VnSyntax;
    switch (syntax) {
    case S::Boolean:
        vb.set_value(std::int32_t{text == "true" ? 1 : 0});
        return;
    case S::Integer:
        vb.set_value(static_cast<std::int32_t>(LeadingNumber(text)));
        return;
    case S::BitStr:
    case S::OctetStr:
    case S::Opaque:
    case S::MacAddress:
    case S::Ipv6Address:
        vb.set_value(OctetStrOfHex(text));
        return;
    case S::Null:
        vb.set_null();
        return;
    case S::ObjectId: {
        // Lenient like every other text: a malformed OID sends what its
        // numbers give, and no numbers at all the null OID 0.0.
        VnSubIds ids = ParseSubIds(text);
        if (ids.size() < 2)
            ids = {0, 0};
        vb.set_value(Oid(ids.data(), std::min(ids.size(), Oid::kMaxLength)));
        return;
    }
    case S::IpAddress:
    case S::NsapAddr:
        vb.set_value(IpAddress(std::string(text)));
        return;
    case S::Counter:
    case S::Gauge:
    case S::UInteger:
        vb.set_value(Gauge32(LeadingNumber(text)));
        return;
    case S::TimeTicks:
        vb.set_value(TimeTicks(TextToTimeTicks(text)));
        return;
    case S::Counter64:
        vb.set_value(Counter64(TextToCounter64(text)));
        return;
    case S::Double:
        vb.set_value(OctetsOfDouble(TextToFloat(text)));
        return;
    case S::DateTime: {
        VnDateTime dt;
        dt.Parse(text);
        const auto octets = dt.ToOctets();
        vb.set_value(OctetStr(octets.data(), octets.size()));
        return;
    }
    case S::BcdDateTime:
        vb.set_value(OctetsOfDouble(TextToDateTime(text)));
        return;
    case S::DisplayStr:
        vb.set_value(OctetStr(std::string(text)));
        return;
    default:
        VnRaise(kVnErrBadSyntax);
    }
}
