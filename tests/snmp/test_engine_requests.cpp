// Get, get-next and set through the engine layer against the simulated
// switch, for every protocol version and security level.
#include <gtest/gtest.h>

#include "SnmpTestSupport.h"

namespace {

const char* const kSysName = "1.3.6.1.2.1.1.5.0";
const char* const kSysLocation = "1.3.6.1.2.1.1.6.0";

const char* VersionText(snmp_version version)
{
    return version == version1 ? "v1" : version == version2c ? "v2c" : "v3";
}

}  // namespace

TEST_F(EngineTest, EveryVersionAndLevelGetsWalksAndSets)
{
    const Access accesses[] = {via::kV1,     via::kV2c,      via::kV3NoAuth,
                               via::kV3Md5, via::kV3Md5Des, via::kV3ShaDes};
    for (const Access& a : accesses) {
        SCOPED_TRACE(a.label);
        sim().clearSets();
        const auto target = MakeTarget(a, port());
        Recorder recorder;

        Pdu get = MakePdu(a, {NullVb(kSysName)});
        ASSERT_EQ(session().get(get, *target, recorder.Callback()), 0);
        Pdu next = MakePdu(a, {NullVb("1.3.6.1.2.1.1.5")});
        ASSERT_EQ(session().get_next(next, *target, recorder.Callback()), 0);
        Vb location{Oid(kSysLocation)};
        const std::string text = std::string("rack of ") + a.label;
        location.set_value(OctetStr(text));
        Pdu set = MakePdu(a, {location});
        ASSERT_EQ(session().set(set, *target, recorder.Callback()), 0);
        ASSERT_TRUE(recorder.Wait(3));

        for (const Outcome& outcome : recorder.outcomes) {
            EXPECT_EQ(outcome.reason, SnmpResult::Response);
            EXPECT_EQ(outcome.pdu.get_error_status(), 0);
            ASSERT_EQ(outcome.pdu.get_vb_count(), 1);
        }
        EXPECT_EQ(recorder.outcomes[0].pdu.vbs()[0].get_printable_value(), "rq-stack");
        EXPECT_EQ(recorder.outcomes[1].pdu.vbs()[0].get_printable_oid(), kSysName);
        EXPECT_EQ(recorder.outcomes[2].pdu.vbs()[0].get_printable_value(), text);

        const auto sets = sim().sets();
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(sets[0].version, VersionText(a.version));
        EXPECT_EQ(sets[0].securityName, a.name);
        ASSERT_EQ(sets[0].varbinds.size(), 1u);
        EXPECT_EQ(sets[0].varbinds[0].oid, kSysLocation);
        EXPECT_EQ(sets[0].varbinds[0].value, HexOf(text));

        Pdu blocking = MakePdu(a, {NullVb(kSysLocation)});
        EXPECT_EQ(session().get(blocking, *target), 0);
        ASSERT_EQ(blocking.get_vb_count(), 1);
        EXPECT_EQ(blocking.vbs()[0].get_printable_value(), text);
    }
}

TEST_F(EngineTest, EveryValueTypeIsReadAsSent)
{
    struct Case {
        const char* oid;
        SmiUINT32 syntax;
        const char* printable;
    };
    const Case cases[] = {
        {"1.3.6.1.4.1.88406.999.9.1.0", kSmiInteger, "-5"},
        {"1.3.6.1.4.1.88406.999.9.2.0", kSmiOctets, "display text"},
        {"1.3.6.1.4.1.88406.999.9.3.0", kSmiOctets, "00 FF 7F 80"},
        {"1.3.6.1.4.1.88406.999.9.4.0", kSmiOid, "1.3.6.1.4.1.88406.10.59.5"},
        {"1.3.6.1.4.1.88406.999.9.5.0", kSmiIpAddress, "192.168.0.1"},
        {"1.3.6.1.4.1.88406.999.9.6.0", kSmiCounter32, "4294967295"},
        {"1.3.6.1.4.1.88406.999.9.7.0", kSmiGauge32, "42"},
        {"1.3.6.1.4.1.88406.999.9.8.0", kSmiTimeTicks, "360000"},
        {"1.3.6.1.4.1.88406.999.9.9.0", kSmiCounter64, "18446744073709551615"},
        {"1.3.6.1.4.1.88406.999.9.10.0", kSmiOpaque, "9F 78 04 3F 80 00 00"},
    };
    const auto target = MakeTarget(via::kV2c, port());
    Pdu pdu = MakePdu(via::kV2c, {});
    for (const Case& c : cases)
        pdu += NullVb(c.oid);
    ASSERT_EQ(session().get(pdu, *target), 0);
    ASSERT_EQ(pdu.get_vb_count(), static_cast<int>(std::size(cases)));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Vb& vb = pdu.vbs()[i];
        EXPECT_EQ(vb.get_printable_oid(), cases[i].oid);
        EXPECT_EQ(vb.get_syntax(), cases[i].syntax) << cases[i].oid;
        EXPECT_EQ(vb.get_printable_value(), cases[i].printable) << cases[i].oid;
    }
}

