#include "SimTable.h"

#include <array>
#include <cctype>
#include <limits>

namespace {

struct KindName {
    const char* name;
    SimIndexKind kind;
};

constexpr std::array<KindName, 5> kKindNames{{
    {"integer", SimIndexKind::Integer},
    {"ipaddress", SimIndexKind::IpAddress},
    {"string", SimIndexKind::String},
    {"implied", SimIndexKind::Implied},
    {"mac", SimIndexKind::Mac},
}};

bool AllOctets(SimOid::const_iterator begin, SimOid::const_iterator end)
{
    for (auto it = begin; it != end; ++it) {
        if (*it > 255)
            return false;
    }
    return true;
}

bool IsNumberType(SimType type)
{
    return type == SimType::Integer || type == SimType::Counter32 || type == SimType::Gauge32 ||
           type == SimType::TimeTicks || type == SimType::Counter64;
}

}  // namespace

std::optional<SimIndexKind> SimParseIndexKind(const std::string& word)
{
    std::string lower;
    for (char c : word)
        lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    for (const auto& entry : kKindNames) {
        if (lower == entry.name)
            return entry.kind;
    }
    return std::nullopt;
}

std::optional<std::vector<SimOid>> SimTable::Split(const SimOid& instance) const
{
    std::vector<SimOid> parts;
    auto pos = instance.begin();
    const auto end = instance.end();
    auto take = [&](std::size_t count, bool octets) {
        if (static_cast<std::size_t>(end - pos) < count || (octets && !AllOctets(pos, pos + count)))
            return false;
        parts.emplace_back(pos, pos + count);
        pos += count;
        return true;
    };
    for (auto kind : index) {
        bool ok = false;
        switch (kind) {
        case SimIndexKind::Integer:
            ok = take(1, false);
            break;
        case SimIndexKind::IpAddress:
            ok = take(4, true);
            break;
        case SimIndexKind::Mac:
            ok = take(6, true);
            break;
        case SimIndexKind::String:
            if (pos != end) {
                std::size_t length = *pos++;
                ok = take(length, true);
            }
            break;
        case SimIndexKind::Implied:
            ok = take(static_cast<std::size_t>(end - pos), true);
            break;
        }
        if (!ok)
            return std::nullopt;
    }
    if (pos != end)
        return std::nullopt;
    return parts;
}

std::optional<SimValue> SimTable::IndexValue(const SimColumn& column, const std::vector<SimOid>& parts) const
{
    if (column.indexPart == 0 || column.indexPart > parts.size() || column.indexPart > index.size())
        return std::nullopt;
    const SimOid& part = parts[column.indexPart - 1];
    SimValue value;
    value.type = column.type;
    if (index[column.indexPart - 1] == SimIndexKind::Integer) {
        if (!IsNumberType(column.type) || part.size() != 1)
            return std::nullopt;
        if (column.type == SimType::Integer && part[0] > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max()))
            return std::nullopt;
        value.number = part[0];
        return value;
    }
    if (column.type == SimType::IpAddress && part.size() != 4)
        return std::nullopt;
    if (column.type != SimType::IpAddress && column.type != SimType::OctetString)
        return std::nullopt;
    for (auto octet : part)
        value.bytes.push_back(static_cast<char>(octet));
    return value;
}

std::string SimTable::CheckIndexColumn(const SimColumn& column) const
{
    if (column.indexPart == 0 || column.indexPart > index.size())
        return "the table has " + std::to_string(index.size()) + " index part(s)";
    switch (index[column.indexPart - 1]) {
    case SimIndexKind::Integer:
        if (!IsNumberType(column.type))
            return "an integer index part needs a number type";
        return "";
    case SimIndexKind::IpAddress:
        if (column.type != SimType::IpAddress && column.type != SimType::OctetString)
            return "an address index part needs IPADDRESS or OCTETSTR";
        return "";
    case SimIndexKind::String:
    case SimIndexKind::Implied:
    case SimIndexKind::Mac:
        break;
    }
    if (column.type != SimType::OctetString)
        return "a string or MAC index part needs OCTETSTR";
    return "";
}
