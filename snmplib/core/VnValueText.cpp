#include "VnValueText.h"

#include "VnException.h"
#include "VnMessages.h"
#include "VnText.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <locale.h>

namespace {

bool IsCSpace(char c) noexcept
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) noexcept { return c >= '0' && c <= '9'; }

constexpr std::int64_t kMsPerDay = 86400000;
// Days since 1899-12-30 of 0001-01-01 and of 10000-01-01.
constexpr std::int64_t kFirstDay = -693593;
constexpr std::int64_t kEndDay = 2958466;

// Days since 1970-01-01 <-> proleptic Gregorian date (H. Hinnant's method).
std::int64_t DaysFromEpoch(std::int64_t y, unsigned m, unsigned d) noexcept
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void SetCivilFromEpoch(VnDateTimeParts& parts, std::int64_t z) noexcept
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    parts.day = doy - (153 * mp + 2) / 5 + 1;
    parts.month = mp < 10 ? mp + 3 : mp - 9;
    parts.year = static_cast<std::int64_t>(yoe) + era * 400 + (parts.month <= 2);
}

// 1899-12-30 counted from 1970-01-01.
constexpr std::int64_t kDelphiEpochOffset = -25569;

bool IsLeapYear(std::int64_t y) noexcept
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

std::tm LocalNow(int* milliseconds)
{
    const auto now = std::chrono::system_clock::now();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        now.time_since_epoch()).count();
    const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    if (milliseconds)
        *milliseconds = static_cast<int>(ms % 1000);
    return local;
}

[[noreturn]] void RaiseInvalidDateTime(std::string_view text)
{
    throw VnException("'" + std::string(text) + "' is not a valid date and time");
}

} // namespace

std::uint32_t LeadingNumber(std::string_view text) noexcept
{
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::uint32_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = value * 10u + static_cast<std::uint32_t>(text[i] - '0');
    return negative ? 0u - value : value;
}

bool IsNumberText(std::string_view text) noexcept
{
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t digits = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    if (i == digits)
        return false;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    return i == text.size();
}

VnValueRefused::VnValueRefused(const std::string& message)
    : VnException(message, kVnErrBadDataValue)
{
}

namespace {

[[noreturn]] void Refuse(std::string_view text, std::string_view what)
{
    throw VnValueRefused("'" + std::string(text) + "' is not " + std::string(what) + ".");
}

struct Decimal {
    bool negative = false;
    std::uint64_t magnitude = 0;
};

// One optionally signed run of decimal digits making the whole trimmed
// text; none when anything else is there or the magnitude passes 2^64 - 1.
std::optional<Decimal> WholeDecimal(std::string_view text)
{
    const std::string trimmed = TrimBlanks(text);
    std::string_view t = trimmed;
    Decimal d;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        d.negative = t.front() == '-';
        t.remove_prefix(1);
    }
    if (t.empty())
        return std::nullopt;
    for (char c : t) {
        if (!IsDigit(c))
            return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (d.magnitude > (UINT64_MAX - digit) / 10)
            return std::nullopt;
        d.magnitude = d.magnitude * 10 + digit;
    }
    return d;
}

// A reader over a trimmed text for the TimeTicks form.
struct TicksScanner {
    std::string_view s;
    std::size_t pos = 0;

    bool AtEnd() const { return pos >= s.size(); }
    void Blanks()
    {
        while (pos < s.size() && s[pos] == ' ')
            ++pos;
    }
    bool Char(char c)
    {
        if (pos < s.size() && s[pos] == c) {
            ++pos;
            return true;
        }
        return false;
    }
    bool Word(std::string_view w)
    {
        if (s.substr(pos, w.size()) != w)
            return false;
        pos += w.size();
        return true;
    }
    // Up to 12 digits: more could only be out of range.
    bool Number(std::uint64_t& n, std::size_t* digits = nullptr)
    {
        const std::size_t start = pos;
        n = 0;
        while (pos < s.size() && IsDigit(s[pos]) && pos - start < 12)
            n = n * 10 + static_cast<std::uint64_t>(s[pos++] - '0');
        if (digits)
            *digits = pos - start;
        return pos > start && !(pos < s.size() && IsDigit(s[pos]));
    }
};

} // namespace

