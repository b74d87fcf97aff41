// Value texts by syntax that need no agent: hex text, index columns in
// instance sub-identifiers, Counter64 text and the end-of-column test.
#include "VnException.h"
#include "VnItemConversion.h"
#include "VnMessages.h"
#include "VnSNMPVarList.h"
#include "VnValueText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace VnSyntax;

std::vector<std::uint8_t> Bytes(std::initializer_list<int> v)
{
    return std::vector<std::uint8_t>(v.begin(), v.end());
}

TEST(HexText, WritesTwoUpperCaseDigitsPerOctet)
{
    EXPECT_EQ(OctetsToHex(Bytes({0x0A, 0xFF})), "0AFF");
    EXPECT_EQ(OctetsToHex({}), "");
}

TEST(HexText, ReadsHexDigitsInPairsOnly)
{
    struct Case {
        const char* text;
        std::optional<std::vector<std::uint8_t>> octets;  // none: refused
        const char* why;
    };
    const Case cases[] = {
        {"0AFF", Bytes({0x0A, 0xFF}), "plain"},
        {"0a ff", Bytes({0x0A, 0xFF}), "blank dropped, lower case"},
        {"ABC", std::nullopt, "an odd count would shift every byte"},
        {"G1", std::nullopt, "a non-digit is no 0"},
        {"", Bytes({}), "empty"},
        {"   ", Bytes({}), "only blanks"},
    };
    for (const Case& c : cases) {
        if (c.octets)
            EXPECT_EQ(ReadHexText(c.text), *c.octets) << c.why;
        else
            EXPECT_THROW(ReadHexText(c.text), VnValueRefused) << c.why;
    }
}

struct DecodeCase {
    unsigned syntax;
    bool implied;
    const char* instance;
    const char* value;
    const char* rest;
    const char* why;
};

std::string Rest(const VnSubIds& ids, std::size_t consumed)
{
    return JoinSubIds(std::span(ids).subspan(consumed));
}

TEST(IndexCodec, DecodesEachSyntaxFromTheFrontOfAnInstance)
{
    const DecodeCase cases[] = {
        {OctetStr, false, "3.65.66.67.9.1", "414243", "9.1", "counted octets"},
        {OctetStr, true, "3.65.66.67.9.1", "034142430901", "", "IMPLIED takes everything"},
        {BitStr, false, "1.300", "2C", "", "octets are the low 8 bits"},
        {OctetStr, false, "5.65", "41", "", "a short instance is never overrun"},
        {OctetStr, false, "", "", "", "nothing at all"},
        {IpAddress, false, "10.1.2.3.7", "10.1.2.3", "7", "four numbers"},
        {NsapAddr, false, "1.2.3.4.5", "1.2.3.4", "5", "as an IP address"},
        {Boolean, false, "0.5", "false", "5", "zero is false"},
        {Boolean, false, "7", "true", "", "non-zero is true"},
        {Integer, false, "4294967295.3", "-1", "3", "signed"},
        {Gauge, false, "4294967295", "4294967295", "", "unsigned"},
        {Counter, false, "12", "12", "", "unsigned"},
        {UInteger, false, "12", "12", "", "unsigned"},
        {TimeTicks, false, "8640000.1", "1 day 0:00:00.00", "1", "TimeTicks text"},
        {Counter64, false, "1.2", "4294967298", "", "high half first"},
        {ObjectId, false, "3.1.3.6.9", "1.3.6", "9", "counted OID"},
        {ObjectId, true, "1.3.6.9", "1.3.6.9", "", "IMPLIED OID is the whole instance"},
        {DisplayStr, false, "2.97.98.5", "ab", "5", "counted characters"},
        {DisplayStr, true, "97.98.5", "ab\x05", "", "IMPLIED characters"},
        {MacAddress, false, "0.1.2.3.4.255.7", "0001020304FF", "7", "six octets"},
        {Ipv6Address, false, "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.9",
         "FE800000000000000000000000000001", "9", "sixteen octets"},
        {Ipv6Address, true, "254.128.1", "FE8001", "", "IMPLIED IPv6 takes everything"},
        {DateTime, false, "7.215.3.7.14.5.9.0.43.8.0.1", "2007-3-7,14:5:9.0,+8:0", "1",
         "exactly eleven"},
        {Null, false, "5", "(NULL)", "5", "takes nothing"},
    };
    for (const DecodeCase& c : cases) {
        const VnSubIds ids = ParseSubIds(c.instance);
        const VnIndexValue v = DecodeIndexValue(c.syntax, c.implied, ids);
        EXPECT_EQ(v.text, c.value) << c.why;
        EXPECT_EQ(Rest(ids, v.consumed), c.rest) << c.why;
    }
}

struct EncodeCase {
    unsigned syntax;
    bool implied;
    const char* value;
    const char* instance;  // nullptr: refused, no value of the syntax
    const char* why;
};

