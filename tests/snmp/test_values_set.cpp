// What a set sends for the value texts of its items: a text that is a value
// of its item's syntax goes out as that value; any other text refuses the
// whole set, naming the field, and nothing reaches the switch. The same
// holds for the index values an Add form types.
#include "SessionSwitchTest.h"
#include "VnMessages.h"
#include "VnSNMPRequest.h"
#include "test_request_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace reqtest;

namespace {

#define VALTEST_S(n) "1.3.6.1.4.1.88406.995.1." #n ".0"
#define VALTEST_T(t, c) "1.3.6.1.4.1.88406.995." #t ".1." #c

// The scalars of tools/simswitch/data/values-set.sim, without their ".0".
const VnSNMPVarDesc kScalars[] = {
    {"1.3.6.1.4.1.88406.995.1.1", "Mtu", S::Integer, A::ReadWrite},
    {"1.3.6.1.4.1.88406.995.1.2", "Hold Time", S::Gauge, A::ReadWrite},
    {"1.3.6.1.4.1.88406.995.1.3", "Interval", S::TimeTicks, A::ReadWrite},
    {"1.3.6.1.4.1.88406.995.1.4", "Octets In", S::Counter64, A::ReadWrite},
    {"1.3.6.1.4.1.88406.995.1.5", "Key", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.4.1.88406.995.1.6", "Station", S::MacAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.995.1.7", "Server6", S::Ipv6Address, A::ReadWrite},
    {"1.3.6.1.4.1.88406.995.1.8", "Server2 IPAddr", S::IpAddress, A::ReadWrite},
    {"1.3.6.1.4.1.88406.995.1.9", "Trap Oid", S::ObjectId, A::ReadWrite},
    {"1.3.6.1.4.1.88406.995.1.10", "Clock", S::DateTime, A::ReadWrite},
    {},
};
enum Scalar { kInt, kGauge, kTicks, kC64, kHex, kMac, kIpv6, kIp, kOid, kClock };

class ValuesSetTest : public SessionSwitchTest {
protected:
    ValuesSetTest() : SessionSwitchTest("values-set.sim") {}
    void Use(VnSNMPRequest& request, const VnSNMPVarDesc* table, unsigned char type, unsigned keys)
    {
        request.varList = VnSNMPVarList(table, type, keys);
        Aim(request, port(), kV2c);
    }
    // The message of the refusal, or "" when the set went out.
    static std::string Refusal(const std::function<void()>& set)
    {
        try {
            set();
        } catch (const VnSetRefused& e) {
            return e.what();
        }
        return {};
    }
};

using Record = std::vector<std::vector<std::string>>;

} // namespace

