// The data file format of the simulated switch, read without a network.
#include "SimConfig.h"
#include "SimControl.h"

#include <gtest/gtest.h>

namespace {

struct GoodLine {
    const char* line;
    const char* oid;
    const char* type;   // canonical type name as the switch reports it
    const char* value;  // canonical value text
    const char* why;
};

const GoodLine kGoodLines[] = {
    {"1.3.6.1.4.1.88406.1.0 INTEGER -2147483648", "1.3.6.1.4.1.88406.1.0", "INTEGER", "-2147483648", "lowest INTEGER"},
    {".1.3.6.1.4.1.88406.1.0 integer 7", "1.3.6.1.4.1.88406.1.0", "INTEGER", "7", "leading dot and lower-case type"},
    {"1.3.6.1.4.1.88406.2.0 STRING \"a # b\"  # comment", "1.3.6.1.4.1.88406.2.0", "OCTETSTR", "6120232062",
     "a hash inside quotes is text, after a blank outside it a comment"},
    {"1.3.6.1.4.1.88406.2.0 STRING plain text here", "1.3.6.1.4.1.88406.2.0", "OCTETSTR", "706C61696E20746578742068657265",
     "an unquoted STRING runs to the end of the line"},
    {"1.3.6.1.4.1.88406.2.0 STRING \"say \\\"hi\\\"\"", "1.3.6.1.4.1.88406.2.0", "OCTETSTR", "7361792022686922",
     "backslash escapes a quote"},
    {"1.3.6.1.4.1.88406.3.0 OCTETSTR 00:1a-2B 3c", "1.3.6.1.4.1.88406.3.0", "OCTETSTR", "001A2B3C",
     "hex with separators, any case"},
    {"1.3.6.1.4.1.88406.3.0 OCTETSTR \"\"", "1.3.6.1.4.1.88406.3.0", "OCTETSTR", "", "empty octet string"},
    {"1.3.6.1.4.1.88406.4.0 OID 0.0", "1.3.6.1.4.1.88406.4.0", "OID", "0.0", "zeroDotZero"},
    {"1.3.6.1.4.1.88406.5.0 IPADDRESS 10.1.2.255", "1.3.6.1.4.1.88406.5.0", "IPADDRESS", "10.1.2.255", "address"},
    {"1.3.6.1.4.1.88406.6.0 COUNTER 4294967295", "1.3.6.1.4.1.88406.6.0", "COUNTER", "4294967295", "largest counter"},
    {"1.3.6.1.4.1.88406.7.0 UNSIGNED 5", "1.3.6.1.4.1.88406.7.0", "GAUGE", "5", "UNSIGNED is a gauge"},
    {"1.3.6.1.4.1.88406.8.0 COUNTER64 18446744073709551615", "1.3.6.1.4.1.88406.8.0", "COUNTER64",
     "18446744073709551615", "largest counter64"},
    {"1.3.6.1.4.1.88406.9.0 TIMETICKS 100", "1.3.6.1.4.1.88406.9.0", "TIMETICKS", "100", "time ticks"},
    {"1.3.6.1.4.1.88406.10.0 OPAQUE 9f78", "1.3.6.1.4.1.88406.10.0", "OPAQUE", "9F78", "opaque is hex"},
    {"1.3.6.1.4.1.88406.11.0 BITSTR 80", "1.3.6.1.4.1.88406.11.0", "BITSTR", "80", "bit string is hex"},
    {"1.3.6.1.4.1.88406.12.0 WIDE COUNTER 1099511627776", "1.3.6.1.4.1.88406.12.0", "COUNTER", "1099511627776",
     "a counter wider than its type, as a faulty agent sends it"},
    {"1.3.6.1.4.1.88406.12.0 WIDE integer 2147483648", "1.3.6.1.4.1.88406.12.0", "INTEGER", "2147483648",
     "an INTEGER beyond 32 bits"},
};

TEST(SimDataFile, ObjectLinesGiveTypedValues)
{
    for (const auto& c : kGoodLines) {
        SimConfig config;
        std::string error;
        ASSERT_TRUE(SimDataFile::Parse(c.line, "t", config, error)) << c.why << ": " << error;
        // Read back through the control channel, the way tests see values.
        SimSetRecord record;
        SimControl control(config, record);
        EXPECT_EQ(control.Run(std::string("get ") + c.oid),
                  std::string("value ") + c.oid + " " + c.type + " " + c.value + "\nok\n")
            << c.why;
    }
}

struct BadLine {
    const char* line;
    const char* message;  // part of the error text
    const char* why;
};

const BadLine kBadLines[] = {
    {"1.3.6.1.4.1.88406.1.0 INTEGER 2147483648", "bad INTEGER", "INTEGER is 32-bit signed"},
    {"1.3.6.1.4.1.88406.1.0 COUNTER -1", "bad unsigned", "counters are unsigned"},
    {"1.3.6.1.4.1.88406.1.0 OCTETSTR ABC", "bad hex", "odd number of hex digits"},
    {"1.3.6.1.4.1.88406.1.0 WIDE STRING 5", "bad WIDE", "only the 32-bit number types are wide"},
    {"1.3.6.1.4.1.88406.1.0 WIDE COUNTER -1", "bad WIDE", "a wide number is sent as a Counter64: not below 0"},
    {"1.3.6.1.4.1.88406.1.0 WIDE GAUGE", "bad WIDE", "no number"},
    {"1.3.6.1.4.1.88406.1.0 IPADDRESS 10.0.0.256", "bad IPADDRESS", "octet above 255"},
    {"1.3.6.1.4.1.88406.1.0 IPADDRESS 10.0.0", "bad IPADDRESS", "three octets"},
    {"1.3.6.1.4.1.88406.1.0 OID 1", "bad OID", "one sub-identifier is encoded wrongly by the library"},
    {"1.3.6.1.4.1.88406.1.0 FLOAT 1.5", "unknown type", "unknown type keyword"},
    {"1.3..6.1 INTEGER 1", "bad OID", "empty sub-identifier"},
    {"1.3.6.1.4294967296 INTEGER 1", "bad OID", "sub-identifier above 32 bits"},
    {"frobnicate 1.3.6.1", "unknown directive", "unknown directive"},
    {"access rx 1.3.6.1", "ro or rw", "bad access keyword"},
    {"community admin secret", "community needs", "bad community kind"},
    {"user bob rw MD5 short", "shorter than 8", "Net-SNMP refuses short passwords"},
    {"user bob rw MD4 longenough", "MD5 or SHA", "unknown authentication protocol"},
    {"error 1.3.6.1.2 genErr put", "error needs", "unknown operation"},
    {"error 1.3.6.1.2 sometimes get", "error needs", "unknown status name"},
    {"delay 1.3.6.1.2 soon", "delay needs", "delay needs a number"},
    {"repeat 5 1 1.3.6.1.4.1.88406.1.$i INTEGER $i", "repeat needs", "range backwards"},
    {"repeat 1 2 repeat 1 2 1.3.6.1.4.1.88406.1.$i INTEGER 1", "another repeat", "nested repeat"},
};

TEST(SimDataFile, BadLinesAreRefusedWithFileAndLine)
{
    for (const auto& c : kBadLines) {
        SimConfig config;
        std::string error;
        EXPECT_FALSE(SimDataFile::Parse(std::string("# first line\n") + c.line, "data.sim", config, error))
            << c.why;
        EXPECT_NE(error.find("data.sim:2: "), std::string::npos) << c.why << ": " << error;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.why << ": " << error;
    }
}

TEST(SimDataFile, RepeatExpandsTheCounterEverywhere)
{
    SimConfig config;
    std::string error;
    ASSERT_TRUE(SimDataFile::Parse("repeat 8 10 1.3.6.1.4.1.88406.1.$i STRING \"row $i\"", "t", config, error))
        << error;
    ASSERT_EQ(config.store.Values().size(), 3u);
    const SimValue* row9 = config.store.Find({1, 3, 6, 1, 4, 1, 88406, 1, 9});
    ASSERT_NE(row9, nullptr);
    EXPECT_EQ(row9->bytes, "row 9");
}

TEST(SimDataFile, LaterLinesReplaceEarlierOnes)
{
    // An extra data file overrides the default data this way.
    SimConfig config;
    std::string error;
    ASSERT_TRUE(SimDataFile::Parse("1.3.6.1.4.1.88406.1.0 INTEGER 1\n"
                                   "1.3.6.1.4.1.88406.1.0 STRING \"two\"\n",
                                   "t", config, error));
    const SimValue* value = config.store.Find({1, 3, 6, 1, 4, 1, 88406, 1, 0});
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, SimType::OctetString);
}

}  // namespace
