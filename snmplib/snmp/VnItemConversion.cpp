#include "VnItemConversion.h"

#include "VnDateTime.h"
#include "VnException.h"
#include "VnMessages.h"
#include "VnSNMPVarList.h"
#include "VnText.h"
#include "VnValueText.h"
#include "Vb.h"

#include <algorithm>
#include <climits>
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

// A date-time value's text, refused like every other text that is no value.
double ReadDateTimeValue(std::string_view text)
{
    try {
        return TextToDateTime(text);
    } catch (const VnException& e) {
        throw VnValueRefused(e.what());
    }
}

} // namespace

std::string OctetsToHex(std::span<const std::uint8_t> octets)
{
    return BytesToHex(octets);
}

std::string Counter64ToText(std::uint64_t value)
{
    return std::to_string(value);
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
    return DottedNumbers(text).value_or(VnSubIds{});
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

bool IndexDecodesExactly(unsigned syntax, bool implied, std::span<const std::uint32_t> subIds,
                         const VnIndexValue& decoded)
{
    if (decoded.consumed > subIds.size())
        return false;
    try {
        const VnSubIds again = EncodeIndexValue(syntax, implied, decoded.text);
        return std::ranges::equal(again, subIds.first(decoded.consumed));
    } catch (const VnValueRefused&) {
        return false;
    }
}

bool KeyMayBeEmpty(unsigned syntax, bool implied) noexcept
{
    namespace S = VnSyntax;
    return !implied
           && (syntax == S::OctetStr || syntax == S::BitStr || syntax == S::Opaque || syntax == S::DisplayStr);
}

VnSubIds EncodeIndexValue(unsigned syntax, bool implied, std::string_view text)
{
    namespace S = VnSyntax;
    if (text.empty() && syntax != S::Null && !KeyMayBeEmpty(syntax, implied))
        throw VnValueRefused("An empty text is no index value of this kind.");
    VnSubIds out;
    switch (syntax) {
    case S::Boolean:
        out.push_back(text == "true" ? 1u : 0u);
        break;
    case S::Integer:
        out.push_back(static_cast<std::uint32_t>(ReadWholeNumber(text, INT32_MIN, INT32_MAX)));
        break;
    case S::Counter:
    case S::Gauge:
    case S::UInteger:
        out.push_back(static_cast<std::uint32_t>(ReadWholeNumber(text, 0, UINT32_MAX)));
        break;
    case S::BitStr:
    case S::OctetStr:
    case S::Opaque:
        AppendCounted(out, implied, OctetSubIds(ReadHexText(text)));
        break;
    case S::Null:
        break;
    case S::ObjectId:
        AppendCounted(out, implied, ReadObjectIdKeyText(text));
        break;
    case S::IpAddress:
    case S::NsapAddr: {
        const auto address = ReadIpAddressText(text);
        out.assign(address.begin(), address.end());
        break;
    }
    case S::TimeTicks:
        out.push_back(ReadTimeTicksText(text));
        break;
    case S::Counter64: {
        const std::uint64_t v = ReadCounter64Text(text);
        out.push_back(static_cast<std::uint32_t>(v >> 32));
        out.push_back(static_cast<std::uint32_t>(v));
        break;
    }
    case S::Double:
        AppendDoubleBits(out, ReadFloatText(text));
        break;
    case S::MacAddress:
        out = OctetSubIds(ReadHexText(text, 6));
        break;
    case S::Ipv6Address:
        out = OctetSubIds(ReadHexText(text, 16));
        break;
    case S::DateTime: {
        const auto octets = VnDateTime::ReadText(text).ToOctets();
        out.assign(octets.begin(), octets.end());
        break;
    }
    case S::BcdDateTime:
        AppendDoubleBits(out, ReadDateTimeValue(text));
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
    return IsOidNotAfter(returned, previous);
}

bool IsOidNotAfter(std::string_view returned, std::string_view asked)
{
    return !asked.empty() && ParseSubIds(returned) <= ParseSubIds(asked);
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

OctetStr OctetStrOf(const std::vector<std::uint8_t>& octets)
{
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
        vb.set_value(static_cast<std::int32_t>(ReadWholeNumber(text, INT32_MIN, INT32_MAX)));
        return;
    case S::BitStr:
    case S::OctetStr:
    case S::Opaque:
        vb.set_value(OctetStrOf(ReadHexText(text)));
        return;
    case S::MacAddress:
        vb.set_value(OctetStrOf(ReadHexText(text, 6)));
        return;
    case S::Ipv6Address:
        vb.set_value(OctetStrOf(ReadHexText(text, 16)));
        return;
    case S::Null:
        vb.set_null();
        return;
    case S::ObjectId: {
        const VnSubIds ids = ReadObjectIdText(text);
        vb.set_value(Oid(ids.data(), ids.size()));
        return;
    }
    case S::IpAddress:
    case S::NsapAddr: {
        const auto address = ReadIpAddressText(text);
        vb.set_value(IpAddress(address));
        return;
    }
    case S::Counter:
    case S::Gauge:
    case S::UInteger:
        vb.set_value(Gauge32(static_cast<std::uint32_t>(ReadWholeNumber(text, 0, UINT32_MAX))));
        return;
    case S::TimeTicks:
        vb.set_value(TimeTicks(ReadTimeTicksText(text)));
        return;
    case S::Counter64:
        vb.set_value(Counter64(ReadCounter64Text(text)));
        return;
    case S::Double:
        vb.set_value(OctetsOfDouble(ReadFloatText(text)));
        return;
    case S::DateTime: {
        const auto octets = VnDateTime::ReadText(text).ToOctets();
        vb.set_value(OctetStr(octets.data(), octets.size()));
        return;
    }
    case S::BcdDateTime:
        vb.set_value(OctetsOfDouble(ReadDateTimeValue(text)));
        return;
    case S::DisplayStr:
        vb.set_value(OctetStr(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
        return;
    default:
        VnRaise(kVnErrBadSyntax);
    }
}
