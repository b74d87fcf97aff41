// Rows created on the simulated switch, seen through a walk as a manager
// sees them: every declared column of a new row, index columns showing
// their part of the instance, valid/invalid state columns, and tables
// with holes served as they are.
#include "SimSwitchTest.h"
#include "SimValue.h"
#include "SnmpClient.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace simswitch;

namespace {

// Entries of testtables.sim (.1-.5) and rows.sim (.994.1-.994.3).
const std::string kIntTable = "1.3.6.1.4.1.88406.999.1.1";
const std::string kImpliedTable = "1.3.6.1.4.1.88406.999.2.1";
const std::string kMacTable = "1.3.6.1.4.1.88406.999.3.1";
const std::string kIpTable = "1.3.6.1.4.1.88406.999.4.1";
const std::string kPairTable = "1.3.6.1.4.1.88406.999.5.1";
const std::string kServerTable = "1.3.6.1.4.1.88406.994.1.1";  // string, integer; status .5
const std::string kRelayTable = "1.3.6.1.4.1.88406.994.2.1";   // string, address; state .3
const std::string kHoleTable = "1.3.6.1.4.1.88406.994.3.1";

std::string Cell(const std::string& entry, int column, const std::string& instance)
{
    return entry + "." + std::to_string(column) + "." + instance;
}

std::string Hex(const std::string& text)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : text) {
        hex.push_back(kDigits[c >> 4]);
        hex.push_back(kDigits[c & 15]);
    }
    return hex;
}

// A column of a row as "TYPE=VALUE" in the switch's canonical text.
using Row = std::map<int, std::string>;

// One cell of a set, its OID given by column within the row under test.
struct RowItem {
    int column;
    char type;
    std::string value;
};

class SwitchRows : public SimSwitchTest {
protected:
    SimSwitchOptions switchOptions() const override
    {
        SimSwitchOptions options;
        options.dataFiles = {SimSwitch::dataPath("testtables.sim"), SimSwitch::dataPath("rows.sim")};
        return options;
    }

    SnmpReply Set(const std::string& entry, const std::string& instance, const std::vector<RowItem>& items)
    {
        std::vector<SnmpSetItem> pdu;
        for (const auto& item : items)
            pdu.push_back({Cell(entry, item.column, instance), item.type, item.value});
        SnmpTarget target = SnmpTarget::V2c(kWriteCommunity);
        target.timeoutMs = 500;
        return SnmpSet(port(), target, pdu);
    }

    SnmpReply Next(const std::vector<std::string>& oids)
    {
        SnmpTarget target = SnmpTarget::V2c(kReadCommunity);
        target.timeoutMs = 500;
        return SnmpGetNext(port(), target, oids);
    }

    // Walks the whole entry and keeps the cells of one instance.
    Row Walk(const std::string& entry, const std::string& instance)
    {
        Row row;
        SnmpTarget target = SnmpTarget::V2c(kReadCommunity);
        target.timeoutMs = 500;
        SnmpClient client(port(), target);
        const std::string prefix = entry + ".";
        const std::string suffix = "." + instance;
        std::string oid = entry;
        for (int step = 0; step < 1000; ++step) {
            SnmpReply reply = client.GetNext({oid});
            if (reply.stat != STAT_SUCCESS || reply.varbinds.size() != 1)
                break;
            const SnmpVarbind& vb = reply.varbinds[0];
            if (vb.oid.compare(0, prefix.size(), prefix) != 0)
                break;
            std::string rest = vb.oid.substr(prefix.size());
            auto dot = rest.find('.');
            if (dot != std::string::npos && rest.substr(dot) == suffix)
                row[std::stoi(rest.substr(0, dot))] = SimTypeName(static_cast<std::uint8_t>(vb.type)) + "=" + vb.value;
            oid = vb.oid;
        }
        return row;
    }
};

struct CreateCase {
    const std::string& entry;
    std::string instance;
    std::vector<RowItem> items;  // the status first
    Row served;                  // the whole row a walk shows afterwards
    const char* why;
};

