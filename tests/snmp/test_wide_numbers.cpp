// Numbers that do not fit their 32-bit type, found in a reply's own octets
// before Net-SNMP cuts them to 32 bits.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "NetSnmpWideNumbers.h"

namespace {

using Octets = std::vector<std::uint8_t>;

Octets Tlv(std::uint8_t tag, const Octets& content)
{
    Octets out{tag, static_cast<std::uint8_t>(content.size())};
    out.insert(out.end(), content.begin(), content.end());
    return out;
}

Octets Join(std::initializer_list<Octets> parts)
{
    Octets out;
    for (const Octets& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

// An SNMPv2c response, request ID 7, to 1.3.6.1.0 and 1.3.6.1.1: a good
// INTEGER, then the value under test.
Octets Reply(std::uint8_t tag, const Octets& value, std::uint8_t version = 1)
{
    const Octets good = Tlv(0x30, Join({Tlv(0x06, {0x2B, 6, 1, 0}), Tlv(0x02, {5})}));
    const Octets tested = Tlv(0x30, Join({Tlv(0x06, {0x2B, 6, 1, 1}), Tlv(tag, value)}));
    const Octets pdu = Tlv(0xA2, Join({Tlv(0x02, {7}), Tlv(0x02, {0}), Tlv(0x02, {0}), Tlv(0x30, Join({good, tested}))}));
    return Tlv(0x30, Join({Tlv(0x02, {version}), Tlv(0x04, {'x'}), pdu}));
}

TEST(WideNumbers, AreFoundByTheirTypesRange)
{
    const struct {
        std::uint8_t tag;
        Octets value;
        std::string sent;  // "" when the number fits
        const char* why;
    } cases[] = {
        {0x41, {0x01, 0, 0, 0, 0, 0}, "1099511627776", "a Counter32 of 2^40"},
        {0x41, {0x00, 0xFF, 0xFF, 0xFF, 0xFF}, "", "the largest Counter32, with its leading zero"},
        {0x41, {0x01, 0, 0, 0, 0}, "4294967296", "one above the largest Counter32"},
        {0x42, {0xFF}, "-1", "a Gauge32 below 0"},
        {0x43, {0x01, 0, 0, 0, 0, 0, 0, 0, 0}, "18446744073709551616", "TimeTicks of 2^64"},
        {0x47, {0x01, 0, 0, 0, 0}, "4294967296", "UInteger32"},
        {0x02, {0x00, 0x80, 0, 0, 0}, "2147483648", "an INTEGER above 32 bits"},
        {0x02, {0xFF, 0x7F, 0xFF, 0xFF, 0xFF}, "-2147483649", "an INTEGER below 32 bits"},
        {0x02, {0x80, 0, 0, 0}, "", "the lowest INTEGER"},
        {0x46, {0x01, 0, 0, 0, 0, 0}, "", "a Counter64 is 64 bits wide"},
        {0x46, {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "", "the largest Counter64"},
        {0x46, {0xFF}, "-1", "a Counter64 below 0 (Net-SNMP reads 255)"},
        {0x41, {0x80, 0, 0, 0}, "-2147483648", "a Counter32 below 0 (Net-SNMP reads 2^31)"},
        {0x44, {0x9F, 0x7B, 0x01, 0xFF}, "-1", "an unsigned 64-bit number in an Opaque, below 0"},
        {0x44, {0x9F, 0x76, 0x02, 0x00, 0xFF}, "", "a Counter64 in an Opaque"},
        {0x44, {0x9F, 0x7A, 0x01, 0xFF}, "", "a signed 64-bit number in an Opaque may be below 0"},
        {0x44, {0x9F, 0x7B}, "", "too short to hold a number: an Opaque of two octets"},
        {0x04, {0x01, 0, 0, 0, 0, 0}, "", "octets are no number"},
    };
    for (const auto& c : cases) {
        VnWideScan scan;
        ASSERT_TRUE(ScanCommunityMessage(Reply(c.tag, c.value), scan)) << c.why;
        EXPECT_EQ(scan.requestId, 7) << c.why;
        if (c.sent.empty()) {
            EXPECT_TRUE(scan.numbers.empty()) << c.why;
            continue;
        }
        ASSERT_EQ(scan.numbers.size(), 1u) << c.why;
        EXPECT_EQ(scan.numbers[0].binding, 1u) << c.why << ": the second binding";
        EXPECT_EQ(scan.numbers[0].value, c.sent) << c.why;
    }
}

TEST(WideNumbers, OnlyWholeCommunityMessagesAreRead)
{
    const Octets reply = Reply(0x41, {0x01, 0, 0, 0, 0, 0});
    VnWideScan scan;
    EXPECT_FALSE(ScanCommunityMessage(Reply(0x41, {0x01, 0, 0, 0, 0, 0}, 3), scan)) << "SNMPv3 is read after USM";
    EXPECT_FALSE(ScanCommunityMessage(Octets(reply.begin(), reply.end() - 1), scan)) << "a message cut short";
    EXPECT_FALSE(ScanCommunityMessage({}, scan)) << "nothing";
}

} // namespace
