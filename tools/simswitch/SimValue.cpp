#include "SimValue.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <limits>
#include <utility>

namespace {

struct TypeKeyword {
    const char* keyword;
    SimType type;
};

// The first keyword of each type is its canonical name.
constexpr std::array<TypeKeyword, 18> kTypeKeywords{{
    {"INTEGER", SimType::Integer},
    {"OCTETSTR", SimType::OctetString},
    {"OID", SimType::ObjectId},
    {"IPADDRESS", SimType::IpAddress},
    {"COUNTER", SimType::Counter32},
    {"GAUGE", SimType::Gauge32},
    {"TIMETICKS", SimType::TimeTicks},
    {"OPAQUE", SimType::Opaque},
    {"COUNTER64", SimType::Counter64},
    {"BITSTR", SimType::BitString},
    {"NULL", SimType::Null},
    {"STRING", SimType::OctetString},
    {"HEX", SimType::OctetString},
    {"INTEGER32", SimType::Integer},
    {"COUNTER32", SimType::Counter32},
    {"GAUGE32", SimType::Gauge32},
    {"UNSIGNED", SimType::Gauge32},
    {"IPADDR", SimType::IpAddress},
}};

struct StatusName {
    const char* name;
    int status;
};

constexpr std::array<StatusName, 22> kStatusNames{{
    {"noError", 0},           {"tooBig", 1},
    {"noSuchName", 2},        {"badValue", 3},
    {"readOnly", 4},          {"genErr", 5},
    {"noAccess", 6},          {"wrongType", 7},
    {"wrongLength", 8},       {"wrongEncoding", 9},
    {"wrongValue", 10},       {"noCreation", 11},
    {"inconsistentValue", 12}, {"resourceUnavailable", 13},
    {"commitFailed", 14},     {"undoFailed", 15},
    {"authorizationError", 16}, {"notWritable", 17},
    {"inconsistentName", 18}, {"noSuchObject", 0x80},
    {"noSuchInstance", 0x81}, {"endOfMibView", 0x82},
}};

bool EqualsNoCase(const std::string& a, const char* b)
{
    std::size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return i == a.size() && b[i] == '\0';
}

template <typename T>
std::optional<T> ParseNumber(const std::string& text)
{
    T value{};
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end || begin == end)
        return std::nullopt;
    return value;
}

std::optional<std::string> ParseHex(const std::string& text)
{
    std::string bytes;
    int high = -1;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == ':' || c == '-')
            continue;
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        int digit = std::isdigit(static_cast<unsigned char>(c))
                        ? c - '0'
                        : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
        if (high < 0) {
            high = digit;
            continue;
        }
        bytes.push_back(static_cast<char>(high * 16 + digit));
        high = -1;
    }
    if (high >= 0)
        return std::nullopt;
    return bytes;
}

// A text in double quotes, backslash escaping the next character.
std::optional<std::string> ParseQuoted(const std::string& text)
{
    if (text.size() < 2 || text.front() != '"')
        return std::nullopt;
    std::string out;
    std::size_t i = 1;
    for (; i < text.size() && text[i] != '"'; ++i) {
        if (text[i] == '\\' && i + 1 < text.size())
            ++i;
        out.push_back(text[i]);
    }
    if (i != text.size() - 1)
        return std::nullopt;
    return out;
}

std::optional<std::string> ParseIpAddress(const std::string& text)
{
    auto oid = SimParseOid(text);
    if (!oid || oid->size() != 4 || text.front() == '.')
        return std::nullopt;
    std::string bytes;
    for (auto part : *oid) {
        if (part > 255)
            return std::nullopt;
        bytes.push_back(static_cast<char>(part));
    }
    return bytes;
}

// "TYPE NUMBER": a 32-bit number type with any value from 0 to 2^63 - 1.
std::optional<SimValue> ParseWideNumber(const std::string& text, std::string& error)
{
    const std::size_t blank = text.find(' ');
    const std::string keyword = text.substr(0, blank);
    const auto type = SimParseType(keyword);
    const auto number = blank == std::string::npos ? std::nullopt : ParseNumber<std::int64_t>(text.substr(blank + 1));
    const bool numberType = type == SimType::Integer || type == SimType::Counter32 || type == SimType::Gauge32
                            || type == SimType::TimeTicks;
    if (!numberType || !number || *number < 0) {
        error = "bad WIDE value '" + text + "' (INTEGER, COUNTER, GAUGE or TIMETICKS, then 0 to 2^63 - 1)";
        return std::nullopt;
    }
    SimValue value;
    value.type = *type;
    value.number = *number;
    return value;
}

}  // namespace