std::int64_t ReadWholeNumber(std::string_view text, std::int64_t minimum, std::int64_t maximum)
{
    const std::optional<Decimal> d = WholeDecimal(text);
    bool fits = false;
    std::int64_t value = 0;
    if (d && !d->negative && d->magnitude <= static_cast<std::uint64_t>(INT64_MAX)) {
        value = static_cast<std::int64_t>(d->magnitude);
        fits = true;
    } else if (d && d->negative && d->magnitude <= static_cast<std::uint64_t>(INT64_MAX) + 1) {
        value = static_cast<std::int64_t>(0 - d->magnitude);
        fits = true;
    }
    if (!fits || value < minimum || value > maximum)
        Refuse(text, "a whole number from " + std::to_string(minimum) + " to " + std::to_string(maximum));
    return value;
}

std::uint64_t ReadCounter64Text(std::string_view text)
{
    const std::optional<Decimal> d = WholeDecimal(text);
    if (!d || (d->negative && d->magnitude != 0))
        Refuse(text, "a whole number from 0 to 18446744073709551615");
    return d->magnitude;
}

std::optional<std::vector<std::uint32_t>> DottedNumbers(std::string_view text)
{
    const std::string trimmed = TrimBlanks(text);
    std::string_view t = trimmed;
    std::vector<std::uint32_t> numbers;
    if (t.empty())
        return numbers;
    if (t.front() == '.')
        t.remove_prefix(1);
    std::uint64_t value = 0;
    std::size_t digits = 0;
    for (std::size_t i = 0; i <= t.size(); ++i) {
        if (i == t.size() || t[i] == '.') {
            if (digits == 0)
                return std::nullopt;
            numbers.push_back(static_cast<std::uint32_t>(value));
            value = 0;
            digits = 0;
            continue;
        }
        if (!IsDigit(t[i]))
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(t[i] - '0');
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
        ++digits;
    }
    return numbers;
}

std::array<std::uint8_t, 4> ReadIpAddressText(std::string_view text)
{
    const std::string trimmed = TrimBlanks(text);
    const auto parts = DottedNumbers(trimmed);
    const bool ok = parts && parts->size() == 4 && trimmed.front() != '.'
                    && std::all_of(parts->begin(), parts->end(), [](std::uint32_t p) { return p <= 255; });
    if (!ok)
        Refuse(text, "an IP address (four numbers from 0 to 255)");
    return {static_cast<std::uint8_t>((*parts)[0]), static_cast<std::uint8_t>((*parts)[1]),
            static_cast<std::uint8_t>((*parts)[2]), static_cast<std::uint8_t>((*parts)[3])};
}

std::vector<std::uint32_t> ReadObjectIdText(std::string_view text)
{
    auto parts = DottedNumbers(text);
    if (!parts || parts->size() < 2 || parts->size() > 128)
        Refuse(text, "an object identifier (two to 128 dotted numbers)");
    return std::move(*parts);
}

std::vector<std::uint32_t> ReadObjectIdKeyText(std::string_view text)
{
    auto parts = DottedNumbers(text);
    if (!parts || parts->empty() || parts->size() > 128)
        Refuse(text, "an object identifier key (one to 128 dotted numbers)");
    return std::move(*parts);
}

std::vector<std::uint8_t> ReadHexText(std::string_view text, int octets)
{
    auto bytes = HexToBytes(TrimBlanks(text));
    if (bytes && (octets < 0 || bytes->size() == static_cast<std::size_t>(octets)))
        return std::move(*bytes);
    if (octets == 6)
        Refuse(text, "a MAC address (6 bytes, 12 hex digits)");
    if (octets == 16)
        Refuse(text, "an IPv6 address (16 bytes, 32 hex digits)");
    if (octets >= 0)
        Refuse(text, "hex text of " + std::to_string(octets) + " bytes");
    Refuse(text, "hex text (two hex digits per byte)");
}

