// Sets against the simulated switch: what goes on the wire (from the
// switch's record of sets), item lists and values, the list put back
// afterwards, error status per version and SNMPv3 security failures.
#include "test_request_support.h"

#include "VnException.h"
#include "VnMessages.h"

using namespace reqtest;

namespace {

using Varbinds = std::vector<std::tuple<std::string, std::string, std::string>>;

Varbinds Sent(const SimSwitch::SetPdu& pdu)
{
    Varbinds out;
    for (const auto& vb : pdu.varbinds)
        out.emplace_back(vb.oid, vb.type, vb.value);
    return out;
}

struct ListState {
    std::vector<unsigned> access;
    std::vector<std::string> values;
    std::vector<std::string> lastOids;
    explicit ListState(const VnSNMPVarList& list)
    {
        for (int i = 0; i < list.Count(); ++i) {
            access.push_back(list.Item(i).access);
            values.push_back(list.Item(i).value);
            lastOids.push_back(list.Item(i).lastOid);
        }
    }
    bool operator==(const ListState&) const = default;
};

int RaisedCode(const std::function<void()>& call)
{
    try {
        call();
    } catch (const VnException& e) {
        return e.HelpContext();
    }
    return 0;
}

const VnSNMPVarDesc kScalars[] = {
    {"1.3.6.1.4.1.88406.999.9.1", "Int", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.999.9.2", "Text", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.999.9.3", "Octets", VnSyntax::OctetStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.999.9.7", "Gauge", VnSyntax::Gauge, VnAccess::ReadWrite},
    {},
};

class RequestSetTest : public RequestTest, public ::testing::WithParamInterface<Version> {};

INSTANTIATE_TEST_SUITE_P(Versions, RequestSetTest,
                         ::testing::Values(kV1, kV2c, kV3Md5Des, kV3ShaDes), VersionName);

TEST_P(RequestSetTest, SendsTheWritableColumnsOfTheRow)
{
    VnSNMPRequest request;
    Use(request, kIntegerTable, MVT_FMV, 1, GetParam());
    ASSERT_TRUE(request.Get(true));
    ASSERT_TRUE(request.Get(false)); // the second row: 2, "two"
    request.varList.Item(1).value = "deux";
    request.varList.Item(2).value = "222";
    const ListState before(request.varList);

    AsyncOutcome outcome;
    request.SetAsync(outcome.Completion(), false, "", nullptr);
    ASSERT_TRUE(outcome.Wait());
    ASSERT_EQ(outcome.results.size(), 1u);
    EXPECT_EQ(outcome.results[0].code, 0) << outcome.results[0].text;
    EXPECT_TRUE(outcome.results[0].endOfWalk);
    EXPECT_EQ(ListState(request.varList), before);

    const auto sets = sim().sets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].status, "applied");
    EXPECT_EQ(sets[0].version, GetParam().version == 0 ? "v1" : GetParam().version == 1 ? "v2c" : "v3");
    EXPECT_EQ(sets[0].securityName, GetParam().version == 3 ? GetParam().user : simswitch::kWriteCommunity);
    // The key column is never sent; the row is addressed by its key.
    EXPECT_EQ(Sent(sets[0]), Varbinds({
                                 {REQTEST_T(1, 2) ".2", "OCTETSTR", "64657578"},
                                 {REQTEST_T(1, 3) ".2", "INTEGER", "222"},
                                 {REQTEST_T(1, 4) ".2", "INTEGER", "1"},
                             }));
    EXPECT_EQ(sim().get(REQTEST_T(1, 3) ".2")->value, "222");

    // The same with the blocking set.
    sim().clearSets();
    request.varList.Item(2).value = "333";
    EXPECT_FALSE(request.Set(false, "", nullptr));
    ASSERT_EQ(sim().sets().size(), 1u);
    EXPECT_EQ(sim().get(REQTEST_T(1, 3) ".2")->value, "333");
}

