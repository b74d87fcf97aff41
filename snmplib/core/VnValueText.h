#pragma once
// Text forms of item values that are not tied to the SNMP engine: numbers by
// the leading-number rule, TimeTicks, floating-point and date-time texts.
//
// Date-time values are doubles counting days since 1899-12-30 (the fraction
// is the time of day). Their text is "yyyy/mm/dd hh:nn:ss am/pm" on a
// 12-hour clock; this platform has no locale separators for it, so "/", ":"
// and "." are fixed, as are "am"/"pm". Reading follows the same fixed format
// (see TextToDateTime). Floating-point text always uses "." as decimal point.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "VnException.h"

// Leading-number rule: skip leading white space, take an optional sign and
// the decimal digits up to the first other character, accumulated in 32 bits
// with wrap; "-" negates. No digits give 0. The caller reads the result as
// signed or unsigned.
std::uint32_t LeadingNumber(std::string_view text) noexcept;
// True when the whole text is one such number: white space, an optional
// sign, at least one digit, white space. The empty text is no number.
bool IsNumberText(std::string_view text) noexcept;

// Strict readings of the texts that are sent to the agent or address a row.
// Blanks and control characters around the whole text are ignored; anything
// else that is not part of the value, or a value outside its range, raises
// VnValueRefused, whose message quotes the text and says what it should be.
// Nothing is wrapped, cut or read as 0.

// A value text that is not a value of its syntax.
class VnValueRefused : public VnException {
public:
    explicit VnValueRefused(const std::string& message);
};

// An optionally signed decimal number from `minimum` to `maximum`.
std::int64_t ReadWholeNumber(std::string_view text, std::int64_t minimum, std::int64_t maximum);
// A decimal number from 0 to 2^64 - 1, no sign.
std::uint64_t ReadCounter64Text(std::string_view text);
// The one reader of dotted decimal numbers ("1.3.6", a leading dot allowed):
// every part one or more digits, at most 4294967295. No parts for a text
// that is empty or blank; none at all (nullopt) for anything malformed.
std::optional<std::vector<std::uint32_t>> DottedNumbers(std::string_view text);
// Four numbers from 0 to 255.
std::array<std::uint8_t, 4> ReadIpAddressText(std::string_view text);
// Dotted numbers, two to 128 of them: an OID value, as a set sends it.
std::vector<std::uint32_t> ReadObjectIdText(std::string_view text);
// Dotted numbers, one to 128 of them: an OID that is part of a row's
// index, such as the subtree `1` of a view of everything.
std::vector<std::uint32_t> ReadObjectIdKeyText(std::string_view text);
// Hex text of `octets` bytes, any count when `octets` is negative.
std::vector<std::uint8_t> ReadHexText(std::string_view text, int octets = -1);
// "h:mm:ss[.cc]", "1 day h:mm:ss[.cc]" or "d days, h:mm:ss[.cc]" with the
// minutes and seconds below 60 (the hours below 24 after a day count), up
// to 4294967295 hundredths.
std::uint32_t ReadTimeTicksText(std::string_view text);
// A finite decimal number with optional fraction and exponent.
double ReadFloatText(std::string_view text);

// "h:mm:ss.cc", "1 day h:mm:ss.cc" or "d days, h:mm:ss.cc" from hundredths.
std::string TimeTicksToText(std::uint32_t hundredths);
// Reads a TimeTicks text back; missing parts count 0 and a bare number
// without ":" or "." reads as 0. Wraps in 32 bits.
std::uint32_t TextToTimeTicks(std::string_view text) noexcept;

// General float format: at most 15 significant digits, fixed notation
// unless the number needs more than 15 integer digits or is below 0.00001
// in magnitude (then 1E20, 1.5E-6).
std::string FloatToText(double value);
// The C library's decimal string-to-double reading, independent of the
// process locale: leading white space skipped, the longest decimal number
// with optional fraction and exponent, 0 when there is none.
double TextToFloat(std::string_view text) noexcept;

// The current local date and time as days since 1899-12-30.
double NowAsDateTime();
// "yyyy/mm/dd hh:nn:ss am/pm". Raises a conversion error (VnException)
// for values outside the years 1 to 9999.
std::string DateTimeToText(double value);
// Reads "y/m/d", "y/m/d h[:n[:s[.ms]]] [am|pm]" or a time alone. Two-digit
// years fall within 50 years before or after the current year. Raises a
// conversion error (VnException) for a text that is not a valid date and time.
double TextToDateTime(std::string_view text);

// Days since 1899-12-30 of a calendar date (no range checks).
std::int64_t DaysFromCivil(int year, unsigned month, unsigned day) noexcept;

// A date-time value's calendar date and time of day.
struct VnDateTimeParts {
    std::int64_t year = 0;
    unsigned month = 0;
    unsigned day = 0;
    unsigned hour = 0;
    unsigned minute = 0;
    unsigned second = 0;
    unsigned millisecond = 0;
};
// The parts of a date-time value at whole milliseconds, ties to even. The
// time of a negative value counts forward from the start of its (earlier)
// day, as its text does. No range checks: the value must be finite and
// within some ten million days of 1899-12-30.
VnDateTimeParts SplitDateTime(double value) noexcept;
// True for a day of the years 1 to 9999 (proleptic Gregorian).
bool IsValidDate(std::int64_t year, std::int64_t month, std::int64_t day) noexcept;
// The days of a month of the proleptic Gregorian calendar, any year; 0 for
// a month outside 1 to 12.
unsigned DaysInMonth(std::int64_t year, unsigned month) noexcept;
// The fraction of a day a time of day is (no range checks).
double TimeOfDay(unsigned hour, unsigned minute, unsigned second, unsigned millisecond) noexcept;
// A day count and a time of day as one date-time value: before 1899-12-30
// the time counts forward from the start of the day too, so it is taken
// away from the (negative) day count.
double DateWithTime(double days, double timeOfDay) noexcept;
