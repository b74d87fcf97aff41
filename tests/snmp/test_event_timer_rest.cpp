// The event timer runs while a request is under way and rests otherwise:
// an idle program is not woken 50 times a second, and a request that gets
// no answer still ends by its time-out, which only the timer notices.
#include "SnmpTestSupport.h"

namespace {

class EventTimerRest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        // Earlier tests may leave a tick or two to finish their requests.
        ASSERT_TRUE(RunUntil([] { return !VnEventProcessor.IsTicking(); }, 2000));
    }
    void TearDown() override
    {
        VnEventProcessor.Start();
        EngineTest::TearDown();
    }
};

TEST_F(EventTimerRest, TicksOnlyWhileARequestIsUnderWay)
{
    SilentAgent agent;
    const auto target = MakeTarget(via::kV2c, agent.port(), 30, 0);
    Recorder done;
    EXPECT_TRUE(VnEventProcessor.IsActive()) << "started, though resting";

    Pdu pdu = MakePdu(via::kV2c, {NullVb("1.3.6.1.2.1.1.5.0")});
    ASSERT_EQ(session().get(pdu, *target, done.Callback()), 0);
    EXPECT_TRUE(VnEventProcessor.IsTicking()) << "a request is under way";

    // Nothing ever arrives on the socket: only the timer can end it.
    ASSERT_TRUE(done.Wait(1, 5000));
    EXPECT_EQ(done.outcomes[0].reason, SnmpResult::Timeout);
    EXPECT_TRUE(RunUntil([] { return !VnEventProcessor.IsTicking(); }, 1000)) << "resting again";
}

TEST_F(EventTimerRest, AnsweredRequestsLeaveItResting)
{
    const auto target = MakeTarget(via::kV2c, port());
    Recorder done;
    for (int i = 0; i < 3; ++i) {
        Pdu pdu = MakePdu(via::kV2c, {NullVb("1.3.6.1.2.1.1.5.0")});
        ASSERT_EQ(session().get(pdu, *target, done.Callback()), 0);
    }
    ASSERT_TRUE(done.Wait(3));
    EXPECT_TRUE(RunUntil([] { return !VnEventProcessor.IsTicking(); }, 1000));
    RunEvents(100);
    EXPECT_FALSE(VnEventProcessor.IsTicking()) << "nothing starts it again by itself";
}

TEST_F(EventTimerRest, AStoppedProcessorStaysStoppedUntilStarted)
{
    SilentAgent agent;
    const auto target = MakeTarget(via::kV2c, agent.port(), 30, 0);
    Recorder done;
    VnEventProcessor.Stop();
    Pdu pdu = MakePdu(via::kV2c, {NullVb("1.3.6.1.2.1.1.5.0")});
    ASSERT_EQ(session().get(pdu, *target, done.Callback()), 0);
    EXPECT_FALSE(VnEventProcessor.IsActive());
    EXPECT_FALSE(VnEventProcessor.IsTicking()) << "a new request does not start a stopped processor";

    VnEventProcessor.Start();
    EXPECT_TRUE(VnEventProcessor.IsTicking()) << "started with a request under way";
    ASSERT_TRUE(done.Wait(1, 5000));
    EXPECT_EQ(done.outcomes[0].reason, SnmpResult::Timeout);
}

}  // namespace