TEST_P(RequestSetTest, ErrorStatusPerVersion)
{
    const bool v1 = GetParam().version == 0;
    const struct {
        const char* oid;      // scalar made writable in the list
        const char* status;   // error the switch is told to answer, or "" for read-only
        int code;
        const char* why;
    } cases[] = {
        {"1.3.6.1.4.1.88406.999.9.12", "", v1 ? -102 : -117, "read-only object"},
        {"1.3.6.1.4.1.88406.999.9.1", "wrongValue", v1 ? -103 : -110, "wrong value"},
        {"1.3.6.1.4.1.88406.999.9.1", "genErr", -105, "general error"},
    };
    for (const auto& c : cases) {
        sim().clearFaults();
        if (*c.status)
            sim().error(std::string(c.oid) + ".0", c.status, "set");
        const VnSNMPVarDesc table[] = {
            {"1.3.6.1.4.1.88406.999.9.7", "Gauge", VnSyntax::Gauge, VnAccess::ReadWrite},
            {c.oid, "x", VnSyntax::Integer, VnAccess::ReadWrite},
            {},
        };
        VnSNMPRequest request;
        Use(request, table, SVT_SV, 0, GetParam());
        request.varList.Item(0).value = "5";
        request.varList.Item(1).value = "9";
        EXPECT_EQ(RaisedCode([&] { request.Set(false, "", nullptr); }), c.code) << c.why;

        AsyncOutcome outcome;
        request.SetAsync(outcome.Completion(), false, "", nullptr);
        ASSERT_TRUE(outcome.Wait()) << c.why;
        ASSERT_EQ(outcome.results.size(), 1u);
        EXPECT_EQ(outcome.results[0].code, c.code) << c.why;
        EXPECT_EQ(outcome.results[0].text, VnErrorText(c.code)) << c.why;
        EXPECT_EQ(outcome.results[0].errorIndex, 2) << c.why;
    }
}

TEST_F(RequestTest, ItemListSendsOnlyItsItemsAndPutsTheFlagsBack)
{
    VnSNMPRequest request;
    Use(request, kScalars, SVT_SV, 0);
    for (int i = 0; i < 4; ++i)
        request.varList.Item(i).value = i == 2 ? "01" : "1";
    request.varList.Item(1).access |= VnAccess::Invalid;  // marked out by the form already
    const ListState before(request.varList);

    EXPECT_FALSE(request.Set(false, "0,2", nullptr));
    EXPECT_EQ(ListState(request.varList), before);
    const VnSNMPValues values = {"17", "0"};
    AsyncOutcome outcome;
    request.SetAsync(outcome.Completion(), false, "2,0", &values);
    EXPECT_EQ(ListState(request.varList), before) << "put back before the reply";
    ASSERT_TRUE(outcome.Wait());
    EXPECT_EQ(outcome.results[0].code, 0);
    EXPECT_EQ(ListState(request.varList), before);

    const auto sets = sim().sets();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(Sent(sets[0]), Varbinds({{"1.3.6.1.4.1.88406.999.9.1.0", "INTEGER", "1"},
                                       {"1.3.6.1.4.1.88406.999.9.3.0", "OCTETSTR", "01"}}));
    // Values are taken by position in the item list.
    EXPECT_EQ(Sent(sets[1]), Varbinds({{"1.3.6.1.4.1.88406.999.9.1.0", "INTEGER", "0"},
                                       {"1.3.6.1.4.1.88406.999.9.3.0", "OCTETSTR", "17"}}));

    // An item already marked out comes back in when the item list names it.
    sim().clearSets();
    request.Set(false, "1", nullptr);
    ASSERT_EQ(sim().sets().size(), 1u);
    EXPECT_EQ(Sent(sim().sets()[0]), Varbinds({{"1.3.6.1.4.1.88406.999.9.2.0", "OCTETSTR", "31"}}));
    EXPECT_EQ(ListState(request.varList), before);
}

TEST_F(RequestTest, FailureBeforeSendingLeavesTheListAsItWas)
{
    VnSNMPRequest request;
    Use(request, kScalars, SVT_SV, 0);
    request.varList.Item(3).writeExpr = "$0*2";
    request.varList.Item(0).value = "4";
    const ListState before(request.varList);
    const VnSNMPValues one = {"17"};

    const struct {
        const char* why;
        int code;
        std::function<void()> call;
    } cases[] = {
        {"values list shorter than the item list", kVnErrIndexOutOfRange,
         [&] { request.Set(false, "0,2", &one); }},
        {"the same, asynchronous", kVnErrIndexOutOfRange,
         [&] { request.SetAsync({}, false, "0,2", &one); }},
        {"bad address after marking and expressions", kVnErrBadAddress,
         [&] {
             request.device.address = "no-such-host.invalid";
             request.Set(false, "3", &one);
         }},
        {"a write expression that cannot apply", kVnErrExprNullValue,
         [&] {
             request.device.address = "127.0.0.1";
             request.varList.Item(0).value = "(NULL)";
             request.SetAsync({}, false, "", nullptr);
         }},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RaisedCode(c.call), c.code) << c.why;
        request.varList.Item(0).value = "4";
        EXPECT_EQ(ListState(request.varList), before) << c.why;
        EXPECT_EQ(request.Outstanding(), 0) << c.why;
    }
    RunEvents(100);
    EXPECT_TRUE(sim().sets().empty());
}

