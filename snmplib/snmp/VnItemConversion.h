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

std::string Counter64ToText(std::uint64_t value);

// The 8 bytes of an IEEE double, least significant first.
std::uint64_t DoubleToBits(double value) noexcept;
double BitsToDouble(std::uint64_t bits) noexcept;

// "1.3.6" from sub-identifiers, "" for none.
std::string JoinSubIds(std::span<const std::uint32_t> subIds);
// The sub-identifiers of an instance or OID text the agent sent (dotted
// numbers, DottedNumbers in VnValueText.h); none for a malformed text.
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
// True when `decoded`, read from the front of `subIds`, encodes back to
// exactly the sub-identifiers it took: a length that is the count that
// follows, octets and address parts of 0-255, as many sub-identifiers as a
// fixed-width value needs. A row whose key is not exact would be written at
// another row if its texts were encoded again.
bool IndexDecodesExactly(unsigned syntax, bool implied, std::span<const std::uint32_t> subIds,
                         const VnIndexValue& decoded);
// True for the keys that stay a key when empty: strings that carry their
// length (VACM rows have an empty context prefix, for one). Any other empty
// key would encode to nothing and take the next key's place.
bool KeyMayBeEmpty(unsigned syntax, bool implied) noexcept;
// The instance sub-identifiers of a value text. A text that is not a value
// of its syntax (the readings of VnValueText.h; a MAC key of 6 and an IPv6
// key of 16 bytes) raises VnValueRefused, and so does an empty key of any
// kind but a string that carries its length. Unknown syntaxes raise -511.
VnSubIds EncodeIndexValue(unsigned syntax, bool implied, std::string_view text);

// True when `returned` is no longer in the column `column`, or does not
// come after `previous` (an agent that does not advance). Scalars never end.
bool IsEndOfColumnText(unsigned char itemType, std::string_view column,
                       std::string_view previous, std::string_view returned);
// True when `returned` does not come after `asked` in OID order (the
// same OID, or one before it): no answer to a get-next for `asked`.
bool IsOidNotAfter(std::string_view returned, std::string_view asked);

// A received binding as the display text of `syntax` (before option lists).
std::string VbToValueText(unsigned syntax, const Vb& vb);
// Sets the binding's value from a display text of `syntax`; "(NULL)" is
// the caller's business. A text that is not a value of its syntax raises
// VnValueRefused and leaves the binding as it was: numbers within the
// syntax's range, hex digits in pairs, 6 bytes of a MAC and 16 of an IPv6
// address, four numbers 0-255 of an IP address, a dotted object
// identifier, a DateAndTime with every field in range (VnValueText.h).
// Display strings go as their bytes. Unknown syntaxes raise -511.
void ValueTextToVb(unsigned syntax, std::string_view text, Vb& vb);
