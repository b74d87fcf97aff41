#pragma once
// The byte form of a value text, so that one value can be spread over
// several controls (bits of a port bitmap, the four bytes of an address,
// the fields of a date) or LEDs, and put together again.
//
// Multi-byte numbers: 32- and 64-bit numbers least significant byte first,
// 16-bit numbers and the year of a DateAndTime most significant byte first.
// Hex text (bit and octet strings, opaque, MAC and IPv6 addresses) is two
// upper-case digits per byte when written; when read, blanks are dropped and
// every other character must be a hex digit, two per byte.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using VnBytes = std::vector<std::uint8_t>;

// The bytes of a value text by its syntax code. "(NULL)", "(NOTDONE)" and
// the null syntax give no bytes. A text that is not a value of its syntax
// (VnValueText.h: numbers within the syntax's range, hex digits in pairs, 6
// bytes of a MAC and 16 of an IPv6 address, four numbers 0-255 of an IP
// address, a dotted object identifier, a DateAndTime with every field in
// range, a real date of a date-time value) raises VnValueRefused; blanks
// around it are ignored. Only "true" is true, any other text false. An
// unknown syntax raises -511.
VnBytes ValueToBytes(std::string_view valueText, unsigned syntax);

// The value text of a byte form by its syntax code. No bytes give "(NULL)",
// except for display, octet and bit strings and opaque values, which are
// empty then. Raises -511 for an unknown syntax and -518 when the bytes
// cannot make a value of that syntax (too few for a fixed size, a cut
// object-identifier sub-identifier, a date-time value that is no date);
// bytes past a fixed size are ignored.
std::string BytesToValue(std::span<const std::uint8_t> bytes, unsigned syntax);
