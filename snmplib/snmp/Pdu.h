#pragma once
// A protocol data unit: the bindings of one request or response, the
// response's error status and index, and the SNMPv3 scope.
#include <vector>

#include "OctetStr.h"
#include "SnmpSmi.h"
#include "Vb.h"

class Pdu {
public:
    Pdu() = default;
    Pdu(const Vb* vbs, int count);

    Pdu& operator+=(const Vb& vb);
    int get_vb_count() const { return static_cast<int>(vbs_.size()); }
    // False, leaving `vb` alone, when index is out of range.
    bool get_vb(Vb& vb, int index) const;
    bool set_vb(const Vb& vb, int index);
    const std::vector<Vb>& vbs() const { return vbs_; }
    void set_vbs(std::vector<Vb> vbs) { vbs_ = std::move(vbs); }
    // Drops the bindings and the response fields; the scope stays.
    void clear();

    // For a response: the agent's error status (0..18) and index. For a
    // callback whose reason is a failure (not a response), the error
    // status holds the same result number as the reason.
    int get_error_status() const { return errorStatus_; }
    int get_error_index() const { return errorIndex_; }
    void set_error_status(int status) { errorStatus_ = status; }
    void set_error_index(int index) { errorIndex_ = index; }

    // Set by an asynchronous send: the id that Snmp::cancel takes.
    unsigned long get_request_id() const { return requestId_; }
    void set_request_id(unsigned long id) { requestId_ = id; }
    int get_type() const { return type_; }
    void set_type(int type) { type_ = type; }
    // For a response: whether the request had to be sent more than once
    // before it was answered. The answer may then be to a later copy, and
    // an earlier copy may have been carried out all the same.
    bool was_resent() const { return resent_; }
    void set_resent(bool resent) { resent_ = resent; }
    // A response whose octets could not be read to check its numbers
    // against their types: nothing in it can be trusted to be what the
    // agent sent.
    bool unchecked() const { return unchecked_; }
    void set_unchecked(bool unchecked) { unchecked_ = unchecked; }

    void set_security_level(int level) { securityLevel_ = level; }
    int get_security_level() const { return securityLevel_; }
    void set_context_name(const OctetStr& name) { contextName_ = name; }
    const OctetStr& get_context_name() const { return contextName_; }
    void set_context_engine_id(const OctetStr& id) { contextEngineId_ = id; }
    const OctetStr& get_context_engine_id() const { return contextEngineId_; }

private:
    std::vector<Vb> vbs_;
    int errorStatus_ = 0;
    int errorIndex_ = 0;
    unsigned long requestId_ = 0;
    int type_ = 0;
    bool resent_ = false;
    bool unchecked_ = false;
    int securityLevel_ = kSecurityLevelNoAuthNoPriv;
    OctetStr contextName_;
    OctetStr contextEngineId_;
};