std::uint32_t ReadTimeTicksText(std::string_view text)
{
    const std::string trimmed = TrimBlanks(text);
    TicksScanner in{trimmed};
    std::uint64_t days = 0;
    std::uint64_t hours = 0;
    std::uint64_t minutes = 0;
    std::uint64_t seconds = 0;
    std::uint64_t hundredths = 0;
    std::size_t hundredthDigits = 0;
    bool haveDays = false;
    bool ok = in.Number(hours);
    if (ok) {
        const std::size_t afterNumber = in.pos;
        in.Blanks();
        if (in.Word("days") || in.Word("day")) {
            haveDays = true;
            days = hours;
            in.Blanks();
            in.Char(',');
            in.Blanks();
            ok = in.Number(hours);
        } else {
            in.pos = afterNumber;
        }
    }
    ok = ok && in.Char(':') && in.Number(minutes) && in.Char(':') && in.Number(seconds);
    if (ok && in.Char('.'))
        ok = in.Number(hundredths, &hundredthDigits) && hundredthDigits <= 2;
    ok = ok && in.AtEnd() && minutes < 60 && seconds < 60 && (!haveDays || hours < 24);
    const std::uint64_t total = ((days * 24 + hours) * 60 + minutes) * 6000 + seconds * 100 + hundredths;
    if (!ok || total > 0xFFFFFFFFu)
        Refuse(text, "a time of at most 497 days (h:mm:ss.cc, 1 day h:mm:ss.cc or d days, h:mm:ss.cc)");
    return static_cast<std::uint32_t>(total);
}

double ReadFloatText(std::string_view text)
{
    const std::string trimmed = TrimBlanks(text);
    std::size_t i = 0;
    if (i < trimmed.size() && (trimmed[i] == '+' || trimmed[i] == '-'))
        ++i;
    std::size_t digits = 0;
    for (; i < trimmed.size() && IsDigit(trimmed[i]); ++i)
        ++digits;
    if (i < trimmed.size() && trimmed[i] == '.') {
        for (++i; i < trimmed.size() && IsDigit(trimmed[i]); ++i)
            ++digits;
    }
    bool ok = digits > 0;
    if (ok && i < trimmed.size() && (trimmed[i] == 'e' || trimmed[i] == 'E')) {
        ++i;
        if (i < trimmed.size() && (trimmed[i] == '+' || trimmed[i] == '-'))
            ++i;
        const std::size_t start = i;
        while (i < trimmed.size() && IsDigit(trimmed[i]))
            ++i;
        ok = i > start;
    }
    const double value = ok && i == trimmed.size() ? TextToFloat(trimmed) : 0.0;
    if (!ok || i != trimmed.size() || !std::isfinite(value))
        Refuse(text, "a number");
    return value;
}

std::string TimeTicksToText(std::uint32_t t)
{
    const unsigned long d = t / 8640000u;
    const unsigned long h = (t % 8640000u) / 360000u;
    const unsigned long m = (t % 360000u) / 6000u;
    const unsigned long s = (t % 6000u) / 100u;
    const unsigned long c = t % 100u;
    char buf[64];
    if (d == 0)
        std::snprintf(buf, sizeof buf, "%lu:%02lu:%02lu.%02lu", h, m, s, c);
    else if (d == 1)
        std::snprintf(buf, sizeof buf, "1 day %lu:%02lu:%02lu.%02lu", h, m, s, c);
    else
        std::snprintf(buf, sizeof buf, "%lu days, %lu:%02lu:%02lu.%02lu", d, h, m, s, c);
    return buf;
}

std::uint32_t TextToTimeTicks(std::string_view text) noexcept
{
    std::uint32_t days = 0;
    std::size_t pos = 0;
    std::size_t word = text.find("days");
    std::size_t wordLength = 4;
    if (word == std::string_view::npos) {
        word = text.find("day");
        wordLength = 3;
    }
    if (word != std::string_view::npos) {
        days = LeadingNumber(text);
        pos = word + wordLength;
        if (const auto comma = text.find(',', pos); comma != std::string_view::npos)
            pos = comma + 1;
    }

    // Numbers in turn, each named by the character that ends it: the first
    // two ended by ":" are hours and minutes, one ended by "." is seconds and
    // the number after that "." the hundredths.
    std::uint32_t parts[4] = {0, 0, 0, 0}; // hours, minutes, seconds, hundredths
    int colons = 0;
    while (pos < text.size()) {
        while (pos < text.size() && IsCSpace(text[pos]))
            ++pos;
        std::uint32_t n = 0;
        const std::size_t start = pos;
        for (; pos < text.size() && IsDigit(text[pos]); ++pos)
            n = n * 10u + static_cast<std::uint32_t>(text[pos] - '0');
        if (pos == start || pos >= text.size())
            break;
        if (text[pos] == ':' && colons < 2) {
            parts[colons++] = n;
            ++pos;
            continue;
        }
        if (text[pos] == '.') {
            parts[2] = n;
            parts[3] = LeadingNumber(text.substr(pos + 1));
        }
        break;
    }
    return days * 8640000u + parts[0] * 360000u + parts[1] * 6000u + parts[2] * 100u + parts[3];
}

