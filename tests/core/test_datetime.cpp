#include "VnDateTime.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

namespace {

struct Fields {
    int year, month, day, hour, minutes, seconds, deci;
    char direction;
    int utcHours, utcMinutes;
};

VnDateTime Make(const Fields& f)
{
    VnDateTime v;
    v.year = static_cast<std::uint16_t>(f.year);
    v.month = static_cast<std::uint8_t>(f.month);
    v.day = static_cast<std::uint8_t>(f.day);
    v.hour = static_cast<std::uint8_t>(f.hour);
    v.minutes = static_cast<std::uint8_t>(f.minutes);
    v.seconds = static_cast<std::uint8_t>(f.seconds);
    v.deciSeconds = static_cast<std::uint8_t>(f.deci);
    v.direction = f.direction;
    v.utcHours = static_cast<std::uint8_t>(f.utcHours);
    v.utcMinutes = static_cast<std::uint8_t>(f.utcMinutes);
    return v;
}

TEST(DateAndTime, Format)
{
    struct Case {
        Fields fields;
        const char* expected;
        const char* why;
    } const cases[] = {
        {{2006, 3, 7, 14, 5, 9, 0, '+', 8, 0}, "2006-3-7,14:5:9.0,+8:0", "no leading zeros"},
        {{2006, 3, 7, 14, 5, 9, 0, '-', 5, 30}, "2006-3-7,14:5:9.0,-5:30", "west of UTC"},
        {{2006, 3, 7, 14, 5, 9, 0, '+', 0, 30}, "2006-3-7,14:5:9.0,+0:30", "minutes alone make a zone"},
        {{2006, 3, 7, 14, 5, 9, 0, '-', 0, 0}, "2006-3-7,14:5:9.0", "offset 0:0: no zone, whatever the direction"},
        {{2006, 3, 7, 14, 5, 9, 0, 'x', 5, 30}, "2006-3-7,14:5:9.0", "no zone without a valid direction"},
        {{2006, 3, 7, 14, 5, 9, 0, '\0', 0, 0}, "2006-3-7,14:5:9.0", "a zeroed value"},
        {{65535, 255, 255, 255, 255, 255, 255, '+', 255, 255},
         "65535-255-255,255:255:255.255,+255:255", "out-of-range octets are written as they are"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Make(c.fields).Format(), c.expected) << c.why;
}

TEST(DateAndTime, Parse)
{
    struct Case {
        const char* text;
        Fields expected;
        const char* why;
    } const cases[] = {
        {"2006-3-7,14:5:9.0", {2006, 3, 7, 14, 5, 9, 0, '+', 0, 0}, "no zone: +0:0"},
        {"2006-3-7,14:5:9.0,-5:30", {2006, 3, 7, 14, 5, 9, 0, '-', 5, 30}, "west of UTC"},
        {"2006-03-07,14:05:09.3,+8:0", {2006, 3, 7, 14, 5, 9, 3, '+', 8, 0}, "leading zeros are read"},
        {"2006-3-7", {2006, 3, 7, 0, 0, 0, 0, '+', 0, 0}, "missing fields stay 0"},
        {"", {0, 0, 0, 0, 0, 0, 0, '+', 0, 0}, "an empty text gives zeros"},
        {"2006-3-7,14:5:9.0,+5", {2006, 3, 7, 14, 5, 9, 0, '+', 5, 0},
         "the first scan's eighth number is kept"},
        {"2006-3-7,14:5:9.0,-5", {2006, 3, 7, 14, 5, 9, 0, '-', 5, 0},
         "a west offset without minutes keeps its sign"},
        {"2006-3-7,14:5:9.0,*5:30", {2006, 3, 7, 14, 5, 9, 0, '+', 0, 0}, "an unknown direction"},
        {" 2006- 3-7,14:5:9.0", {2006, 3, 7, 14, 5, 9, 0, '+', 0, 0}, "blanks before numbers are skipped"},
        {"2006 -3-7", {2006, 0, 0, 0, 0, 0, 0, '+', 0, 0}, "a blank before a separator ends the scan"},
        {"70000-300-7,14:5:9.0", {70000 & 0xFFFF, 300 & 0xFF, 7, 14, 5, 9, 0, '+', 0, 0},
         "numbers are kept to their field's width"},
        {"-1-3-7,14:5:9.0", {65535, 3, 7, 14, 5, 9, 0, '+', 0, 0}, "a sign is read"},
    };
    for (const auto& c : cases) {
        VnDateTime v;
        v.Parse(c.text);
        EXPECT_EQ(v, Make(c.expected)) << '"' << c.text << "\": " << c.why << " -> " << v.Format();
    }
}

TEST(DateAndTime, FormatAndParseRoundTrip)
{
    for (const char* text : {"2006-3-7,14:5:9.0", "1999-12-31,23:59:60.9,-13:59", "2007-1-1,0:0:0.0,+5:45"}) {
        VnDateTime v;
        v.Parse(text);
        EXPECT_EQ(v.Format(), text);
    }
}

TEST(DateAndTime, Octets)
{
    const VnDateTime v = Make({2007, 3, 7, 14, 5, 9, 1, '-', 5, 30});
    const auto octets = v.ToOctets();
    const std::array<std::uint8_t, 11> expected = {7, 215, 3, 7, 14, 5, 9, 1, '-', 5, 30};
    EXPECT_EQ(octets, expected) << "the year travels most significant byte first";
    EXPECT_EQ(VnDateTime::FromOctets(octets.data(), octets.size()), v);

    // A short value: the missing octets are 0, nothing beyond is read.
    const std::uint8_t shortValue[] = {7, 215, 3};
    const VnDateTime s = VnDateTime::FromOctets(shortValue, sizeof shortValue);
    EXPECT_EQ(s.Format(), "2007-3-0,0:0:0.0");
    EXPECT_EQ(VnDateTime::FromOctets(nullptr, 0).Format(), "0-0-0,0:0:0.0");
}

TEST(DateAndTime, SwapYearBytes)
{
    VnDateTime v = Make({2007, 1, 1, 0, 0, 0, 0, '+', 0, 0});
    v.SwapYearBytes();
    EXPECT_EQ(v.year, 0xD707);
    v.SwapYearBytes();
    EXPECT_EQ(v.year, 2007);
}

TEST(DateAndTime, DefaultIsTheLocalTimeNow)
{
    auto localNow = [] {
        const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
        std::tm tm{};
        localtime_r(&t, &tm);
        return tm;
    };
    const std::tm before = localNow();
    const VnDateTime v;
    const std::tm after = localNow();
    EXPECT_TRUE(v.year == before.tm_year + 1900 || v.year == after.tm_year + 1900);
    EXPECT_TRUE(v.day == before.tm_mday || v.day == after.tm_mday);
    EXPECT_TRUE(v.minutes == before.tm_min || v.minutes == after.tm_min);
    EXPECT_EQ(v.deciSeconds, 0);
    EXPECT_EQ(v.direction, '+');
    EXPECT_EQ(v.utcHours, 0);
    EXPECT_EQ(v.utcMinutes, 0);

    const VnDateTime copy(v);
    EXPECT_EQ(copy, v);
}

} // namespace