std::vector<CreateCase> CreateCases()
{
    return {
        {kIntTable, "20", {{4, 'i', "4"}, {2, 's', "twenty"}},
         {{1, "INTEGER=20"}, {2, "OCTETSTR=" + Hex("twenty")}, {3, "INTEGER=0"}, {4, "INTEGER=1"}},
         "integer index: the index column shows it, the unsent value its default"},
        {kIntTable, "30", {{4, 'i', "5"}},
         {{1, "INTEGER=30"}, {2, "OCTETSTR="}, {3, "INTEGER=0"}, {4, "INTEGER=2"}},
         "createAndWait fills the row too and leaves it notInService"},
        {kImpliedTable, "100.101.108.116.97", {{4, 'i', "4"}},
         {{1, "OCTETSTR=" + Hex("delta")}, {2, "OCTETSTR="}, {3, "INTEGER=0"}, {4, "INTEGER=1"}},
         "IMPLIED string index: every sub-identifier is an octet"},
        {kMacTable, "0.26.43.60.77.96", {{4, 'i', "4"}, {3, 'i', "7"}},
         {{1, "OCTETSTR=001A2B3C4D60"}, {2, "OCTETSTR="}, {3, "INTEGER=7"}, {4, "INTEGER=1"}},
         "MAC index: six octets"},
        {kIpTable, "172.16.0.9", {{4, 'i', "4"}, {2, 's', "ntp"}},
         {{1, "IPADDRESS=172.16.0.9"}, {2, "OCTETSTR=" + Hex("ntp")}, {3, "IPADDRESS=0.0.0.0"}, {4, "INTEGER=1"}},
         "address index shown as an IpAddress"},
        {kPairTable, "3.7", {{4, 'i', "4"}},
         {{1, "OCTETSTR="}, {2, "GAUGE=0"}, {3, "INTEGER=1"}, {4, "INTEGER=1"}},
         "two integer indexes without index columns: defaults only, a read-only column too"},
        {kServerTable, "3.110.116.112.123", {{5, 'i', "4"}, {3, 's', "clock"}},
         {{1, "OCTETSTR=" + Hex("ntp")}, {2, "GAUGE=123"}, {3, "OCTETSTR=" + Hex("clock")}, {5, "INTEGER=1"}},
         "length-prefixed string then integer; a column without default stays a hole"},
        {kServerTable, "0.7", {{5, 'i', "4"}},
         {{1, "OCTETSTR="}, {2, "GAUGE=7"}, {3, "OCTETSTR=" + Hex("none")}, {5, "INTEGER=1"}},
         "an empty string index is length 0"},
    };
}

TEST_F(SwitchRows, ACreatedRowHasEveryDeclaredColumn)
{
    for (const auto& c : CreateCases()) {
        SnmpReply reply = Set(c.entry, c.instance, c.items);
        ASSERT_EQ(reply.stat, STAT_SUCCESS) << c.why;
        ASSERT_EQ(reply.errstat, 0) << c.why;
        EXPECT_EQ(Walk(c.entry, c.instance), c.served) << c.why;
    }
    for (const auto& pdu : sim().sets())
        EXPECT_EQ(pdu.status, "applied");
}

TEST_F(SwitchRows, AWalkStepOverANewRowStaysInThatRow)
{
    // Only the status is sent: every column must still have row 20, or a
    // manager walking the columns side by side pairs cells of other rows.
    ASSERT_EQ(Set(kIntTable, "20", {{4, 'i', "4"}}).errstat, 0);
    SnmpReply reply = Next({Cell(kIntTable, 1, "10"), Cell(kIntTable, 2, "10"), Cell(kIntTable, 3, "10"),
                            Cell(kIntTable, 4, "10")});
    ASSERT_EQ(reply.varbinds.size(), 4u);
    for (int column = 1; column <= 4; ++column)
        EXPECT_EQ(reply.varbinds[column - 1].oid, Cell(kIntTable, column, "20")) << "column " << column;
}

struct RefusedCase {
    const std::string& entry;
    std::string instance;
    std::vector<RowItem> items;
    long errstat;
    long errindex;
    const char* why;
};