TEST_F(EngineTest, EveryValueTypeIsSentAsGiven)
{
    std::vector<Vb> vbs;
    auto add = [&vbs](const char* oid, auto setter) {
        Vb vb{Oid(oid)};
        setter(vb);
        vbs.push_back(vb);
    };
    const unsigned char octets[] = {0x00, 0x0A, 0xFF};
    add("1.3.6.1.4.1.88406.999.9.1.0", [](Vb& vb) { vb.set_value(std::int32_t{-2147483647 - 1}); });
    add("1.3.6.1.4.1.88406.999.9.3.0", [&](Vb& vb) { vb.set_value(OctetStr(octets, 3)); });
    add("1.3.6.1.4.1.88406.999.9.4.0", [](Vb& vb) { vb.set_value(Oid("1")); });
    add("1.3.6.1.4.1.88406.999.9.5.0", [](Vb& vb) { vb.set_value(IpAddress("10.20.30.40")); });
    add("1.3.6.1.4.1.88406.999.9.7.0", [](Vb& vb) { vb.set_value(Gauge32(4294967295u)); });
    add("1.3.6.1.4.1.88406.999.9.8.0", [](Vb& vb) { vb.set_value(TimeTicks(8640001)); });
    add("1.3.6.1.4.1.88406.999.9.9.0", [](Vb& vb) { vb.set_value(Counter64(4294967298ull)); });
    add("1.3.6.1.4.1.88406.999.9.2.0", [](Vb& vb) { vb.set_null(); });

    const auto target = MakeTarget(via::kV2c, port());
    Pdu pdu = MakePdu(via::kV2c, vbs);
    session().set(pdu, *target);

    struct Expected {
        const char* type;
        const char* value;
        const char* why;
    };
    const Expected expected[] = {
        {"INTEGER", "-2147483648", "smallest INTEGER"},
        {"OCTETSTR", "000AFF", "octets with a zero"},
        {"OID", "1.0", "a one-arc OID goes as n.0, not mis-encoded"},
        {"IPADDRESS", "10.20.30.40", "four address bytes"},
        {"GAUGE", "4294967295", "largest Gauge32"},
        {"TIMETICKS", "8640001", "ticks"},
        {"COUNTER64", "4294967298", "both halves"},
        {"NULL", "", "a NULL value"},
    };
    const auto sets = sim().sets();
    ASSERT_EQ(sets.size(), 1u);
    ASSERT_EQ(sets[0].varbinds.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(sets[0].varbinds[i].oid, vbs[i].get_printable_oid());
        EXPECT_EQ(sets[0].varbinds[i].type, expected[i].type) << expected[i].why;
        EXPECT_EQ(sets[0].varbinds[i].value, expected[i].value) << expected[i].why;
    }
}

// The library's own encoder would send "1" as 0.1 and the agent would
// drop the packet (a time-out); it goes as 1.0 and gets an answer.
TEST_F(EngineTest, OneArcNameGetsAnAnswer)
{
    const auto target = MakeTarget(via::kV2c, port());
    Pdu pdu = MakePdu(via::kV2c, {NullVb("1")});
    ASSERT_EQ(session().get(pdu, *target), 0);
    ASSERT_EQ(pdu.get_vb_count(), 1);
    EXPECT_EQ(pdu.vbs()[0].get_printable_oid(), "1.0");
    EXPECT_TRUE(pdu.vbs()[0].is_exception());
}

