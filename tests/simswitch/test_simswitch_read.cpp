// Reading the simulated switch: get and get-next over v1, v2c and v3, and
// what it refuses.
#include "SimSwitchTest.h"
#include "SimValue.h"
#include "SnmpClient.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace simswitch;

namespace {

class SwitchRead : public SimSwitchTest {
protected:
    SimSwitchOptions switchOptions() const override { return withDataFile("testtables.sim"); }
};

struct NamedTarget {
    const char* name;
    SnmpTarget target;
};

std::vector<NamedTarget> EveryVersion()
{
    return {
        {"v1", SnmpTarget::V1(kReadCommunity)},
        {"v2c", SnmpTarget::V2c(kReadCommunity)},
        {"v3 SHA+DES", SnmpTarget::V3(kShaDesUser, "SHA", kShaPassword, "DES", kDesPassword)},
    };
}

// For requests that must go unanswered: answered ones keep the default
// time-out, which a loaded machine never reaches.
SnmpTarget Quick(SnmpTarget target)
{
    target.timeoutMs = 300;
    target.retries = 0;
    return target;
}

const char* const kSysName = "1.3.6.1.2.1.1.5.0";

struct NextCase {
    const char* from;
    const char* next;
    const char* why;
};

const NextCase kNextCases[] = {
    {"1.3.6.1", "1.3.6.1.2.1.1.1.0", "a walk from the top starts at sysDescr"},
    {"1.3.6.1.2.1.1.7.0", "1.3.6.1.2.1.2.1.0", "system to interfaces"},
    {"1.3.6.1.2.1.2.2.1.16.114", "1.3.6.1.2.1.16.1.1.1.1.1", "interfaces to RMON"},
    {"1.3.6.1.2.1.16.1.1.1.21.2", "1.3.6.1.2.1.17.1.1.0", "RMON to BRIDGE"},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5.114", "1.3.6.1.4.1.88406.11.59.5.2.1.1.3.1.3.1", "Q-BRIDGE to the enterprise tree"},
    {"1.3.6.1.2.1.1.5", "1.3.6.1.2.1.1.5.0", "an object to its instance"},
    {"1.3.6.1.4.1.88406.999.1.1.2.3", "1.3.6.1.4.1.88406.999.1.1.2.10", "integer index 3 before 10"},
    {"1.3.6.1.4.1.88406.999.2.1.2", "1.3.6.1.4.1.88406.999.2.1.2.97.108.112.104.97", "implied string index: alpha"},
    {"1.3.6.1.4.1.88406.999.2.1.2.98.101.116.97", "1.3.6.1.4.1.88406.999.2.1.2.103.97.109.109.97",
     "beta before gamma"},
    {"1.3.6.1.4.1.88406.999.3.1.2.0.26.43.60.77.95", "1.3.6.1.4.1.88406.999.3.1.2.2.0.0.0.0.1", "MAC index order"},
    {"1.3.6.1.4.1.88406.999.4.1.2.10.0.0.2", "1.3.6.1.4.1.88406.999.4.1.2.192.168.1.20", "IP index order"},
    {"1.3.6.1.4.1.88406.999.4.1.2.192.168.1.20", "1.3.6.1.4.1.88406.999.4.1.3.10.0.0.1", "end of a column"},
};

TEST_F(SwitchRead, GetNextFollowsLexicographicOrderAcrossSubtreesInEveryVersion)
{
    for (const auto& [name, target] : EveryVersion()) {
        SCOPED_TRACE(name);
        SnmpClient client(port(), target);
        for (const auto& c : kNextCases) {
            SnmpReply reply = client.GetNext({c.from});
            ASSERT_EQ(reply.stat, STAT_SUCCESS) << c.why;
            ASSERT_EQ(reply.errstat, 0) << c.why;
            ASSERT_EQ(reply.varbinds.size(), 1u);
            EXPECT_EQ(reply.varbinds[0].oid, c.next) << c.why;
        }
    }
}

TEST_F(SwitchRead, AWholeWalkIsStrictlyIncreasingAndEndsWithEndOfMibView)
{
    SnmpClient client(port(), SnmpTarget::V2c(kReadCommunity));
    std::string oid = "1.3.6.1";
    std::vector<std::string> seen;
    for (int guard = 0; guard < 5000; ++guard) {
        SnmpReply reply = client.GetNext({oid});
        ASSERT_EQ(reply.stat, STAT_SUCCESS);
        ASSERT_EQ(reply.varbinds.size(), 1u);
        if (reply.varbinds[0].type == SNMP_ENDOFMIBVIEW)
            break;
        auto previous = SimParseOid(oid);
        auto current = SimParseOid(reply.varbinds[0].oid);
        ASSERT_TRUE(previous && current);
        ASSERT_LT(*previous, *current) << "after " << oid;
        oid = reply.varbinds[0].oid;
        seen.push_back(oid);
    }
    EXPECT_EQ(seen.back(), "1.3.6.1.4.1.88406.999.9.12.0");
    // The module's start-up reads: unit table, slot modules, LEDs, RMON state.
    for (const char* needed : {"1.3.6.1.4.1.88406.12.11.1.9.4.1.10.2", "1.3.6.1.4.1.88406.11.59.5.2.1.1.3.1.3.2",
                               "1.3.6.1.4.1.88406.12.11.1.9.4.1.6.1", "1.3.6.1.4.1.88406.11.59.5.2.1.2.3.0"}) {
        EXPECT_NE(std::find(seen.begin(), seen.end(), needed), seen.end()) << needed;
    }
}

struct TypeCase {
    const char* oid;
    int type;
    const char* value;
};

const TypeCase kTypeCases[] = {
    {"1.3.6.1.4.1.88406.999.9.1.0", ASN_INTEGER, "-5"},
    {"1.3.6.1.4.1.88406.999.9.2.0", ASN_OCTET_STR, "646973706C61792074657874"},
    {"1.3.6.1.4.1.88406.999.9.3.0", ASN_OCTET_STR, "00FF7F80"},
    {"1.3.6.1.4.1.88406.999.9.4.0", ASN_OBJECT_ID, "1.3.6.1.4.1.88406.10.59.5"},
    {"1.3.6.1.4.1.88406.999.9.5.0", ASN_IPADDRESS, "192.168.0.1"},
    {"1.3.6.1.4.1.88406.999.9.6.0", ASN_COUNTER, "4294967295"},
    {"1.3.6.1.4.1.88406.999.9.7.0", ASN_GAUGE, "42"},
    {"1.3.6.1.4.1.88406.999.9.8.0", ASN_TIMETICKS, "360000"},
    {"1.3.6.1.4.1.88406.999.9.9.0", ASN_COUNTER64, "18446744073709551615"},
    {"1.3.6.1.4.1.88406.999.9.11.0", ASN_BIT_STR, "C0"},
    {"1.3.6.1.4.1.88406.12.11.1.9.4.1.10.2", ASN_OCTET_STR, "52512D3630353053"},
};

TEST_F(SwitchRead, GetAnswersEveryTypeAsTheDataFileSaysIt)
{
    SnmpClient client(port(), SnmpTarget::V2c(kReadCommunity));
    for (const auto& c : kTypeCases) {
        SnmpReply reply = client.Get({c.oid});
        ASSERT_EQ(reply.stat, STAT_SUCCESS) << c.oid;
        ASSERT_EQ(reply.varbinds.size(), 1u);
        EXPECT_EQ(reply.varbinds[0].type, c.type) << c.oid;
        EXPECT_EQ(reply.varbinds[0].value, c.value) << c.oid;
    }
}

TEST_F(SwitchRead, MissingObjectsAnswerPerVersion)
{
    SnmpClient v2(port(), SnmpTarget::V2c(kReadCommunity));
    // Instance missing, object present: noSuchInstance; no object: noSuchObject.
    SnmpReply reply = v2.Get({"1.3.6.1.2.1.1.5.1", "1.3.6.1.2.1.1.99.0", "1.3.6.1.4.1.88406.999.1.1.2.4"});
    ASSERT_EQ(reply.stat, STAT_SUCCESS);
    ASSERT_EQ(reply.varbinds.size(), 3u);
    EXPECT_EQ(reply.varbinds[0].type, SNMP_NOSUCHINSTANCE);
    EXPECT_EQ(reply.varbinds[1].type, SNMP_NOSUCHOBJECT);
    EXPECT_EQ(reply.varbinds[2].type, SNMP_NOSUCHINSTANCE) << "a missing row of a table";
    reply = v2.GetNext({"1.3.6.1.4.1.88406.999.9.12.0"});
    ASSERT_EQ(reply.varbinds.size(), 1u);
    EXPECT_EQ(reply.varbinds[0].type, SNMP_ENDOFMIBVIEW);

    SnmpClient v1(port(), SnmpTarget::V1(kReadCommunity));
    reply = v1.Get({kSysName, "1.3.6.1.2.1.1.99.0"});
    EXPECT_EQ(reply.errstat, SNMP_ERR_NOSUCHNAME);
    EXPECT_EQ(reply.errindex, 2);
    reply = v1.GetNext({"1.3.6.1.4.1.88406.999.9.12.0"});
    EXPECT_EQ(reply.errstat, SNMP_ERR_NOSUCHNAME);
    EXPECT_EQ(reply.errindex, 1);
}

TEST_F(SwitchRead, EveryDefaultV3UserReads)
{
    const SnmpTarget users[] = {
        SnmpTarget::V3(kNoAuthUser),
        SnmpTarget::V3(kMd5User, "MD5", kMd5Password),
        SnmpTarget::V3(kShaUser, "SHA", kShaPassword),
        SnmpTarget::V3(kMd5DesUser, "MD5", kMd5Password, "DES", kDesPassword),
        SnmpTarget::V3(kShaDesUser, "SHA", kShaPassword, "DES", kDesPassword),
    };
    for (const auto& user : users) {
        SnmpReply reply = SnmpGet(port(), user, {kSysName});
        ASSERT_EQ(reply.stat, STAT_SUCCESS) << user.user;
        ASSERT_EQ(reply.varbinds.size(), 1u);
        EXPECT_EQ(reply.varbinds[0].value, "72712D737461636B") << user.user;  // "rq-stack"
    }
}

TEST_F(SwitchRead, RefusesWhatARealAgentRefuses)
{
    // A wrong community gets no answer at all.
    SnmpReply reply = SnmpGet(port(), Quick(SnmpTarget::V2c("wrong")), {kSysName});
    EXPECT_EQ(reply.stat, STAT_TIMEOUT) << "v2c wrong community";
    reply = SnmpGet(port(), Quick(SnmpTarget::V1("wrong")), {kSysName});
    EXPECT_EQ(reply.stat, STAT_TIMEOUT) << "v1 wrong community";

    reply = SnmpGet(port(), SnmpTarget::V3("nobody"), {kSysName});
    EXPECT_EQ(reply.stat, STAT_ERROR);
    EXPECT_EQ(reply.libError, SNMPERR_UNKNOWN_USER_NAME);

    reply = SnmpGet(port(), SnmpTarget::V3(kMd5User, "MD5", "not-the-password"), {kSysName});
    EXPECT_EQ(reply.stat, STAT_ERROR);
    EXPECT_EQ(reply.libError, SNMPERR_AUTHENTICATION_FAILURE);

    // A level above the user's own.
    reply = SnmpGet(port(), SnmpTarget::V3(kMd5User, "MD5", kMd5Password, "DES", kDesPassword), {kSysName});
    EXPECT_EQ(reply.stat, STAT_ERROR);
    EXPECT_EQ(reply.libError, SNMPERR_UNSUPPORTED_SEC_LEVEL);
}

}  // namespace
