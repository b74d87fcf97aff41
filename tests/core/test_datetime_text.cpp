// Value texts used by expressions: leading numbers, TimeTicks, floating-point
// and date-time (days since 1899-12-30) texts.
#include "VnException.h"
#include "VnValueText.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <ctime>
#include <limits>

namespace {

TEST(ValueText, LeadingNumber)
{
    struct Case {
        const char* text;
        std::uint32_t expected;
    } const cases[] = {
        {"12abc", 12}, {"  \t42", 42}, {"+5", 5}, {"-1", 4294967295u}, {"", 0},
        {"abc", 0}, {"- 1", 0}, {"4294967296", 0}, {"2147483648", 2147483648u},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeadingNumber(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(static_cast<std::int32_t>(LeadingNumber("-2147483648")), INT32_MIN);
}

// What a table index of a number syntax must be before a set may use it:
// anything else would be read as 0 (or a prefix of it).
TEST(ValueText, IsNumberText)
{
    struct Case {
        const char* text;
        bool number;
    } const cases[] = {
        {"12", true}, {"  -7 ", true}, {"+5", true}, {"", false}, {"  ", false},
        {"-", false}, {"12abc", false}, {"abc", false}, {"(NOTDONE)", false}, {"1 2", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsNumberText(c.text), c.number) << '"' << c.text << '"';
}

TEST(ValueText, TimeTicks)
{
    struct Case {
        std::uint32_t ticks;
        const char* text;
    } const cases[] = {
        {5, "0:00:00.05"},
        {8640000, "1 day 0:00:00.00"},
        {2 * 8640000 + 1, "2 days, 0:00:00.01"},
        {372304, "1:02:03.04"},
        {4294967295u, "497 days, 2:27:52.95"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TimeTicksToText(c.ticks), c.text);
        EXPECT_EQ(TextToTimeTicks(c.text), c.ticks) << c.text;
    }
    EXPECT_EQ(TextToTimeTicks("5"), 0u) << "a bare number reads as 0";
    EXPECT_EQ(TextToTimeTicks(""), 0u);
    EXPECT_EQ(TextToTimeTicks("3 days"), 3u * 8640000u) << "missing parts count 0";
    EXPECT_EQ(TextToTimeTicks("10:20.5"), 10u * 360000u + 20u * 100u + 5u)
        << "a number ended by '.' is the seconds wherever it stands";
}

TEST(ValueText, FloatToText)
{
    struct Case {
        double value;
        const char* text;
        const char* why;
    } const cases[] = {
        {0.0, "0", "zero"},
        {-0.0, "0", "negative zero"},
        {1.0, "1", "no fraction, no point"},
        {-2.5, "-2.5", "sign"},
        {0.1, "0.1", "15 significant digits hide the binary error"},
        {1.0 / 3.0, "0.333333333333333", "cut to 15 digits"},
        {2.0 / 3.0, "0.666666666666667", "rounded at the 15th digit"},
        {999999999999999.0, "999999999999999", "15 integer digits: fixed"},
        {1e15, "1E15", "16 integer digits: scientific"},
        {123456789012345678.0, "1.23456789012346E17", "scientific keeps 15 digits"},
        {1e20, "1E20", "no plus sign in the exponent"},
        {0.00001, "0.00001", "the smallest fixed magnitude"},
        {0.000001, "1E-6", "below 0.00001: scientific"},
        {-1.5e-7, "-1.5E-7", "negative, scientific"},
        {1234.5, "1234.5", "fixed with fraction"},
        {1e-300, "1E-300", "three-digit exponent"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToText(c.value), c.text) << c.why;
}

TEST(ValueText, TextToFloat)
{
    struct Case {
        const char* text;
        double expected;
    } const cases[] = {
        {"  1.5e3xyz", 1500.0}, {"", 0.0}, {"abc", 0.0}, {".5", 0.5}, {"5.", 5.0},
        {"1e", 1.0}, {"1e+", 1.0}, {"+7", 7.0}, {"-0x10", 0.0}, {"inf", 0.0}, {"nan", 0.0},
        {"1.5E-7", 1.5e-7}, {"true", 0.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextToFloat(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_TRUE(std::isinf(TextToFloat("1e999")));
    EXPECT_EQ(TextToFloat("1e-999"), 0.0);
}

TEST(ValueText, DateTimeToText)
{
    const double t2006 = 38783.0 + (14 * 3600 + 5 * 60 + 9) / 86400.0;
    struct Case {
        double value;
        const char* text;
        const char* why;
    } const cases[] = {
        {0.0, "1899/12/30 12:00:00 am", "day 0 at midnight is 12 am"},
        {0.5, "1899/12/30 12:00:00 pm", "noon is 12 pm"},
        {t2006, "2006/03/07 02:05:09 pm", "two-digit fields, 12-hour clock"},
        {-1.25, "1899/12/29 06:00:00 am", "before day 0 the fraction still counts forward"},
        {-0.5, "1899/12/30 12:00:00 pm", "between -1 and 0 the day is day 0"},
        {-693593.0, "0001/01/01 12:00:00 am", "first day"},
        {2958465.999, "9999/12/31 11:58:33 pm", "last day"},
        {1.0 - 0.4 / 86400000.0, "1899/12/31 12:00:00 am", "rounded to whole milliseconds"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateTimeToText(c.value), c.text) << c.why;

    for (double bad : {-693594.0, 2958466.0, 2958465.9999999999, 1e20,
                       std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity()})
        EXPECT_THROW(DateTimeToText(bad), VnException) << bad;
}

TEST(ValueText, TextToDateTime)
{
    const double day2006 = 38783.0;
    const double time = (14 * 3600 + 5 * 60 + 9) / 86400.0;
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    const int thisYear = local.tm_year + 1900;

    struct Case {
        const char* text;
        double expected;
        const char* why;
    } const cases[] = {
        {"2006/03/07 02:05:09 pm", day2006 + time, "what DateTimeToText writes"},
        {"2006/3/7 14:05:09", day2006 + time, "24-hour clock"},
        {"2006/3/7", day2006, "date alone"},
        {"2006/3/7 2:05:09 PM", day2006 + time, "either case"},
        {"2006/3/7 12:00 am", day2006, "12 am is midnight"},
        {"2006/3/7 12:00 pm", day2006 + 0.5, "12 pm is noon"},
        {"2006 / 3 / 7  14:05:09", day2006 + time, "blanks around separators"},
        {"14:05:09", time, "time alone"},
        {"06/3/7", day2006, "two-digit year near the current year"},
        {"1899/12/29 06:00", -1.25, "before day 0 the time is subtracted"},
        {"2006/3/7 14:05:09.500", day2006 + time + 0.5 / 86400.0, "milliseconds"},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(TextToDateTime(c.text), c.expected) << '"' << c.text << "\": " << c.why;
    EXPECT_DOUBLE_EQ(TextToDateTime("3/7"), DaysFromCivil(thisYear, 3, 7)) << "month/day of this year";

    for (const char* bad : {"", "nonsense", "2006/2/30", "2006/13/1", "2006/3/7 13:00 pm",
                            "2006/3/7 0:30 am", "2006/3/7 24:00", "2006/3/7 abc", "10000/1/1",
                            "14:05 xyz"})
        EXPECT_THROW(TextToDateTime(bad), VnException) << '"' << bad << '"';
}

TEST(ValueText, DateTimeRoundTrip)
{
    for (double v : {0.0, 38783.25, -1.75, 2958465.5, 45000.999988426}) {
        const std::string text = DateTimeToText(v);
        EXPECT_EQ(DateTimeToText(TextToDateTime(text)), text) << v;
    }
}

TEST(ValueText, NowCountsDaysSince1899)
{
    const double now = NowAsDateTime();
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&t, &local);
    const auto today = DaysFromCivil(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                                     static_cast<unsigned>(local.tm_mday));
    EXPECT_GE(now, static_cast<double>(today) - 1.0);
    EXPECT_LT(now, static_cast<double>(today) + 1.0);
}

} // namespace