TEST_F(EngineTest, AgentErrorsComeBackAsTheirStatus)
{
    struct Case {
        Access access;
        int command;
        const char* oid;
        int status;
        SmiUINT32 syntax;
        const char* why;
    };
    const Case cases[] = {
        {via::kV1, kPduGet, "1.3.6.1.4.1.88406.999.9.99.0", 2, kSmiNull, "v1 missing object: noSuchName"},
        {via::kV1, kPduGetNext, "1.3.6.1.6.3.99", 2, kSmiNull, "v1 get-next past the end"},
        {via::kV1, kPduSet, "1.3.6.1.2.1.1.1.0", 2, kSmiNull, "v1 set of a read-only object"},
        {via::kV2c, kPduGet, "1.3.6.1.4.1.88406.999.9.99.0", 0, kSmiNoSuchObject, "v2c missing object"},
        {via::kV2c, kPduGet, "1.3.6.1.2.1.1.5.7", 0, kSmiNoSuchInstance, "v2c missing instance"},
        {via::kV2c, kPduGetNext, "1.3.6.1.6.3.99", 0, kSmiEndOfMibView, "v2c end of view"},
        {via::kV2c, kPduSet, "1.3.6.1.2.1.1.1.0", 17, kSmiNull, "v2c set of a read-only object"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const auto target = MakeTarget(c.access, port());
        Vb vb{Oid(c.oid)};
        if (c.command == kPduSet)
            vb.set_value(OctetStr("x"));

        Pdu blocking = MakePdu(c.access, {vb});
        const int result = c.command == kPduGet       ? session().get(blocking, *target)
                           : c.command == kPduGetNext ? session().get_next(blocking, *target)
                                                      : session().set(blocking, *target);
        EXPECT_EQ(result, c.status);
        EXPECT_EQ(blocking.get_error_status(), c.status);
        if (c.status)
            EXPECT_EQ(blocking.get_error_index(), 1);
        else
            EXPECT_EQ(blocking.vbs()[0].get_syntax(), c.syntax);

        Recorder recorder;
        Pdu async = MakePdu(c.access, {vb});
        const int sent = c.command == kPduGet       ? session().get(async, *target, recorder.Callback())
                         : c.command == kPduGetNext ? session().get_next(async, *target, recorder.Callback())
                                                    : session().set(async, *target, recorder.Callback());
        ASSERT_EQ(sent, 0);
        ASSERT_TRUE(recorder.Wait(1));
        EXPECT_EQ(recorder.outcomes[0].reason, SnmpResult::Response);
        EXPECT_EQ(recorder.outcomes[0].pdu.get_error_status(), c.status);
    }
}

TEST_F(EngineTest, ContextNameTravelsWithTheRequest)
{
    // The switch serves the default context only: an unknown context is
    // refused, which shows the name reached it.
    const auto target = MakeTarget(via::kV3Md5, port());
    Pdu plain = MakePdu(via::kV3Md5, {NullVb(kSysName)});
    ASSERT_EQ(session().get(plain, *target), 0);
    Pdu scoped = MakePdu(via::kV3Md5, {NullVb(kSysName)});
    scoped.set_context_name("no-such-context");
    EXPECT_NE(session().get(scoped, *target), 0);
}

TEST_F(EngineTest, BlockingAndAsyncRequestsShareAChannel)
{
    const auto target = MakeTarget(via::kV2c, port());
    Recorder recorder;
    Pdu async = MakePdu(via::kV2c, {NullVb("1.3.6.1.4.1.88406.999.9.1.0")});
    ASSERT_EQ(session().get(async, *target, recorder.Callback()), 0);
    Pdu blocking = MakePdu(via::kV2c, {NullVb(kSysName)});
    EXPECT_EQ(session().get(blocking, *target), 0);
    // The reply to the first request may have been read by the blocking
    // call; it still reaches its own callback, once.
    ASSERT_TRUE(recorder.Wait(1));
    RunEvents(100);
    ASSERT_EQ(recorder.outcomes.size(), 1u);
    EXPECT_EQ(recorder.outcomes[0].pdu.vbs()[0].get_printable_value(), "-5");
}