TEST_F(ValuesSetTest, EachValueIsCheckedByItsSyntax)
{
    struct Case {
        int item;
        const char* text;
        const char* sent;  // as the switch records it; nullptr: refused
        const char* why;
    };
    const Case cases[] = {
        {kInt, "-2147483648", "-2147483648", "the lowest INTEGER"},
        {kInt, " 2147483647 ", "2147483647", "the highest, blanks around it"},
        {kInt, "2147483648", nullptr, "one past the highest"},
        {kInt, "12ab", nullptr, "went out as 12"},
        {kInt, "", nullptr, "went out as 0"},
        {kInt, "abc", nullptr, "went out as 0"},
        {kGauge, "4294967295", "4294967295", "the highest Gauge"},
        {kGauge, "4294967296", nullptr, "wrapped to 0"},
        {kGauge, "-1", nullptr, "became 4294967295"},
        {kTicks, "1 day 0:00:00.01", "8640001", "TimeTicks text"},
        {kTicks, "500", nullptr, "a bare number went out as 0"},
        {kTicks, "0:61:00.00", nullptr, "61 minutes"},
        {kC64, "18446744073709551615", "18446744073709551615", "the highest Counter64"},
        {kC64, "18446744073709551616", nullptr, "past 64 bits"},
        {kC64, "-1", nullptr, "one reading made it 0, the other 2^64 - 1"},
        {kC64, "1e3", nullptr, "no exponents"},
        {kHex, "0a 1B", "0A1B", "blanks dropped, either case"},
        {kHex, "00112233445", nullptr, "an odd digit count shifted every byte"},
        {kHex, "0011zz", nullptr, "non-hex characters went out as 0"},
        {kMac, "001A2B3C4D5F", "001A2B3C4D5F", "six octets"},
        {kMac, "001A2B3C4D", nullptr, "five octets"},
        {kMac, "001A2B3C4D5F60", nullptr, "seven octets"},
        {kIpv6, "FE800000000000000000000000000002", "FE800000000000000000000000000002", "16 octets"},
        {kIpv6, "FE80", nullptr, "two octets"},
        {kIp, "10.1.2.4 ", "10.1.2.4", "a trailing blank"},
        {kIp, "300.1.1.1", nullptr, "went out as 44.1.1.1"},
        {kIp, "1.2.3.4.5", nullptr, "five numbers"},
        {kIp, "10.1.1", nullptr, "three numbers"},
        {kIp, "switch.local", nullptr, "went out as a zero-length address"},
        {kOid, "1.3.6.1.4", "1.3.6.1.4", "dotted numbers"},
        {kOid, "1.3.6.1.x", nullptr, "not a number"},
        {kOid, "1..3", nullptr, "an empty sub-identifier"},
        {kClock, "2006-3-7,14:5:9.0,-5:30", "07D603070E0509002D051E", "DateAndTime with a zone"},
        {kClock, "2008-2-29,23:59:60.9", "07D8021D173B3C092B0000", "a leap day and a leap second"},
        {kClock, "tomorrow", nullptr, "went out as zeros"},
        {kClock, "2006-13-7,14:5:9.0", nullptr, "month 13 went out as byte 13"},
        {kClock, "2006-2-29,14:5:9.0", nullptr, "no 29 February in 2006"},
        {kClock, "2006-3-7,24:5:9.0", nullptr, "hour 24"},
        {kClock, "2006-3-7,14:5:9.10", nullptr, "deci-seconds are one digit"},
        {kClock, "2006-3-7,14:5:9.0,8:0", nullptr, "a zone without its direction"},
    };
    VnSNMPRequest request;
    Use(request, kScalars, SVT_SV, 0);
    for (const Case& c : cases) {
        sim().clearSets();
        VnSNMPVarItem& item = request.varList.Item(c.item);
        item.value = c.text;
        const std::string refusal = Refusal([&] { request.Set(false, std::to_string(c.item), nullptr); });
        EXPECT_EQ(item.value, c.text) << c.why << ": the list is as it was";
        if (!c.sent) {
            EXPECT_EQ(refusal.rfind(item.label + ": '" + c.text + "'", 0), 0u)
                << c.why << ": the message names the field and the text: " << refusal;
            EXPECT_TRUE(SetRecord().empty()) << c.why;
            continue;
        }
        EXPECT_EQ(refusal, "") << c.why;
        std::string oid = item.oid + ".0";
        EXPECT_EQ(SetRecord(), (Record{{oid + "=" + c.sent}})) << c.why;
    }
}

// One bad value refuses the whole set, asynchronous or not: the good ones
// do not go without it.
TEST_F(ValuesSetTest, OneBadValueRefusesTheWholeSet)
{
    VnSNMPRequest request;
    Use(request, kScalars, SVT_SV, 0);
    request.varList.Item(kInt).value = "1500";
    request.varList.Item(kIp).value = "300.1.1.1";
    const std::string items = std::to_string(kInt) + "," + std::to_string(kIp);
    for (bool async : {false, true}) {
        const std::string refusal = Refusal([&] {
            if (async)
                request.SetAsync({}, false, items, nullptr);
            else
                request.Set(false, items, nullptr);
        });
        EXPECT_EQ(refusal, "Server2 IPAddr: '300.1.1.1' is not an IP address (four numbers from 0 to 255).")
            << "async " << async;
        EXPECT_EQ(request.Outstanding(), 0);
    }
    RunEvents(100);
    EXPECT_TRUE(SetRecord().empty());

    request.varList.Item(kIp).value = "10.9.8.7";
    request.Set(false, items, nullptr);
    EXPECT_EQ(SetRecord(), (Record{{VALTEST_S(1) "=1500", VALTEST_S(8) "=10.9.8.7"}}));
}

