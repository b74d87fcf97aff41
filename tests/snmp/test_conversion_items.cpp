// The request's conversion operations on the items of its list: bindings
// to value texts and back, index columns with option lists and the
// IMPLIED rule, row keys, expressions. No agent is involved.
#include "Vb.h"
#include "VnItemConversion.h"
#include "VnException.h"
#include "VnMessages.h"
#include "VnOptionList.h"
#include "VnSNMPRequest.h"
#include "VnValueText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

namespace S = VnSyntax;

const VnIntOption kStates[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VnOptionList kStateList(kStates);

constexpr const char* kCol = "1.3.6.1.4.1.88406.999.1.1.3";

// A request over one item of the given syntax (and option list).
struct OneItem {
    VnSNMPRequest request;
    explicit OneItem(unsigned syntax, const VnOptionList* options = nullptr,
                     unsigned access = VnAccess::ReadWrite)
    {
        const VnSNMPVarDesc table[] = {{kCol, "x", syntax, access, options}, {}};
        request.varList = VnSNMPVarList(table, SVT_SV, 0);
    }
    std::string& value() { return request.varList.Item(0).value; }
};

Vb Received(SmiUINT32 type, std::uint64_t number, const std::string& octets = {},
            const char* oid = nullptr)
{
    Vb vb{Oid(kCol)};
    vb.set_received(type, number, OctetStr(octets), oid ? Oid(oid) : Oid());
    return vb;
}

std::string Octets(std::initializer_list<int> bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

// The 8 bytes of a double, least significant first.
std::string DoubleOctets(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    std::string octets;
    for (int i = 0; i < 8; ++i)
        octets.push_back(static_cast<char>(bits >> (8 * i)));
    return octets;
}

// 2007-03-07 at noon, in days since 1899-12-30.
const double kNoonDay = static_cast<double>(DaysFromCivil(2007, 3, 7)) + 0.5;

TEST(VbToItemValue, ConvertsEachSyntax)
{
    const std::string dt = Octets({7, 215, 3, 7, 14, 5, 9, 0, '+', 8, 0});
    const struct {
        unsigned syntax;
        Vb vb;
        const char* text;
        const char* why;
    } cases[] = {
        {S::Integer, Received(kSmiInteger, 0xFFFFFFFBu), "-5", "signed"},
        {S::Integer, Received(kSmiNoSuchInstance, 0), "(NULL)", "an exception has no value"},
        {S::Integer, Received(kSmiNull, 0), "(NULL)", "a NULL has no value"},
        {S::Integer, Received(kSmiOctets, 0, "abc"), "abc", "another kind shows as it came"},
        {S::Boolean, Received(kSmiInteger, 1), "true", "non-zero"},
        {S::Boolean, Received(kSmiInteger, 0), "false", "zero"},
        {S::Counter, Received(kSmiCounter32, 4294967295u), "4294967295", "unsigned"},
        {S::Gauge, Received(kSmiGauge32, 42), "42", "unsigned"},
        {S::UInteger, Received(kSmiGauge32, 7), "7", "unsigned"},
        {S::TimeTicks, Received(kSmiTimeTicks, 8640000), "1 day 0:00:00.00", "one day"},
        {S::TimeTicks, Received(kSmiTimeTicks, 17280001), "2 days, 0:00:00.01", "two days"},
        {S::TimeTicks, Received(kSmiTimeTicks, 5), "0:00:00.05", "hundredths"},
        {S::Counter64, Received(kSmiCounter64, 18446744073709551615u), "18446744073709551615", "64 bits"},
        {S::OctetStr, Received(kSmiOctets, 0, Octets({0x0A, 0xFF})), "0AFF", "hex"},
        {S::OctetStr, Received(kSmiOctets, 0, ""), "", "empty octet string"},
        {S::OctetStr, Received(kSmiNoSuchObject, 0), "", "octet strings never become (NULL)"},
        {S::BitStr, Received(kSmiOctets, 0, Octets({0xC0})), "C0", "hex"},
        {S::Opaque, Received(kSmiOpaque, 0, Octets({0x9F, 0x78})), "9F78", "hex"},
        {S::MacAddress, Received(kSmiOctets, 0, Octets({0, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E})),
         "001A2B3C4D5E", "hex"},
        {S::Ipv6Address, Received(kSmiOctets, 0, Octets({0xFE, 0x80})), "FE80", "hex"},
        {S::DisplayStr, Received(kSmiOctets, 0, "display text"), "display text", "characters"},
        {S::DisplayStr, Received(kSmiOctets, 0, ""), "", "empty display string"},
        {S::DisplayStr, Received(kSmiNoSuchInstance, 0), "", "no value gives the empty text"},
        {S::IpAddress, Received(kSmiIpAddress, 0, Octets({192, 168, 0, 1})), "192.168.0.1", "quad"},
        {S::ObjectId, Received(kSmiOid, 0, {}, "1.3.6.1.4.1"), "1.3.6.1.4.1", "dotted"},
        {S::Null, Received(kSmiInteger, 3), "(NULL)", "null syntax"},
        {S::DateTime, Received(kSmiOctets, 0, dt), "2007-3-7,14:5:9.0,+8:0", "year first"},
        {S::DateTime, Received(kSmiOctets, 0, Octets({7, 215, 3})), "2007-3-0,0:0:0.0",
         "a short value reads no further than it goes"},
        {S::DateTime, Received(kSmiNoSuchInstance, 0), "(NULL)", "no value"},
        {S::Double, Received(kSmiOctets, 0, Octets({0, 0, 0, 0, 0, 0, 0xF8, 0x3F})), "1.5",
         "least significant byte first"},
        {S::Double, Received(kSmiOctets, 0, Octets({0})), "0", "short double"},
        {S::BcdDateTime, Received(kSmiOctets, 0, DoubleOctets(kNoonDay)), "2007/03/07 12:00:00 pm",
         "date-time text"},
        {S::BcdDateTime, Received(kSmiNull, 0), "(NULL)", "no value"},
        {S::NsapAddr, Received(kSmiIpAddress, 0, Octets({1, 2, 3, 4})), "1.2.3.4", "as an IP address"},
    };
    for (const auto& c : cases) {
        OneItem one(c.syntax);
        one.request.VbToItemValue(0, c.vb);
        EXPECT_EQ(one.value(), c.text) << c.why;
    }
}

TEST(VbToItemValue, OptionListShowsTheLabel)
{
    OneItem one(S::Integer, &kStateList);
    one.request.VbToItemValue(0, Received(kSmiInteger, 2));
    EXPECT_EQ(one.value(), "disabled");
    one.request.VbToItemValue(0, Received(kSmiInteger, 9));
    EXPECT_EQ(one.value(), "9") << "a value outside the list stays a number";
}

TEST(VbToItemValue, UnknownSyntaxRaisesAndKeepsTheValue)
{
    OneItem one(S::Bool8);
    one.value() = "before";
    try {
        one.request.VbToItemValue(0, Received(kSmiInteger, 1));
        ADD_FAILURE();
    } catch (const VnException& e) {
        EXPECT_EQ(e.HelpContext(), kVnErrBadSyntax);
    }
    EXPECT_EQ(one.value(), "before");
}

TEST(ItemValueToVb, ConvertsEachSyntax)
{
    const struct {
        unsigned syntax;
        const char* text;
        SmiUINT32 type;
        std::uint64_t number;
        std::string octets;
        const char* why;
    } cases[] = {
        {S::Integer, "(NULL)", kSmiNull, 0, "", "(NULL) sends NULL whatever the syntax"},
        {S::OctetStr, "(NULL)", kSmiNull, 0, "", "(NULL) sends NULL whatever the syntax"},
        {S::Integer, " 12 ", kSmiInteger, 12, "", "blanks around a number"},
        {S::Integer, "-1", kSmiInteger, 0xFFFFFFFFFFFFFFFFu, "", "negative"},
        {S::Boolean, "true", kSmiInteger, 1, "", "true"},
        {S::Boolean, "TRUE", kSmiInteger, 0, "", "only the exact text is true"},
        {S::Counter, "4294967295", kSmiGauge32, 4294967295u, "", "counters go as Unsigned32"},
        {S::Gauge, "42", kSmiGauge32, 42, "", "gauge"},
        {S::UInteger, "7", kSmiGauge32, 7, "", "uinteger"},
        {S::TimeTicks, "1 day 0:00:00.05", kSmiTimeTicks, 8640005, "", "TimeTicks text"},
        {S::TimeTicks, "0:00:05.00", kSmiTimeTicks, 500, "", "under a day"},
        {S::Counter64, "4294967298", kSmiCounter64, 4294967298u, "", "64 bits"},
        {S::OctetStr, "0a ff", kSmiOctets, 0, Octets({0x0A, 0xFF}), "blanks dropped, lower case"},
        {S::Opaque, "9F78", kSmiOctets, 0, Octets({0x9F, 0x78}), "opaque goes as octets"},
        {S::BitStr, "C0", kSmiOctets, 0, Octets({0xC0}), "bits go as octets"},
        {S::MacAddress, "0A0B0C0D0E0F", kSmiOctets, 0, Octets({0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F}), "six octets"},
        {S::Ipv6Address, "FE800000000000000000000000000001", kSmiOctets, 0,
         Octets({0xFE, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}), "sixteen octets"},
        {S::DisplayStr, "abc", kSmiOctets, 0, "abc", "characters"},
        {S::Double, "1.5", kSmiOctets, 0, Octets({0, 0, 0, 0, 0, 0, 0xF8, 0x3F}), "8 bytes"},
        {S::BcdDateTime, "2007/03/07 12:00:00 pm", kSmiOctets, 0, DoubleOctets(kNoonDay), "8 bytes"},
        {S::DateTime, "2007-3-7,14:5:9.0,+8:0", kSmiOctets, 0,
         Octets({7, 215, 3, 7, 14, 5, 9, 0, '+', 8, 0}), "year in network order"},
    };
    for (const auto& c : cases) {
        OneItem one(c.syntax);
        one.value() = c.text;
        Vb vb{Oid(kCol)};
        vb.set_syntax(c.syntax);
        one.request.ItemValueToVb(0, vb);
        EXPECT_EQ(vb.get_syntax(), c.type) << c.why;
        EXPECT_EQ(vb.number(), c.number) << c.why;
        EXPECT_EQ(vb.octets().str(), c.octets) << c.why;
        EXPECT_TRUE(vb.valid()) << c.why;
    }
}

TEST(ItemValueToVb, AddressesAndOids)
{
    OneItem ip(S::IpAddress);
    ip.value() = "10.1.2.3";
    Vb vb{Oid(kCol)};
    ip.request.ItemValueToVb(0, vb);
    EXPECT_EQ(vb.get_syntax(), kSmiIpAddress);
    EXPECT_EQ(vb.get_printable_value(), "10.1.2.3");

    OneItem oid(S::ObjectId);
    oid.value() = "1.3.6.1.4";
    oid.request.ItemValueToVb(0, vb);
    EXPECT_EQ(vb.get_syntax(), kSmiOid);
    EXPECT_EQ(vb.get_printable_value(), "1.3.6.1.4");

    oid.value() = "";
    EXPECT_THROW(oid.request.ItemValueToVb(0, vb), VnSetRefused) << "no numbers are no OID";
}

TEST(ItemValueToVb, OptionLabelGoesAsItsValue)
{
    OneItem one(S::Integer, &kStateList);
    one.value() = "Disabled";
    Vb vb{Oid(kCol)};
    one.request.ItemValueToVb(0, vb);
    EXPECT_EQ(vb.get_printable_value(), "2");
}

TEST(ItemValueToVb, UnknownSyntaxRaises)
{
    OneItem one(S::UInt16);
    one.value() = "1";
    Vb vb{Oid(kCol)};
    EXPECT_THROW(one.request.ItemValueToVb(0, vb), VnException);
}

// A table list with keys (octet string, octet string IMPLIED-flagged,
// state with options) and one plain column.
struct KeyedTable {
    VnSNMPRequest request;
    KeyedTable(std::vector<VnSNMPVarDesc> keys, unsigned keyCount)
    {
        keys.push_back({"1.3.6.1.4.1.88406.999.7.1.9", "Value", S::Integer, VnAccess::ReadWrite});
        keys.push_back({});
        request.varList = VnSNMPVarList(keys.data(), MVT_FMV, keyCount);
    }
    std::string value(int i) { return request.varList.Item(i).value; }
};

TEST(IndexToItemValue, ImpliedOnlyForTheLastKey)
{
    const unsigned kImplied = VnAccess::NotAccess | VnAccess::Implied;
    // Flag 64 on a key that is not the last one changes nothing.
    KeyedTable t({{"1.3.6.1.4.1.88406.999.7.1.1", "A", S::OctetStr, kImplied},
                  {"1.3.6.1.4.1.88406.999.7.1.2", "B", S::OctetStr, kImplied}},
                 2);
    EXPECT_EQ(t.request.IndexToItemValue(0, "3.65.66.67.9.1"), "9.1");
    EXPECT_EQ(t.value(0), "414243");
    EXPECT_EQ(t.request.IndexToItemValue(1, "3.65.66.67.9.1"), "");
    EXPECT_EQ(t.value(1), "034142430901");
    EXPECT_EQ(t.request.ItemValueToIndex(0), "3.65.66.67");
    EXPECT_EQ(t.request.ItemValueToIndex(1), "3.65.66.67.9.1");
    EXPECT_EQ(t.request.KeyIndex(), "3.65.66.67.3.65.66.67.9.1");
}

TEST(IndexToItemValue, OptionListsAndKeys)
{
    KeyedTable t({{"1.3.6.1.4.1.88406.999.7.1.1", "State", S::Integer, VnAccess::NotAccess, &kStateList},
                  {"1.3.6.1.4.1.88406.999.7.1.2", "Addr", S::IpAddress, VnAccess::ReadOnly}},
                 2);
    t.request.SetKeysFromIndex("2.10.1.2.3");
    EXPECT_EQ(t.value(0), "disabled");
    EXPECT_EQ(t.value(1), "10.1.2.3");
    // A key that is not read gets its last OID from the row instance.
    EXPECT_EQ(t.request.varList.Item(0).lastOid, "1.3.6.1.4.1.88406.999.7.1.1.2.10.1.2.3");
    EXPECT_EQ(t.request.varList.Item(1).lastOid, "");
    EXPECT_EQ(t.request.KeyIndex(), "2.10.1.2.3");

    // An instance too short for the keys is a row that cannot be addressed
    // by its key texts: every key says so, the instance is kept.
    t.request.SetKeysFromIndex("1");
    EXPECT_EQ(t.value(0), "1 (malformed instance)");
    EXPECT_EQ(t.value(1), "1 (malformed instance)");
    EXPECT_EQ(t.request.ReadRowInstance(), "1");
    EXPECT_FALSE(t.request.ReadRowMalformed().empty());
}

TEST(SetKeysFromIndex, AnInstanceThatDoesNotDecodeExactlyIsMalformed)
{
    const unsigned kKey = VnAccess::NotAccess;
    const unsigned kImpliedKey = VnAccess::NotAccess | VnAccess::Implied;
    const struct {
        VnSNMPVarDesc key;
        const char* instance;
        const char* value;  // the key's text, nullptr: malformed
        const char* why;
    } cases[] = {
        {{"1.3.6.1.4.1.88406.999.7.1.1", "VID", S::Integer, kKey}, "20", "20", "one number"},
        {{"1.3.6.1.4.1.88406.999.7.1.1", "VID", S::Integer, kKey}, "20.7", nullptr, "a number left over"},
        {{"1.3.6.1.4.1.88406.999.7.1.1", "Name", S::OctetStr, kKey}, "2.65.66", "4142", "counted octets"},
        {{"1.3.6.1.4.1.88406.999.7.1.1", "Name", S::OctetStr, kKey}, "5.65.66", nullptr,
         "a length larger than what follows"},
        {{"1.3.6.1.4.1.88406.999.7.1.1", "Name", S::OctetStr, kKey}, "1.65.66", nullptr,
         "a length smaller than what follows"},
        {{"1.3.6.1.4.1.88406.999.7.1.1", "Name", S::OctetStr, kKey}, "2.65.256", nullptr, "an octet above 255"},
        {{"1.3.6.1.4.1.88406.999.7.1.1", "Name", S::DisplayStr, kImpliedKey}, "65.66", "AB", "IMPLIED string"},
        {{"1.3.6.1.4.1.88406.999.7.1.1", "Name", S::DisplayStr, kImpliedKey}, "65.66.300", nullptr,
         "IMPLIED string with a sub-identifier above 255"},
        {{"1.3.6.1.4.1.88406.999.7.1.1", "Name", S::DisplayStr, kKey}, "2.65.66.67", nullptr,
         "a counted string followed by more"},
        {{"1.3.6.1.4.1.88406.999.7.1.1", "MAC", S::MacAddress, kKey}, "0.1.2.3.4.5", "000102030405", "six octets"},
        {{"1.3.6.1.4.1.88406.999.7.1.1", "MAC", S::MacAddress, kKey}, "0.1.2.3.4.341", nullptr,
         "a MAC part above 255"},
        {{"1.3.6.1.4.1.88406.999.7.1.1", "MAC", S::MacAddress, kKey}, "0.1.2.3.4", nullptr, "five octets"},
        {{"1.3.6.1.4.1.88406.999.7.1.1", "Addr", S::IpAddress, kKey}, "10.90.90.90", "10.90.90.90", "an address"},
        {{"1.3.6.1.4.1.88406.999.7.1.1", "Addr", S::IpAddress, kKey}, "10.90.90", nullptr, "three parts"},
        {{"1.3.6.1.4.1.88406.999.7.1.1", "Addr", S::IpAddress, kKey}, "10.90.90.90.7", nullptr,
         "an address and a number left over"},
        {{"1.3.6.1.4.1.88406.999.7.1.1", "Addr", S::IpAddress, kKey}, "10.90.256.90", nullptr,
         "an address part above 255"},
        {{"1.3.6.1.4.1.88406.999.7.1.1", "On", S::Boolean, kKey}, "7", nullptr, "a truth value of 7"},
    };
    for (const auto& c : cases) {
        KeyedTable t({c.key}, 1);
        t.request.SetKeysFromIndex(c.instance);
        EXPECT_EQ(t.request.ReadRowInstance(), c.instance) << c.why;
        if (c.value) {
            EXPECT_EQ(t.value(0), c.value) << c.why;
            EXPECT_EQ(t.request.ReadRowMalformed(), "") << c.why;
            EXPECT_EQ(t.request.KeyIndex(), c.instance) << c.why << ": the key texts address the row read";
        } else {
            EXPECT_EQ(t.value(0), std::string(c.instance) + " (malformed instance)") << c.why;
            EXPECT_NE(t.request.ReadRowMalformed(), "") << c.why;
        }
    }
}

TEST(SetKeysFromIndex, TwoKeysDecodeInTurn)
{
    KeyedTable t({{"1.3.6.1.4.1.88406.999.7.1.1", "Name", S::OctetStr, VnAccess::NotAccess},
                  {"1.3.6.1.4.1.88406.999.7.1.2", "Port", S::Integer, VnAccess::NotAccess}},
                 2);
    t.request.SetKeysFromIndex("2.65.66.9");
    EXPECT_EQ(t.value(0), "4142");
    EXPECT_EQ(t.value(1), "9");
    EXPECT_EQ(t.request.ReadRowMalformed(), "");
    t.request.SetKeysFromIndex("2.65.66");
    EXPECT_EQ(t.value(1), "2.65.66 (malformed instance)") << "the second key has nothing left";
}

// An OID that is part of an index has one to 128 arcs: a view of
// everything is keyed by the subtree 1. A value sent in a set keeps the
// rule of two arcs at least.
TEST(SetKeysFromIndex, AnObjectIdentifierKeyHasOneTo128Arcs)
{
    const auto arcs = [](int n) {
        std::string dotted;
        for (int k = 0; k < n; ++k)
            dotted += (k ? ".1" : "1");
        return dotted;
    };
    const std::string all = "3.97.108.108.";  // the view name "all", counted
    const struct {
        bool implied;
        std::string instance;
        std::string subtree;  // "": malformed
        const char* why;
    } cases[] = {
        {false, all + "1.1", "1", "one arc, counted"},
        {false, all + "2.1.3", "1.3", "two arcs"},
        {false, all + "128." + arcs(128), arcs(128), "128 arcs, the most an OID has"},
        {false, all + "129." + arcs(129), "", "129 arcs"},
        {false, all + "0", "", "no arc at all"},
        {true, all + "1", "1", "one arc, IMPLIED"},
        {true, all + arcs(128), arcs(128), "128 arcs, IMPLIED"},
        {true, all + arcs(129), "", "129 arcs, IMPLIED"},
    };
    for (const auto& c : cases) {
        const unsigned last = VnAccess::NotAccess | (c.implied ? VnAccess::Implied : 0);
        KeyedTable t({{"1.3.6.1.6.3.16.1.5.2.1.1", "Name", S::DisplayStr, VnAccess::NotAccess},
                      {"1.3.6.1.6.3.16.1.5.2.1.2", "Subtree", S::ObjectId, last}},
                     2);
        t.request.SetKeysFromIndex(c.instance);
        if (c.subtree.empty()) {
            EXPECT_EQ(t.value(1), c.instance + " (malformed instance)") << c.why;
            EXPECT_NE(t.request.ReadRowMalformed(), "") << c.why;
            continue;
        }
        EXPECT_EQ(t.value(0), "all") << c.why;
        EXPECT_EQ(t.value(1), c.subtree) << c.why;
        EXPECT_EQ(t.request.ReadRowMalformed(), "") << c.why;
        EXPECT_EQ(t.request.KeyIndex(), c.instance) << c.why << ": the key texts address the row read";
    }
    Vb vb;
    EXPECT_THROW(ValueTextToVb(S::ObjectId, "1", vb), VnValueRefused) << "a value set is two arcs at least";
    EXPECT_NO_THROW(ValueTextToVb(S::ObjectId, "1.3", vb));
}

TEST(KeyIndex, APinnedRowInstanceIsSentAsItStands)
{
    KeyedTable t({{"1.3.6.1.4.1.88406.999.7.1.1", "VID", S::Integer, VnAccess::NotAccess}}, 1);
    t.request.varList.Item(0).value = "20";
    t.request.rowInstance = "20.7";
    EXPECT_EQ(t.request.KeyIndex(), "20.7");
    EXPECT_EQ(t.request.KeyWithoutValue(), -1);
    t.request.rowInstance = "";
    EXPECT_EQ(t.request.KeyWithoutValue(), 0) << "an empty pinned instance addresses no row";
}

TEST(IndexToItemValue, KeyCountBeyondTheListIsRefused)
{
    KeyedTable t({}, 3);
    t.request.varList.Item(0).value = "0";
    EXPECT_EQ(t.request.KeyIndex(), "0") << "only items that exist are encoded";
    EXPECT_THROW(t.request.SetKeysFromIndex("1.2.3"), VnException);
}

TEST(ColumnOid, AppendsTheListName)
{
    OneItem one(S::Integer);
    EXPECT_EQ(one.request.ColumnOid(0), kCol);
    one.request.varList.name = "3";
    EXPECT_EQ(one.request.ColumnOid(0), std::string(kCol) + ".3");
}

TEST(Expressions, ReadExpressionsAndConditions)
{
    const VnSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.88406.999.7.1.1", "Bits", S::Counter, VnAccess::ReadOnly, nullptr, "$1*8"},
        {"1.3.6.1.4.1.88406.999.7.1.2", "Bytes", S::Integer, VnAccess::ReadOnly},
        {"1.3.6.1.4.1.88406.999.7.1.3", "Name", S::OctetStr, VnAccess::ReadOnly, nullptr, "$1*8"},
        {},
    };
    VnSNMPRequest request;
    request.varList = VnSNMPVarList(table, SVT_SV, 0);
    request.varList.Item(1).value = "12";
    request.ApplyItemExpression(0, true);
    EXPECT_EQ(request.varList.Item(0).value, "96");
    request.ApplyItemExpression(1, true);
    EXPECT_EQ(request.varList.Item(1).value, "12") << "no expression, no change";
    try {
        request.ApplyItemExpression(2, true);
        ADD_FAILURE();
    } catch (const VnException& e) {
        EXPECT_EQ(e.HelpContext(), kVnErrExprBadSyntax);
    }

    EXPECT_TRUE(request.TestRowFilter()) << "the empty filter holds";
    request.rowFilter = "$1>=12";
    EXPECT_TRUE(request.TestRowFilter());
    request.varList.Item(1).value = "2";
    EXPECT_TRUE(request.TestRowFilter()) << "compared as texts: 2 >= 12";
    EXPECT_FALSE(request.TestCondition("$1=3"));
}

} // namespace
