#pragma once
// Every set PDU the switch received, in order of arrival, with what it
// carried and who sent it, so that tests can assert exactly what was sent.
#include "SimStore.h"

#include <string>
#include <vector>

struct SimSetPdu {
    int seq = 0;
    std::string version;       // "v1", "v2c" or "v3"
    long reqid = 0;
    std::string status;        // "received", "applied" or "dropped"
    std::string securityName;  // community (v1, v2c) or user (v3)
    std::vector<SimVarbind> varbinds;
};

class SimSetRecord {
public:
    // Returns the new record's sequence number.
    int Add(SimSetPdu pdu);
    void MarkDropped(int seq);
    // The newest record of that request that is not applied yet.
    void MarkApplied(long reqid);
    void Clear() { pdus_.clear(); }
    const std::vector<SimSetPdu>& Pdus() const { return pdus_; }

    // "pdu SEQ VERSION REQID STATUS SECURITYNAME" then one
    // "vb OID TYPE VALUE" line per varbind, for every record.
    std::string Format() const;

private:
    std::vector<SimSetPdu> pdus_;
    int nextSeq_ = 1;
};
