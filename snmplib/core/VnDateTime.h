#pragma once
// An SNMP DateAndTime value (11 octets) and its display text, as in
// "2006-3-7,14:5:9.0" or "2006-3-7,14:5:9.0,+8:0".
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class VnDateTime {
public:
    // The fields in the order of the octets. The year is held in host byte
    // order; SwapYearBytes exchanges its two bytes.
    std::uint16_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    std::uint8_t hour = 0;
    std::uint8_t minutes = 0;
    std::uint8_t seconds = 0;
    std::uint8_t deciSeconds = 0;
    char direction = '+';
    std::uint8_t utcHours = 0;
    std::uint8_t utcMinutes = 0;

    // The local date and time now, deci-seconds 0, offset +0:0.
    VnDateTime();
    VnDateTime(const VnDateTime&) = default;
    VnDateTime& operator=(const VnDateTime&) = default;

    // Sets every field from a display text. Numbers are kept to their
    // field's width without range checks; a malformed text gives whatever
    // the scans read.
    void Parse(std::string_view text);
    // The value of a text about to be sent: "y-m-d,h:m:s.d" or
    // "y-m-d,h:m:s.d,+h:m" ("-" west of UTC), blanks around it ignored, every
    // field a number in range (a real day of its month, seconds up to 60 for
    // a leap second, deci-seconds 0-9, an offset up to 14:59). Anything else
    // raises VnValueRefused (VnValueText.h).
    static VnDateTime ReadText(std::string_view text);
    // The display text; the UTC offset is written only when it is not 0:0
    // and the direction is "+" or "-".
    std::string Format() const;
    void SwapYearBytes() noexcept;

    // The 11 octets as they travel (year most significant byte first); these
    // do the byte order themselves, so no SwapYearBytes goes with them.
    std::array<std::uint8_t, 11> ToOctets() const noexcept;
    // Missing octets of a short value count 0; octets past 11 are ignored.
    static VnDateTime FromOctets(const std::uint8_t* octets, std::size_t count) noexcept;

    bool operator==(const VnDateTime&) const = default;

private:
    struct ZeroTag {};
    explicit VnDateTime(ZeroTag) noexcept {}
};
