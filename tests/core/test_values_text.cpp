// The strict readings of texts that are about to be sent: what each kind
// accepts at its edges and what it refuses, without an agent.
#include "VnDateTime.h"
#include "VnNumList.h"
#include "VnValueText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

TEST(StrictText, DateAndTimeFieldsInRange)
{
    const struct {
        const char* text;
        bool accepted;
        const char* why;
    } cases[] = {
        {"2006-3-7,14:5:9.0", true, "no zone"},
        {" 2006-03-07,14:05:09.3,-5:30 ", true, "leading zeros, a zone, blanks around"},
        {"2000-2-29,0:0:0.0", true, "a leap day of a year divisible by 400"},
        {"2016-12-31,23:59:60.9,+14:0", true, "a leap second, the easternmost zone"},
        {"65535-1-1,0:0:0.0", true, "the largest year two bytes hold"},
        {"65536-1-1,0:0:0.0", false, "a year past two bytes"},
        {"1900-2-29,0:0:0.0", false, "1900 had no 29 February"},
        {"2006-4-31,0:0:0.0", false, "April has 30 days"},
        {"2006-0-7,14:5:9.0", false, "month 0"},
        {"2006-3-0,14:5:9.0", false, "day 0"},
        {"2006-3-7,14:60:9.0", false, "minute 60"},
        {"2006-3-7,14:5:61.0", false, "second 61"},
        {"2006-3-7,14:5:9.0,+15:0", false, "a zone 15 hours off"},
        {"2006-3-7,14:5:9.0,+8:60", false, "zone minutes 60"},
        {"2006-3-7,14:5:9", false, "no deci-seconds"},
        {"2006-3-7", false, "a date alone"},
        {"2006-3-7,14:5:9.0,+8", false, "a zone without minutes"},
        {"2006-3-7,14:5:9.0,+8:0x", false, "a tail"},
        {"2006- 3-7,14:5:9.0", false, "a blank inside"},
        {"-1-3-7,14:5:9.0", false, "a signed year"},
        {"", false, "empty"},
    };
    for (const auto& c : cases) {
        if (c.accepted)
            EXPECT_NO_THROW(VnDateTime::ReadText(c.text)) << c.why;
        else
            EXPECT_THROW(VnDateTime::ReadText(c.text), VnValueRefused) << c.why;
    }
    const VnDateTime west = VnDateTime::ReadText("2006-3-7,14:5:9.3,-5:30");
    EXPECT_EQ(west.Format(), "2006-3-7,14:5:9.3,-5:30");
}

TEST(StrictText, TimeTicksForms)
{
    const struct {
        const char* text;
        std::int64_t ticks;  // -1: refused
        const char* why;
    } cases[] = {
        {"0:00:00.05", 5, "under a day"},
        {"1 day 0:00:01.00", 8640100, "one day"},
        {"2 days, 3:04:05.06", 2 * 8640000 + 3 * 360000 + 4 * 6000 + 5 * 100 + 6, "days"},
        {"12:00:00", 12 * 360000, "no hundredths"},
        {"497 days, 2:27:52.95", 4294967295, "the largest count"},
        {"497 days, 2:27:52.96", -1, "one past it"},
        {"11930:27:52.95", 4294967295, "hours without days may pass 24"},
        {"1 day 24:00:00.00", -1, "hours after a day count stay below 24"},
        {"0:60:00.00", -1, "60 minutes"},
        {"0:00:60.00", -1, "60 seconds"},
        {"0:00:00.100", -1, "three digits of hundredths"},
        {"500", -1, "a bare number"},
        {"", -1, "empty"},
    };
    for (const auto& c : cases) {
        if (c.ticks < 0)
            EXPECT_THROW(ReadTimeTicksText(c.text), VnValueRefused) << c.why;
        else
            EXPECT_EQ(ReadTimeTicksText(c.text), static_cast<std::uint32_t>(c.ticks)) << c.why;
    }
}

TEST(StrictText, DottedNumbersAreReadOnce)
{
    using Numbers = std::vector<std::uint32_t>;
    EXPECT_EQ(DottedNumbers(".1.3.6"), (Numbers{1, 3, 6}));
    EXPECT_EQ(DottedNumbers(" 4294967295.0 "), (Numbers{4294967295u, 0}));
    EXPECT_EQ(DottedNumbers(""), Numbers{});
    for (const char* malformed : {"1..3", "1.3.", "1.x", "4294967296", "1 .3", "+1.3"})
        EXPECT_FALSE(DottedNumbers(malformed).has_value()) << malformed;
    EXPECT_THROW(ReadIpAddressText(".10.1.2.3"), VnValueRefused);
    EXPECT_THROW(ReadObjectIdText("1"), VnValueRefused) << "one sub-identifier is no OID";
}

TEST(StrictText, NumberListsMarkWhatPassed32Bits)
{
    const struct {
        const char* text;
        bool outOfRange;
    } cases[] = {
        {"4294967295", false},
        {"4294967296", true},
        {"1,4294967297", true},
        {"18446744073709551617", true},
        {"4294967295.9", false},
        {"1,2,3", false},
    };
    for (const auto& c : cases) {
        VnNumList<unsigned int> list;
        list.delimiter = ',';
        list.Parse(c.text);
        EXPECT_EQ(list.OutOfRange(), c.outOfRange) << c.text;
        EXPECT_EQ(list.AllInRange(0, 4294967295u), !c.outOfRange) << c.text;
    }
}

} // namespace
