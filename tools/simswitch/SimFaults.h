#pragma once
// Faults the switch is told to show: requests dropped under an OID prefix,
// an error status answered for an OID and operation, replies delayed,
// replies sent more than once, set replies that are not the PDU's,
// get-next answered out of order.
// Every rule matches the OIDs under its prefix (the OID itself included).
#include "SimValue.h"

#include <optional>
#include <string>
#include <vector>

enum class SimOp { Get, GetNext, Set };

// "get", "getnext", "set" or "all".
bool SimParseOps(const std::string& text, std::vector<SimOp>& ops);

// How an applied set's reply differs from the PDU: no bindings, the last
// one left out, one binding too many, or the binding under the rule's
// prefix with another OID, another type, another value of its type, its
// number plus 2^32, or an exception in place of its value. Off removes the
// rule.
enum class SimSetSpoil {
    Off, None, Fewer, More, Oid, Type, Value, Wide, NoSuchObject, NoSuchInstance, EndOfMibView
};

// "off", "none", "fewer", "more", "oid", "type", "value", "wide",
// "nosuchobject", "nosuchinstance" or "endofmibview".
std::optional<SimSetSpoil> SimParseSpoil(const std::string& text);

// How an SNMPv1 or v2c reply is written when it is not written plainly:
// every length in 8 octets, the request ID or the error status plus 2^32,
// the community tagged Opaque, each binding inside the SEQUENCE of the one
// before it. Net-SNMP reads each of them. Off removes the rule.
enum class SimEncoding { Off, LongLengths, WideId, WideStatus, CommunityTag, Nested };

// "off", "long-lengths", "wide-id", "wide-status", "community-tag" or "nested".
std::optional<SimEncoding> SimParseEncoding(const std::string& text);

// How a get-next is answered out of order: with the last instance before
// the OID asked (`back`), or with one fixed OID, wherever it lies.
struct SimNextAnswer {
    bool back = false;
    SimOid oid;

    bool operator==(const SimNextAnswer&) const = default;
};

// "back" or an OID; nullopt for anything else ("off" is the caller's).
std::optional<SimNextAnswer> SimParseNextAnswer(const std::string& text);

class SimFaults {
public:
    void Drop(const SimOid& prefix);
    void Undrop(const SimOid& prefix);
    // Status 0 removes the rule for that prefix and operation.
    void SetError(const SimOid& prefix, SimOp op, int status);
    // 0 ms removes the rule.
    void SetDelay(const SimOid& prefix, int ms);
    // Replies sent `copies` times in all; 1 removes the rule. With `late`
    // the extra copies go out just before the next reply.
    void SetDuplicate(const SimOid& prefix, int copies, bool late = false);
    void SetSpoil(const SimOid& prefix, SimSetSpoil spoil);
    void SetEncoding(const SimOid& prefix, SimEncoding encoding);
    // The table at `entry` never ends (SimEndless.h); `on` false ends the rule.
    void SetEndless(const SimOid& entry, bool on);
    // nullopt removes the rule.
    void SetNextAnswer(const SimOid& prefix, const std::optional<SimNextAnswer>& answer);
    void Clear();

    bool IsDropped(const SimOid& oid) const;
    std::optional<int> ErrorFor(const SimOid& oid, SimOp op) const;
    int DelayFor(const SimOid& oid) const;  // 0: none
    int CopiesFor(const SimOid& oid, bool* late = nullptr) const;  // 1: no duplicates
    SimSetSpoil SpoilFor(const SimOid& oid) const;
    SimEncoding EncodingFor(const SimOid& oid) const;
    const std::vector<SimOid>& EndlessTables() const { return endless_; }
    // The out-of-order answer to a get-next asking for `oid`, if any.
    std::optional<SimNextAnswer> NextAnswerFor(const SimOid& oid) const;

private:
    struct ErrorRule {
        SimOid prefix;
        SimOp op;
        int status;
    };
    struct DelayRule {
        SimOid prefix;
        int ms;
    };
    struct DuplicateRule {
        SimOid prefix;
        int copies;
        bool late;
    };
    struct SpoilRule {
        SimOid prefix;
        SimSetSpoil spoil;
    };
    struct EncodingRule {
        SimOid prefix;
        SimEncoding encoding;
    };
    struct NextAnswerRule {
        SimOid prefix;
        SimNextAnswer answer;
    };
    std::vector<SimOid> drops_;
    std::vector<ErrorRule> errors_;
    std::vector<DelayRule> delays_;
    std::vector<DuplicateRule> duplicates_;
    std::vector<SpoilRule> spoils_;
    std::vector<EncodingRule> encodings_;
    std::vector<SimOid> endless_;
    std::vector<NextAnswerRule> nextAnswers_;
};
