// Replies that are not what was asked (tools/simswitch/data/reply-types.sim):
// a value whose type the item's syntax cannot read, and a get-next that
// leaves the item's column, are no value for the item and fail the read
// with a text naming what the agent sent; never "Ok".
#include "test_request_support.h"

#include "VnException.h"
#include "VnMessages.h"
#include "VnReplyCheck.h"

using namespace reqtest;

namespace {

#define REPLYTEST(n) "1.3.6.1.4.1.88406.993." n

const char* const N = kVnNotDoneValue;

class ReplyTypesTest : public SessionSwitchTest {
protected:
    ReplyTypesTest() : SessionSwitchTest("reply-types.sim") {}
    void Use(VnSNMPRequest& request, const std::vector<VnSNMPVarDesc>& items, unsigned char type,
             unsigned keys = 0)
    {
        std::vector<VnSNMPVarDesc> table = items;
        table.push_back({});
        request.varList = VnSNMPVarList(table.data(), type, keys);
        Aim(request, port(), kV2c);
    }
};

// The blocking read's exception, "" when it returned.
struct Raised {
    int code = 0;
    std::string text;
};
template <typename F>
Raised RaisedBy(F&& call)
{
    try {
        call();
    } catch (const VnException& e) {
        return {e.HelpContext(), e.what()};
    }
    return {};
}

} // namespace

TEST_F(ReplyTypesTest, ScalarOfAnotherTypeIsNoValueAndAFailure)
{
    const struct {
        const char* oid;
        unsigned syntax;
        const char* text;  // "" when the value is readable
        const char* value;
    } cases[] = {
        {REPLYTEST("1.1"), S::Integer, "1.3.6.1.4.1.88406.993.1.1.0 = OCTET STRING: \"abc\" (INTEGER expected)", N},
        {REPLYTEST("1.2"), S::OctetStr, "1.3.6.1.4.1.88406.993.1.2.0 = INTEGER: 7 (OCTET STRING expected)", N},
        {REPLYTEST("1.3"), S::MacAddress, "1.3.6.1.4.1.88406.993.1.3.0 = IpAddress: 10.0.0.1 (OCTET STRING expected)",
         N},
        {REPLYTEST("1.4"), S::Gauge, "1.3.6.1.4.1.88406.993.1.4.0 = Counter64: 5000000000 (Gauge32 expected)", N},
        {REPLYTEST("1.5"), S::IpAddress,
         "1.3.6.1.4.1.88406.993.1.5.0 = OBJECT IDENTIFIER: 1.3.6.1.4.1 (IpAddress expected)", N},
        {REPLYTEST("1.6"), S::Integer, "", "5"},
        {REPLYTEST("1.7"), S::Integer, "", "9"},
        {REPLYTEST("1.4"), S::Counter64, "", "5000000000"},
        {REPLYTEST("1.8"), S::OctetStr, "", "0102"},
    };
    for (const auto& c : cases) {
        const std::string expected = *c.text ? std::string("(VnSNMP++) Unexpected reply: ") + c.text + "!" : "";
        VnSNMPRequest request;
        Use(request, {{c.oid, "Item", c.syntax, A::ReadOnly}}, SVT_SV);
        const Raised raised = RaisedBy([&] { request.Get(true); });
        EXPECT_EQ(raised.text, expected) << c.oid;
        EXPECT_EQ(raised.code, *c.text ? kVnErrBadSyntax : 0) << c.oid;
        EXPECT_EQ(request.varList.Item(0).value, c.value) << c.oid;

        request.varList.Item(0).value = "stale";
        AsyncOutcome outcome;
        request.GetAsync(outcome.Completion(), true);
        ASSERT_TRUE(outcome.Wait()) << c.oid;
        EXPECT_EQ(outcome.results[0].code, *c.text ? kVnErrBadSyntax : kVnOk) << c.oid;
        EXPECT_EQ(outcome.results[0].text, *c.text ? expected : VnErrorText(kVnOk)) << c.oid;
        EXPECT_TRUE(outcome.results[0].endOfWalk);
        EXPECT_EQ(outcome.values, std::vector<std::string>{c.value}) << c.oid;
    }
}

// The items that came as asked keep their values; the read still fails,
// naming the first binding that did not.
TEST_F(ReplyTypesTest, GroupWithOneBadBindingFails)
{
    VnSNMPRequest request;
    Use(request,
        {{REPLYTEST("1.6"), "Good", S::Integer, A::ReadOnly},
         {REPLYTEST("1.2"), "Bad", S::DisplayStr, A::ReadOnly},
         {REPLYTEST("1.8"), "Octets", S::OctetStr, A::ReadOnly},
         {REPLYTEST("1.1"), "AlsoBad", S::Integer, A::ReadOnly}},
        SVT_SV);
    AsyncOutcome outcome;
    request.GetAsync(outcome.Completion(), true);
    ASSERT_TRUE(outcome.Wait());
    EXPECT_EQ(outcome.results[0].code, kVnErrBadSyntax);
    EXPECT_EQ(outcome.results[0].text,
              "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.88406.993.1.2.0 = INTEGER: 7 (OCTET STRING expected)!");
    EXPECT_EQ(outcome.values, (std::vector<std::string>{"5", N, "0102", N}));
}

