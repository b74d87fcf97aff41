#pragma once
// The byte form of a value text, so that one value can be spread over
// several controls (bits of a port bitmap, the four bytes of an address,
// the fields of a date) or LEDs, and put together again.
//
// Multi-byte numbers: 32- and 64-bit numbers least significant byte first,
// 16-bit numbers and the year of a DateAndTime most significant byte first.
// Hex text (bit and octet strings, opaque, MAC and IPv6 addresses) is two
// upper-case digits per byte when written; when read, blanks are dropped, an
// odd first digit makes a byte alone and any non-digit counts as 0.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using VnBytes = std::vector<std::uint8_t>;

// The bytes of a value text by its syntax code. "(NULL)", "(NOTDONE)" and
// the null syntax give no bytes. Texts that do not parse give zeros or fewer
// bytes; only a date-time value (0x4B) that is no date raises its conversion
// error. An unknown syntax raises -511.
VnBytes ValueToBytes(std::string_view valueText, unsigned syntax);

// The value text of a byte form by its syntax code. No bytes give "(NULL)",
// except for display, octet and bit strings and opaque values, which are
// empty then. Raises -511 for an unknown syntax and -518 when the bytes
// cannot make a value of that syntax (too few for a fixed size, a cut
// object-identifier sub-identifier, a date-time value that is no date);
// bytes past a fixed size are ignored.
std::string BytesToValue(std::span<const std::uint8_t> bytes, unsigned syntax);
