#pragma once
// Faults the switch is told to show: requests dropped under an OID prefix,
// an error status answered for an OID and operation, replies delayed.
// Every rule matches the OIDs under its prefix (the OID itself included).
#include "SimValue.h"

#include <optional>
#include <string>
#include <vector>

enum class SimOp { Get, GetNext, Set };

// "get", "getnext", "set" or "all".
bool SimParseOps(const std::string& text, std::vector<SimOp>& ops);

class SimFaults {
public:
    void Drop(const SimOid& prefix);
    void Undrop(const SimOid& prefix);
    // Status 0 removes the rule for that prefix and operation.
    void SetError(const SimOid& prefix, SimOp op, int status);
    // 0 ms removes the rule.
    void SetDelay(const SimOid& prefix, int ms);
    void Clear();

    bool IsDropped(const SimOid& oid) const;
    std::optional<int> ErrorFor(const SimOid& oid, SimOp op) const;
    int DelayFor(const SimOid& oid) const;  // 0: none

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
    std::vector<SimOid> drops_;
    std::vector<ErrorRule> errors_;
    std::vector<DelayRule> delays_;
};