// A list read with get-next takes any instance inside the item's column;
// an answer from the next object is no value for it.
TEST_F(ReplyTypesTest, GetNextThatLeavesTheColumnIsNoValue)
{
    VnSNMPRequest request;
    Use(request,
        {{REPLYTEST("3.1"), "Inside", S::Integer, A::ReadOnly},
         {REPLYTEST("3.2"), "Leaves", S::Integer, A::ReadOnly}},
        MVT_SV);
    request.varList.name = "1";
    request.getNextMode = true;
    const std::string expected = "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.88406.993.3.3.1 = OCTET STRING: "
                                 "\"next object\" (the next in 1.3.6.1.4.1.88406.993.3.2 asked)!";
    const Raised raised = RaisedBy([&] { request.Get(true); });
    EXPECT_EQ(raised.code, kVnErrBadSyntax);
    EXPECT_EQ(raised.text, expected);
    EXPECT_EQ(Values(request.varList), (std::vector<std::string>{"50", N}));

    AsyncOutcome outcome;
    request.GetAsync(outcome.Completion(), true);
    ASSERT_TRUE(outcome.Wait());
    EXPECT_EQ(outcome.results[0].code, kVnErrBadSyntax);
    EXPECT_EQ(outcome.results[0].text, expected);

    // Read with get, the same list asks for exactly instance 1.
    request.getNextMode = false;
    const Raised get = RaisedBy([&] { request.Get(true); });
    EXPECT_EQ(get.code, 0) << get.text;
    EXPECT_EQ(Values(request.varList), (std::vector<std::string>{"(NULL)", "21"}));
}

// A table cell of another type is no value in its own row; the walk
// delivers every row and then fails, naming the cell.
TEST_F(ReplyTypesTest, WalkDeliversEveryRowThenFails)
{
    const std::vector<VnSNMPVarDesc> table = {{REPLYTEST("2.1.1"), "Index", S::Integer, A::ReadOnly},
                                              {REPLYTEST("2.1.2"), "Value", S::Integer, A::ReadOnly}};
    const Rows rows = {{"1", "10"}, {"2", N}, {"3", "30"}};
    const std::string expected =
        "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.88406.993.2.1.2.2 = OCTET STRING: \"oops\" (INTEGER expected)!";
    VnSNMPRequest request;
    Use(request, table, MVT_FMV, 1);
    const WalkResult walk = WalkAsync(request);
    ASSERT_TRUE(walk.finished);
    EXPECT_EQ(walk.rows, rows);
    EXPECT_EQ(walk.last.code, kVnErrBadSyntax);
    EXPECT_EQ(walk.last.text, expected);
    EXPECT_TRUE(walk.last.endOfWalk);

    Rows read;
    const Raised raised = RaisedBy([&] {
        for (bool first = true; request.Get(first); first = false)
            read.push_back(Values(request.varList));
    });
    EXPECT_EQ(read, rows);
    EXPECT_EQ(raised.code, kVnErrBadSyntax);
    EXPECT_EQ(raised.text, expected);

    // The next walk starts without the old failure.
    Use(request, {{REPLYTEST("2.1.1"), "Index", S::Integer, A::ReadOnly}}, MVT_FMV, 1);
    const WalkResult clean = WalkAsync(request);
    EXPECT_EQ(clean.last.code, kVnOk) << clean.last.text;
    EXPECT_EQ(clean.rows, (Rows{{"1"}, {"2"}, {"3"}}));
}

// A number beyond its 32-bit type (a 64-bit count in a Counter32) is no
// value: Net-SNMP keeps its low 32 bits, which would show 0 under Ok. The
// read fails naming the number as the agent sent it, in SNMPv2c and v3
// (where it is read once USM has decrypted the reply).
TEST_F(ReplyTypesTest, NumberBeyondItsTypeIsNoValueAndAFailure)
{
    const struct {
        const char* oid;
        unsigned syntax;
        const char* text;  // "" when the value fits
        const char* value;
    } cases[] = {
        {REPLYTEST("5.1"), S::Counter,
         "1.3.6.1.4.1.88406.993.5.1.0 = Counter32: 1099511627776 (out of range for Counter32)", N},
        {REPLYTEST("5.2"), S::Gauge, "1.3.6.1.4.1.88406.993.5.2.0 = Gauge32: 4294967296 (out of range for Gauge32)",
         N},
        {REPLYTEST("5.3"), S::TimeTicks,
         "1.3.6.1.4.1.88406.993.5.3.0 = TimeTicks: 1099511627776 (out of range for TimeTicks)", N},
        {REPLYTEST("5.4"), S::Integer, "1.3.6.1.4.1.88406.993.5.4.0 = INTEGER: 2147483648 (out of range for INTEGER)",
         N},
        {REPLYTEST("5.5"), S::Counter, "", "4294967295"},
    };
    for (const Version& version : {kV2c, kV3Md5Des}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.oid) + ", " + version.label);
            const std::string expected = *c.text ? std::string("(VnSNMP++) Unexpected reply: ") + c.text + "!" : "";
            VnSNMPRequest request;
            Use(request, {{c.oid, "Item", c.syntax, A::ReadOnly}}, SVT_SV);
            Aim(request, port(), version);
            const Raised raised = RaisedBy([&] { request.Get(true); });
            EXPECT_EQ(raised.text, expected);
            EXPECT_EQ(raised.code, *c.text ? kVnErrBadSyntax : 0);
            EXPECT_EQ(request.varList.Item(0).value, c.value);

            AsyncOutcome outcome;
            request.GetAsync(outcome.Completion(), true);
            ASSERT_TRUE(outcome.Wait());
            EXPECT_EQ(outcome.results[0].text, *c.text ? expected : VnErrorText(kVnOk));
            EXPECT_EQ(outcome.values, std::vector<std::string>{c.value});
        }
    }
}