std::vector<RefusedCase> RefusedCases()
{
    const long noCreation = SNMP_ERR_NOCREATION;
    const long inconsistent = SNMP_ERR_INCONSISTENTVALUE;
    return {
        {kIntTable, "20.1", {{4, 'i', "4"}}, noCreation, 1, "an integer index is one sub-identifier"},
        {kIntTable, "2147483648", {{4, 'i', "4"}}, noCreation, 1, "beyond what the INTEGER index column can show"},
        {kIpTable, "10.0.0", {{4, 'i', "4"}}, noCreation, 1, "an address needs four sub-identifiers"},
        {kIpTable, "10.0.0.256", {{4, 'i', "4"}}, noCreation, 1, "an address octet above 255"},
        {kMacTable, "0.26.43.60.77", {{4, 'i', "4"}}, noCreation, 1, "a MAC needs six octets"},
        {kServerTable, "5.110.116.112.123", {{5, 'i', "4"}}, noCreation, 1, "the string is shorter than its length"},
        {kServerTable, "3.110.116.112", {{5, 'i', "4"}}, noCreation, 1, "the integer part is missing"},
        {kServerTable, "3.110.300.112.1", {{5, 'i', "4"}}, noCreation, 1, "a string octet above 255"},
        {kServerTable, "3.110.116.112.123", {{5, 'i', "4"}, {1, 's', "ntq"}}, inconsistent, 2,
         "an index column sent with another value than the instance"},
        {kServerTable, "3.110.116.112.123", {{5, 'i', "4"}, {2, 'u', "124"}}, inconsistent, 2,
         "the integer index column too"},
        {kServerTable, "3.100.110.115.53", {{2, 'u', "54"}}, inconsistent, 1,
         "an existing row's index column cannot move it"},
    };
}

TEST_F(SwitchRows, AnInstanceThatDoesNotFitTheIndexCreatesNothing)
{
    for (const auto& c : RefusedCases()) {
        const Row before = Walk(c.entry, c.instance);
        SnmpReply reply = Set(c.entry, c.instance, c.items);
        ASSERT_EQ(reply.stat, STAT_SUCCESS) << c.why;
        EXPECT_EQ(reply.errstat, c.errstat) << c.why;
        EXPECT_EQ(reply.errindex, c.errindex) << c.why;
        EXPECT_EQ(Walk(c.entry, c.instance), before) << c.why;
    }
    for (const auto& pdu : sim().sets())
        EXPECT_EQ(pdu.status, "received");
}

TEST_F(SwitchRows, IndexColumnsSentWithTheInstanceValuesAreTaken)
{
    SnmpReply reply = Set(kServerTable, "3.110.116.112.123", {{5, 'i', "4"}, {1, 's', "ntp"}, {2, 'u', "123"}});
    ASSERT_EQ(reply.errstat, 0);
    EXPECT_EQ(Walk(kServerTable, "3.110.116.112.123"),
              (Row{{1, "OCTETSTR=" + Hex("ntp")}, {2, "GAUGE=123"}, {3, "OCTETSTR=" + Hex("none")}, {5, "INTEGER=1"}}));
}

// Relay rows: "ip1" 10.0.0.1 exists with priority 1; state 3 valid, 2 invalid.
const std::string kIp1 = "3.105.112.49.10.0.0.1";
const std::string kIp2 = "3.105.112.50.10.0.0.2";

TEST_F(SwitchRows, ValidCreatesAMissingRowWithEveryColumn)
{
    SnmpReply reply = Set(kRelayTable, kIp2, {{3, 'i', "3"}, {4, 'i', "7"}});
    ASSERT_EQ(reply.errstat, 0);
    EXPECT_EQ(Walk(kRelayTable, kIp2),
              (Row{{1, "OCTETSTR=" + Hex("ip2")}, {2, "IPADDRESS=10.0.0.2"}, {3, "INTEGER=3"}, {4, "INTEGER=7"}}));

    const std::string kIp3 = "3.105.112.51.10.0.0.3";
    reply = Set(kRelayTable, kIp3, {{3, 'i', "3"}});
    ASSERT_EQ(reply.errstat, 0);
    EXPECT_EQ(Walk(kRelayTable, kIp3)[4], "INTEGER=5") << "the unsent priority takes its default";

    // Valid again on an existing row changes nothing else.
    reply = Set(kRelayTable, kIp1, {{3, 'i', "3"}});
    ASSERT_EQ(reply.errstat, 0);
    EXPECT_EQ(Walk(kRelayTable, kIp1),
              (Row{{1, "OCTETSTR=" + Hex("ip1")}, {2, "IPADDRESS=10.0.0.1"}, {3, "INTEGER=3"}, {4, "INTEGER=1"}}));
}

