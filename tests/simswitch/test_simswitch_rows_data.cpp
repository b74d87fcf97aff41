// Table declarations of the simulated switch's data files, read without a
// network: how an instance cuts into index parts, and which lines are
// refused.
#include "SimConfig.h"
#include "SimTable.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

struct SplitCase {
    std::vector<SimIndexKind> index;
    SimOid instance;
    std::optional<std::vector<SimOid>> parts;
    const char* why;
};

TEST(SimTable, AnInstanceCutsIntoItsIndexParts)
{
    using K = SimIndexKind;
    const std::optional<std::vector<SimOid>> none;
    const SplitCase cases[] = {
        {{K::Integer}, {4294967295u}, std::vector<SimOid>{{4294967295u}}, "an integer takes any sub-identifier"},
        {{K::Integer}, {1, 2}, none, "left-over sub-identifiers"},
        {{K::Integer}, {}, none, "nothing to take"},
        {{K::IpAddress, K::Integer}, {10, 0, 0, 1, 161}, std::vector<SimOid>{{10, 0, 0, 1}, {161}},
         "address, then port"},
        {{K::IpAddress}, {10, 0, 256, 1}, none, "address octet above 255"},
        {{K::String, K::IpAddress}, {2, 97, 98, 10, 0, 0, 1}, std::vector<SimOid>{{97, 98}, {10, 0, 0, 1}},
         "the length goes, the octets stay"},
        {{K::String, K::Integer}, {0, 7}, std::vector<SimOid>{{}, {7}}, "an empty string is length 0"},
        {{K::String}, {3, 97, 98}, none, "fewer octets than the length"},
        {{K::String}, {1, 256}, none, "a string octet above 255"},
        {{K::Integer, K::Implied}, {1, 97, 98, 99}, std::vector<SimOid>{{1}, {97, 98, 99}},
         "IMPLIED takes the rest without a length"},
        {{K::Mac}, {0, 26, 43, 60, 77, 94}, std::vector<SimOid>{{0, 26, 43, 60, 77, 94}}, "six octets"},
        {{K::Mac}, {0, 26, 43, 60, 77}, none, "five octets are no MAC"},
    };
    for (const auto& c : cases) {
        SimTable table{c.index, {}};
        EXPECT_EQ(table.Split(c.instance), c.parts) << c.why;
    }
}

TEST(SimTable, AnIndexColumnShowsItsPartInItsType)
{
    SimTable table{{SimIndexKind::Integer, SimIndexKind::IpAddress}, {}};
    const std::vector<SimOid> parts{{2147483648u}, {192, 168, 1, 2}};

    SimColumn gauge{SimType::Gauge32, 1, std::nullopt};
    auto shown = table.IndexValue(gauge, parts);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->number, 2147483648);
    EXPECT_FALSE(table.IndexValue({SimType::Integer, 1, std::nullopt}, parts)) << "beyond a signed INTEGER";

    shown = table.IndexValue({SimType::IpAddress, 2, std::nullopt}, parts);
    ASSERT_TRUE(shown);
    EXPECT_EQ(SimFormatValue(*shown), "192.168.1.2");
    shown = table.IndexValue({SimType::OctetString, 2, std::nullopt}, parts);
    ASSERT_TRUE(shown);
    EXPECT_EQ(SimFormatValue(*shown), "C0A80102") << "an address part may show as octets";
}

TEST(SimDataFile, TableDeclarationsAreRead)
{
    SimConfig config;
    std::string error;
    ASSERT_TRUE(SimDataFile::Parse("table 1.3.6.1.4.1.88406.1.1 string IPADDRESS\n"
                                   "column 1.3.6.1.4.1.88406.1.1.1 OCTETSTR index 1\n"
                                   "column 1.3.6.1.4.1.88406.1.1.2 IPADDRESS index 2\n"
                                   "column 1.3.6.1.4.1.88406.1.1.3 STRING default \"a # b\"\n"
                                   "column 1.3.6.1.4.1.88406.1.1.4 INTEGER default -1\n"
                                   "column 1.3.6.1.4.1.88406.1.1.5 COUNTER\n"
                                   "validstatus 1.3.6.1.4.1.88406.1.1.6\n"
                                   "validstatus 1.3.6.1.4.1.88406.1.1.6 3 2\n"
                                   "rowstatus 1.3.6.1.4.1.88406.2.1.9\n"
                                   "table 1.3.6.1.4.1.88406.2.1 integer implied\n",
                                   "t", config, error))
        << error;
}

struct BadDeclaration {
    const char* lines;
    const char* message;  // part of the error text
    const char* why;
};

const BadDeclaration kBadDeclarations[] = {
    {"table 1.3.6.1.4.1.88406.1.1", "table needs", "a table without index parts"},
    {"table 1.3.6.1.4.1.88406.1.1 integer octets", "unknown index part", "unknown index kind"},
    {"table 1.3.6.1.4.1.88406.1.1 implied integer", "only the last", "IMPLIED before another part"},
    {"column 1.3.6.1.4.1.88406.1.1.2 INTEGER default 0", "no table line", "a column before its table"},
    {"table 1.3.6.1.4.1.88406.1.1 integer\ncolumn 1.3.6.1.4.1.88406.1.1.1 INTEGER index 2", "index part",
     "an index part the table lacks"},
    {"table 1.3.6.1.4.1.88406.1.1 mac\ncolumn 1.3.6.1.4.1.88406.1.1.1 INTEGER index 1", "needs OCTETSTR",
     "a MAC shown as a number"},
    {"table 1.3.6.1.4.1.88406.1.1 integer\ncolumn 1.3.6.1.4.1.88406.1.1.1 STRING index 1", "number type",
     "an integer part shown as text"},
    {"table 1.3.6.1.4.1.88406.1.1 integer\ncolumn 1.3.6.1.4.1.88406.1.1.1 INTEGER index 0", "index needs",
     "index parts count from 1"},
    {"table 1.3.6.1.4.1.88406.1.1 integer\ncolumn 1.3.6.1.4.1.88406.1.1.2 INTEGER default many", "bad INTEGER",
     "a default that is not of the column's type"},
    {"table 1.3.6.1.4.1.88406.1.1 integer\ncolumn 1.3.6.1.4.1.88406.1.1.2 FLOAT", "unknown type", "unknown type"},
    {"table 1.3.6.1.4.1.88406.1.1 integer\ncolumn 1.3.6.1.4.1.88406.1.1.2 INTEGER 0", "column needs",
     "a default without its keyword"},
    {"validstatus 1.3.6.1.4.1.88406.1.1.3 3", "validstatus needs", "one value without the other"},
    {"validstatus 1.3.6.1.4.1.88406.1.1.3 3 3", "validstatus needs", "valid and invalid the same"},
    {"validstatus 1.3.6.1.4.1.88406.1.1.3 valid invalid", "validstatus needs", "names in place of numbers"},
};

TEST(SimDataFile, BadTableDeclarationsAreRefused)
{
    for (const auto& c : kBadDeclarations) {
        SimConfig config;
        std::string error;
        EXPECT_FALSE(SimDataFile::Parse(c.lines, "data.sim", config, error)) << c.why;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.why << ": " << error;
    }
}

}  // namespace
