// Gets and walks against the simulated switch, for every protocol version.
#include "test_request_support.h"

#include "VnException.h"
#include "VnMessages.h"

using namespace reqtest;

namespace {

class RequestGetTest : public RequestTest, public ::testing::WithParamInterface<Version> {};

INSTANTIATE_TEST_SUITE_P(Versions, RequestGetTest,
                         ::testing::Values(kV1, kV2c, kV3Md5Des, kV3ShaDes), VersionName);

const Rows kIntegerRows = {
    {"1", "one", "100", "1"},
    {"2", "two", "200", "1"},
    {"3", "three", "300", "1"},
    {"10", "ten", "1000", "1"},
};

TEST_P(RequestGetTest, WalksTablesOfEveryIndexKind)
{
    const struct {
        const VnSNMPVarDesc* table;
        unsigned keys;
        Rows rows;
        const char* why;
    } cases[] = {
        {kIntegerTable, 1, kIntegerRows, "integer index, read as a column too"},
        {kImpliedTable, 1,
         {{"alpha", "first", "1"}, {"beta", "second", "2"}, {"gamma", "third", "3"}},
         "IMPLIED string index decoded from the instance"},
        {kMacTable, 1,
         {{"001A2B3C4D5E", "server", "1"}, {"001A2B3C4D5F", "printer", "2"}, {"020000000001", "local", "65"}},
         "MAC index"},
        {kIpTable, 1,
         {{"10.0.0.1", "gateway", "255.255.255.0"},
          {"10.0.0.2", "syslog", "255.255.255.0"},
          {"192.168.1.20", "radius", "255.255.0.0"}},
         "IP address index"},
        {kUnitPortTable, 2,
         {{"1", "1", "uplink", "1000000000"}, {"1", "2", "server", "100000000"}, {"2", "1", "backup", "10000000"}},
         "two integer indexes"},
    };
    for (const auto& c : cases) {
        VnSNMPRequest request;
        Use(request, c.table, MVT_FMV, c.keys, GetParam());
        const WalkResult walk = WalkAsync(request);
        ASSERT_TRUE(walk.finished) << c.why;
        EXPECT_EQ(walk.exception, "") << c.why;
        EXPECT_EQ(walk.rows, c.rows) << c.why;
        EXPECT_EQ(walk.last.code, 0) << c.why << ": " << walk.last.text;
        EXPECT_TRUE(walk.last.endOfWalk) << c.why;
        EXPECT_EQ(walk.completions, static_cast<int>(c.rows.size()) + 1) << c.why;
        EXPECT_EQ(walk.last.agentAddress, "127.0.0.1");
        EXPECT_EQ(walk.last.agentPort, port());
        EXPECT_EQ(request.Outstanding(), 0);
    }
}

TEST_P(RequestGetTest, BlockingWalkReadsTheSameRows)
{
    VnSNMPRequest request;
    Use(request, kIntegerTable, MVT_UMV, 1, GetParam());
    EXPECT_EQ(WalkSync(request), kIntegerRows);
    // The reply that ended the walk left every column.
    EXPECT_EQ(Values(request.varList),
              std::vector<std::string>(4, "(NOTDONE)"));
}

TEST_P(RequestGetTest, ReadsScalarsOfEveryType)
{
    struct Scalar {
        const char* oid;
        unsigned syntax;
        const char* value;
    };
    std::vector<Scalar> scalars = {
        {"1.3.6.1.4.1.88406.999.9.1", VnSyntax::Integer, "-5"},
        {"1.3.6.1.4.1.88406.999.9.2", VnSyntax::DisplayStr, "display text"},
        {"1.3.6.1.4.1.88406.999.9.3", VnSyntax::OctetStr, "00FF7F80"},
        {"1.3.6.1.4.1.88406.999.9.4", VnSyntax::ObjectId, "1.3.6.1.4.1.88406.10.59.5"},
        {"1.3.6.1.4.1.88406.999.9.5", VnSyntax::IpAddress, "192.168.0.1"},
        {"1.3.6.1.4.1.88406.999.9.6", VnSyntax::Counter, "4294967295"},
        {"1.3.6.1.4.1.88406.999.9.7", VnSyntax::Gauge, "42"},
        {"1.3.6.1.4.1.88406.999.9.8", VnSyntax::TimeTicks, "1:00:00.00"},
        {"1.3.6.1.4.1.88406.999.9.11", VnSyntax::BitStr, "C0"},
    };
    // SNMPv1 has no Counter64.
    if (GetParam().version != 0)
        scalars.push_back({"1.3.6.1.4.1.88406.999.9.9", VnSyntax::Counter64, "18446744073709551615"});
    std::vector<VnSNMPVarDesc> table;
    std::vector<std::string> expected;
    for (const Scalar& s : scalars) {
        table.push_back({s.oid, "x", s.syntax, VnAccess::ReadOnly});
        expected.push_back(s.value);
    }
    table.push_back({});

    VnSNMPRequest request;
    Use(request, table.data(), SVT_SV, 0, GetParam());
    EXPECT_FALSE(request.Get(true)) << "a scalar group has no next row";
    EXPECT_EQ(Values(request.varList), expected);

    for (auto& v : request.varList.Item(0).value)
        v = '?';
    AsyncOutcome outcome;
    request.GetAsync(outcome.Completion(), true);
    ASSERT_TRUE(outcome.Wait());
    ASSERT_EQ(outcome.results.size(), 1u);
    EXPECT_EQ(outcome.results[0].code, 0);
    EXPECT_EQ(outcome.results[0].text, "(VnSNMP++) Ok!");
    EXPECT_TRUE(outcome.results[0].endOfWalk) << "always set for scalars";
    EXPECT_EQ(outcome.values, expected);
}

TEST_P(RequestGetTest, NextRowOfSingleValuesIsRefused)
{
    VnSNMPRequest request;
    Use(request, kIntegerTable, MVT_SV, 0, GetParam());
    try {
        request.Get(false);
        ADD_FAILURE();
    } catch (const VnException& e) {
        EXPECT_EQ(e.HelpContext(), kVnErrNextOnSingle);
    }
}

TEST_P(RequestGetTest, MissingScalarPerVersion)
{
    const VnSNMPVarDesc table[] = {{"1.3.6.1.4.1.88406.999.9.77", "x", VnSyntax::Integer, VnAccess::ReadOnly}, {}};
    VnSNMPRequest request;
    Use(request, table, SVT_SV, 0, GetParam());
    if (GetParam().version == 0) {
        try {
            request.Get(true);
            ADD_FAILURE() << "v1 answers noSuchName";
        } catch (const VnException& e) {
            EXPECT_EQ(e.HelpContext(), -102);
            EXPECT_STREQ(e.what(), "(SNMP) Variable does not exist!");
        }
        AsyncOutcome outcome;
        request.GetAsync(outcome.Completion(), true);
        ASSERT_TRUE(outcome.Wait());
        EXPECT_EQ(outcome.results[0].code, -102);
        EXPECT_EQ(outcome.results[0].errorIndex, 1);
        EXPECT_TRUE(outcome.results[0].endOfWalk);
        return;
    }
    EXPECT_FALSE(request.Get(true));
    EXPECT_EQ(request.varList.Item(0).value, "(NULL)") << "noSuchObject carries no value";
}

TEST_P(RequestGetTest, TimeOutReachesTheCompletion)
{
    sim().drop("1.3.6.1.4.1.88406.999");
    VnSNMPRequest request;
    Use(request, kIntegerTable, MVT_FMV, 1, GetParam());
    request.timeout = 20;
    AsyncOutcome outcome;
    QElapsedTimer clock;
    clock.start();
    request.GetAsync(outcome.Completion(), true);
    ASSERT_TRUE(outcome.Wait());
    EXPECT_GE(clock.elapsed(), 350) << "0.2 s and one retry";
    ASSERT_EQ(outcome.results.size(), 1u);
    EXPECT_EQ(outcome.results[0].code, kVnErrTimeout);
    EXPECT_EQ(outcome.results[0].text, "(SNMPClass) SNMP request timed out!");
    EXPECT_TRUE(outcome.results[0].endOfWalk);
    RunEvents(300);
    EXPECT_EQ(outcome.results.size(), 1u) << "exactly one completion";

    try {
        request.Get(true);
        ADD_FAILURE();
    } catch (const VnException& e) {
        EXPECT_EQ(e.HelpContext(), kVnErrTimeout);
    }
}

TEST_F(RequestTest, StopsWhenKeepGoingIsCleared)
{
    VnSNMPRequest request;
    Use(request, kIntegerTable, MVT_FMV, 1);
    request.keepGoing = false;
    EXPECT_FALSE(request.Get(true));
    AsyncOutcome outcome;
    request.GetAsync(outcome.Completion(), true);
    EXPECT_EQ(request.Outstanding(), 0);
    EXPECT_FALSE(request.Set(false, "", nullptr));
    RunEvents(100);
    EXPECT_TRUE(outcome.results.empty());
    EXPECT_TRUE(sim().sets().empty());
}

TEST_F(RequestTest, InvalidAddressIsRefusedBeforeSending)
{
    for (const char* address : {"no-such-host.invalid", "300.1.2.3", ""}) {
        VnSNMPRequest request;
        Use(request, kIntegerTable, MVT_FMV, 1);
        request.device.address = address;
        try {
            request.Get(true);
            ADD_FAILURE() << address;
        } catch (const VnException& e) {
            EXPECT_EQ(e.HelpContext(), kVnErrBadAddress) << address;
            EXPECT_STREQ(e.what(), "(VnSNMP++) Invalid IP Address or DNS name!");
        }
        EXPECT_THROW(request.GetAsync({}, true), VnException);
        EXPECT_EQ(request.Outstanding(), 0);
    }
}

TEST_F(RequestTest, BadItemTypeIsRefused)
{
    VnSNMPRequest request;
    Use(request, kIntegerTable, 7, 1);
    const auto code = [](const std::function<void()>& call) {
        try {
            call();
        } catch (const VnException& e) {
            return e.HelpContext();
        }
        return 0;
    };
    EXPECT_EQ(code([&] { request.Get(true); }), kVnErrBadItemType);
    EXPECT_EQ(code([&] { request.GetAsync({}, true); }), kVnErrBadItemType);
    EXPECT_EQ(code([&] { request.Set(false, "", nullptr); }), kVnErrBadItemType);
    EXPECT_EQ(request.Outstanding(), 0);
}

// Single values addressed through the list's name, as the front panels
// address one stack unit: get on it, or get-next in get-next mode.
TEST_F(RequestTest, SingleValuesAtTheListName)
{
    VnSNMPRequest request;
    Use(request, kIntegerTable, MVT_SV, 0);
    request.varList.name = "3";
    EXPECT_FALSE(request.Get(true));
    EXPECT_EQ(Values(request.varList), std::vector<std::string>({"3", "three", "300", "1"}));
    EXPECT_EQ(request.varList.Item(1).lastOid, REQTEST_T(1, 2) ".3");

    request.getNextMode = true;
    AsyncOutcome outcome;
    request.GetAsync(outcome.Completion(), true);
    ASSERT_TRUE(outcome.Wait());
    EXPECT_TRUE(outcome.results[0].endOfWalk);
    EXPECT_EQ(outcome.values, std::vector<std::string>({"10", "ten", "1000", "1"}));
}

TEST_F(RequestTest, RowFilterIsTheCallersTest)
{
    VnSNMPRequest request;
    Use(request, kIntegerTable, MVT_FMV, 1);
    request.rowFilter = "$1=\"two\"";
    Rows kept;
    for (bool first = true; request.Get(first); first = false) {
        if (request.TestRowFilter())
            kept.push_back(Values(request.varList));
    }
    EXPECT_EQ(kept, Rows({{"2", "two", "200", "1"}}));
}

TEST_F(RequestTest, ReadExpressionIsAppliedToEveryRow)
{
    const VnSNMPVarDesc table[] = {
        {REQTEST_T(1, 1), "Index", VnSyntax::Integer, VnAccess::ReadOnly},
        {REQTEST_T(1, 3), "Value", VnSyntax::Integer, VnAccess::ReadOnly},
        {"1.3.6.1.4.1.88406.999.1.1.99", "Double", VnSyntax::Integer, VnAccess::Derived, nullptr, "$1*2"},
        {},
    };
    VnSNMPRequest request;
    Use(request, table, MVT_FMV, 1);
    const Rows rows = WalkSync(request);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], std::vector<std::string>({"1", "100", "200"}));
    EXPECT_EQ(rows[3], std::vector<std::string>({"10", "1000", "2000"}));
}

} // namespace