std::string FloatToText(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0.0)
        return "0";

    // 15 significant digits, correctly rounded, as d.dddddddddddddde[+-]x.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value,
                                   std::chars_format::scientific, 14);
    const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    const bool negative = sci.front() == '-';
    const std::size_t e = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, e)) {
        if (IsDigit(c))
            digits += c;
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent10 = 0; // value = d.ddd * 10^exponent10
    std::from_chars(sci.data() + e + (sci[e + 1] == '+' ? 2 : 1), sci.data() + sci.size(),
                    exponent10);

    std::string out = negative ? "-" : "";
    const int integerDigits = exponent10 + 1;
    if (integerDigits > 15 || exponent10 < -5) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += 'E';
        out += std::to_string(exponent10);
        return out;
    }
    if (integerDigits <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-integerDigits), '0');
        out += digits;
        return out;
    }
    const auto whole = static_cast<std::size_t>(integerDigits);
    if (digits.size() <= whole) {
        out += digits;
        out.append(whole - digits.size(), '0');
        return out;
    }
    out.append(digits, 0, whole);
    out += '.';
    out.append(digits, whole);
    return out;
}

double TextToFloat(std::string_view text) noexcept
{
    // Cut out the longest decimal number first, so that hex and "inf"/"nan"
    // spellings the C library would also accept read as 0.
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t mantissaDigits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        ++mantissaDigits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            ++mantissaDigits;
    }
    if (mantissaDigits == 0)
        return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            i = j;
        }
    }
    const std::string number(text.substr(start, i - start));
    // A "C" locale of our own: the process locale may use "," as decimal point.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    if (cLocale)
        return strtod_l(number.c_str(), nullptr, cLocale);
    double value = 0.0;
    const char* begin = number.c_str() + (number[0] == '+' ? 1 : 0);
    std::from_chars(begin, number.c_str() + number.size(), value);
    return value;
}

std::int64_t DaysFromCivil(int year, unsigned month, unsigned day) noexcept
{
    return DaysFromEpoch(year, month, day) - kDelphiEpochOffset;
}

VnDateTimeParts SplitDateTime(double value) noexcept
{
    const auto ms = static_cast<std::int64_t>(std::nearbyint(value * kMsPerDay));
    const std::int64_t magnitude = ms < 0 ? -ms : ms;
    const std::int64_t days = ms < 0 ? -(magnitude / kMsPerDay) : magnitude / kMsPerDay;
    const auto time = static_cast<unsigned>(magnitude % kMsPerDay);
    VnDateTimeParts parts;
    SetCivilFromEpoch(parts, days + kDelphiEpochOffset);
    parts.hour = time / 3600000;
    parts.minute = time / 60000 % 60;
    parts.second = time / 1000 % 60;
    parts.millisecond = time % 1000;
    return parts;
}

unsigned DaysInMonth(std::int64_t year, unsigned month) noexcept
{
    static constexpr unsigned kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return kMonthDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool IsValidDate(std::int64_t year, std::int64_t month, std::int64_t day) noexcept
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    return day <= DaysInMonth(year, static_cast<unsigned>(month));
}

double TimeOfDay(unsigned hour, unsigned minute, unsigned second, unsigned millisecond) noexcept
{
    return (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + millisecond)
           / static_cast<double>(kMsPerDay);
}

double DateWithTime(double days, double timeOfDay) noexcept
{
    return days >= 0 ? days + timeOfDay : days - timeOfDay;
}

double NowAsDateTime()
{
    int ms = 0;
    const std::tm t = LocalNow(&ms);
    const auto days = DaysFromCivil(t.tm_year + 1900, static_cast<unsigned>(t.tm_mon + 1),
                                    static_cast<unsigned>(t.tm_mday));
    return static_cast<double>(days)
           + TimeOfDay(static_cast<unsigned>(t.tm_hour), static_cast<unsigned>(t.tm_min),
                       static_cast<unsigned>(t.tm_sec), static_cast<unsigned>(ms));
}

std::string DateTimeToText(double value)
{
    // Coarse bounds first so that the millisecond count cannot overflow.
    if (!std::isfinite(value) || value < static_cast<double>(kFirstDay - 1)
        || value > static_cast<double>(kEndDay + 1))
        RaiseInvalidDateTime(FloatToText(value));

    const VnDateTimeParts parts = SplitDateTime(value);
    if (parts.year < 1 || parts.year > 9999)
        RaiseInvalidDateTime(FloatToText(value));

    const unsigned hour12 = parts.hour % 12 == 0 ? 12 : parts.hour % 12;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04lld/%02u/%02u %02u:%02u:%02u %s",
                  static_cast<long long>(parts.year), parts.month, parts.day, hour12,
                  parts.minute, parts.second, parts.hour < 12 ? "am" : "pm");
    return buf;
}

