// A get answered with other OIDs than were asked: an agent on 127.0.0.1
// that answers every SNMPv2c request with bindings of its own choosing.
// A binding for another OID is no value for the item it stands in for,
// and the read fails naming what came.
#include "test_request_support.h"

#include "VnException.h"
#include "VnMessages.h"

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

using namespace reqtest;

namespace {

using Bytes = std::vector<std::uint8_t>;

// --- The little BER this agent needs ---------------------------------------

void PutLength(Bytes& out, std::size_t length)
{
    if (length < 0x80) {
        out.push_back(static_cast<std::uint8_t>(length));
        return;
    }
    Bytes digits;
    for (; length > 0; length >>= 8)
        digits.insert(digits.begin(), static_cast<std::uint8_t>(length & 0xFF));
    out.push_back(static_cast<std::uint8_t>(0x80 | digits.size()));
    out.insert(out.end(), digits.begin(), digits.end());
}

Bytes Tlv(std::uint8_t tag, const Bytes& value)
{
    Bytes out{tag};
    PutLength(out, value.size());
    out.insert(out.end(), value.begin(), value.end());
    return out;
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

Bytes IntegerValue(std::int64_t v)
{
    Bytes out;
    do {
        out.insert(out.begin(), static_cast<std::uint8_t>(v & 0xFF));
        v >>= 8;
    } while (!((v == 0 && !(out.front() & 0x80)) || (v == -1 && (out.front() & 0x80))));
    return out;
}

Bytes OidValue(const std::string& dotted)
{
    std::vector<std::uint32_t> ids;
    Oid::Parse(dotted, ids);
    Bytes out{static_cast<std::uint8_t>(ids[0] * 40 + ids[1])};
    for (std::size_t i = 2; i < ids.size(); ++i) {
        Bytes digits;
        std::uint32_t v = ids[i];
        do {
            digits.insert(digits.begin(), static_cast<std::uint8_t>((v & 0x7F) | (digits.empty() ? 0 : 0x80)));
            v >>= 7;
        } while (v > 0);
        out.insert(out.end(), digits.begin(), digits.end());
    }
    return out;
}

std::string OidText(const Bytes& value)
{
    if (value.empty())
        return {};
    std::string text = std::to_string(value[0] / 40) + "." + std::to_string(value[0] % 40);
    std::uint32_t v = 0;
    for (std::size_t i = 1; i < value.size(); ++i) {
        v = (v << 7) | (value[i] & 0x7F);
        if (!(value[i] & 0x80)) {
            text += "." + std::to_string(v);
            v = 0;
        }
    }
    return text;
}

// Reads one TLV at `pos`; false when the bytes run out.
bool ReadTlv(const Bytes& in, std::size_t& pos, std::uint8_t& tag, Bytes& value)
{
    if (pos + 2 > in.size())
        return false;
    tag = in[pos++];
    std::size_t length = in[pos++];
    if (length & 0x80) {
        const std::size_t count = length & 0x7F;
        length = 0;
        for (std::size_t k = 0; k < count && pos < in.size(); ++k)
            length = (length << 8) | in[pos++];
    }
    if (pos + length > in.size())
        return false;
    value.assign(in.begin() + static_cast<std::ptrdiff_t>(pos), in.begin() + static_cast<std::ptrdiff_t>(pos + length));
    pos += length;
    return true;
}

// One binding of the agent's answer.
struct Answer {
    std::string oid;
    std::uint8_t tag;   // 0x02 INTEGER, 0x04 OCTET STRING
    Bytes value;
};
Answer Int(std::string oid, std::int64_t v)
{
    return {std::move(oid), 0x02, IntegerValue(v)};
}
Answer Text(std::string oid, const std::string& text)
{
    return {std::move(oid), 0x04, Bytes(text.begin(), text.end())};
}
using Rule = std::function<std::vector<Answer>(const std::vector<std::string>& asked)>;

// A request message: version, community, request id and the OIDs asked.
struct Request {
    Bytes version, community, requestId;
    std::vector<std::string> oids;
};

bool ParseRequest(const Bytes& datagram, Request& request)
{
    std::size_t pos = 0;
    std::uint8_t tag = 0;
    Bytes message, pdu, field, bindings, binding, oid;
    if (!ReadTlv(datagram, pos, tag, message) || tag != 0x30)
        return false;
    pos = 0;
    if (!ReadTlv(message, pos, tag, request.version) || !ReadTlv(message, pos, tag, request.community)
        || !ReadTlv(message, pos, tag, pdu))
        return false;
    std::size_t p = 0;
    if (!ReadTlv(pdu, p, tag, request.requestId) || !ReadTlv(pdu, p, tag, field) || !ReadTlv(pdu, p, tag, field)
        || !ReadTlv(pdu, p, tag, bindings))
        return false;
    for (std::size_t b = 0; ReadTlv(bindings, b, tag, binding);) {
        std::size_t q = 0;
        if (ReadTlv(binding, q, tag, oid))
            request.oids.push_back(OidText(oid));
    }
    return true;
}

Bytes Response(const Request& request, const std::vector<Answer>& answers)
{
    Bytes bindings;
    for (const Answer& a : answers) {
        const Bytes one = Tlv(0x30, Concat({Tlv(0x06, OidValue(a.oid)), Tlv(a.tag, a.value)}));
        bindings.insert(bindings.end(), one.begin(), one.end());
    }
    const Bytes pdu = Tlv(0xA2, Concat({Tlv(0x02, request.requestId), Tlv(0x02, {0}), Tlv(0x02, {0}),
                                        Tlv(0x30, bindings)}));
    return Tlv(0x30, Concat({Tlv(0x02, request.version), Tlv(0x04, request.community), pdu}));
}

// Answers on its own thread, so that blocking reads get their reply too.
class RuleAgent {
public:
    explicit RuleAgent(Rule rule) : rule_(std::move(rule))
    {
        fd_ = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~RuleAgent()
    {
        stop_ = true;
        thread_.join();
        ::close(fd_);
    }
    RuleAgent(const RuleAgent&) = delete;
    RuleAgent& operator=(const RuleAgent&) = delete;
    std::uint16_t port() const { return port_; }

private:
    void Serve()
    {
        while (!stop_) {
            pollfd ready{fd_, POLLIN, 0};
            if (::poll(&ready, 1, 50) <= 0)
                continue;
            Bytes datagram(65536);
            sockaddr_in from{};
            socklen_t length = sizeof from;
            const ssize_t n = ::recvfrom(fd_, datagram.data(), datagram.size(), 0,
                                         reinterpret_cast<sockaddr*>(&from), &length);
            if (n <= 0)
                continue;
            datagram.resize(static_cast<std::size_t>(n));
            Request request;
            if (!ParseRequest(datagram, request))
                continue;
            const Bytes reply = Response(request, rule_(request.oids));
            ::sendto(fd_, reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from), length);
        }
    }

    Rule rule_;
    int fd_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

#define OIDTEST(n) "1.3.6.1.4.1.88406.992." n

const VnSNMPVarDesc kPair[] = {
    {OIDTEST("1"), "Count", S::Integer, A::ReadOnly},
    {OIDTEST("2"), "Name", S::DisplayStr, A::ReadOnly},
    {},
};

} // namespace

TEST(ReplyOids, GetAnsweredWithOtherOidsIsNoValueAndAFailure)
{
    EnsureSessionStarted();
    const std::string a = OIDTEST("1.0"), b = OIDTEST("2.0");
    const struct {
        const char* why;
        std::vector<Answer> answers;
        std::vector<std::string> values;
        std::string text;  // "" for a good reply
    } cases[] = {
        {"as asked", {Int(a, 7), Text(b, "x")}, {"7", "x"}, ""},
        {"another instance", {Int(OIDTEST("1.5"), 7), Text(b, "x")}, {kVnNotDoneValue, "x"},
         "1.3.6.1.4.1.88406.992.1.5 = INTEGER: 7 (1.3.6.1.4.1.88406.992.1.0 asked)"},
        {"the bindings swapped", {Text(b, "x"), Int(a, 7)}, {kVnNotDoneValue, kVnNotDoneValue},
         "1.3.6.1.4.1.88406.992.2.0 = OCTET STRING: \"x\" (1.3.6.1.4.1.88406.992.1.0 asked)"},
        {"an OID that was never asked", {Int(a, 7), Int("1.3.6.1.2.1.1.3.0", 0)}, {"7", kVnNotDoneValue},
         "1.3.6.1.2.1.1.3.0 = INTEGER: 0 (1.3.6.1.4.1.88406.992.2.0 asked)"},
    };
    for (const auto& c : cases) {
        RuleAgent agent([&](const std::vector<std::string>& asked) {
            EXPECT_EQ(asked, (std::vector<std::string>{a, b}));
            return c.answers;
        });
        const std::string text = c.text.empty() ? "" : "(VnSNMP++) Unexpected reply: " + c.text + "!";
        VnSNMPRequest request;
        request.varList = VnSNMPVarList(kPair, SVT_SV, 0);
        Aim(request, agent.port(), kV2c);

        std::string raised;
        try {
            request.Get(true);
        } catch (const VnException& e) {
            raised = e.what();
            EXPECT_EQ(e.HelpContext(), kVnErrBadSyntax) << c.why;
        }
        EXPECT_EQ(raised, text) << c.why;
        EXPECT_EQ(Values(request.varList), c.values) << c.why;

        AsyncOutcome outcome;
        request.GetAsync(outcome.Completion(), true);
        ASSERT_TRUE(outcome.Wait()) << c.why;
        EXPECT_EQ(outcome.results[0].code, text.empty() ? kVnOk : kVnErrBadSyntax) << c.why;
        EXPECT_EQ(outcome.results[0].text, text.empty() ? VnErrorText(kVnOk) : text) << c.why;
        EXPECT_EQ(outcome.values, c.values) << c.why;
    }
}

namespace {

#define WALKTEST(n) "1.3.6.1.4.1.88406.992.5.1." n
const VnSNMPVarDesc kNames[] = {
    {" ", "Index", S::Integer, A::NotAccess},
    {WALKTEST("2"), "Name", S::DisplayStr, A::ReadOnly},
    {},
};

}  // namespace

// A walk whose agent answers a get-next with an OID that does not come
// after the one asked: the column ends there (the walk would never end
// otherwise), the rows read stay, and the outcome names the OID instead of
// saying Ok. An agent that leaves the column ends it as it always did.
TEST(ReplyOids, AWalkAnsweredBackwardsKeepsItsRowsAndNamesTheOid)
{
    EnsureSessionStarted();
    const std::string column = WALKTEST("2");
    const struct {
        const char* why;
        std::string third;  // the answer to the get-next after row 2
        std::string text;   // "" for an ordinary end
    } cases[] = {
        {"goes back to row 1", column + ".1",
         "(VnSNMP++) Unexpected reply: the agent returned the non-increasing OID " + column
             + ".1 for the next after " + column + ".2; the list ends there!"},
        {"answers row 2 again", column + ".2",
         "(VnSNMP++) Unexpected reply: the agent returned the non-increasing OID " + column
             + ".2 for the next after " + column + ".2; the list ends there!"},
        {"leaves the column", WALKTEST("3.1"), ""},
    };
    for (const auto& c : cases) {
        RuleAgent agent([&](const std::vector<std::string>& asked) {
            if (asked.empty())
                return std::vector<Answer>{};
            if (asked[0] == column)
                return std::vector<Answer>{Text(column + ".1", "a")};
            if (asked[0] == column + ".1")
                return std::vector<Answer>{Text(column + ".2", "b")};
            return std::vector<Answer>{Text(c.third, "z")};
        });
        VnSNMPRequest request;
        request.varList = VnSNMPVarList(kNames, MVT_UMV, 1);
        Aim(request, agent.port(), kV2c);

        std::vector<std::string> rows;
        std::string raised;
        try {
            for (bool first = true; request.Get(first); first = false)
                rows.push_back(request.varList.Item(1).value);
        } catch (const VnException& e) {
            raised = e.what();
            EXPECT_EQ(e.HelpContext(), kVnErrBadSyntax) << c.why;
        }
        EXPECT_EQ(raised, c.text) << c.why;
        EXPECT_EQ(rows, (std::vector<std::string>{"a", "b"})) << c.why;

        // Asynchronously: the step that ends the walk carries the text.
        std::vector<std::string> asyncRows;
        VnSNMPError last;
        bool done = false;
        std::function<void(bool)> step = [&](bool first) {
            request.GetAsync(
                [&](const VnSNMPError& result, VnSNMPVarList& list) {
                    if (result.code == kVnOk && !result.endOfWalk) {
                        asyncRows.push_back(list.Item(1).value);
                        step(false);
                        return;
                    }
                    last = result;
                    done = true;
                },
                first);
        };
        step(true);
        ASSERT_TRUE(RunUntil([&] { return done; })) << c.why;
        EXPECT_EQ(last.code, c.text.empty() ? kVnOk : kVnErrBadSyntax) << c.why;
        EXPECT_EQ(last.text, c.text.empty() ? VnErrorText(kVnOk) : c.text) << c.why;
        EXPECT_EQ(asyncRows, (std::vector<std::string>{"a", "b"})) << c.why;
    }
}
