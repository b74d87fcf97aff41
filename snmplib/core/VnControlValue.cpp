#include "VnControlValue.h"

#include "VnDateTime.h"
#include "VnException.h"
#include "VnMessages.h"
#include "VnSNMPVarList.h"
#include "VnText.h"
#include "VnValueText.h"

#include <bit>
#include <climits>
#include <cstdint>

namespace {

// Least bytes BytesToValue needs per syntax; -1 for codes outside the table.
int BytesNeeded(unsigned syntax) noexcept
{
    switch (syntax) {
    case VnSyntax::DisplayStr:
        return 0;
    case VnSyntax::BitStr:
    case VnSyntax::OctetStr:
    case VnSyntax::ObjectId:
    case VnSyntax::Opaque:
    case VnSyntax::Bool8:
    case VnSyntax::Int8:
    case VnSyntax::UInt8:
        return 1;
    case VnSyntax::Bool16:
    case VnSyntax::Int16:
    case VnSyntax::UInt16:
        return 2;
    case VnSyntax::Boolean:
    case VnSyntax::Integer:
    case VnSyntax::IpAddress:
    case VnSyntax::Counter:
    case VnSyntax::Gauge:
    case VnSyntax::TimeTicks:
    case VnSyntax::NsapAddr:
    case VnSyntax::UInteger:
        return 4;
    case VnSyntax::MacAddress:
        return 6;
    case VnSyntax::Counter64:
    case VnSyntax::Double:
    case VnSyntax::BcdDateTime:
        return 8;
    case VnSyntax::DateTime:
        return 11;
    case VnSyntax::Ipv6Address:
        return 16;
    default:
        return -1;
    }
}

void PutLittle(VnBytes& bytes, std::uint64_t value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutBig(VnBytes& bytes, std::uint64_t value, int count)
{
    for (int i = count - 1; i >= 0; --i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint64_t GetLittle(std::span<const std::uint8_t> bytes, int count)
{
    std::uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[static_cast<std::size_t>(i)];
    return value;
}

std::uint64_t GetBig(std::span<const std::uint8_t> bytes, int count)
{
    std::uint64_t value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | bytes[static_cast<std::size_t>(i)];
    return value;
}

// Syntaxes of any length, down to no bytes at all.
bool IsStringSyntax(unsigned syntax) noexcept
{
    return syntax == VnSyntax::DisplayStr || syntax == VnSyntax::OctetStr || syntax == VnSyntax::BitStr
           || syntax == VnSyntax::Opaque;
}

bool IsTrueText(std::string_view text) noexcept
{
    return text == "true";
}

VnBytes DoubleBytes(double value)
{
    VnBytes bytes;
    PutLittle(bytes, std::bit_cast<std::uint64_t>(value), 8);
    return bytes;
}

double BytesDouble(std::span<const std::uint8_t> bytes)
{
    return std::bit_cast<double>(GetLittle(bytes, 8));
}

} // namespace

VnBytes ValueToBytes(std::string_view text, unsigned syntax)
{
    if (syntax == VnSyntax::Null)
        return {};
    if (BytesNeeded(syntax) < 0)
        VnRaise(kVnErrBadSyntax);
    if (IsNoValueText(text))
        return {};

    VnBytes bytes;
    switch (syntax) {
    case VnSyntax::Boolean:
        PutLittle(bytes, IsTrueText(text) ? 1 : 0, 4);
        break;
    case VnSyntax::Integer:
        PutLittle(bytes, static_cast<std::uint64_t>(ReadWholeNumber(text, INT32_MIN, INT32_MAX)), 4);
        break;
    case VnSyntax::Counter:
    case VnSyntax::Gauge:
    case VnSyntax::UInteger:
        PutLittle(bytes, static_cast<std::uint64_t>(ReadWholeNumber(text, 0, UINT32_MAX)), 4);
        break;
    case VnSyntax::BitStr:
    case VnSyntax::OctetStr:
    case VnSyntax::Opaque:
        bytes = ReadHexText(text);
        break;
    case VnSyntax::MacAddress:
        bytes = ReadHexText(text, 6);
        break;
    case VnSyntax::Ipv6Address:
        bytes = ReadHexText(text, 16);
        break;
    case VnSyntax::ObjectId:
        for (std::uint32_t subId : ReadObjectIdText(text))
            PutLittle(bytes, subId, 4);
        break;
    case VnSyntax::IpAddress:
    case VnSyntax::NsapAddr: {
        const auto address = ReadIpAddressText(text);
        bytes.assign(address.begin(), address.end());
        break;
    }
    case VnSyntax::TimeTicks:
        PutLittle(bytes, ReadTimeTicksText(text), 4);
        break;
    case VnSyntax::Counter64:
        PutLittle(bytes, ReadCounter64Text(text), 8);
        break;
    case VnSyntax::Double:
        bytes = DoubleBytes(ReadFloatText(text));
        break;
    case VnSyntax::DateTime: {
        const auto octets = VnDateTime::ReadText(text).ToOctets();
        bytes.assign(octets.begin(), octets.end());
        break;
    }
    case VnSyntax::BcdDateTime:
        try {
            bytes = DoubleBytes(TextToDateTime(text));
        } catch (const VnException& e) {
            throw VnValueRefused(e.what());
        }
        break;
    case VnSyntax::DisplayStr:
        bytes.assign(text.begin(), text.end());
        break;
    case VnSyntax::Bool8:
        bytes.push_back(IsTrueText(text) ? 1 : 0);
        break;
    case VnSyntax::Int8:
        bytes.push_back(static_cast<std::uint8_t>(ReadWholeNumber(text, -128, 127)));
        break;
    case VnSyntax::UInt8:
        bytes.push_back(static_cast<std::uint8_t>(ReadWholeNumber(text, 0, 255)));
        break;
    case VnSyntax::Bool16:
        PutBig(bytes, IsTrueText(text) ? 1 : 0, 2);
        break;
    case VnSyntax::Int16:
        PutBig(bytes, static_cast<std::uint64_t>(ReadWholeNumber(text, -32768, 32767)) & 0xFFFFu, 2);
        break;
    case VnSyntax::UInt16:
        PutBig(bytes, static_cast<std::uint64_t>(ReadWholeNumber(text, 0, 65535)), 2);
        break;
    }
    return bytes;
}

std::string BytesToValue(std::span<const std::uint8_t> bytes, unsigned syntax)
{
    if (syntax == VnSyntax::Null)
        return kVnNullValue;
    const int needed = BytesNeeded(syntax);
    if (needed < 0)
        VnRaise(kVnErrBadSyntax);
    // An empty string is a value of the string syntaxes (a cleared edit box
    // means it); the others have no value without bytes.
    if (bytes.empty())
        return IsStringSyntax(syntax) ? std::string() : std::string(kVnNullValue);
    if (bytes.size() < static_cast<std::size_t>(needed))
        VnRaise(kVnErrBadDataValue);

    switch (syntax) {
    case VnSyntax::Boolean:
        return GetLittle(bytes, 4) != 0 ? "true" : "false";
    case VnSyntax::Integer:
        return std::to_string(static_cast<std::int32_t>(GetLittle(bytes, 4)));
    case VnSyntax::Counter:
    case VnSyntax::Gauge:
    case VnSyntax::UInteger:
        return std::to_string(static_cast<std::uint32_t>(GetLittle(bytes, 4)));
    case VnSyntax::BitStr:
    case VnSyntax::OctetStr:
    case VnSyntax::Opaque:
    case VnSyntax::MacAddress:
    case VnSyntax::Ipv6Address:
        return BytesToHex(bytes);
    case VnSyntax::ObjectId: {
        // A cut last sub-identifier cannot be told from a wrong one.
        if (bytes.size() % 4 != 0)
            VnRaise(kVnErrBadDataValue);
        std::string text;
        for (std::size_t i = 0; i < bytes.size(); i += 4) {
            if (i > 0)
                text += '.';
            text += std::to_string(GetLittle(bytes.subspan(i), 4));
        }
        return text;
    }
    case VnSyntax::IpAddress:
    case VnSyntax::NsapAddr:
        return std::to_string(bytes[0]) + '.' + std::to_string(bytes[1]) + '.'
               + std::to_string(bytes[2]) + '.' + std::to_string(bytes[3]);
    case VnSyntax::TimeTicks:
        return TimeTicksToText(static_cast<std::uint32_t>(GetLittle(bytes, 4)));
    case VnSyntax::Counter64:
        return std::to_string(GetLittle(bytes, 8));
    case VnSyntax::Double:
        return FloatToText(BytesDouble(bytes));
    case VnSyntax::DateTime:
        return VnDateTime::FromOctets(bytes.data(), 11).Format();
    case VnSyntax::BcdDateTime:
        try {
            return DateTimeToText(BytesDouble(bytes));
        } catch (const VnException&) {
            // Not a date at all (NaN, or years outside 1..9999): bad data.
            VnRaise(kVnErrBadDataValue);
        }
    case VnSyntax::DisplayStr: {
        std::string text;
        for (std::uint8_t b : bytes) {
            if (b == 0)
                break;
            text += static_cast<char>(b);
        }
        return text;
    }
    case VnSyntax::Bool8:
        return bytes[0] != 0 ? "true" : "false";
    case VnSyntax::Int8:
        return std::to_string(static_cast<std::int8_t>(bytes[0]));
    case VnSyntax::UInt8:
        return std::to_string(bytes[0]);
    case VnSyntax::Bool16:
        return GetBig(bytes, 2) != 0 ? "true" : "false";
    case VnSyntax::Int16:
        return std::to_string(static_cast<std::int16_t>(GetBig(bytes, 2)));
    case VnSyntax::UInt16:
        return std::to_string(GetBig(bytes, 2));
    }
    VnRaise(kVnErrBadSyntax);
}