TEST(IndexCodec, EncodesEachSyntax)
{
    const EncodeCase cases[] = {
        {OctetStr, false, "414243", "3.65.66.67", "count first"},
        {OctetStr, true, "414243", "65.66.67", "IMPLIED: no count"},
        {OctetStr, false, "", "0", "empty string is a zero count"},
        {Integer, false, "-1", "4294967295", "negative wraps"},
        {Integer, false, "12abc", nullptr, "no number with a tail"},
        {Boolean, false, "true", "1", "true"},
        {Boolean, false, "TRUE", "0", "only the exact text is true"},
        {IpAddress, false, "10.1.2.3", "10.1.2.3", "dotted numbers as they stand"},
        {Counter64, false, "4294967298", "1.2", "high half, then low half"},
        {TimeTicks, false, "1 day 0:00:00.05", "8640005", "TimeTicks text read"},
        {ObjectId, false, "1.3.6", "3.1.3.6", "count first"},
        {ObjectId, true, "1.3.6", "1.3.6", "IMPLIED"},
        {DisplayStr, false, "ab", "2.97.98", "character codes"},
        {DisplayStr, true, "ab", "97.98", "IMPLIED"},
        {MacAddress, false, "0A0B0C0D0E", nullptr, "five octets are no MAC address"},
        {MacAddress, false, "0A0B0C0D0E0F", "10.11.12.13.14.15", "six octets"},
        {MacAddress, false, "0A0B0C0D0E0F10", nullptr, "nor are seven"},
        {Ipv6Address, false, "FE80", nullptr, "too short an IPv6 address"},
        {Ipv6Address, true, "FE800000000000000000000000000001",
         "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1", "never a count"},
        {DateTime, false, "2007-3-7,14:5:9.0", "7.215.3.7.14.5.9.0.43.0.0", "year 2007 is 7.215"},
        {Null, false, "(NULL)", "", "nothing"},
    };
    for (const EncodeCase& c : cases) {
        if (!c.instance) {
            EXPECT_THROW(EncodeIndexValue(c.syntax, c.implied, c.value), VnValueRefused) << c.why;
            continue;
        }
        EXPECT_EQ(JoinSubIds(EncodeIndexValue(c.syntax, c.implied, c.value)), c.instance) << c.why;
    }
}

TEST(IndexCodec, NumbersSurviveTheRoundTrip)
{
    const struct {
        unsigned syntax;
        const char* value;
    } cases[] = {
        {Double, "1.5"},
        {Double, "-0.25"},
        {Counter64, "18446744073709551615"},
        {BcdDateTime, "2007/03/07 02:05:09 pm"},
    };
    for (const auto& c : cases) {
        const VnSubIds ids = EncodeIndexValue(c.syntax, false, c.value);
        ASSERT_EQ(ids.size(), 2u) << c.value;
        const VnIndexValue v = DecodeIndexValue(c.syntax, false, ids);
        EXPECT_EQ(v.text, c.value);
        EXPECT_EQ(v.consumed, 2u);
    }
}

TEST(IndexCodec, UnknownSyntaxRaisesBadSyntax)
{
    const VnSubIds ids = {1, 2};
    for (unsigned syntax : {0xC1u, 0xC6u, 0x07u, 0u}) {
        try {
            DecodeIndexValue(syntax, false, ids);
            ADD_FAILURE() << "decode " << syntax;
        } catch (const VnException& e) {
            EXPECT_EQ(e.HelpContext(), kVnErrBadSyntax);
            EXPECT_STREQ(e.what(), "(VnSNMP++) Bad SNMP syntax!");
        }
        try {
            EncodeIndexValue(syntax, false, "1");
            ADD_FAILURE() << "encode " << syntax;
        } catch (const VnException& e) {
            EXPECT_EQ(e.HelpContext(), kVnErrBadSyntax);
        }
    }
}

TEST(Counter64Text, ReadsWholeNumbersInRangeOnly)
{
    EXPECT_EQ(ReadCounter64Text("4294967298"), 4294967298u);
    EXPECT_EQ(ReadCounter64Text(" 18446744073709551615 "), 18446744073709551615u);
    for (const char* refused : {" 12.9", "1e3", "abc", "-1", "1e30", "18446744073709551616", ""})
        EXPECT_THROW(ReadCounter64Text(refused), VnValueRefused) << refused;
    EXPECT_EQ(Counter64ToText(18446744073709551615u), "18446744073709551615");
}

TEST(EndOfColumn, ComparesTheReturnedOidWithTheColumn)
{
    const char* col = "1.3.6.1.2.1.2.2.1.1";
    const struct {
        unsigned char type;
        const char* previous;
        const char* returned;
        bool end;
        const char* why;
    } cases[] = {
        {MVT_FMV, "", "1.3.6.1.2.1.2.2.1.10.1", true, "column 10 only shares the text"},
        {MVT_FMV, "", "1.3.6.1.2.1.2.2.1.1.5", false, "inside"},
        {MVT_FMV, "1.3.6.1.2.1.2.2.1.1.5", "1.3.6.1.2.1.2.2.1.1.5", true, "agent repeats itself"},
        {MVT_FMV, "1.3.6.1.2.1.2.2.1.1.5", "1.3.6.1.2.1.2.2.1.1.3", true, "agent goes back: no endless walk"},
        {MVT_FMV, "1.3.6.1.2.1.2.2.1.1.5", "1.3.6.1.2.1.2.2.1.1.10", false, "10 comes after 5"},
        {MVT_FMV, "1.3.6.1.2.1.2.2.1.1.5", "1.3.6.1.2.1.2.2.1.1.5.1", false, "longer comes after"},
        {MVT_FMV, "", "1.3.6.1.2.1.2.2.1.2.1", true, "next column"},
        {MVT_UMV, "", "1.3.6.1.2.1.2.2.1.1", true, "the column itself"},
        {MVT_UMV, "", "1.3.6", true, "shorter"},
        {SVT_SV, "", "1.3.6", false, "scalars never end"},
        {MVT_SV, "x", "x", false, "single values never end"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsEndOfColumnText(c.type, col, c.previous, c.returned), c.end) << c.why;
}

} // namespace
