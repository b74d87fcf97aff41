#include "VnDateTime.h"

#include "VnText.h"
#include "VnValueText.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

// A scanf-style reader for the DateAndTime patterns: "%d" skips white space,
// takes an optional sign and at least one digit (accumulated in 32 bits with
// wrap); any other pattern character must match the text exactly.
int ScanNumbers(std::string_view text, std::string_view pattern, std::int32_t* out)
{
    std::size_t t = 0;
    int read = 0;
    for (std::size_t p = 0; p < pattern.size(); ++p) {
        if (pattern[p] != '%') {
            if (t >= text.size() || text[t] != pattern[p])
                return read;
            ++t;
            continue;
        }
        ++p; // the "d" of "%d"
        while (t < text.size()
               && (text[t] == ' ' || (text[t] >= '\t' && text[t] <= '\r')))
            ++t;
        bool negative = false;
        if (t < text.size() && (text[t] == '+' || text[t] == '-')) {
            negative = text[t] == '-';
            ++t;
        }
        const std::size_t start = t;
        std::uint32_t value = 0;
        for (; t < text.size() && text[t] >= '0' && text[t] <= '9'; ++t)
            value = value * 10u + static_cast<std::uint32_t>(text[t] - '0');
        if (t == start)
            return read;
        out[read++] = static_cast<std::int32_t>(negative ? 0u - value : value);
    }
    return read;
}

// The fields of the strict form, each a plain run of digits.
bool ReadFields(std::string_view text, unsigned (&n)[9], char& direction, bool& zoned)
{
    static constexpr char kAfter[] = {'-', '-', ',', ':', ':', '.'};
    std::size_t pos = 0;
    const auto number = [&](unsigned& out) {
        const std::size_t start = pos;
        std::uint32_t v = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < 6)
            v = v * 10 + static_cast<std::uint32_t>(text[pos++] - '0');
        out = v;
        return pos > start && !(pos < text.size() && text[pos] >= '0' && text[pos] <= '9');
    };
    const auto separator = [&](char c) {
        if (pos >= text.size() || text[pos] != c)
            return false;
        ++pos;
        return true;
    };
    for (int k = 0; k < 7; ++k) {
        if (!number(n[k]) || (k < 6 && !separator(kAfter[k])))
            return false;
    }
    zoned = pos < text.size();
    if (!zoned)
        return true;
    if (!separator(',') || pos >= text.size() || (text[pos] != '+' && text[pos] != '-'))
        return false;
    direction = text[pos++];
    return number(n[7]) && separator(':') && number(n[8]) && pos == text.size();
}

} // namespace

VnDateTime VnDateTime::ReadText(std::string_view text)
{
    const std::string trimmed = TrimBlanks(text);
    unsigned n[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
    char direction = '+';
    bool zoned = false;
    const bool ok = ReadFields(trimmed, n, direction, zoned) && n[0] <= 65535 && n[1] >= 1
                    && n[1] <= 12 && n[2] >= 1 && n[2] <= DaysInMonth(n[0], n[1]) && n[3] <= 23
                    && n[4] <= 59 && n[5] <= 60 && n[6] <= 9 && n[7] <= 14 && n[8] <= 59;
    if (!ok) {
        throw VnValueRefused("'" + std::string(text)
                             + "' is not a date and time (y-m-d,h:m:s.d or y-m-d,h:m:s.d,+h:m, every "
                               "field in range).");
    }
    VnDateTime v{ZeroTag{}};
    v.year = static_cast<std::uint16_t>(n[0]);
    v.month = static_cast<std::uint8_t>(n[1]);
    v.day = static_cast<std::uint8_t>(n[2]);
    v.hour = static_cast<std::uint8_t>(n[3]);
    v.minutes = static_cast<std::uint8_t>(n[4]);
    v.seconds = static_cast<std::uint8_t>(n[5]);
    v.deciSeconds = static_cast<std::uint8_t>(n[6]);
    v.direction = direction;
    v.utcHours = static_cast<std::uint8_t>(n[7]);
    v.utcMinutes = static_cast<std::uint8_t>(n[8]);
    return v;
}

VnDateTime::VnDateTime()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    year = static_cast<std::uint16_t>(local.tm_year + 1900);
    month = static_cast<std::uint8_t>(local.tm_mon + 1);
    day = static_cast<std::uint8_t>(local.tm_mday);
    hour = static_cast<std::uint8_t>(local.tm_hour);
    minutes = static_cast<std::uint8_t>(local.tm_min);
    seconds = static_cast<std::uint8_t>(local.tm_sec);
}