TEST_F(SwitchRows, InvalidRemovesTheRow)
{
    SnmpReply reply = Set(kRelayTable, kIp1, {{3, 'i', "2"}, {4, 'i', "9"}});
    ASSERT_EQ(reply.errstat, 0);
    EXPECT_EQ(Walk(kRelayTable, kIp1), Row{}) << "every column goes, whatever else the PDU set";

    // Invalid on a row that is not there is no error and creates nothing.
    reply = Set(kRelayTable, kIp2, {{3, 'i', "2"}});
    EXPECT_EQ(reply.errstat, 0);
    EXPECT_EQ(Walk(kRelayTable, kIp2), Row{});
}

struct StateCase {
    std::string instance;
    std::vector<RowItem> items;
    long errstat;
    long errindex;
    const char* why;
};

TEST_F(SwitchRows, OtherStateValuesAreRefused)
{
    const StateCase cases[] = {
        {kIp1, {{3, 'i', "1"}}, SNMP_ERR_WRONGVALUE, 1, "neither valid nor invalid"},
        {kIp1, {{3, 'i', "4"}}, SNMP_ERR_WRONGVALUE, 1, "createAndGo is not a state"},
        {kIp1, {{3, 'i', "6"}}, SNMP_ERR_WRONGVALUE, 1, "destroy is not a state"},
        {kIp2, {{3, 'i', "0"}}, SNMP_ERR_WRONGVALUE, 1, "a missing row is not created by another value"},
        {kIp1, {{3, 's', "valid"}}, SNMP_ERR_WRONGTYPE, 1, "the state is an INTEGER"},
        {kIp2, {{4, 'i', "7"}}, SNMP_ERR_NOCREATION, 1, "a column alone does not create the row"},
        {kIp2, {{3, 'i', "3"}, {4, 's', "high"}}, SNMP_ERR_WRONGTYPE, 2, "a bad column fails the whole PDU"},
        {"3.105.112.50", {{3, 'i', "3"}}, SNMP_ERR_NOCREATION, 1, "the address part is missing"},
    };
    for (const auto& c : cases) {
        SnmpReply reply = Set(kRelayTable, c.instance, c.items);
        ASSERT_EQ(reply.stat, STAT_SUCCESS) << c.why;
        EXPECT_EQ(reply.errstat, c.errstat) << c.why;
        EXPECT_EQ(reply.errindex, c.errindex) << c.why;
        EXPECT_EQ(Walk(kRelayTable, kIp2), Row{}) << c.why;
        Row kept = Walk(kRelayTable, kIp1);
        EXPECT_EQ(kept[3], "INTEGER=3") << c.why;
        EXPECT_EQ(kept[4], "INTEGER=1") << c.why;
    }
}

TEST_F(SwitchRows, HolesOfADataFileAreServedAsHoles)
{
    // Declared defaults fill created rows only: the file's holes stay.
    EXPECT_EQ(Walk(kHoleTable, "1"), (Row{{1, "INTEGER=1"}, {2, "OCTETSTR=" + Hex("row1")}}));
    EXPECT_EQ(Walk(kHoleTable, "2"), (Row{{1, "INTEGER=2"}, {2, "OCTETSTR=" + Hex("row2")}, {3, "INTEGER=200"}}));
    EXPECT_EQ(Walk(kHoleTable, "4"), (Row{{1, "INTEGER=4"}}));

    // One step from row 1 of each column: the value column answers row 2,
    // the name column row 2, and the name column ends after row 3.
    SnmpReply reply = Next({Cell(kHoleTable, 2, "1"), Cell(kHoleTable, 3, "1"), Cell(kHoleTable, 2, "3")});
    ASSERT_EQ(reply.varbinds.size(), 3u);
    EXPECT_EQ(reply.varbinds[0].oid, Cell(kHoleTable, 2, "2"));
    EXPECT_EQ(reply.varbinds[1].oid, Cell(kHoleTable, 3, "2"));
    EXPECT_EQ(reply.varbinds[2].oid, Cell(kHoleTable, 3, "2"));

    SnmpTarget target = SnmpTarget::V2c(kReadCommunity);
    target.timeoutMs = 500;
    SnmpReply get = SnmpGet(port(), target, {Cell(kHoleTable, 3, "1")});
    ASSERT_EQ(get.varbinds.size(), 1u);
    EXPECT_EQ(get.varbinds[0].type, SNMP_NOSUCHINSTANCE);
}

}  // namespace