namespace {

const VnSNMPVarDesc kIpRows[] = {
    {VALTEST_T(2, 1), "Address", S::IpAddress, A::NotAccess},
    {VALTEST_T(2, 2), "Name", S::DisplayStr, A::ReadWrite},
    {VALTEST_T(2, 3), "Status", S::Integer, A::ReadWrite},
    {},
};
const VnSNMPVarDesc kMacRows[] = {
    {VALTEST_T(3, 1), "Station", S::MacAddress, A::NotAccess},
    {VALTEST_T(3, 2), "Name", S::DisplayStr, A::ReadWrite},
    {VALTEST_T(3, 3), "Status", S::Integer, A::ReadWrite},
    {},
};
const VnSNMPVarDesc kStringRows[] = {
    {VALTEST_T(4, 1), "Context Prefix", S::DisplayStr, A::NotAccess},
    {VALTEST_T(4, 2), "Name", S::DisplayStr, A::ReadWrite},
    {VALTEST_T(4, 3), "Status", S::Integer, A::ReadWrite},
    {},
};
const VnSNMPVarDesc kImpliedRows[] = {
    {VALTEST_T(5, 1), "Group", S::DisplayStr, A::NotAccess | A::Implied},
    {VALTEST_T(5, 2), "Name", S::DisplayStr, A::ReadWrite},
    {VALTEST_T(5, 3), "Status", S::Integer, A::ReadWrite},
    {},
};

} // namespace

// An Add form's typed key addresses the row to create: it must be a value
// of its syntax too. A string key that carries its length may be empty
// (VACM access rows have an empty context prefix); other keys may not.
TEST_F(ValuesSetTest, TypedKeysAreCheckedByTheirSyntax)
{
    struct Case {
        const VnSNMPVarDesc* table;
        int number;            // the table's number under 88406.995
        const char* key;
        const char* instance;  // nullptr: refused
        const char* message;   // the refusal's first words
        const char* why;
    };
    const Case cases[] = {
        {kIpRows, 2, " 10.1.1.7 ", "10.1.1.7", nullptr, "an address, blanks around it"},
        {kIpRows, 2, "10.1.1", nullptr, "Address: '10.1.1'", "became a 3-sub-identifier index"},
        {kIpRows, 2, "10.1.1.300", nullptr, "Address: '10.1.1.300'", "carried 300"},
        {kIpRows, 2, "", nullptr, "Address: (VnSNMP++) The row to set has no index value!", "no address at all"},
        {kMacRows, 3, "001A2B3C4D5F", "0.26.43.60.77.95", nullptr, "six octets"},
        {kMacRows, 3, "001A2B3C4D", nullptr, "Station: '001A2B3C4D'", "five octets encoded to nothing"},
        {kStringRows, 4, "", "0", nullptr, "an empty string carries its length 0"},
        {kStringRows, 4, "ab", "2.97.98", nullptr, "a string with its length"},
        {kImpliedRows, 5, "ab", "97.98", nullptr, "an IMPLIED string"},
        {kImpliedRows, 5, "", nullptr, "Group: (VnSNMP++) The row to set has no index value!",
         "an empty IMPLIED string is no index"},
    };
    for (const Case& c : cases) {
        sim().clearSets();
        VnSNMPRequest request;
        Use(request, c.table, MVT_FMV, 1);
        request.varList.Item(0).value = c.key;
        request.varList.Item(1).value = "n";
        request.varList.Item(2).value = "4";  // createAndGo
        const std::string refusal = Refusal([&] { request.Set(false, "", nullptr); });
        if (!c.instance) {
            EXPECT_EQ(refusal.rfind(c.message, 0), 0u) << c.why << ": " << refusal;
            EXPECT_TRUE(SetRecord().empty()) << c.why;
            continue;
        }
        EXPECT_EQ(refusal, "") << c.why;
        const std::string table = "1.3.6.1.4.1.88406.995." + std::to_string(c.number) + ".1.";
        EXPECT_EQ(SetRecord(), (Record{{table + "2." + c.instance + "=6E", table + "3." + c.instance + "=4"}}))
            << c.why;
    }
}