std::optional<SimOid> SimParseOid(const std::string& text)
{
    std::size_t pos = !text.empty() && text.front() == '.' ? 1 : 0;
    SimOid oid;
    while (pos <= text.size()) {
        std::size_t dot = text.find('.', pos);
        if (dot == std::string::npos)
            dot = text.size();
        auto part = ParseNumber<std::uint32_t>(text.substr(pos, dot - pos));
        if (!part || text[pos] == '+')
            return std::nullopt;
        oid.push_back(*part);
        pos = dot + 1;
    }
    // The library encodes a one-sub-identifier OID wrongly: refuse it here.
    if (oid.size() < 2)
        return std::nullopt;
    return oid;
}

std::string SimFormatOid(const SimOid& oid)
{
    std::string text;
    for (std::size_t i = 0; i < oid.size(); ++i) {
        if (i)
            text.push_back('.');
        text += std::to_string(oid[i]);
    }
    return text;
}

bool SimOidHasPrefix(const SimOid& oid, const SimOid& prefix)
{
    return oid.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), oid.begin());
}

std::optional<SimType> SimParseType(const std::string& keyword)
{
    for (const auto& entry : kTypeKeywords) {
        if (EqualsNoCase(keyword, entry.keyword))
            return entry.type;
    }
    return std::nullopt;
}

std::string SimTypeName(std::uint8_t tag)
{
    for (const auto& entry : kTypeKeywords) {
        if (static_cast<std::uint8_t>(entry.type) == tag)
            return entry.keyword;
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "TYPE0x%02X", tag);
    return buffer;
}

std::optional<SimValue> SimParseValue(const std::string& keyword, const std::string& text,
                                      std::string& error)
{
    if (EqualsNoCase(keyword, "WIDE"))
        return ParseWideNumber(text, error);
    auto type = SimParseType(keyword);
    if (!type) {
        error = "unknown type '" + keyword + "'";
        return std::nullopt;
    }
    SimValue value;
    value.type = *type;
    auto fail = [&](const char* what) -> std::optional<SimValue> {
        error = std::string("bad ") + what + " value '" + text + "'";
        return std::nullopt;
    };
    switch (*type) {
    case SimType::Integer: {
        auto n = ParseNumber<std::int32_t>(text);
        if (!n)
            return fail("INTEGER");
        value.number = *n;
        return value;
    }
    case SimType::Counter32:
    case SimType::Gauge32:
    case SimType::TimeTicks: {
        auto n = ParseNumber<std::uint32_t>(text);
        if (!n)
            return fail("unsigned 32-bit");
        value.number = *n;
        return value;
    }
    case SimType::Counter64: {
        auto n = ParseNumber<std::uint64_t>(text);
        if (!n)
            return fail("COUNTER64");
        value.number = static_cast<std::int64_t>(*n);
        return value;
    }
    case SimType::ObjectId: {
        auto oid = SimParseOid(text);
        if (!oid)
            return fail("OID");
        value.oid = *oid;
        return value;
    }
    case SimType::IpAddress: {
        auto bytes = ParseIpAddress(text);
        if (!bytes)
            return fail("IPADDRESS");
        value.bytes = *bytes;
        return value;
    }
    case SimType::Null:
        if (!text.empty())
            return fail("NULL");
        return value;
    case SimType::OctetString:
    case SimType::BitString:
    case SimType::Opaque:
        break;
    }
    if (auto quoted = ParseQuoted(text)) {
        value.bytes = *quoted;
        return value;
    }
    if (EqualsNoCase(keyword, "STRING")) {
        value.bytes = text;
        return value;
    }
    auto bytes = ParseHex(text);
    if (!bytes)
        return fail("hex");
    value.bytes = *bytes;
    return value;
}

std::string SimFormatValue(const SimValue& value)
{
    switch (value.type) {
    case SimType::Integer:
        return std::to_string(value.number);
    case SimType::Counter32:
    case SimType::Gauge32:
    case SimType::TimeTicks:
    case SimType::Counter64:
        return std::to_string(static_cast<std::uint64_t>(value.number));
    case SimType::ObjectId:
        return SimFormatOid(value.oid);
    case SimType::Null:
        return "";
    case SimType::IpAddress:
        if (value.bytes.size() == 4) {
            std::string text;
            for (std::size_t i = 0; i < 4; ++i) {
                if (i)
                    text.push_back('.');
                text += std::to_string(static_cast<unsigned char>(value.bytes[i]));
            }
            return text;
        }
        break;
    case SimType::OctetString:
    case SimType::BitString:
    case SimType::Opaque:
        break;
    }
    static const char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : value.bytes) {
        hex.push_back(kDigits[c >> 4]);
        hex.push_back(kDigits[c & 15]);
    }
    return hex;
}

std::optional<int> SimParseStatus(const std::string& text)
{
    for (const auto& entry : kStatusNames) {
        if (EqualsNoCase(text, entry.name))
            return entry.status;
    }
    auto n = ParseNumber<int>(text);
    if (!n || *n < 0 || *n > 18)
        return std::nullopt;
    return n;
}
