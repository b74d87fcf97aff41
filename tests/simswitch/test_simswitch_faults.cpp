// Faults the simulated switch shows on demand: dropped requests, chosen
// error statuses, late replies that hold up nobody else.
#include "SimSwitchTest.h"
#include "SnmpClient.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace simswitch;

namespace {

using Clock = std::chrono::steady_clock;

const char* const kSysContact = "1.3.6.1.2.1.1.4.0";
const char* const kSysName = "1.3.6.1.2.1.1.5.0";
const char* const kSysLocation = "1.3.6.1.2.1.1.6.0";
const char* const kUnitTable = "1.3.6.1.4.1.88406.12.11.1.9.4";

long MsSince(Clock::time_point start)
{
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

class SwitchFaults : public SimSwitchTest {
protected:
    // Requests that are answered wait as long as a loaded machine needs;
    // those that must time out (Impatient) give up soon.
    SnmpTarget Reader() const { return SnmpTarget::V2c(kReadCommunity); }
    SnmpTarget Writer() const { return SnmpTarget::V2c(kWriteCommunity); }
    static SnmpTarget Impatient(SnmpTarget t)
    {
        t.timeoutMs = 300;
        return t;
    }
};

TEST_F(SwitchFaults, DroppedRequestsTimeOutAndTheRestAnswers)
{
    sim().drop(kUnitTable);
    EXPECT_EQ(SnmpGet(port(), Impatient(Reader()), {"1.3.6.1.4.1.88406.12.11.1.9.4.1.2.1"}).stat, STAT_TIMEOUT);
    EXPECT_EQ(SnmpGet(port(), Reader(), {kSysName}).stat, STAT_SUCCESS);
    // A walk that would step into the dropped table times out too.
    EXPECT_EQ(SnmpGetNext(port(), Impatient(Reader()), {"1.3.6.1.4.1.88406.12.11.1.9.3"}).stat, STAT_TIMEOUT);
    // A request naming one dropped OID among others is dropped whole.
    EXPECT_EQ(SnmpGet(port(), Impatient(Reader()), {kSysName, "1.3.6.1.4.1.88406.12.11.1.9.4.1.2.1"}).stat,
              STAT_TIMEOUT);

    sim().drop("1.3.6.1.2.1.1.5");
    EXPECT_EQ(SnmpSet(port(), Impatient(Writer()), {{kSysName, 's', "lost"}}).stat, STAT_TIMEOUT);
    auto pdus = sim().sets();
    ASSERT_EQ(pdus.size(), 1u);
    EXPECT_EQ(pdus[0].status, "dropped");
    EXPECT_EQ(sim().get(kSysName)->value, "72712D737461636B");

    sim().undrop(kUnitTable);
    EXPECT_EQ(SnmpGet(port(), Reader(), {"1.3.6.1.4.1.88406.12.11.1.9.4.1.2.1"}).stat, STAT_SUCCESS);
}

struct ErrorCase {
    const char* ruleOid;
    const char* status;
    const char* op;
    const char* request;  // "get", "getnext" or "set"
    std::vector<std::string> oids;
    long errstat;   // expected error status (0: none)
    long errindex;
    int vbType;     // expected type of the first varbind when errstat is 0
    const char* why;
};

std::vector<ErrorCase> ErrorCases()
{
    return {
        {kSysName, "genErr", "get", "get", {kSysContact, kSysName}, SNMP_ERR_GENERR, 2, 0,
         "get names the faulty varbind"},
        {kSysName, "genErr", "get", "getnext", {kSysContact}, 0, 0, ASN_OCTET_STR, "a get rule leaves get-next alone"},
        {kSysName, "tooBig", "getnext", "getnext", {kSysContact}, SNMP_ERR_TOOBIG, 1, 0,
         "get-next errs on the OID it would answer"},
        {"1.3.6.1.2.1.1", "noSuchInstance", "get", "get", {kSysName}, 0, 0, SNMP_NOSUCHINSTANCE,
         "a v2 exception in place of the value, for a whole subtree"},
        {kSysName, "resourceUnavailable", "set", "set", {kSysName}, SNMP_ERR_RESOURCEUNAVAILABLE, 1, 0,
         "a set error by name"},
        {kSysName, "12", "all", "set", {kSysName}, SNMP_ERR_INCONSISTENTVALUE, 1, 0, "a set error by number"},
    };
}

TEST_F(SwitchFaults, ChosenErrorsAnswerPerOperation)
{
    for (const auto& c : ErrorCases()) {
        sim().clearFaults();
        sim().error(c.ruleOid, c.status, c.op);
        std::string request = c.request;
        SnmpReply reply;
        if (request == "get")
            reply = SnmpGet(port(), Reader(), c.oids);
        else if (request == "getnext")
            reply = SnmpGetNext(port(), Reader(), c.oids);
        else
            reply = SnmpSet(port(), Writer(), {{c.oids[0], 's', "x"}});
        ASSERT_EQ(reply.stat, STAT_SUCCESS) << c.why;
        EXPECT_EQ(reply.errstat, c.errstat) << c.why;
        EXPECT_EQ(reply.errindex, c.errindex) << c.why;
        if (c.errstat == 0) {
            ASSERT_FALSE(reply.varbinds.empty()) << c.why;
            EXPECT_EQ(reply.varbinds[0].type, c.vbType) << c.why;
        }
    }
    sim().clearFaults();
    EXPECT_EQ(SnmpGet(port(), Reader(), {kSysName}).errstat, 0);
    EXPECT_EQ(sim().get(kSysName)->value, "72712D737461636B") << "failed sets changed nothing";
}

TEST_F(SwitchFaults, ADelayedReplyHoldsUpNoOtherRequest)
{
    constexpr int kDelayMs = 1200;
    sim().delay(kSysName, kDelayMs);
    SnmpClient delayed(port(), SnmpTarget::V2c(kReadCommunity));
    auto sent = Clock::now();
    delayed.GetAsync(kSysName);

    // Meanwhile another manager is answered, ahead of the delayed reply.
    SnmpReply quick = SnmpGet(port(), Reader(), {kSysContact});
    EXPECT_EQ(quick.stat, STAT_SUCCESS);
    SnmpReply late;
    EXPECT_FALSE(delayed.WaitAsync(1, late)) << "the delayed reply came first";

    ASSERT_TRUE(delayed.WaitAsync(60000, late));
    EXPECT_EQ(late.stat, STAT_SUCCESS);
    ASSERT_EQ(late.varbinds.size(), 1u);
    EXPECT_EQ(late.varbinds[0].value, "72712D737461636B");
    EXPECT_GE(MsSince(sent), kDelayMs - 50);
}

TEST_F(SwitchFaults, ADelayedSetHoldsUpNoOtherRequestAndIsAppliedWhenItsReplyGoes)
{
    constexpr int kDelayMs = 1200;
    sim().delay(kSysLocation, kDelayMs);
    const SnmpTarget writers[] = {
        SnmpTarget::V2c(kWriteCommunity),
        SnmpTarget::V3(kShaDesUser, "SHA", kShaPassword, "DES", kDesPassword),
    };
    for (SnmpTarget writer : writers) {
        SCOPED_TRACE(writer.version == SNMP_VERSION_3 ? "v3" : "v2c");
        std::string value = writer.version == SNMP_VERSION_3 ? "three" : "two";
        SnmpClient client(port(), writer);
        auto sent = Clock::now();
        client.SetAsync({{kSysLocation, 's', value}});

        SnmpReply quick = SnmpGet(port(), Reader(), {kSysContact});
        EXPECT_EQ(quick.stat, STAT_SUCCESS);
        SnmpReply reply;
        EXPECT_FALSE(client.WaitAsync(1, reply)) << "another manager waited for the set";

        ASSERT_TRUE(client.WaitAsync(60000, reply));
        ASSERT_EQ(reply.stat, STAT_SUCCESS);
        EXPECT_EQ(reply.errstat, 0);
        EXPECT_GE(MsSince(sent), kDelayMs - 50);
        auto now = sim().get(kSysLocation);
        ASSERT_TRUE(now);
        EXPECT_EQ(now->value, value == "two" ? "74776F" : "7468726565");
    }
    for (const auto& pdu : sim().sets())
        EXPECT_EQ(pdu.status, "applied");
}

TEST_F(SwitchFaults, ADelayedWalkStepStillAnswersInOrder)
{
    sim().delay("1.3.6.1.2.1.1.2", 300);
    SnmpReply reply = SnmpGetNext(port(), Reader(), {"1.3.6.1.2.1.1.1.0"});
    ASSERT_EQ(reply.stat, STAT_SUCCESS);
    ASSERT_EQ(reply.varbinds.size(), 1u);
    EXPECT_EQ(reply.varbinds[0].oid, "1.3.6.1.2.1.1.2.0");
    EXPECT_EQ(reply.varbinds[0].value, "1.3.6.1.4.1.88406.10.59.5");
}

TEST_F(SwitchFaults, GetNextAnsweredOutOfOrder)
{
    const struct {
        const char* rule;
        std::string asked;
        std::string oid;  // what comes back
        int type;
        const char* why;
    } cases[] = {
        {"1.3.6.1.2.1.1.6 back", kSysLocation, kSysName, ASN_OCTET_STR, "the instance before the one asked"},
        {"1.3.6.1.2.1.1 back", "1.3.6.1.2.1.1.1", "", SNMP_ENDOFMIBVIEW, "nothing before: the end of the MIB"},
        {"1.3.6.1.2.1.1.6 1.3.6.1.2.1.1.4.0", kSysLocation, kSysContact, ASN_OCTET_STR, "a fixed OID"},
        {"1.3.6.1.2.1.1.6 1.3.6.1.2.1.1.99.0", kSysLocation, "1.3.6.1.2.1.1.99.0", ASN_INTEGER,
         "a fixed OID that holds nothing"},
        {"1.3.6.1.2.1.1.6 off", kSysLocation, "1.3.6.1.2.1.1.7.0", ASN_INTEGER, "the rule removed"},
    };
    for (const auto& c : cases) {
        sim().clearFaults();
        if (std::string(c.rule).ends_with(" off")) {
            sim().command("answer-next 1.3.6.1.2.1.1.6 back");
        }
        sim().command(std::string("answer-next ") + c.rule);
        SnmpReply reply = SnmpGetNext(port(), Reader(), {c.asked});
        ASSERT_EQ(reply.stat, STAT_SUCCESS) << c.why;
        ASSERT_EQ(reply.varbinds.size(), 1u) << c.why;
        if (!c.oid.empty()) {
            EXPECT_EQ(reply.varbinds[0].oid, c.oid) << c.why;
        }
        EXPECT_EQ(reply.varbinds[0].type, c.type) << c.why;
    }
}

class SwitchFaultsFromData : public SimSwitchTest {
protected:
    SimSwitchOptions switchOptions() const override
    {
        SimSwitchOptions options;
        options.dataFiles = {data_.path()};
        return options;
    }
    TempSimData data_{"drop 1.3.6.1.2.1.1.6\n"
                      "error 1.3.6.1.2.1.1.4 genErr get\n"};
};

TEST_F(SwitchFaultsFromData, FaultsInTheDataFileHoldFromTheStart)
{
    SnmpTarget t = SnmpTarget::V2c(kReadCommunity);
    SnmpTarget impatient = t;
    impatient.timeoutMs = 300;
    EXPECT_EQ(SnmpGet(port(), impatient, {kSysLocation}).stat, STAT_TIMEOUT);
    EXPECT_EQ(SnmpGet(port(), t, {kSysContact}).errstat, SNMP_ERR_GENERR);
    EXPECT_EQ(SnmpGet(port(), t, {kSysName}).errstat, 0);
}

// A table that never ends: past its last row every column goes on, one
// instance further than the one asked after, with that column's last value.
TEST_F(SwitchFaults, AnEndlessTableGoesOnPastItsLastRow)
{
    const std::string column = std::string(kUnitTable) + ".1.2.";
    const std::string models = std::string(kUnitTable) + ".1.10.";
    struct Step {
        std::string asked;
        std::string answered;
        const char* why;
    };
    const Step steps[] = {
        {column + "1", column + "2", "stored rows are served as stored"},
        {column + "3", column + "4", "past the last row the column goes on"},
        {column + "4", column + "5", "...and keeps going"},
        {column + "1000000", column + "1000001", "whatever instance is asked after"},
        {column + "7.5", column + "8", "an instance of two parts is followed by the next whole one"},
        {models + "40", models + "41", "every column of the table"},
    };
    sim().command("endless " + std::string(kUnitTable) + ".1");
    for (const Step& step : steps) {
        const SnmpReply reply = SnmpGetNext(port(), Reader(), {step.asked});
        ASSERT_EQ(reply.stat, STAT_SUCCESS) << step.why;
        ASSERT_EQ(reply.varbinds.size(), 1u);
        EXPECT_EQ(reply.varbinds[0].oid, step.answered) << step.why;
    }
    EXPECT_EQ(SnmpGetNext(port(), Reader(), {column + "9"}).varbinds[0].value, "0") << "unit 3's state";

    sim().command("endless " + std::string(kUnitTable) + ".1 off");
    const SnmpReply ended = SnmpGetNext(port(), Reader(), {column + "3"});
    ASSERT_EQ(ended.stat, STAT_SUCCESS);
    EXPECT_EQ(ended.varbinds[0].oid, std::string(kUnitTable) + ".1.4.1") << "the table ends again";
}

}  // namespace