void VnDateTime::Parse(std::string_view text)
{
    // Later scans overwrite only what they read, so a number an earlier scan
    // got further for is kept.
    std::int32_t n[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
    char dir = '+';
    if (ScanNumbers(text, "%d-%d-%d,%d:%d:%d.%d,+%d:%d", n) != 9) {
        std::int32_t m[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
        const int got = ScanNumbers(text, "%d-%d-%d,%d:%d:%d.%d,-%d:%d", m);
        for (int i = 0; i < got; ++i)
            n[i] = m[i];
        // A west offset without minutes still lies west of UTC: keeping "+"
        // would turn -5 into +5 on its way back to the switch.
        if (got >= 8)
            dir = '-';
        if (got != 9) {
            const int got7 = ScanNumbers(text, "%d-%d-%d,%d:%d:%d.%d", m);
            for (int i = 0; i < got7; ++i)
                n[i] = m[i];
        }
    }
    year = static_cast<std::uint16_t>(n[0]);
    month = static_cast<std::uint8_t>(n[1]);
    day = static_cast<std::uint8_t>(n[2]);
    hour = static_cast<std::uint8_t>(n[3]);
    minutes = static_cast<std::uint8_t>(n[4]);
    seconds = static_cast<std::uint8_t>(n[5]);
    deciSeconds = static_cast<std::uint8_t>(n[6]);
    direction = dir;
    utcHours = static_cast<std::uint8_t>(n[7]);
    utcMinutes = static_cast<std::uint8_t>(n[8]);
}

std::string VnDateTime::Format() const
{
    char buf[96];
    if ((utcHours != 0 || utcMinutes != 0) && (direction == '+' || direction == '-')) {
        std::snprintf(buf, sizeof buf, "%d-%d-%d,%d:%d:%d.%d,%c%d:%d", year, month, day, hour,
                      minutes, seconds, deciSeconds, direction, utcHours, utcMinutes);
    } else {
        std::snprintf(buf, sizeof buf, "%d-%d-%d,%d:%d:%d.%d", year, month, day, hour, minutes,
                      seconds, deciSeconds);
    }
    return buf;
}

void VnDateTime::SwapYearBytes() noexcept
{
    year = static_cast<std::uint16_t>((year >> 8) | (year << 8));
}

std::array<std::uint8_t, 11> VnDateTime::ToOctets() const noexcept
{
    return {static_cast<std::uint8_t>(year >> 8), static_cast<std::uint8_t>(year & 0xFF),
            month, day, hour, minutes, seconds, deciSeconds,
            static_cast<std::uint8_t>(direction), utcHours, utcMinutes};
}

VnDateTime VnDateTime::FromOctets(const std::uint8_t* octets, std::size_t count) noexcept
{
    std::uint8_t o[11] = {};
    for (std::size_t i = 0; i < count && i < 11; ++i)
        o[i] = octets[i];
    VnDateTime v{ZeroTag{}};
    v.year = static_cast<std::uint16_t>((o[0] << 8) | o[1]);
    v.month = o[2];
    v.day = o[3];
    v.hour = o[4];
    v.minutes = o[5];
    v.seconds = o[6];
    v.deciSeconds = o[7];
    v.direction = static_cast<char>(o[8]);
    v.utcHours = o[9];
    v.utcMinutes = o[10];
    return v;
}