TEST_F(ReplyTypesTest, ACountBeyondItsTypeIsAHoleInItsRowAndFailsTheWalk)
{
    VnSNMPRequest request;
    Use(request,
        {{REPLYTEST("6.1.1"), "Index", S::Integer, A::ReadOnly}, {REPLYTEST("6.1.2"), "Packets", S::Counter, A::ReadOnly}},
        MVT_FMV, 1);
    const WalkResult walk = WalkAsync(request);
    ASSERT_TRUE(walk.finished);
    EXPECT_EQ(walk.rows, (Rows{{"1", "10"}, {"2", N}, {"3", "30"}}));
    EXPECT_EQ(walk.last.code, kVnErrBadSyntax);
    EXPECT_EQ(walk.last.text, "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.88406.993.6.1.2.2 = Counter32: 1099511627776 "
                              "(out of range for Counter32)!");
}

// An agent may write its reply in an encoding that Net-SNMP reads but few
// agents send (tools/simswitch `encoding`). The reply's octets are then
// followed all the same: a count beyond its type still fails the read and
// a number that fits still reads. A reply that cannot be checked (its
// error status written as 2^32, which Net-SNMP reads as noError) fails
// whatever it holds. Never Ok with a number cut to 32 bits.
TEST_F(ReplyTypesTest, UnusualEncodingsHideNoNumberBeyondItsType)
{
    const std::string outOfRange = "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.88406.993.5.1.0 = Counter32: "
                                   "1099511627776 (out of range for Counter32)!";
    const struct {
        const char* encoding;
        std::string text;     // a read of the count that fits, then the one that does not
        std::string fitting;  // a read of the count that fits alone
    } cases[] = {
        {"long-lengths", outOfRange, ""},
        {"wide-id", outOfRange, ""},
        {"community-tag", outOfRange, ""},
        {"nested", outOfRange, ""},
        {"wide-status", UncheckedReplyText(), UncheckedReplyText()},
    };
    const VnSNMPVarDesc fits{REPLYTEST("5.5"), "Fits", S::Counter, A::ReadOnly};
    const VnSNMPVarDesc wide{REPLYTEST("5.1"), "Wide", S::Counter, A::ReadOnly};
    for (const auto& c : cases) {
        sim().command(std::string("encoding ") + REPLYTEST("5") + " " + c.encoding);
        for (const auto& [items, expected, version] :
             {std::tuple{std::vector{fits, wide}, c.text, kV2c}, std::tuple{std::vector{fits}, c.fitting, kV2c},
              std::tuple{std::vector{fits}, c.fitting, kV1}}) {
            SCOPED_TRACE(std::string(c.encoding) + ", " + std::to_string(items.size()) + " items, "
                         + version.label);
            // What a read that fails on the reply as a whole leaves: the
            // values shown before it.
            const std::vector<std::string> before(items.size(), "stale");
            std::vector<std::string> after = {"4294967295", N};
            after.resize(items.size());
            if (expected == UncheckedReplyText())
                after = before;

            VnSNMPRequest request;
            Use(request, items, SVT_SV);
            Aim(request, port(), version);
            for (int i = 0; i < request.varList.Count(); ++i)
                request.varList.Item(i).value = "stale";
            const Raised raised = RaisedBy([&] { request.Get(true); });
            EXPECT_EQ(raised.text, expected);
            EXPECT_EQ(raised.code, expected.empty() ? 0 : kVnErrBadSyntax);
            EXPECT_EQ(Values(request.varList), after);

            for (int i = 0; i < request.varList.Count(); ++i)
                request.varList.Item(i).value = "stale";
            AsyncOutcome outcome;
            request.GetAsync(outcome.Completion(), true);
            ASSERT_TRUE(outcome.Wait());
            EXPECT_EQ(outcome.results[0].code, expected.empty() ? kVnOk : kVnErrBadSyntax);
            EXPECT_EQ(outcome.results[0].text, expected.empty() ? VnErrorText(kVnOk) : expected);
            EXPECT_EQ(outcome.values, after);
        }
    }
}