TEST_F(RequestTest, WriteExpressionIsSentAndTakenBack)
{
    VnSNMPRequest request;
    Use(request, kScalars, SVT_SV, 0);
    request.varList.Item(0).value = "4";
    request.varList.Item(0).writeExpr = "$0*25";
    request.Set(false, "0", nullptr);
    ASSERT_EQ(sim().sets().size(), 1u);
    EXPECT_EQ(Sent(sim().sets()[0]), Varbinds({{"1.3.6.1.4.1.88406.999.9.1.0", "INTEGER", "100"}}));
    EXPECT_EQ(request.varList.Item(0).value, "4");
}

TEST_F(RequestTest, ColumnThatEndedIsNotSent)
{
    VnSNMPRequest request;
    Use(request, kIntegerTable, MVT_FMV, 1);
    request.varList.Item(0).value = "3";
    request.varList.Item(1).value = "(NOTDONE)";
    request.varList.Item(2).value = "7";
    request.varList.Item(3).value = "1";
    request.Set(false, "", nullptr);
    ASSERT_EQ(sim().sets().size(), 1u);
    EXPECT_EQ(Sent(sim().sets()[0]), Varbinds({{REQTEST_T(1, 3) ".3", "INTEGER", "7"},
                                               {REQTEST_T(1, 4) ".3", "INTEGER", "1"}}));
}

// A binding that came without value, or a column that ended during the
// walk, has nothing to write back: the item is left out. A set left with no
// item at all is refused, not sent for a success that wrote nothing.
TEST_F(RequestTest, ItemsWithoutValueAreLeftOut)
{
    VnSNMPRequest request;
    Use(request, kScalars, SVT_SV, 0);
    request.varList.Item(0).value = "(NULL)";
    request.varList.Item(1).value = "(NOTDONE)";
    request.varList.Item(2).value = "0A";
    request.Set(false, "0,1,2", nullptr);
    ASSERT_EQ(sim().sets().size(), 1u);
    EXPECT_EQ(Sent(sim().sets()[0]), Varbinds({{"1.3.6.1.4.1.88406.999.9.3.0", "OCTETSTR", "0A"}}));

    sim().clearSets();
    const ListState before(request.varList);
    for (bool async : {false, true}) {
        try {
            if (async)
                request.SetAsync({}, false, "0,1", nullptr);
            else
                request.Set(false, "0,1", nullptr);
            ADD_FAILURE() << "an empty set must be refused, async " << async;
        } catch (const VnSetRefused& e) {
            // The fields chosen that hold no value are named.
            EXPECT_EQ(e.what(), std::string("Int, Text: ") + kVnNoValueToSetText);
        }
        EXPECT_EQ(ListState(request.varList), before);
        EXPECT_EQ(request.Outstanding(), 0);
    }
    RunEvents(100);
    EXPECT_TRUE(sim().sets().empty());
}

// A table row is addressed by its index items; one without a usable value
// would address another row (".0" for a number) or none.
TEST_F(RequestTest, RowWithoutIndexValueIsRefusedBeforeSending)
{
    const struct {
        const char* key;
        const char* why;
    } cases[] = {
        {"(NOTDONE)", "no row selected and the index not bound to a control"},
        {"(NULL)", "an index received without value"},
        {"", "an empty index edit"},
        {"abc", "a number index that is no number would be row 0"},
        {"12abc", "nor may a number with a tail stand for 12"},
    };
    VnSNMPRequest request;
    Use(request, kIntegerTable, MVT_FMV, 1);
    for (const auto& c : cases) {
        request.varList.Item(0).value = c.key;
        request.varList.Item(1).value = "typed";
        request.varList.Item(2).value = "7";
        request.varList.Item(3).value = "(NOTDONE)";
        const ListState before(request.varList);
        for (bool async : {false, true}) {
            try {
                if (async)
                    request.SetAsync({}, false, "", nullptr);
                else
                    request.Set(false, "", nullptr);
                ADD_FAILURE() << c.why << ", async " << async;
            } catch (const VnSetRefused& e) {
                EXPECT_EQ(e.what(), std::string("Index: ") + kVnNoRowIndexText) << c.why;
                EXPECT_EQ(e.HelpContext(), kVnErrBadKeyCount) << c.why;
            }
            EXPECT_EQ(ListState(request.varList), before) << c.why;
            EXPECT_EQ(request.Outstanding(), 0) << c.why;
        }
    }
    RunEvents(100);
    EXPECT_TRUE(sim().sets().empty());

    request.varList.Item(0).value = " 3 ";
    request.Set(false, "", nullptr);
    ASSERT_EQ(sim().sets().size(), 1u);
    EXPECT_EQ(Sent(sim().sets()[0]), Varbinds({{REQTEST_T(1, 2) ".3", "OCTETSTR", "7479706564"},
                                               {REQTEST_T(1, 3) ".3", "INTEGER", "7"}}));
}

