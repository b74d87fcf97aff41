// An agent (or a network) that sends every reply more than once: the
// copies of a reply already taken are dropped as they come, each row is
// read from its own reply, and the walk goes on from the socket alone,
// never waiting for the event timer to find the fresh reply.
#include "test_request_support.h"

#include "VnSNMPSession.h"

using namespace reqtest;

namespace {

constexpr int kRows = 1000;

const VnSNMPVarDesc kTable[] = {
    {"1.3.6.1.4.1.88406.999.10.1.1", "Index", S::Integer, A::ReadOnly},
    {"1.3.6.1.4.1.88406.999.10.1.2", "Name", S::DisplayStr, A::ReadOnly},
    {"1.3.6.1.4.1.88406.999.10.1.3", "Count", S::Counter, A::ReadOnly},
    {"1.3.6.1.4.1.88406.999.10.1.4", "Status", S::Integer, A::ReadOnly},
    {},
};

class RepeatedReplies : public SessionSwitchTest, public ::testing::WithParamInterface<Version> {
protected:
    RepeatedReplies() : SessionSwitchTest("bench1000.sim") {}
    void TearDown() override
    {
        VnEventProcessor.Start();
        SessionSwitchTest::TearDown();
    }
};

INSTANTIATE_TEST_SUITE_P(Versions, RepeatedReplies, ::testing::Values(kV1, kV2c, kV3ShaDes), VersionName);

TEST_P(RepeatedReplies, EveryRowComesFromItsOwnReplyWithoutTheEventTimer)
{
    // Three copies of each reply: two stale ones right behind every
    // fresh one, or just ahead of the next fresh one.
    for (const char* when : {"now", "late"}) {
    SCOPED_TRACE(when);
    sim().command(std::string("duplicate 1.3.6.1.4.1.88406.999.10 3 ") + when);
    VnSNMPRequest request;
    request.varList = VnSNMPVarList(kTable, MVT_FMV, 1);
    Aim(request, port(), GetParam());

    // With the timer stopped only the socket notifier moves the walk: a
    // walk that needed a tick per row would not end at all.
    VnEventProcessor.Stop();
    const WalkResult walk = WalkAsync(request, 120000);
    VnEventProcessor.Start();

    ASSERT_TRUE(walk.finished) << walk.rows.size() << " rows read when the wait ran out";
    EXPECT_EQ(walk.last.code, 0) << walk.last.text;
    EXPECT_TRUE(walk.exception.empty()) << walk.exception;
    ASSERT_EQ(walk.rows.size(), static_cast<std::size_t>(kRows));
    for (int k = 1; k <= kRows; ++k) {
        const std::string n = std::to_string(k);
        ASSERT_EQ(walk.rows[static_cast<std::size_t>(k - 1)], (std::vector<std::string>{n, "row " + n, n, "1"}))
            << "row " << k;
    }
    EXPECT_EQ(walk.completions, kRows + 1) << "one completion per step, none for a copy";
    }
}

TEST_P(RepeatedReplies, AGetTakesTheFirstCopyAndTheNextRequestItsOwnReply)
{
    sim().command("duplicate 1.3.6.1.4.1.88406.999.10 3");
    VnEventProcessor.Stop();
    for (int k : {5, 6, 7}) {
        const std::string n = std::to_string(k);
        const VnSNMPVarDesc one[] = {
            {"1.3.6.1.4.1.88406.999.10.1.2", "Name", S::DisplayStr, A::ReadOnly},
            {},
        };
        VnSNMPRequest request;
        request.varList = VnSNMPVarList(one, MVT_SV, 0);
        request.varList.Item(0).oid += "." + n;
        Aim(request, port(), GetParam());
        AsyncOutcome outcome;
        request.GetAsync(outcome.Completion(), true);
        ASSERT_TRUE(outcome.Wait(30000)) << "row " << k;
        ASSERT_EQ(outcome.results.size(), 1u);
        EXPECT_EQ(outcome.results[0].code, 0) << outcome.results[0].text;
        EXPECT_EQ(outcome.values, std::vector<std::string>{"row " + n}) << "not a copy of the reply before";
    }
}

} // namespace
