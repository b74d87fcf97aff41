#pragma once
// Object identifiers and typed values of the simulated switch, with their
// text forms (data file, control channel and set record share them).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using SimOid = std::vector<std::uint32_t>;

// ASN.1 / SMI tags as they travel on the wire.
enum class SimType : std::uint8_t {
    Integer = 0x02,
    BitString = 0x03,
    OctetString = 0x04,
    Null = 0x05,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter32 = 0x41,
    Gauge32 = 0x42,
    TimeTicks = 0x43,
    Opaque = 0x44,
    Counter64 = 0x46,
};

struct SimValue {
    SimType type = SimType::Null;
    std::int64_t number = 0;  // INTEGER (signed) and the unsigned counters
    std::string bytes;        // octet strings, bit strings, opaque, IP address (4 bytes)
    SimOid oid;               // OBJECT IDENTIFIER

    bool operator==(const SimValue&) const = default;
};

// "1.3.6.1" or ".1.3.6.1"; at least two sub-identifiers, each below 2^32.
std::optional<SimOid> SimParseOid(const std::string& text);
std::string SimFormatOid(const SimOid& oid);
bool SimOidHasPrefix(const SimOid& oid, const SimOid& prefix);

// Type keyword of the data file ("INTEGER", "STRING", "OCTETSTR", ...).
std::optional<SimType> SimParseType(const std::string& keyword);
// Canonical keyword of a type, or "TYPE0xNN" for a tag we do not know.
std::string SimTypeName(std::uint8_t tag);

// Parses a value text of the given type keyword. STRING takes the text as
// it stands (or quoted); OCTETSTR takes hex digits (blanks, ':' and '-'
// ignored) or a quoted text. On failure returns nullopt and sets `error`.
std::optional<SimValue> SimParseValue(const std::string& keyword, const std::string& text,
                                      std::string& error);

// Canonical text of a value: decimal numbers, dotted OIDs and addresses,
// upper-case hex without separators for every kind of octet string.
std::string SimFormatValue(const SimValue& value);

// SNMP error status by name ("genErr", "notWritable", ...) or number; the
// get exceptions noSuchObject, noSuchInstance and endOfMibView map to their
// tags 0x80..0x82.
std::optional<int> SimParseStatus(const std::string& text);
