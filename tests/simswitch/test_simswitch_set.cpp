// Writing to the simulated switch: whole-PDU sets, RowStatus rows, the
// errors of each version, access control and the record of what was sent.
#include "SimSwitchTest.h"
#include "SnmpClient.h"

#include <gtest/gtest.h>

using namespace simswitch;

namespace {

const char* const kSysName = "1.3.6.1.2.1.1.5.0";
const char* const kSysDescr = "1.3.6.1.2.1.1.1.0";
// Test table 1 (integer index): .1 index (read-only), .2 name, .3 value, .4 RowStatus.
const std::string kTable1 = "1.3.6.1.4.1.88406.999.1.1.";

class SwitchSet : public SimSwitchTest {
protected:
    SimSwitchOptions switchOptions() const override { return withDataFile("testtables.sim"); }

    SnmpReply Set(const std::vector<SnmpSetItem>& items, SnmpTarget target = SnmpTarget::V2c(kWriteCommunity))
    {
        target.timeoutMs = 300;
        return SnmpSet(port(), target, items);
    }

    std::string Value(const std::string& oid)
    {
        auto vb = sim().get(oid);
        return vb ? vb->value : "(absent)";
    }
};

TEST_F(SwitchSet, ASetUpdatesTheValueAndIsRecordedExactly)
{
    SnmpReply reply = Set({{kSysName, 's', "core-1"}, {kTable1 + "3.2", 'i', "-7"}});
    ASSERT_EQ(reply.stat, STAT_SUCCESS);
    ASSERT_EQ(reply.errstat, 0);
    EXPECT_EQ(Value(kSysName), "636F72652D31");
    EXPECT_EQ(Value(kTable1 + "3.2"), "-7");

    auto pdus = sim().sets();
    ASSERT_EQ(pdus.size(), 1u);
    EXPECT_EQ(pdus[0].version, "v2c");
    EXPECT_EQ(pdus[0].securityName, kWriteCommunity);
    EXPECT_EQ(pdus[0].status, "applied");
    ASSERT_EQ(pdus[0].varbinds.size(), 2u);
    EXPECT_EQ(pdus[0].varbinds[0].oid, kSysName);
    EXPECT_EQ(pdus[0].varbinds[0].type, "OCTETSTR");
    EXPECT_EQ(pdus[0].varbinds[0].value, "636F72652D31");
    EXPECT_EQ(pdus[0].varbinds[1].type, "INTEGER");
    EXPECT_EQ(pdus[0].varbinds[1].value, "-7");

    sim().clearSets();
    EXPECT_TRUE(sim().sets().empty());
}

TEST_F(SwitchSet, AV3SetIsRecordedWithItsUser)
{
    SnmpReply reply = Set({{kSysName, 's', "v3"}}, SnmpTarget::V3(kShaDesUser, "SHA", kShaPassword, "DES", kDesPassword));
    ASSERT_EQ(reply.stat, STAT_SUCCESS);
    EXPECT_EQ(reply.errstat, 0);
    auto pdus = sim().sets();
    ASSERT_EQ(pdus.size(), 1u);
    EXPECT_EQ(pdus[0].version, "v3");
    EXPECT_EQ(pdus[0].securityName, kShaDesUser);
    EXPECT_EQ(pdus[0].status, "applied");
}

TEST_F(SwitchSet, CreateAndGoCreatesTheRowWithItsColumnsInOnePdu)
{
    SnmpReply reply = Set({{kTable1 + "4.20", 'i', "4"}, {kTable1 + "2.20", 's', "twenty"}, {kTable1 + "3.20", 'i', "2000"}});
    ASSERT_EQ(reply.stat, STAT_SUCCESS);
    ASSERT_EQ(reply.errstat, 0);
    EXPECT_EQ(Value(kTable1 + "4.20"), "1") << "createAndGo leaves the row active";
    EXPECT_EQ(Value(kTable1 + "2.20"), "7477656E7479");
    EXPECT_EQ(Value(kTable1 + "3.20"), "2000");

    // A new row shows in a walk between its neighbours.
    SnmpReply next = SnmpGetNext(port(), SnmpTarget::V2c(kReadCommunity), {kTable1 + "2.10"});
    ASSERT_EQ(next.varbinds.size(), 1u);
    EXPECT_EQ(next.varbinds[0].oid, kTable1 + "2.20");
}

TEST_F(SwitchSet, ARowIsNotCreatedWhenAnyColumnOfThePduFails)
{
    // The name column holds strings: an INTEGER there fails the whole PDU.
    SnmpReply reply = Set({{kTable1 + "4.21", 'i', "4"}, {kTable1 + "3.21", 'i', "5"}, {kTable1 + "2.21", 'i', "9"}});
    ASSERT_EQ(reply.stat, STAT_SUCCESS);
    EXPECT_EQ(reply.errstat, SNMP_ERR_WRONGTYPE);
    EXPECT_EQ(reply.errindex, 3);
    EXPECT_EQ(Value(kTable1 + "4.21"), "(absent)");
    EXPECT_EQ(Value(kTable1 + "3.21"), "(absent)");
    auto pdus = sim().sets();
    ASSERT_EQ(pdus.size(), 1u);
    EXPECT_EQ(pdus[0].status, "received") << "recorded, not applied";
}

TEST_F(SwitchSet, APduSpanningSubtreesIsAllOrNothing)
{
    SnmpReply reply = Set({{kSysName, 's', "changed"}, {kTable1 + "3.1", 's', "wrong type"}});
    EXPECT_EQ(reply.errstat, SNMP_ERR_WRONGTYPE);
    EXPECT_EQ(reply.errindex, 2);
    EXPECT_EQ(Value(kSysName), "72712D737461636B") << "sysName kept";
}

TEST_F(SwitchSet, CreateAndWaitLeavesTheRowNotInService)
{
    SnmpReply reply = Set({{kTable1 + "4.30", 'i', "5"}});
    ASSERT_EQ(reply.errstat, 0);
    EXPECT_EQ(Value(kTable1 + "4.30"), "2");
    reply = Set({{kTable1 + "2.30", 's', "later"}, {kTable1 + "4.30", 'i', "1"}});
    ASSERT_EQ(reply.errstat, 0);
    EXPECT_EQ(Value(kTable1 + "4.30"), "1");
    EXPECT_EQ(Value(kTable1 + "2.30"), "6C61746572");
}

TEST_F(SwitchSet, DestroyRemovesEveryColumnOfTheRow)
{
    SnmpReply reply = Set({{kTable1 + "4.2", 'i', "6"}});
    ASSERT_EQ(reply.errstat, 0);
    for (const char* column : {"1", "2", "3", "4"})
        EXPECT_EQ(Value(kTable1 + column + ".2"), "(absent)") << "column " << column;
    EXPECT_EQ(Value(kTable1 + "2.3"), "7468726565") << "the next row stays";
    SnmpReply next = SnmpGetNext(port(), SnmpTarget::V2c(kReadCommunity), {kTable1 + "2.1"});
    ASSERT_EQ(next.varbinds.size(), 1u);
    EXPECT_EQ(next.varbinds[0].oid, kTable1 + "2.3");
}

struct IndexCase {
    const char* entry;     // table entry OID with the trailing dot
    const char* index;     // instance
    char nameType;
    const char* why;
};

const IndexCase kIndexCases[] = {
    {"1.3.6.1.4.1.88406.999.2.1.", "100.101.108.116.97", 's', "IMPLIED octet-string index \"delta\""},
    {"1.3.6.1.4.1.88406.999.3.1.", "0.26.43.60.77.96", 's', "MAC address index"},
    {"1.3.6.1.4.1.88406.999.4.1.", "172.16.0.9", 's', "IP address index"},
    {"1.3.6.1.4.1.88406.999.5.1.", "3.7", 's', "two integer indexes"},
};

TEST_F(SwitchSet, RowsOfEveryIndexKindAreCreatedAndDestroyed)
{
    for (const auto& c : kIndexCases) {
        std::string status = std::string(c.entry) + "4." + c.index;
        std::string column3 = std::string(c.entry) + "3." + c.index;
        // Column 3 of table 4 holds addresses, elsewhere integers.
        bool addressColumn = std::string(c.entry).find(".999.4.") != std::string::npos;
        SnmpReply reply = Set({{status, 'i', "4"}, {column3, addressColumn ? 'a' : 'i', addressColumn ? "255.0.0.0" : "1"}});
        ASSERT_EQ(reply.errstat, 0) << c.why;
        EXPECT_EQ(Value(status), "1") << c.why;
        reply = Set({{status, 'i', "6"}});
        ASSERT_EQ(reply.errstat, 0) << c.why;
        EXPECT_EQ(Value(status), "(absent)") << c.why;
        EXPECT_EQ(Value(column3), "(absent)") << c.why;
    }
}

struct ErrorCase {
    std::vector<SnmpSetItem> items;
    long v2Status;
    long v1Status;
    long errindex;
    const char* why;
};

std::vector<ErrorCase> ErrorCases()
{
    return {
        {{{kSysName, 'i', "5"}}, SNMP_ERR_WRONGTYPE, SNMP_ERR_BADVALUE, 1, "wrong type for an existing object"},
        {{{kSysName, 's', "ok"}, {kSysDescr, 's', "x"}}, SNMP_ERR_NOTWRITABLE, SNMP_ERR_NOSUCHNAME, 2,
         "read-only object"},
        {{{kTable1 + "1.1", 'i', "9"}}, SNMP_ERR_NOTWRITABLE, SNMP_ERR_NOSUCHNAME, 1, "read-only column"},
        {{{"1.3.6.1.4.1.88406.999.9.99.0", 'i', "1"}}, SNMP_ERR_NOCREATION, SNMP_ERR_NOSUCHNAME, 1,
         "missing scalar: nothing to create it"},
        {{{kTable1 + "2.40", 's', "x"}}, SNMP_ERR_NOCREATION, SNMP_ERR_NOSUCHNAME, 1,
         "column of a missing row without its RowStatus"},
        {{{kTable1 + "4.1", 'i', "4"}}, SNMP_ERR_INCONSISTENTVALUE, SNMP_ERR_BADVALUE, 1,
         "createAndGo on an existing row"},
        {{{kTable1 + "4.41", 'i', "1"}}, SNMP_ERR_INCONSISTENTVALUE, SNMP_ERR_BADVALUE, 1, "active on a missing row"},
        {{{kTable1 + "4.1", 'i', "3"}}, SNMP_ERR_WRONGVALUE, SNMP_ERR_BADVALUE, 1, "notReady is never set"},
        {{{kTable1 + "4.1", 's', "active"}}, SNMP_ERR_WRONGTYPE, SNMP_ERR_BADVALUE, 1, "RowStatus is an INTEGER"},
        {{{"1.3.6.1.3.1.0", 'i', "1"}}, SNMP_ERR_NOTWRITABLE, SNMP_ERR_NOSUCHNAME, 1, "outside every served subtree"},
    };
}

TEST_F(SwitchSet, ErrorsAreAnsweredPerVersionAndChangeNothing)
{
    for (const auto& c : ErrorCases()) {
        std::string before = Value(kSysName);
        SnmpReply v2 = Set(c.items);
        ASSERT_EQ(v2.stat, STAT_SUCCESS) << c.why;
        EXPECT_EQ(v2.errstat, c.v2Status) << c.why;
        EXPECT_EQ(v2.errindex, c.errindex) << c.why;
        SnmpReply v1 = Set(c.items, SnmpTarget::V1(kWriteCommunity));
        ASSERT_EQ(v1.stat, STAT_SUCCESS) << c.why;
        EXPECT_EQ(v1.errstat, c.v1Status) << c.why << " (v1)";
        EXPECT_EQ(Value(kSysName), before) << c.why;
    }
    for (const auto& pdu : sim().sets())
        EXPECT_EQ(pdu.status, "received");
}

TEST_F(SwitchSet, TheReadOnlyCommunityCannotWrite)
{
    // Without VACM every community could write: this proves it is on.
    SnmpReply reply = Set({{kSysName, 's', "hijack"}}, SnmpTarget::V2c(kReadCommunity));
    ASSERT_EQ(reply.stat, STAT_SUCCESS);
    EXPECT_EQ(reply.errstat, SNMP_ERR_NOACCESS);
    reply = Set({{kSysName, 's', "hijack"}}, SnmpTarget::V1(kReadCommunity));
    ASSERT_EQ(reply.stat, STAT_SUCCESS);
    EXPECT_EQ(reply.errstat, SNMP_ERR_NOSUCHNAME);
    EXPECT_EQ(Value(kSysName), "72712D737461636B");
}

TEST_F(SwitchSet, AWrongCommunityGetsNoAnswerButTheSetIsRecorded)
{
    SnmpReply reply = Set({{kSysName, 's', "hijack"}}, SnmpTarget::V2c("guess"));
    EXPECT_EQ(reply.stat, STAT_TIMEOUT);
    EXPECT_EQ(Value(kSysName), "72712D737461636B");
    auto pdus = sim().sets();
    ASSERT_EQ(pdus.size(), 1u);
    EXPECT_EQ(pdus[0].securityName, "guess");
    EXPECT_EQ(pdus[0].status, "received");
}

TEST_F(SwitchSet, AReadOnlyV3UserCannotWrite)
{
    TempSimData extra("user reader ro MD5 readerpass\n");
    SimSwitchOptions options;
    options.dataFiles = {extra.path()};
    SimSwitch local(options);
    SnmpTarget reader = SnmpTarget::V3("reader", "MD5", "readerpass");
    reader.timeoutMs = 300;
    SnmpReply reply = SnmpGet(local.port(), reader, {kSysName});
    ASSERT_EQ(reply.stat, STAT_SUCCESS);
    EXPECT_EQ(reply.errstat, 0);
    reply = SnmpSet(local.port(), reader, {{kSysName, 's', "x"}});
    ASSERT_EQ(reply.stat, STAT_SUCCESS);
    EXPECT_NE(reply.errstat, 0);
    EXPECT_EQ(local.get(kSysName)->value, "72712D737461636B");
}

}  // namespace
