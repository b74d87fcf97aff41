#include "SimSetRecord.h"

int SimSetRecord::Add(SimSetPdu pdu)
{
    pdu.seq = nextSeq_++;
    if (pdu.status.empty())
        pdu.status = "received";
    pdus_.push_back(std::move(pdu));
    return pdus_.back().seq;
}

void SimSetRecord::MarkDropped(int seq)
{
    for (auto& pdu : pdus_) {
        if (pdu.seq == seq)
            pdu.status = "dropped";
    }
}

void SimSetRecord::MarkApplied(long reqid)
{
    for (auto it = pdus_.rbegin(); it != pdus_.rend(); ++it) {
        if (it->reqid == reqid && it->status == "received") {
            it->status = "applied";
            return;
        }
    }
}

std::string SimSetRecord::Format() const
{
    std::string out;
    for (const auto& pdu : pdus_) {
        // A community is whatever the client sent: keep the line a line.
        std::string name = pdu.securityName;
        for (char& c : name) {
            if (static_cast<unsigned char>(c) < 0x20)
                c = '?';
        }
        out += "pdu " + std::to_string(pdu.seq) + ' ' + pdu.version + ' ' +
               std::to_string(pdu.reqid) + ' ' + pdu.status + ' ' + name + '\n';
        for (const auto& vb : pdu.varbinds) {
            out += "vb " + SimFormatOid(vb.oid) + ' ' +
                   SimTypeName(static_cast<std::uint8_t>(vb.value.type)) + ' ' +
                   SimFormatValue(vb.value) + '\n';
        }
    }
    return out;
}
