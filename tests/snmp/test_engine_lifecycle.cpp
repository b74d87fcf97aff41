// What the engine layer promises about completions: exactly one per
// request, none after a cancel, none inside a send; SNMPv3 failures with
// their own codes; discovery that does not block; replies processed as
// soon as they arrive.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <filesystem>
#include <stdexcept>

#include "SnmpTestSupport.h"
#include "UsmUsers.h"
#include "VnMessages.h"
#include "VnSNMPSession.h"

namespace {

const char* const kSysName = "1.3.6.1.2.1.1.5.0";

int CodeOf(int result)
{
    int code = 0;
    std::string text;
    MapSnmpError(result, code, text);
    return code;
}

Access WithPassword(Access access, const char* password)
{
    access.authPassword = password;
    return access;
}

}  // namespace

TEST_F(EngineTest, V3ReportsEndTheRequestOnceWithTheirCode)
{
    Access unknownUser = via::kV3Md5;
    unknownUser.name = "nobody";
    Access aboveUsersLevel = via::kV3NoAuth;  // the switch's user has no keys
    aboveUsersLevel.level = kSecurityLevelAuthNoPriv;
    aboveUsersLevel.authProtocol = kAuthProtocolMd5;
    aboveUsersLevel.authPassword = "somepassword";
    struct Case {
        Access access;
        int code;
        const char* why;
    };
    const Case cases[] = {
        {unknownUser, -304, "unknown user"},
        {WithPassword(via::kV3Md5, "wrongpassword"), -308, "wrong authentication password"},
        {aboveUsersLevel, -303, "level above the user's"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const auto target = MakeTarget(c.access, port());
        Recorder recorder;
        Pdu pdu = MakePdu(c.access, {NullVb(kSysName)});
        ASSERT_EQ(session().get(pdu, *target, recorder.Callback()), 0);
        ASSERT_TRUE(recorder.Wait(1));
        RunEvents(300);  // the Report comes to the library twice
        ASSERT_EQ(recorder.outcomes.size(), 1u);
        EXPECT_EQ(CodeOf(recorder.outcomes[0].reason), c.code);
        EXPECT_EQ(CodeOf(recorder.outcomes[0].pdu.get_error_status()), c.code) << "never a success";

        Pdu blocking = MakePdu(c.access, {NullVb(kSysName)});
        EXPECT_EQ(CodeOf(session().get(blocking, *target)), c.code);
    }
}

TEST_F(EngineTest, RequestsTheUserCannotMakeFailAtOnce)
{
    Access unsupportedPriv = via::kV3Md5Des;
    unsupportedPriv.privProtocol = 5;
    Access noPrivForLevel = via::kV3Md5;
    noPrivForLevel.level = kSecurityLevelAuthPriv;
    Access shortPassword = WithPassword(via::kV3Md5, "short");
    struct Case {
        Access access;
        int model;
        int code;
        const char* why;
    };
    const Case cases[] = {
        {unsupportedPriv, kSecurityModelUsm, -313, "privacy protocol not supported"},
        {noPrivForLevel, kSecurityModelUsm, -303, "privacy asked of a user without it"},
        {via::kV3Md5, 1, -201, "security model other than USM"},
        {shortPassword, kSecurityModelUsm, -401, "password the library refuses"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        auto target = MakeTarget(c.access, port());
        static_cast<UTarget&>(*target).set_security_model(c.model);
        Recorder recorder;
        Pdu pdu = MakePdu(c.access, {NullVb(kSysName)});
        EXPECT_EQ(CodeOf(session().get(pdu, *target, recorder.Callback())), c.code);
        RunEvents(100);
        EXPECT_TRUE(recorder.outcomes.empty()) << "a refused send has no callback";
    }
    sim().clearSets();
}

TEST_F(EngineTest, TimeOutEndsTheRequestOnceAfterItsRetries)
{
    SilentAgent silent;
    for (const Access& a : {via::kV2c, via::kV3ShaDes}) {
        SCOPED_TRACE(a.label);
        const auto target = MakeTarget(a, silent.port(), 20, 1);
        Recorder recorder;
        QElapsedTimer clock;
        clock.start();
        Pdu pdu = MakePdu(a, {NullVb(kSysName)});
        ASSERT_EQ(session().get(pdu, *target, recorder.Callback()), 0);
        ASSERT_TRUE(recorder.Wait(1));
        EXPECT_GE(clock.elapsed(), 380) << "a first try and one retry of 200 ms";
        RunEvents(500);
        ASSERT_EQ(recorder.outcomes.size(), 1u) << "resends call the library's callback too";
        EXPECT_EQ(CodeOf(recorder.outcomes[0].reason), -405);

        Pdu blocking = MakePdu(a, {NullVb(kSysName)});
        EXPECT_EQ(CodeOf(session().get(blocking, *target)), -405);
    }
}

// The library's own discovery would block the send for the whole time-out
// (2 s) against a dead agent.
TEST_F(EngineTest, V3DiscoveryDoesNotBlockTheSend)
{
    SilentAgent silent;
    const auto target = MakeTarget(via::kV3Md5Des, silent.port(), 100, 1);
    Recorder recorder;
    QElapsedTimer clock;
    clock.start();
    Pdu first = MakePdu(via::kV3Md5Des, {NullVb(kSysName)});
    ASSERT_EQ(session().get(first, *target, recorder.Callback()), 0);
    Pdu second = MakePdu(via::kV3Md5Des, {NullVb(kSysName)});
    ASSERT_EQ(session().get(second, *target, recorder.Callback()), 0);
    EXPECT_LT(clock.elapsed(), 1000) << "a blocking probe would take the whole 2 s time-out";
    ASSERT_TRUE(recorder.Wait(2, 5000));
    EXPECT_EQ(recorder.outcomes[0].reason, SnmpResult::Timeout);
    EXPECT_EQ(recorder.outcomes[1].reason, SnmpResult::Timeout);
}

TEST_F(EngineTest, CancelledRequestsGetNoCallback)
{
    sim().delay(kSysName, 400);
    SilentAgent silent;
    const auto target = MakeTarget(via::kV2c, port());
    const auto silentTarget = MakeTarget(via::kV2c, silent.port(), 50, 0);
    Recorder recorder;

    Pdu early = MakePdu(via::kV2c, {NullVb(kSysName)});
    ASSERT_EQ(session().get(early, *target, recorder.Callback()), 0);
    Pdu late = MakePdu(via::kV2c, {NullVb(kSysName)});
    ASSERT_EQ(session().get(late, *target, recorder.Callback()), 0);
    Pdu timedOut = MakePdu(via::kV2c, {NullVb(kSysName)});
    ASSERT_EQ(session().get(timedOut, *silentTarget, recorder.Callback()), 0);
    Pdu kept = MakePdu(via::kV2c, {NullVb(kSysName)});
    ASSERT_EQ(session().get(kept, *target, recorder.Callback()), 0);

    EXPECT_TRUE(session().cancel(early.get_request_id())) << "at once";
    RunEvents(250);
    EXPECT_TRUE(session().cancel(late.get_request_id())) << "while its reply is on its way";
    EXPECT_TRUE(session().cancel(timedOut.get_request_id())) << "before its time-out";
    EXPECT_FALSE(session().cancel(late.get_request_id())) << "not outstanding any more";

    ASSERT_TRUE(recorder.Wait(1));
    RunEvents(600);
    ASSERT_EQ(recorder.outcomes.size(), 1u);
    EXPECT_EQ(recorder.outcomes[0].pdu.get_request_id(), kept.get_request_id());
    EXPECT_EQ(session().outstanding(), 0);
}

TEST_F(EngineTest, DestroyedSessionEndsItsRequestsOnce)
{
    sim().delay(kSysName, 200);
    const auto target = MakeTarget(via::kV2c, port());
    Recorder recorder;
    {
        int status = -1;
        Snmp local(status);
        ASSERT_EQ(status, 0);
        Pdu pdu = MakePdu(via::kV2c, {NullVb(kSysName)});
        ASSERT_EQ(local.get(pdu, *target, recorder.Callback()), 0);
        EXPECT_EQ(local.outstanding(), 1);
    }
    ASSERT_EQ(recorder.outcomes.size(), 1u);
    EXPECT_EQ(recorder.outcomes[0].reason, SnmpResult::SessionDestroyed);
    RunEvents(500);
    EXPECT_EQ(recorder.outcomes.size(), 1u) << "the late reply is dropped";
}

TEST_F(EngineTest, CompletionsRunOutsideTheSendAndMayThrow)
{
    const auto target = MakeTarget(via::kV2c, port());
    bool sending = false;
    bool ranInsideSend = false;
    int calls = 0;
    auto throwing = [&](int, Snmp*, Pdu&, SnmpTarget&) {
        ranInsideSend = ranInsideSend || sending;
        ++calls;
        throw std::runtime_error("completion failed");
    };
    Recorder recorder;
    sending = true;
    Pdu first = MakePdu(via::kV2c, {NullVb(kSysName)});
    ASSERT_EQ(session().get(first, *target, throwing), 0);
    Pdu second = MakePdu(via::kV2c, {NullVb(kSysName)});
    ASSERT_EQ(session().get(second, *target, recorder.Callback()), 0);
    sending = false;
    ASSERT_TRUE(recorder.Wait(1));
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(ranInsideSend);
}

// A callback that waits in a nested event loop for another request (a
// form closing, a request being destroyed) still sees that request time
// out: the event timer is running again before callbacks run.
TEST_F(EngineTest, NestedWaitInACallbackSeesTimeOuts)
{
    SilentAgent silent;
    const auto target = MakeTarget(via::kV2c, silent.port(), 10, 0);
    Recorder inner;
    bool innerDone = false;
    qint64 innerMillis = -1;
    Recorder outer;
    auto waitInside = [&](int reason, Snmp* snmp, Pdu& pdu, SnmpTarget& to) {
        outer.Callback()(reason, snmp, pdu, to);
        QElapsedTimer clock;
        clock.start();
        Pdu next = MakePdu(via::kV2c, {NullVb(kSysName)});
        if (session().get(next, *target, inner.Callback()) != 0)
            return;
        innerDone = inner.Wait(1, 3000);
        innerMillis = clock.elapsed();
    };
    Pdu pdu = MakePdu(via::kV2c, {NullVb(kSysName)});
    ASSERT_EQ(session().get(pdu, *target, waitInside), 0);
    ASSERT_TRUE(outer.Wait(1));
    RunEvents(50);
    EXPECT_TRUE(innerDone);
    EXPECT_LT(innerMillis, 1500);
    ASSERT_EQ(inner.outcomes.size(), 1u);
    EXPECT_EQ(inner.outcomes[0].reason, SnmpResult::Timeout);
}

// Driven by the 20 ms timer alone a walk gets one reply per tick (50
// rows/s); the socket notifier must hand each reply over as it arrives. With
// the timer stopped, only the notifier can finish the walk.
TEST_F(EngineTest, RepliesArriveWithoutTheEventTimer)
{
    const auto target = MakeTarget(via::kV2c, port());
    const int rows = 300;
    int received = 0;
    Recorder done;
    Snmp::Completion step;
    step = [&](int reason, Snmp* snmp, Pdu& pdu, SnmpTarget& to) {
        if (reason != SnmpResult::Response || pdu.get_vb_count() != 1 || ++received == rows) {
            done.Callback()(reason, snmp, pdu, to);
            return;
        }
        Pdu next = MakePdu(via::kV2c, {Vb(pdu.vbs()[0].get_oid())});
        session().get_next(next, *target, step);
    };
    VnEventProcessor.Stop();
    Pdu first = MakePdu(via::kV2c, {NullVb("1.3.6.1.2.1.2.2.1")});
    ASSERT_EQ(session().get_next(first, *target, step), 0);
    const bool finished = done.Wait(1, 20000);
    VnEventProcessor.Start();
    ASSERT_TRUE(finished);
    EXPECT_EQ(received, rows);
}

TEST_F(EngineTest, ChangedPasswordTakesEffectAndKeysAreMadeOnce)
{
    struct Step {
        const char* password;
        int code;
    };
    const Step steps[] = {
        {simswitch::kMd5Password, 0},
        {"wrongpassword", -308},
        {simswitch::kMd5Password, 0},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.password);
        const auto target = MakeTarget(WithPassword(via::kV3Md5, s.password), port());
        Pdu pdu = MakePdu(via::kV3Md5, {NullVb(kSysName)});
        EXPECT_EQ(CodeOf(session().get(pdu, *target)), s.code);
    }
    const std::size_t derived = UsmKeyDerivationCount();
    for (int i = 0; i < 20; ++i) {
        const auto target = MakeTarget(via::kV3Md5, port());
        Pdu pdu = MakePdu(via::kV3Md5, {NullVb(kSysName)});
        EXPECT_EQ(session().get(pdu, *target), 0);
    }
    EXPECT_EQ(UsmKeyDerivationCount(), derived);
}

TEST_F(EngineTest, UnusableAddressesAreRefused)
{
    for (const char* text : {"no such host!", "300.1.2.3", ""}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(UdpAddress(text).valid());
        CTarget target{UdpAddress(text)};
        target.set_version(version2c);
        Recorder recorder;
        Pdu pdu = MakePdu(via::kV2c, {NullVb(kSysName)});
        EXPECT_EQ(session().get(pdu, target, recorder.Callback()), SnmpResult::InvalidAddress);
        EXPECT_EQ(session().get(pdu, target), SnmpResult::InvalidAddress);
    }
}

// An agent that restarts comes back with a new engine ID and boot count;
// the session that knew the old ones is replaced after its time-out.
TEST_F(EngineTest, V3SessionRecoversAfterTheAgentRestarts)
{
    const std::uint16_t agentPort = port();
    const auto target = MakeTarget(via::kV3ShaDes, agentPort, 30, 0);
    Pdu before = MakePdu(via::kV3ShaDes, {NullVb(kSysName)});
    ASSERT_EQ(session().get(before, *target), 0);

    sim_.reset();
    SimSwitchOptions options = switchOptions();
    options.args = {"--port", std::to_string(agentPort)};
    ASSERT_NO_THROW(sim_ = std::make_unique<SimSwitch>(options));

    int result = -1;
    for (int attempt = 0; attempt < 2 && result != 0; ++attempt) {
        Pdu after = MakePdu(via::kV3ShaDes, {NullVb(kSysName)});
        result = session().get(after, *target);
    }
    EXPECT_EQ(result, 0);
}

TEST_F(EngineTest, LibraryWritesNoFiles)
{
    char folder[] = "/tmp/vnsnmp-home-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", folder);
    qputenv("SNMP_PERSISTENT_DIR", folder);
    for (const Access& a : {via::kV2c, via::kV3Md5Des, via::kV3ShaDes}) {
        const auto target = MakeTarget(a, port());
        Pdu pdu = MakePdu(a, {NullVb(kSysName)});
        EXPECT_EQ(session().get(pdu, *target), 0);
    }
    qputenv("HOME", oldHome);
    qunsetenv("SNMP_PERSISTENT_DIR");
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    std::filesystem::remove_all(folder);
}
