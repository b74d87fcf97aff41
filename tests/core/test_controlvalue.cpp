// Value text <-> byte form by syntax.
#include "VnControlValue.h"
#include "VnException.h"
#include "VnMessages.h"
#include "VnSNMPVarList.h"
#include "VnValueText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <span>
#include <string>

namespace {

std::string Hex(const VnBytes& bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (std::uint8_t b : bytes) {
        if (!text.empty())
            text += ' ';
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

VnBytes FromHex(const std::string& spaced)
{
    VnBytes bytes;
    for (std::size_t i = 0; i < spaced.size(); i += 3)
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(spaced.substr(i, 2), nullptr, 16)));
    return bytes;
}

int CodeOf(auto&& call)
{
    try {
        call();
    } catch (const VnException& e) {
        return e.HelpContext();
    }
    return 0;
}

struct ToBytesCase {
    const char* text;
    unsigned syntax;
    const char* bytes; // spaced hex, "" for none, nullptr: refused as no value of the syntax
    const char* why;
};

const ToBytesCase kToBytes[] = {
    {"(NULL)", VnSyntax::Integer, "", "the missing value has no bytes"},
    {"(NOTDONE)", VnSyntax::OctetStr, "", "nor has a column that ended, whose text is no hex"},
    {"(NOTDONE)", VnSyntax::Integer, "", "and is no number either"},
    {"anything", VnSyntax::Null, "", "null syntax has no bytes whatever the text"},
    {"true", VnSyntax::Boolean, "01 00 00 00", "boolean is four bytes"},
    {"True", VnSyntax::Boolean, "00 00 00 00", "only the exact text true is true"},
    {"1", VnSyntax::Integer, "01 00 00 00", "least significant byte first"},
    {"-2", VnSyntax::Integer, "FE FF FF FF", "negative integers in two's complement"},
    {"12abc", VnSyntax::Integer, nullptr, "a number with a tail is no number"},
    {"abc", VnSyntax::Integer, nullptr, "no digits are no 0"},
    {"4294967295", VnSyntax::Counter, "FF FF FF FF", "32-bit number"},
    {"-1", VnSyntax::Gauge, nullptr, "a negative unsigned does not wrap"},
    {"4294967296", VnSyntax::UInteger, nullptr, "numbers do not wrap in 32 bits"},
    {"0a1b2", VnSyntax::OctetStr, nullptr, "an odd digit count would shift every byte"},
    {"0a ff", VnSyntax::BitStr, "0A FF", "blanks are dropped"},
    {"G1", VnSyntax::Opaque, nullptr, "a non-digit is no 0"},
    {"", VnSyntax::OctetStr, "", "empty hex text, no bytes"},
    {"001122334455", VnSyntax::MacAddress, "00 11 22 33 44 55", "MAC address is hex text"},
    {"0011", VnSyntax::Ipv6Address, nullptr, "an IPv6 address has 16 bytes"},
    {"1.3.6", VnSyntax::ObjectId, "01 00 00 00 03 00 00 00 06 00 00 00",
     "four bytes per sub-identifier"},
    {".1.300", VnSyntax::ObjectId, "01 00 00 00 2C 01 00 00", "a leading dot is allowed"},
    {"1.x.6", VnSyntax::ObjectId, nullptr, "an object identifier with other characters"},
    {"1..6", VnSyntax::ObjectId, nullptr, "an empty sub-identifier is no object identifier"},
    {"1.4294967296", VnSyntax::ObjectId, nullptr, "a sub-identifier beyond 32 bits is refused"},
    {"10.1.2.3", VnSyntax::IpAddress, "0A 01 02 03", "one byte per part"},
    {"10.1.2.300", VnSyntax::NsapAddr, nullptr, "a part past 255 is no byte"},
    {"10.1.2", VnSyntax::IpAddress, nullptr, "three numbers are no address"},
    {"1 day 0:00:01.00", VnSyntax::TimeTicks, "64 D6 83 00", "time-ticks text in hundredths"},
    {"18446744073709551615", VnSyntax::Counter64, "FF FF FF FF FF FF FF FF", "largest counter64"},
    {"4294967298", VnSyntax::Counter64, "02 00 00 00 01 00 00 00", "low 32 bits first"},
    {"-5", VnSyntax::Counter64, nullptr, "a negative counter64"},
    {"1e30", VnSyntax::Counter64, nullptr, "a too large counter64"},
    {"1.5", VnSyntax::Double, "00 00 00 00 00 00 F8 3F", "IEEE double, least significant byte first"},
    {"x", VnSyntax::Double, nullptr, "no number is no 0"},
    {"2007-3-7,14:5:9.1,-5:30", VnSyntax::DateTime, "07 D7 03 07 0E 05 09 01 2D 05 1E",
     "DateAndTime octets, year most significant byte first"},
    {"1899/12/31 12:00:00 pm", VnSyntax::BcdDateTime, "00 00 00 00 00 00 F8 3F",
     "day count 1.5 from 1899-12-30"},
    {"ab\x01", VnSyntax::DisplayStr, "61 62 01", "display string: the characters"},
    {"true", VnSyntax::Bool8, "01", "bool8 is one byte"},
    {"-1", VnSyntax::Int8, "FF", "int8: the low byte"},
    {"255", VnSyntax::UInt8, "FF", "uint8"},
    {"300", VnSyntax::UInt8, nullptr, "past a uint8"},
    {"true", VnSyntax::Bool16, "00 01", "16-bit values most significant byte first"},
    {"-2", VnSyntax::Int16, "FF FE", "int16: the low 16 bits"},
    {"65534", VnSyntax::UInt16, "FF FE", "uint16"},
    {"65537", VnSyntax::UInt16, nullptr, "past a uint16"},
};

TEST(ControlValue, ValueToBytesTable)
{
    for (const auto& c : kToBytes) {
        if (!c.bytes) {
            EXPECT_THROW(ValueToBytes(c.text, c.syntax), VnValueRefused)
                << c.text << " syntax " << c.syntax << ": " << c.why;
            continue;
        }
        EXPECT_EQ(Hex(ValueToBytes(c.text, c.syntax)), c.bytes)
            << c.text << " syntax " << c.syntax << ": " << c.why;
    }
}

struct ToValueCase {
    const char* bytes;
    unsigned syntax;
    const char* text;
    const char* why;
};

const ToValueCase kToValue[] = {
    {"", VnSyntax::Integer, "(NULL)", "no bytes: the missing value"},
    {"", VnSyntax::MacAddress, "(NULL)", "also for a fixed-size hex syntax"},
    {"", VnSyntax::DisplayStr, "", "but the empty text for a display string"},
    {"", VnSyntax::OctetStr, "", "an octet string: a cleared hex edit is an empty string, not NULL"},
    {"", VnSyntax::BitStr, "", "a bit string likewise"},
    {"", VnSyntax::Opaque, "", "and an opaque value"},
    {"01", VnSyntax::Null, "(NULL)", "null syntax, whatever the bytes"},
    {"00 00 00 00", VnSyntax::Boolean, "false", "zero is false"},
    {"00 01 00 00", VnSyntax::Boolean, "true", "any other number is true"},
    {"FE FF FF FF", VnSyntax::Integer, "-2", "signed decimal"},
    {"01 00 00 00 77", VnSyntax::Integer, "1", "bytes past four are ignored"},
    {"FE FF FF FF", VnSyntax::Counter, "4294967294", "unsigned decimal"},
    {"FF FF FF FF", VnSyntax::Gauge, "4294967295", "largest gauge"},
    {"01 00 00 00", VnSyntax::UInteger, "1", "uinteger"},
    {"00 A1 B2", VnSyntax::OctetStr, "00A1B2", "upper-case hex, no separators"},
    {"0a", VnSyntax::BitStr, "0A", "bit string"},
    {"FF", VnSyntax::Opaque, "FF", "opaque"},
    {"00 11 22 33 44 55 66", VnSyntax::MacAddress, "00112233445566", "hex of all bytes"},
    {"01 00 00 00 03 00 00 00", VnSyntax::ObjectId, "1.3", "one sub-identifier per 4 bytes"},
    {"0A 01 02 03 05", VnSyntax::IpAddress, "10.1.2.3", "the first four bytes"},
    {"FF 00 00 01", VnSyntax::NsapAddr, "255.0.0.1", "unsigned parts"},
    {"64 D6 83 00", VnSyntax::TimeTicks, "1 day 0:00:01.00", "time-ticks text"},
    {"05 00 00 00", VnSyntax::TimeTicks, "0:00:00.05", "under a day"},
    {"FF FF FF FF FF FF FF FF", VnSyntax::Counter64, "18446744073709551615", "all 64 bits"},
    {"02 00 00 00 01 00 00 00", VnSyntax::Counter64, "4294967298", "low 32 bits first"},
    {"00 00 00 00 00 00 F8 3F", VnSyntax::Double, "1.5", "general float format"},
    {"00 00 00 00 00 00 F8 7F", VnSyntax::Double, "NAN", "a NaN is shown, not refused"},
    {"07 D7 03 07 0E 05 09 01 2D 05 1E", VnSyntax::DateTime, "2007-3-7,14:5:9.1,-5:30",
     "DateAndTime text"},
    {"07 D7 03 07 0E 05 09 01 2B 00 00 FF", VnSyntax::DateTime, "2007-3-7,14:5:9.1",
     "no zone part for offset 0:0; the twelfth byte is ignored"},
    {"00 00 00 00 00 00 F8 3F", VnSyntax::BcdDateTime, "1899/12/31 12:00:00 pm",
     "12-hour clock with am/pm"},
    {"61 62 00 63", VnSyntax::DisplayStr, "ab", "characters up to the first zero byte"},
    {"00", VnSyntax::DisplayStr, "", "a leading zero byte gives the empty text"},
    {"02", VnSyntax::Bool8, "true", "bool8"},
    {"00", VnSyntax::Bool8, "false", "bool8 false"},
    {"80", VnSyntax::Int8, "-128", "int8 is signed"},
    {"80", VnSyntax::UInt8, "128", "uint8 is not"},
    {"00 00", VnSyntax::Bool16, "false", "bool16 false"},
    {"01 00", VnSyntax::Bool16, "true", "bool16, most significant byte first"},
    {"FF FE", VnSyntax::Int16, "-2", "int16"},
    {"FF FE", VnSyntax::UInt16, "65534", "uint16"},
};

TEST(ControlValue, BytesToValueTable)
{
    for (const auto& c : kToValue)
        EXPECT_EQ(BytesToValue(FromHex(c.bytes), c.syntax), c.text)
            << c.bytes << " syntax " << c.syntax << ": " << c.why;
}

TEST(ControlValue, RoundTripsKeepTheValue)
{
    struct Case {
        const char* text;
        unsigned syntax;
    } const cases[] = {
        {"-2147483648", VnSyntax::Integer},   {"4294967295", VnSyntax::Counter},
        {"0A0B", VnSyntax::OctetStr},         {"1.3.6.1.4.1.88406", VnSyntax::ObjectId},
        {"192.168.0.1", VnSyntax::IpAddress}, {"2 days, 3:04:05.06", VnSyntax::TimeTicks},
        {"12345678901234567890", VnSyntax::Counter64},
        {"-1.25E-7", VnSyntax::Double},       {"2006-3-7,14:5:9.0,+8:0", VnSyntax::DateTime},
        {"2024/02/29 11:59:58 pm", VnSyntax::BcdDateTime},
        {"hello", VnSyntax::DisplayStr},      {"-128", VnSyntax::Int8},
        {"-32768", VnSyntax::Int16},          {"true", VnSyntax::Bool16},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BytesToValue(ValueToBytes(c.text, c.syntax), c.syntax), c.text) << c.syntax;
}

TEST(ControlValue, UnknownSyntaxRaisesBadSyntaxBothWays)
{
    for (unsigned syntax : {0x00u, 0x07u, 0x4Eu, 0x99u, 0xC0u, 0xC7u}) {
        EXPECT_EQ(CodeOf([&] { ValueToBytes("1", syntax); }), kVnErrBadSyntax) << syntax;
        // "(NULL)" does not hide the unknown syntax.
        EXPECT_EQ(CodeOf([&] { ValueToBytes("(NULL)", syntax); }), kVnErrBadSyntax) << syntax;
        EXPECT_EQ(CodeOf([&] { BytesToValue(VnBytes{}, syntax); }), kVnErrBadSyntax) << syntax;
        EXPECT_EQ(CodeOf([&] { BytesToValue(VnBytes{1, 2, 3, 4}, syntax); }), kVnErrBadSyntax)
            << syntax;
    }
    try {
        ValueToBytes("1", 0x99);
    } catch (const VnException& e) {
        EXPECT_STREQ(e.what(), "(VnSNMP++) Bad SNMP syntax!");
    }
}

// Too few bytes, or bytes that make no value, are refused with -518 and never
// read past the end (ASan watches the reads from exactly sized buffers).
TEST(ControlValue, MalformedBytesRaiseBadDataValue)
{
    struct Case {
        unsigned syntax;
        std::size_t count;
        const char* why;
    } const cases[] = {
        {VnSyntax::Boolean, 3, "boolean needs 4"},
        {VnSyntax::Integer, 3, "integer needs 4"},
        {VnSyntax::IpAddress, 3, "IP address needs 4"},
        {VnSyntax::NsapAddr, 1, "NSAP address needs 4"},
        {VnSyntax::TimeTicks, 2, "time ticks needs 4"},
        {VnSyntax::Counter64, 7, "counter64 needs 8"},
        {VnSyntax::Double, 7, "double needs 8"},
        {VnSyntax::MacAddress, 5, "MAC address needs 6"},
        {VnSyntax::DateTime, 10, "DateAndTime needs 11"},
        {VnSyntax::BcdDateTime, 4, "date-time value needs 8"},
        {VnSyntax::Ipv6Address, 15, "IPv6 address needs 16"},
        {VnSyntax::Bool16, 1, "bool16 needs 2"},
        {VnSyntax::Int16, 1, "int16 needs 2"},
        {VnSyntax::UInt16, 1, "uint16 needs 2"},
        {VnSyntax::ObjectId, 5, "a cut last sub-identifier"},
        {VnSyntax::ObjectId, 3, "less than one sub-identifier"},
    };
    for (const auto& c : cases) {
        const auto buffer = std::make_unique<std::uint8_t[]>(c.count);
        std::memset(buffer.get(), 0x11, c.count);
        const std::span<const std::uint8_t> bytes(buffer.get(), c.count);
        EXPECT_EQ(CodeOf([&] { BytesToValue(bytes, c.syntax); }), kVnErrBadDataValue) << c.why;
    }
    try {
        BytesToValue(VnBytes{1, 0, 0}, VnSyntax::Integer);
    } catch (const VnException& e) {
        EXPECT_STREQ(e.what(),
                     "(VnSNMP++) Bad value of the associated SNMP variable's (partial) data!");
    }
}

TEST(ControlValue, DateTimeValueThatIsNoDateIsBadData)
{
    const double notDates[] = {std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity(), 1e300, -1e7};
    for (double value : notDates) {
        VnBytes bytes(8);
        std::memcpy(bytes.data(), &value, 8);
        EXPECT_EQ(CodeOf([&] { BytesToValue(bytes, VnSyntax::BcdDateTime); }), kVnErrBadDataValue)
            << value;
    }
}

TEST(ControlValue, DateTimeTextThatIsNoDateRaisesConversionError)
{
    EXPECT_THROW(ValueToBytes("not a date", VnSyntax::BcdDateTime), VnException);
    EXPECT_THROW(ValueToBytes("2024/02/30", VnSyntax::BcdDateTime), VnException);
    // The missing value needs no date.
    EXPECT_TRUE(ValueToBytes("(NULL)", VnSyntax::BcdDateTime).empty());
}

// A byte form is built afresh, so a shorter value written over a longer one
// cannot keep the old tail.
TEST(ControlValue, ShorterOctetStringLeavesNoOldTail)
{
    VnBytes bytes = ValueToBytes("0102030405060708", VnSyntax::OctetStr);
    ASSERT_EQ(bytes.size(), 8u);
    bytes = ValueToBytes("AABB", VnSyntax::OctetStr);
    EXPECT_EQ(Hex(bytes), "AA BB");
    EXPECT_EQ(BytesToValue(bytes, VnSyntax::OctetStr), "AABB");

    bytes = ValueToBytes("a long display string", VnSyntax::DisplayStr);
    bytes = ValueToBytes("ab", VnSyntax::DisplayStr);
    EXPECT_EQ(BytesToValue(bytes, VnSyntax::DisplayStr), "ab");
}

} // namespace
