// The column choices of the mask dialogs as plain functions: what each
// combination of choices and empty fields leaves out of a set.
#include <gtest/gtest.h>

#include <functional>

#include "MaskColumns.h"

using namespace maskcolumns;

namespace {

TEST(MaskColumns, TheMaskStateRule)
{
    struct Case {
        int state;
        Items out;
    };
    const Case cases[] = {{kOther, {3, 4}}, {kDestination, {3}}, {kSource, {4}}, {kBoth, {}}, {-1, {}}, {7, {}}};
    for (const Case& c : cases)
        EXPECT_EQ(UnusedMasks(c.state, 3, 4), c.out) << c.state;
}

TEST(MaskColumns, Ethernet)
{
    EXPECT_EQ(EthernetLeftOut({kDestination, 0}), Items({3}));
    EXPECT_EQ(EthernetLeftOut({kBoth, 1}), Items({}));
    EXPECT_EQ(EthernetLeftOut({kBoth, 2}), Items({1, 2, 3, 4, 5, 6})) << "destroy sends the row status alone";
}

TEST(MaskColumns, Ipv4ProtocolOptions)
{
    struct Case {
        int type;
        int icmp;
        Items out;
    };
    const Case cases[] = {
        {0, 0, {7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {-1, 0, {7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {6, 0, {7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {1, 0, {7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {1, 2, {8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {2, 0, {7, 9, 10, 11, 12, 13, 14, 15, 16}},
        {3, 0, {7, 8, 10, 15, 16}},
        {4, 0, {7, 8, 9, 13, 14, 15, 16}},
        {5, 0, {7, 8, 9, 10, 11, 12, 13, 14}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Ipv4ProtocolLeftOut(c.type, c.icmp), c.out) << c.type << " " << c.icmp;
}

Ipv4Choice AllFilled()
{
    Ipv4Choice c;
    c.addressState = kBoth;
    c.sourceEmpty = c.destinationEmpty = c.sourcePortEmpty = c.destinationPortEmpty = false;
    c.flagBitMaskEmpty = c.protocolIdMaskEmpty = false;
    return c;
}

TEST(MaskColumns, Ipv4)
{
    struct Case {
        const char* name;
        std::function<void(Ipv4Choice&)> choose;
        Items out;
    };
    const Case cases[] = {
        {"tcp src, udp other, flag bit enabled",
         [](Ipv4Choice& c) {
             c.protocolType = 3, c.tcpOption = kSource, c.udpOption = 0, c.flagBitOption = 0;
         },
         {7, 8, 10, 12, 15, 16}},
        {"tcp dst-src, flag bit disabled",
         [](Ipv4Choice& c) { c.protocolType = 3, c.tcpOption = kBoth, c.udpOption = 0, c.flagBitOption = 1; },
         {7, 8, 10, 14, 15, 16}},
        {"udp dst: the UDP option's port mask only",
         [](Ipv4Choice& c) { c.protocolType = 4, c.tcpOption = 0, c.udpOption = kDestination; },
         {7, 8, 9, 11, 13, 14, 15, 16}},
        {"udp, the TCP option names the source port",
         [](Ipv4Choice& c) { c.protocolType = 4, c.tcpOption = kSource, c.udpOption = kDestination; },
         {7, 8, 9, 13, 14, 15, 16}},
        {"protocol ID enabled", [](Ipv4Choice& c) { c.protocolType = 5, c.protocolIdOption = 0; },
         {7, 8, 9, 10, 11, 12, 13, 14}},
        {"protocol ID disabled", [](Ipv4Choice& c) { c.protocolType = 5, c.protocolIdOption = 1; },
         {7, 8, 9, 10, 11, 12, 13, 14, 16}},
        {"protocol ID enabled, its mask empty",
         [](Ipv4Choice& c) { c.protocolType = 5, c.protocolIdOption = 0, c.protocolIdMaskEmpty = true; },
         {7, 8, 9, 10, 11, 12, 13, 14, 16}},
        {"dst address, both typed", [](Ipv4Choice& c) { c.addressState = kDestination, c.protocolType = 0; },
         {3, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {"dst-src address, the source empty",
         [](Ipv4Choice& c) { c.protocolType = 0, c.sourceEmpty = true; },
         {3, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {"icmp type", [](Ipv4Choice& c) { c.protocolType = 1, c.icmpOption = 1, c.addressState = kOther; },
         {3, 4, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
    };
    for (const Case& c : cases) {
        Ipv4Choice choice = AllFilled();
        c.choose(choice);
        EXPECT_EQ(Ipv4LeftOut(choice), c.out) << c.name;
    }
}

TEST(MaskColumns, UserChunks)
{
    const std::string zeros(32, '0');
    EXPECT_FALSE(TooManyChunks({"1", "2", "3", "4", ""}));
    EXPECT_TRUE(TooManyChunks({"1", "2", "3", "4", "5"}));
    EXPECT_FALSE(TooManyChunks({"1", "2", zeros, "4", "5"})) << "32 zeros are no chunk in use";
    EXPECT_TRUE(TooManyChunks({"1", "2", zeros + "0", "4", "5"}));
    EXPECT_EQ(EmptyChunks({"", "FF", zeros, "", ""}), Items({1, 4, 5})) << "a zero chunk is sent";
    EXPECT_EQ(EmptyChunks({"1", "2", "3", "4", "5"}), Items({}));
}

TEST(MaskColumns, Ipv6)
{
    EXPECT_EQ(Ipv6LeftOut(kOther, false), Items({4, 5}));
    EXPECT_EQ(Ipv6LeftOut(kDestination, false), Items({4}));
    EXPECT_EQ(Ipv6LeftOut(kSource, true), Items({5, 6})) << "Set never sends the row status";
    EXPECT_EQ(Ipv6LeftOut(kBoth, true), Items({6}));

    struct Case {
        Ipv6Choice choice;
        Items out;
    };
    const Case cases[] = {
        {{-1, -1, -1, true, true}, {1, 2, 3, 4, 5}},
        {{0, 1, kOther, false, false}, {4, 5}},
        {{0, -1, kDestination, false, true}, {2, 4, 5}},
        {{0, 0, kSource, false, false}, {5}},
        {{0, 0, kBoth, true, false}, {4}},
        {{0, 0, kBoth, false, false}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CpuIpv6AddLeftOut(c.choice), c.out) << c.choice.maskState;
}

}  // namespace
