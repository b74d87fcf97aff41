// A request's life around its asynchronous replies: destroyed with
// replies outstanding, destroyed from its own completion, completions
// that throw, replies that cannot be converted, and walks that end at the
// end of the agent's MIB or in a sparse table.
#include "test_request_support.h"

#include "VnException.h"
#include "VnMessages.h"

#include <memory>
#include <stdexcept>

using namespace reqtest;

namespace {

TEST_F(RequestTest, DestroyedWithAReplyOutstandingWaitsForIt)
{
    sim().delay("1.3.6.1.4.1.88406.999.1", 400);
    int completions = 0;
    auto request = std::make_unique<VnSNMPRequest>();
    Use(*request, kIntegerTable, MVT_FMV, 1);
    request->GetAsync([&](const VnSNMPError&, VnSNMPVarList&) { ++completions; }, true);
    ASSERT_EQ(request->Outstanding(), 1);

    QElapsedTimer clock;
    clock.start();
    request.reset();
    const qint64 waited = clock.elapsed();
    EXPECT_GE(waited, 250) << "the reply was on its way";
    EXPECT_LT(waited, 3000) << "the reply ended the wait, not the bound";
    RunEvents(600);
    EXPECT_EQ(completions, 0) << "the owner of a request being destroyed gets no completion";
}

TEST_F(RequestTest, DestroyedWhileTheAgentIsSilentWaitsAtMostSixSeconds)
{
    sim().drop("1.3.6.1.4.1.88406.999");
    int completions = 0;
    auto request = std::make_unique<VnSNMPRequest>();
    Use(*request, kIntegerTable, MVT_FMV, 1);
    request->timeout = 750;
    request->retries = 0;
    request->GetAsync([&](const VnSNMPError&, VnSNMPVarList&) { ++completions; }, true);

    QElapsedTimer clock;
    clock.start();
    request.reset();
    const qint64 waited = clock.elapsed();
    EXPECT_GE(waited, 5900);
    EXPECT_LT(waited, 7000);
    // Past the request's own 7.5 s time-out: nothing may come back.
    RunEvents(2000);
    EXPECT_EQ(completions, 0);
}

TEST_F(RequestTest, DestroyedDuringAWalk)
{
    sim().delay("1.3.6.1.4.1.88406.999.1.1.1.3", 300);
    auto request = std::make_unique<VnSNMPRequest>();
    Use(*request, kIntegerTable, MVT_FMV, 1);
    int rows = 0;
    int afterDestruction = 0;
    bool destroyed = false;
    VnSNMPCompletion step = [&](const VnSNMPError& result, VnSNMPVarList&) {
        if (destroyed) {
            ++afterDestruction;
            return;
        }
        if (result.code != 0 || result.endOfWalk)
            return;
        ++rows;
        request->GetAsync(step, false);
    };
    request->GetAsync(step, true);
    // Destroy it from outside while the reply for row 3 is delayed.
    ASSERT_TRUE(RunUntil([&] { return rows == 2; }, 5000));
    ASSERT_EQ(request->Outstanding(), 1);
    request.reset();
    destroyed = true;
    RunEvents(500);
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(afterDestruction, 0);
}

TEST_F(RequestTest, DestroyedByItsOwnCompletion)
{
    auto request = std::make_unique<VnSNMPRequest>();
    Use(*request, kIntegerTable, MVT_FMV, 1);
    int completions = 0;
    request->GetAsync(
        [&](const VnSNMPError& result, VnSNMPVarList& list) {
            ++completions;
            EXPECT_EQ(result.code, 0);
            EXPECT_EQ(list.Item(1).value, "one");
            request.reset();
        },
        true);
    ASSERT_TRUE(RunUntil([&] { return completions > 0; }, 5000));
    RunEvents(100);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(request, nullptr);
}

TEST_F(RequestTest, ExceptionInACompletionStaysThere)
{
    VnSNMPRequest request;
    Use(request, kIntegerTable, MVT_FMV, 1);
    int calls = 0;
    request.GetAsync(
        [&](const VnSNMPError&, VnSNMPVarList&) {
            ++calls;
            throw std::runtime_error("completion failed");
        },
        true);
    ASSERT_TRUE(RunUntil([&] { return calls > 0; }, 5000));
    EXPECT_EQ(request.Outstanding(), 0);
    // The session goes on serving.
    const WalkResult walk = WalkAsync(request);
    EXPECT_EQ(walk.rows.size(), 4u);
    EXPECT_EQ(calls, 1);
}

TEST_F(RequestTest, ReplyThatCannotBeConvertedIsAFailedResult)
{
    const VnSNMPVarDesc table[] = {
        {REQTEST_T(1, 1), "Index", VnSyntax::Integer, VnAccess::ReadOnly},
        {REQTEST_T(1, 3), "Value", VnSyntax::Bool8, VnAccess::ReadOnly},
        {},
    };
    VnSNMPRequest request;
    Use(request, table, MVT_FMV, 1);
    AsyncOutcome outcome;
    request.GetAsync(outcome.Completion(), true);
    ASSERT_TRUE(outcome.Wait());
    RunEvents(100);
    ASSERT_EQ(outcome.results.size(), 1u);
    EXPECT_EQ(outcome.results[0].code, kVnErrBadSyntax);
    EXPECT_EQ(outcome.results[0].text, "(VnSNMP++) Bad SNMP syntax!");
    EXPECT_TRUE(outcome.results[0].endOfWalk);

    try {
        request.Get(true);
        ADD_FAILURE();
    } catch (const VnException& e) {
        EXPECT_EQ(e.HelpContext(), kVnErrBadSyntax);
    }
}

// A small MIB whose last object is followed by nothing: a table after it
// is empty and its walk meets the end of the MIB at once.
class EndOfMibTest : public RequestTest {
protected:
    SimSwitchOptions switchOptions() const override
    {
        SimSwitchOptions options;
        options.defaultData = false;
        options.dataFiles = {data_.path()};
        return options;
    }
    // Column 2 has rows 1 and 2, column 3 rows 1, 2 and 3.
    TempSimData data_{
        "1.3.6.1.4.1.88406.999.30.1.2.1 INTEGER 11\n"
        "1.3.6.1.4.1.88406.999.30.1.2.2 INTEGER 12\n"
        "1.3.6.1.4.1.88406.999.30.1.3.1 INTEGER 21\n"
        "1.3.6.1.4.1.88406.999.30.1.3.2 INTEGER 22\n"
        "1.3.6.1.4.1.88406.999.30.1.3.3 INTEGER 23\n"};
};

const VnSNMPVarDesc kAfterEverything[] = {
    {" ", "Key", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.999.40.1.2", "Name", VnSyntax::DisplayStr, VnAccess::ReadOnly},
    {},
};

TEST_F(EndOfMibTest, EmptyTableAtTheEndOfTheMibIsEmpty)
{
    for (const Version& version : {kV1, kV2c, kV3ShaDes}) {
        VnSNMPRequest request;
        Use(request, kAfterEverything, MVT_FMV, 1, version);
        const WalkResult walk = WalkAsync(request);
        EXPECT_TRUE(walk.rows.empty()) << version.label;
        EXPECT_EQ(walk.last.code, 0) << version.label << ": " << walk.last.text;
        EXPECT_EQ(walk.last.text, "(VnSNMP++) Ok!") << version.label;
        EXPECT_TRUE(walk.last.endOfWalk) << version.label;
        EXPECT_TRUE(WalkSync(request).empty()) << version.label;
    }
}

TEST_F(EndOfMibTest, LastRowsAtTheEndOfTheMib)
{
    const VnSNMPVarDesc table[] = {
        {" ", "Key", VnSyntax::Integer, VnAccess::NotAccess},
        {"1.3.6.1.4.1.88406.999.30.1.3", "Value", VnSyntax::Integer, VnAccess::ReadOnly},
        {},
    };
    for (const Version& version : {kV1, kV2c}) {
        VnSNMPRequest request;
        Use(request, table, MVT_FMV, 1, version);
        const WalkResult walk = WalkAsync(request);
        EXPECT_EQ(walk.rows, Rows({{"1", "21"}, {"2", "22"}, {"3", "23"}})) << version.label;
        EXPECT_EQ(walk.last.code, 0) << version.label << ": " << walk.last.text;
        EXPECT_TRUE(walk.last.endOfWalk);
    }
}

// The first column ends before the second: the row is still delivered,
// with "(NOTDONE)" for the column that ended, and its key comes from a
// column that is still in the table.
TEST_F(EndOfMibTest, ColumnsThatEndEarly)
{
    const VnSNMPVarDesc table[] = {
        {" ", "Key", VnSyntax::Integer, VnAccess::NotAccess},
        {"1.3.6.1.4.1.88406.999.30.1.2", "Short", VnSyntax::Integer, VnAccess::ReadOnly},
        {"1.3.6.1.4.1.88406.999.30.1.3", "Long", VnSyntax::Integer, VnAccess::ReadOnly},
        {},
    };
    VnSNMPRequest request;
    Use(request, table, MVT_FMV, 1);
    const WalkResult walk = WalkAsync(request);
    EXPECT_EQ(walk.rows, Rows({{"1", "11", "21"}, {"2", "12", "22"}, {"3", "(NOTDONE)", "23"}}));
    EXPECT_EQ(walk.last.code, 0);
    EXPECT_EQ(WalkSync(request), walk.rows);
}

} // namespace
