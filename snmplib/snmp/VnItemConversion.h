#pragma once
// Item values as display text, by syntax code: the hex text of octet
// strings, table index columns encoded in and decoded from instance
// sub-identifiers, received bindings turned into text and texts into
// bindings for a set. The request's conversion operations add the option
// lists and the IMPLIED rule on top of these.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class Vb;

using VnSubIds = std::vector<std::uint32_t>;

// Two upper-case hex digits per octet, no separators.
std::string OctetsToHex(std::span<const std::uint8_t> octets);
// Blanks are dropped; with an odd count the first digit alone is the first
// octet; lower case is accepted and any other character counts as 0.
std::vector<std::uint8_t> HexToOctets(std::string_view text);

std::string Counter64ToText(std::uint64_t value);
// Decimal with optional sign, fraction and exponent, integer part kept;
// negative values wrap, values past 2^64 - 1 stay at it.
std::uint64_t TextToCounter64(std::string_view text);

// The 8 bytes of an IEEE double, least significant first.
std::uint64_t DoubleToBits(double value) noexcept;
double BitsToDouble(std::uint64_t bits) noexcept;

// "1.3.6" from sub-identifiers, "" for none.
std::string JoinSubIds(std::span<const std::uint32_t> subIds);
// Reads dotted decimal sub-identifiers; a leading dot and empty parts are
// skipped, a part stops at its first non-digit, values wrap in 32 bits.
VnSubIds ParseSubIds(std::string_view text);

struct VnIndexValue {
    std::string text;
    std::size_t consumed = 0;  // sub-identifiers taken from the front
};

// Decodes one index column of `syntax` from the front of an instance.
// A fixed-width value that the instance is too short for reads the missing
// sub-identifiers as 0; a counted value takes what is there. Nothing beyond
// the instance is read. Unknown syntaxes raise -511.
VnIndexValue DecodeIndexValue(unsigned syntax, bool implied, std::span<const std::uint32_t> subIds);
// The instance sub-identifiers of a value text. Unknown syntaxes raise -511.
VnSubIds EncodeIndexValue(unsigned syntax, bool implied, std::string_view text);

// True when `returned` is no longer in the column `column`, or does not
// come after `previous` (an agent that does not advance). Scalars never end.
bool IsEndOfColumnText(unsigned char itemType, std::string_view column,
                       std::string_view previous, std::string_view returned);

// A received binding as the display text of `syntax` (before option lists).
std::string VbToValueText(unsigned syntax, const Vb& vb);
// Sets the binding's value from a display text of `syntax`; "(NULL)" is
// the caller's business. Unknown syntaxes raise -511.
void ValueTextToVb(unsigned syntax, std::string_view text, Vb& vb);