namespace {

// A reader over the date-time text that skips blanks before each token, as
// the class library's date scanner does (only spaces count as blanks).
struct DateScanner {
    std::string_view s;
    std::size_t pos = 0;

    void SkipBlanks()
    {
        while (pos < s.size() && s[pos] == ' ')
            ++pos;
    }
    bool Char(char c)
    {
        SkipBlanks();
        if (pos < s.size() && s[pos] == c) {
            ++pos;
            return true;
        }
        return false;
    }
    // Up to four digits (reading stops once the number reaches 1000).
    bool Number(unsigned& n, unsigned& length)
    {
        SkipBlanks();
        std::size_t i = pos;
        unsigned v = 0;
        while (i < s.size() && IsDigit(s[i]) && v < 1000)
            v = v * 10 + static_cast<unsigned>(s[i++] - '0');
        if (i == pos)
            return false;
        length = static_cast<unsigned>(i - pos);
        pos = i;
        n = v;
        return true;
    }
    bool Word(std::string_view w)
    {
        SkipBlanks();
        if (s.size() - pos < w.size())
            return false;
        for (std::size_t k = 0; k < w.size(); ++k) {
            char c = s[pos + k];
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
            if (c != w[k])
                return false;
        }
        pos += w.size();
        return true;
    }
};

bool ScanDate(DateScanner& in, double& date)
{
    unsigned n1 = 0, n2 = 0, n3 = 0, l1 = 0, l2 = 0, l3 = 0;
    if (!(in.Number(n1, l1) && in.Char('/') && in.Number(n2, l2)))
        return false;
    int currentYear = LocalNow(nullptr).tm_year + 1900;
    unsigned y = 0, m = 0, d = 0;
    if (in.Char('/')) {
        if (!in.Number(n3, l3))
            return false;
        y = n1;
        m = n2;
        d = n3;
        if (l1 <= 2) {
            const int centuryBase = currentYear - 50;
            y += static_cast<unsigned>(centuryBase / 100 * 100);
            if (static_cast<int>(y) < centuryBase)
                y += 100;
        }
    } else {
        y = static_cast<unsigned>(currentYear);
        m = n1;
        d = n2;
    }
    in.Char('/');
    in.SkipBlanks();
    if (!IsValidDate(y, m, d))
        return false;
    date = static_cast<double>(DaysFromCivil(static_cast<int>(y), m, d));
    return true;
}

bool ScanTime(DateScanner& in, double& time)
{
    int baseHour = -1;
    if (in.Word("am"))
        baseHour = 0;
    else if (in.Word("pm"))
        baseHour = 12;
    unsigned hour = 0, minute = 0, second = 0, msec = 0, length = 0;
    if (!in.Number(hour, length))
        return false;
    if (in.Char(':')) {
        if (!in.Number(minute, length))
            return false;
        if (in.Char(':')) {
            if (!in.Number(second, length))
                return false;
            if (in.Char('.') && !in.Number(msec, length))
                return false;
        }
    }
    if (baseHour < 0) {
        if (in.Word("am"))
            baseHour = 0;
        else if (in.Word("pm"))
            baseHour = 12;
    }
    if (baseHour >= 0) {
        if (hour == 0 || hour > 12)
            return false;
        hour = (hour == 12 ? 0 : hour) + static_cast<unsigned>(baseHour);
    }
    in.SkipBlanks();
    if (hour >= 24 || minute >= 60 || second >= 60 || msec >= 1000)
        return false;
    time = TimeOfDay(hour, minute, second, msec);
    return true;
}

} // namespace

double TextToDateTime(std::string_view text)
{
    DateScanner in{text};
    double date = 0.0;
    double time = 0.0;
    if (ScanDate(in, date) && (in.pos >= text.size() || ScanTime(in, time)))
        return DateWithTime(date, time);

    // A time alone must use up the whole text.
    DateScanner timeOnly{text};
    if (ScanTime(timeOnly, time) && timeOnly.pos >= text.size())
        return time;
    RaiseInvalidDateTime(text);
}
