// Value classes, OID parsing and encoding, and address parsing.
#include <gtest/gtest.h>

#include "Address.h"
#include "NetSnmpPdu.h"
#include "Oid.h"
#include "Pdu.h"
#include "Vb.h"

TEST(OidText, ParsesDottedDecimalOnly)
{
    struct Case {
        const char* text;
        bool valid;
        const char* printable;
        const char* why;
    };
    const Case cases[] = {
        {"1.3.6.1.2.1.1.5.0", true, "1.3.6.1.2.1.1.5.0", "plain dotted decimal"},
        {".1.3.6.1", true, "1.3.6.1", "a leading dot is allowed"},
        {" 1.3.6 ", true, "1.3.6", "surrounding blanks are dropped"},
        {"1", true, "1", "one sub-identifier"},
        {"4294967295.1", true, "4294967295.1", "largest sub-identifier"},
        {"4294967296.1", false, "", "sub-identifier above 32 bits"},
        {"", false, "", "empty text"},
        {"1..3", false, "", "empty part"},
        {"1.3.", false, "", "trailing dot"},
        {"sysName.0", false, "", "names are not looked up"},
        {"1.3.-6", false, "", "signs are not digits"},
    };
    for (const Case& c : cases) {
        const Oid oid(c.text);
        EXPECT_EQ(oid.valid(), c.valid) << c.text << ": " << c.why;
        EXPECT_EQ(oid.get_printable(), c.printable) << c.text << ": " << c.why;
    }
}

TEST(OidText, RefusesMoreThan128SubIdentifiers)
{
    std::string text = "1";
    for (int i = 1; i < 128; ++i)
        text += ".1";
    EXPECT_TRUE(Oid(text).valid());
    EXPECT_FALSE(Oid(text + ".1").valid());
}

TEST(OidText, AppendsTrimsAndCompares)
{
    Oid column("1.3.6.1.2.1.2.2.1.1");
    Oid instance = column;
    instance += 5u;
    instance += "7.8";
    EXPECT_EQ(instance.get_printable(), "1.3.6.1.2.1.2.2.1.1.5.7.8");
    EXPECT_TRUE(column.is_prefix_of(instance));
    EXPECT_EQ(column.nCompare(column.len(), instance), 0);
    EXPECT_LT(column, instance);
    instance.trim(3);
    EXPECT_EQ(instance, column);
    instance.trim(100);
    EXPECT_EQ(instance.len(), 0u);
}

// Net-SNMP's encoder writes "1" as 0.1 and the empty OID as 0.0.0; we send
// the standard two-arc forms and refuse what BER cannot carry.
TEST(OidEncoding, CompletesShortOidsAndRefusesUnencodable)
{
    struct Case {
        std::vector<std::uint32_t> ids;
        bool encodable;
        std::vector<unsigned long> sent;
    };
    const Case cases[] = {
        {{}, true, {0, 0}},
        {{1}, true, {1, 0}},
        {{1, 3, 6}, true, {1, 3, 6}},
        {{2, 999}, true, {2, 999}},
        {{1, 39}, true, {1, 39}},
        {{1, 40}, false, {}},
        {{3, 1}, false, {}},
    };
    for (const Case& c : cases) {
        std::vector<unsigned long> ids;
        const bool encodable = EncodableOid(Oid(c.ids.data(), c.ids.size()), ids);
        EXPECT_EQ(encodable, c.encodable) << Oid(c.ids.data(), c.ids.size()).get_printable();
        if (c.encodable) {
            EXPECT_EQ(ids, c.sent);
        }
    }
}

TEST(OctetStrText, PrintsTextOrHex)
{
    EXPECT_EQ(OctetStr("rq-stack").get_printable(), "rq-stack");
    const unsigned char binary[] = {0x00, 0xFF, 0x7F, 0x80};
    EXPECT_EQ(OctetStr(binary, 4).get_printable(), "00 FF 7F 80");
    EXPECT_EQ(OctetStr(binary, 4).len(), 4u) << "zeros are data";
    EXPECT_EQ(OctetStr().get_printable(), "");
}

TEST(IpAddressText, AcceptsDottedQuadsOnly)
{
    struct Case {
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"10.1.2.3", true}, {"255.255.255.255", true}, {"0.0.0.0", true},  {"256.1.1.1", false},
        {"1.2.3", false},   {"1.2.3.4.5", false},      {"localhost", false}, {"", false},
        {"1.2.3.0004", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IpAddress(c.text).valid(), c.valid) << c.text;
    EXPECT_EQ(IpAddress("10.1.2.3").get_printable(), "10.1.2.3");
}