// A reply to a set with read back holds a binding per written item, which
// can be fewer than the readable items: that is a failure, not a read
// past the reply.
TEST_F(RequestTest, ReadBackOfAShortReplyFails)
{
    VnSNMPRequest request;
    Use(request, kIntegerTable, MVT_FMV, 1);
    const auto fill = [&] {
        const char* row[] = {"1", "one", "100", "1"};
        for (int i = 0; i < 4; ++i)
            request.varList.Item(i).value = row[i];
    };
    fill();
    EXPECT_EQ(RaisedCode([&] { request.Set(true, "", nullptr); }), -411);

    fill();  // read back wrote what it could
    AsyncOutcome outcome;
    request.SetAsync(outcome.Completion(), true, "", nullptr);
    ASSERT_TRUE(outcome.Wait());
    ASSERT_EQ(outcome.results.size(), 1u);
    EXPECT_EQ(outcome.results[0].code, -411);
    EXPECT_EQ(outcome.results[0].text, "(SNMPClass) Invalid Pdu!");
    EXPECT_TRUE(outcome.results[0].endOfWalk);
}

// SNMPv1 reports a read-only column as noSuchName. Only a walk may take
// noSuchName for the end of the MIB; a failed set stays a failure.
TEST_F(RequestTest, V1SetRefusedWithNoSuchNameIsAFailure)
{
    const VnSNMPVarDesc table[] = {
        {" ", "Key", VnSyntax::Integer, VnAccess::NotAccess},
        {REQTEST_T(1, 1), "Index", VnSyntax::Integer, VnAccess::ReadWrite},
        {},
    };
    VnSNMPRequest request;
    Use(request, table, MVT_FMV, 1, kV1);
    ASSERT_TRUE(request.Get(true));
    ASSERT_EQ(request.varList.Item(1).lastOid, REQTEST_T(1, 1) ".1");
    AsyncOutcome outcome;
    request.SetAsync(outcome.Completion(), false, "", nullptr);
    ASSERT_TRUE(outcome.Wait());
    EXPECT_EQ(outcome.results[0].code, kVnErrNoSuchName);
    EXPECT_EQ(outcome.results[0].text, "(SNMP) Variable does not exist!");
}

TEST_F(RequestTest, V3SecurityFailures)
{
    const struct {
        Version version;
        int code;
        const char* text;
    } cases[] = {
        {{"wrong_password", 3, simswitch::kMd5DesUser, kSecurityLevelAuthPriv, kAuthProtocolMd5,
          "not-the-password", kPrivProtocolDes, simswitch::kDesPassword},
         -308, "(SNMPv3USM) Authentication failure!"},
        {{"unknown_user", 3, "nobody", kSecurityLevelAuthPriv, kAuthProtocolSha, simswitch::kShaPassword,
          kPrivProtocolDes, simswitch::kDesPassword},
         -304, "(SNMPv3USM) Unknown SecurityName!"},
    };
    for (const auto& c : cases) {
        VnSNMPRequest request;
        Use(request, kScalars, SVT_SV, 0, c.version);
        try {
            request.Get(true);
            ADD_FAILURE() << c.version.label;
        } catch (const VnException& e) {
            EXPECT_EQ(e.HelpContext(), c.code) << c.version.label;
            EXPECT_STREQ(e.what(), c.text);
        }
        AsyncOutcome outcome;
        request.GetAsync(outcome.Completion(), true);
        ASSERT_TRUE(outcome.Wait());
        RunEvents(100);
        ASSERT_EQ(outcome.results.size(), 1u) << "one completion for a Report";
        EXPECT_EQ(outcome.results[0].code, c.code) << c.version.label;
        EXPECT_TRUE(outcome.results[0].endOfWalk);
    }
    EXPECT_TRUE(sim().sets().empty());
}

} // namespace
