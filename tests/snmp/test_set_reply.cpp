// A set's reply must repeat the bindings sent: an agent that answers a set
// with other bindings has not confirmed it, so the set fails with the
// "Unexpected reply" text a get gets, blocking or not, read back or not.
#include "test_request_support.h"

#include "Vb.h"
#include "VnException.h"
#include "VnMessages.h"
#include "VnReplyCheck.h"

using namespace reqtest;

namespace {

Vb Bound(const char* oid, SmiUINT32 type)
{
    Vb vb{Oid(oid)};
    vb.set_syntax(type);
    return vb;
}

Vb Integer(const char* oid, std::int32_t value)
{
    Vb vb{Oid(oid)};
    vb.set_value(value);
    return vb;
}

Vb Text(const char* oid, const char* value)
{
    Vb vb{Oid(oid)};
    vb.set_value(OctetStr(value));
    return vb;
}

TEST(SetReplyMismatch, NamesTheFirstBindingThatIsNotTheOneSent)
{
    const std::vector<Vb> sent = {Integer("1.3.6.1.4.1.9.1.0", 5), Text("1.3.6.1.4.1.9.2.0", "abc")};
    struct Case {
        std::vector<Vb> reply;
        std::string text;  // "" when the reply confirms the set
        const char* why;
    };
    const Case cases[] = {
        {sent, "", "the bindings sent, as an agent answers"},
        {{Integer("1.3.6.1.4.1.9.1.0", 6), sent[1]},
         "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.9.1.0 = INTEGER: 6 (5 sent)!",
         "a reply carries the values set: another number"},
        {{sent[0], Text("1.3.6.1.4.1.9.2.0", "abd")},
         "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.9.2.0 = OCTET STRING: \"abd\" (\"abc\" sent)!",
         "another last byte"},
        {{sent[0], Text("1.3.6.1.4.1.9.2.0", "ab")},
         "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.9.2.0 = OCTET STRING: \"ab\" (\"abc\" sent)!",
         "a shorter string"},
        {{}, "(VnSNMP++) Unexpected reply: 0 bindings (2 sent)!", "no bindings at all"},
        {{sent[0]}, "(VnSNMP++) Unexpected reply: 1 binding (2 sent)!", "one left out"},
        {{sent[0], sent[1], sent[1]}, "(VnSNMP++) Unexpected reply: 3 bindings (2 sent)!", "one too many"},
        {{sent[1], sent[0]},
         "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.9.2.0 = OCTET STRING: \"abc\" (1.3.6.1.4.1.9.1.0 sent)!",
         "the bindings in another order"},
        {{Integer("1.3.6.1.4.1.9.1.1", 5), sent[1]},
         "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.9.1.1 = INTEGER: 5 (1.3.6.1.4.1.9.1.0 sent)!",
         "another instance"},
        {{sent[0], Integer("1.3.6.1.4.1.9.2.0", 0)},
         "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.9.2.0 = INTEGER: 0 (OCTET STRING sent)!", "another type"},
        {{Bound("1.3.6.1.4.1.9.1.0", kSmiGauge32), sent[1]},
         "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.9.1.0 = Gauge32: 0 (INTEGER sent)!",
         "a number under another tag is another type too"},
        {{Bound("1.3.6.1.4.1.9.1.0", kSmiNoSuchObject), sent[1]},
         "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.9.1.0 = noSuchObject (INTEGER sent)!", "noSuchObject"},
        {{sent[0], Bound("1.3.6.1.4.1.9.2.0", kSmiNoSuchInstance)},
         "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.9.2.0 = noSuchInstance (OCTET STRING sent)!",
         "noSuchInstance"},
        {{Bound("1.3.6.1.4.1.9.1.0", kSmiEndOfMibView), sent[1]},
         "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.9.1.0 = endOfMibView (INTEGER sent)!", "endOfMibView"},
        {{Bound("1.3.6.1.4.1.9.1.0", kSmiNull), sent[1]},
         "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.9.1.0 = NULL (INTEGER sent)!", "a NULL in place of the value"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SetReplyMismatch(sent, c.reply), c.text) << c.why;
}

const VnSNMPVarDesc kScalars[] = {
    {"1.3.6.1.4.1.88406.999.9.1", "Int", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.999.9.2", "Text", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {},
};

// The same, the Int scalar sent second.
const VnSNMPVarDesc kTextFirst[] = {kScalars[1], kScalars[0], {}};

// The switch spoils the reply of every set naming its Int scalar.
constexpr const char* kSpoiled = "1.3.6.1.4.1.88406.999.9.1";

struct SetOutcome {
    int code = 0;
    std::string text;
};

class SpoiledSetReply : public RequestTest {
protected:
    // One set of both scalars, as the application sends it.
    SetOutcome RunSet(bool async, bool readBack, const Version& version = kV2c,
                      const VnSNMPVarDesc* scalars = kScalars)
    {
        VnSNMPRequest request;
        Use(request, scalars, SVT_SV, 0, version);
        for (int i = 0; i < request.varList.Count(); ++i) {
            VnSNMPVarItem& item = request.varList.Item(i);
            item.value = item.syntax == VnSyntax::Integer ? "41" : "forty-one";
        }
        if (!async) {
            try {
                request.Set(readBack, "", nullptr);
            } catch (const VnException& e) {
                return {e.HelpContext(), e.what()};
            }
            return {};
        }
        AsyncOutcome outcome;
        request.SetAsync(outcome.Completion(), readBack, "", nullptr);
        if (!outcome.Wait()) {
            ADD_FAILURE() << "no completion";
            return {-1, "no completion"};
        }
        EXPECT_EQ(outcome.results.size(), 1u);
        return {outcome.results[0].code, outcome.results[0].text};
    }
};

TEST_F(SpoiledSetReply, FailsWithTheUnexpectedReplyTextInEveryWayOfSending)
{
    struct Mode {
        const char* mode;
        const char* text;
    };
    const Mode modes[] = {
        {"none", "(VnSNMP++) Unexpected reply: 0 bindings (2 sent)!"},
        {"fewer", "(VnSNMP++) Unexpected reply: 1 binding (2 sent)!"},
        {"more", "(VnSNMP++) Unexpected reply: 3 bindings (2 sent)!"},
        {"oid", "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.88406.999.9.1.1 = INTEGER: 41 "
                "(1.3.6.1.4.1.88406.999.9.1.0 sent)!"},
        {"type", "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.88406.999.9.1.0 = Gauge32: 41 (INTEGER sent)!"},
        {"value", "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.88406.999.9.1.0 = INTEGER: 42 (41 sent)!"},
        {"nosuchobject", "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.88406.999.9.1.0 = noSuchObject (INTEGER sent)!"},
        {"nosuchinstance",
         "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.88406.999.9.1.0 = noSuchInstance (INTEGER sent)!"},
        {"endofmibview", "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.88406.999.9.1.0 = endOfMibView (INTEGER sent)!"},
    };
    struct Way {
        bool async;
        bool readBack;
        const char* name;
    };
    const Way ways[] = {
        {false, false, "blocking"},
        {false, true, "blocking, read back"},
        {true, false, "asynchronous (every dialog's Apply)"},
        {true, true, "asynchronous, read back"},
    };
    for (const Mode& m : modes) {
        sim().command(std::string("spoil-set ") + kSpoiled + " " + m.mode);
        for (const Way& way : ways) {
            SCOPED_TRACE(std::string(m.mode) + ", " + way.name);
            const SetOutcome outcome = RunSet(way.async, way.readBack);
            EXPECT_EQ(outcome.code, kVnErrBadSyntax);
            EXPECT_EQ(outcome.text, m.text);
        }
    }
    // The switch did apply every one of them: only its answer was wrong.
    const auto sets = sim().sets();
    ASSERT_EQ(sets.size(), std::size(modes) * std::size(ways));
    for (const auto& pdu : sets)
        EXPECT_EQ(pdu.status, "applied");
}

TEST_F(SpoiledSetReply, AFaithfulReplyStillSucceeds)
{
    sim().command(std::string("spoil-set ") + kSpoiled + " type");
    sim().command(std::string("spoil-set ") + kSpoiled + " off");
    for (bool async : {false, true}) {
        for (bool readBack : {false, true}) {
            const SetOutcome outcome = RunSet(async, readBack);
            EXPECT_EQ(outcome.code, kVnOk) << outcome.text;
        }
    }
}

TEST_F(SpoiledSetReply, EveryVersionChecksTheReply)
{
    for (const char* mode : {"nosuchinstance", "value"}) {
        sim().command(std::string("spoil-set ") + kSpoiled + " " + mode);
        for (const Version& version : {kV1, kV2c, kV3Md5Des}) {
            SCOPED_TRACE(std::string(mode) + ", " + version.label);
            for (bool async : {false, true}) {
                const SetOutcome outcome = RunSet(async, false, version);
                EXPECT_EQ(outcome.code, kVnErrBadSyntax);
                EXPECT_EQ(outcome.text.rfind("(VnSNMP++) Unexpected reply: ", 0), 0u) << outcome.text;
            }
        }
    }
}

// A switch that carries out the set and echoes 41 as 2^32 + 41 in a reply
// written in an encoding Net-SNMP reads but few agents send: Net-SNMP cuts
// the number back to 41, the reader does not. (The number is the second
// binding, which a nested reply holds inside the first.) A reply that
// cannot be checked fails the set whatever it echoes. Never Ok, and the
// switch still holds what was sent.
TEST_F(SpoiledSetReply, AWideEchoInAnUnusualEncodingIsNeverOk)
{
    const std::string wideEcho =
        "(VnSNMP++) Unexpected reply: 1.3.6.1.4.1.88406.999.9.1.0 = INTEGER: 4294967337 (41 sent)!";
    const struct {
        const char* encoding;
        std::string text;
    } cases[] = {
        {"long-lengths", wideEcho},
        {"wide-id", wideEcho},
        {"community-tag", wideEcho},
        {"nested", wideEcho},
        {"wide-status", UncheckedReplyText()},
    };
    sim().command(std::string("spoil-set ") + kSpoiled + " wide");
    int sent = 0;
    for (const auto& c : cases) {
        sim().command(std::string("encoding 1.3.6.1.4.1.88406.999.9 ") + c.encoding);
        for (bool async : {false, true}) {
            for (bool readBack : {false, true}) {
                SCOPED_TRACE(std::string(c.encoding) + (async ? ", asynchronous" : ", blocking")
                             + (readBack ? ", read back" : ""));
                const SetOutcome outcome = RunSet(async, readBack, kV2c, kTextFirst);
                EXPECT_EQ(outcome.code, kVnErrBadSyntax);
                EXPECT_EQ(outcome.text, c.text);
                ++sent;
            }
        }
    }
    const auto sets = sim().sets();
    ASSERT_EQ(sets.size(), static_cast<std::size_t>(sent));
    for (const auto& pdu : sets) {
        EXPECT_EQ(pdu.status, "applied");
        ASSERT_EQ(pdu.varbinds.size(), 2u);
        EXPECT_EQ(pdu.varbinds[0].value, "666F7274792D6F6E65");  // "forty-one"
        EXPECT_EQ(pdu.varbinds[1].oid, "1.3.6.1.4.1.88406.999.9.1.0");
        EXPECT_EQ(pdu.varbinds[1].value, "41");
    }
    const auto held = sim().get("1.3.6.1.4.1.88406.999.9.1.0");
    ASSERT_TRUE(held);
    EXPECT_EQ(held->value, "41");

    // A faithful echo in the same encodings is Ok: the reader follows them.
    sim().command(std::string("spoil-set ") + kSpoiled + " off");
    for (const char* encoding : {"long-lengths", "wide-id", "community-tag", "nested"}) {
        sim().command(std::string("encoding 1.3.6.1.4.1.88406.999.9 ") + encoding);
        for (bool async : {false, true}) {
            const SetOutcome outcome = RunSet(async, true, kV2c, kTextFirst);
            EXPECT_EQ(outcome.code, kVnOk) << encoding << ": " << outcome.text;
        }
    }
}

} // namespace