// None of these may reach a name server: they are refused by their form.
TEST(UdpAddressText, ParsesPortsAndRefusesBadNamesWithoutLookup)
{
    struct Case {
        const char* text;
        bool valid;
        const char* printable;
    };
    const Case cases[] = {
        {"127.0.0.1", true, "127.0.0.1/161"},
        {"127.0.0.1/1161", true, "127.0.0.1/1161"},
        {"127.0.0.1:1161", true, "127.0.0.1/1161"},
        {"localhost", true, "127.0.0.1/161"},
        {"127.0.0.1/70000", false, ""},
        {"127.0.0.1/", false, ""},
        {"300.1.2.3", false, ""},
        {"1.2.3.4.5", false, ""},
        {"bad host name", false, ""},
        {"host..name", false, ""},
        {"", false, ""},
    };
    for (const Case& c : cases) {
        const UdpAddress address(c.text);
        EXPECT_EQ(address.valid(), c.valid) << c.text;
        EXPECT_EQ(address.get_printable(), c.printable) << c.text;
    }
}

TEST(VbValues, KeepsTypeAndConvertsBetweenIntegerKinds)
{
    Vb vb(Oid("1.3.6.1.2.1.1.7.0"));
    vb.set_value(std::int32_t{-5});
    EXPECT_EQ(vb.get_syntax(), kSmiInteger);
    EXPECT_EQ(vb.get_printable_value(), "-5");
    std::uint32_t unsignedValue = 0;
    EXPECT_EQ(vb.get_value(unsignedValue), 0);
    EXPECT_EQ(unsignedValue, 4294967291u);
    OctetStr text;
    EXPECT_NE(vb.get_value(text), 0) << "an integer is not an octet string";

    vb.set_value(Counter64(1, 2));
    Counter64 big;
    EXPECT_EQ(vb.get_value(big), 0);
    EXPECT_EQ(big.high(), 1u);
    EXPECT_EQ(big.low(), 2u);
    EXPECT_EQ(vb.get_printable_value(), "4294967298");

    vb.set_value(IpAddress("192.168.0.1"));
    IpAddress address;
    EXPECT_EQ(vb.get_value(address), 0);
    EXPECT_EQ(address.get_printable(), "192.168.0.1");
}

TEST(VbValues, EmptyPrintableForNullAndExceptions)
{
    Vb vb(Oid("1.3.6.1"));
    EXPECT_EQ(vb.get_printable_value(), "");
    for (SmiUINT32 exception : {kSmiNoSuchObject, kSmiNoSuchInstance, kSmiEndOfMibView}) {
        vb.set_received(exception, 0, {}, {});
        EXPECT_TRUE(vb.is_exception());
        EXPECT_EQ(vb.get_printable_value(), "");
    }
}

TEST(VbValues, ValuesThatCannotBeSentAreInvalid)
{
    Vb vb(Oid("1.3.6.1.4.1.1.0"));
    vb.set_value(IpAddress("not an address"));
    EXPECT_FALSE(vb.valid());
    vb.set_value(Oid("not an oid"));
    EXPECT_FALSE(vb.valid());
    vb.set_syntax(0x4C);  // a library syntax code, not a wire type
    EXPECT_FALSE(vb.valid());
    vb.set_value(OctetStr("text"));
    EXPECT_TRUE(vb.valid());
    EXPECT_FALSE(Vb(Oid("bad")).valid());
}

TEST(PduBindings, IndexesAndClears)
{
    Pdu pdu;
    pdu += Vb(Oid("1.3.6.1.2.1.1.5.0"));
    pdu += Vb(Oid("1.3.6.1.2.1.1.6.0"));
    Vb vb;
    EXPECT_TRUE(pdu.get_vb(vb, 1));
    EXPECT_EQ(vb.get_printable_oid(), "1.3.6.1.2.1.1.6.0");
    EXPECT_FALSE(pdu.get_vb(vb, 2));
    EXPECT_FALSE(pdu.get_vb(vb, -1));
    pdu.set_context_name("ctx");
    pdu.clear();
    EXPECT_EQ(pdu.get_vb_count(), 0);
    EXPECT_EQ(pdu.get_context_name(), OctetStr("ctx")) << "the scope outlives clear()";
}
