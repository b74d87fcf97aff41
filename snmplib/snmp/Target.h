#pragma once
// Where and how a request goes: the agent's address, the protocol
// version, time-out and retries, and the credentials (communities for
// SNMPv1/v2c, a USM user for SNMPv3).
#include <memory>

#include "Address.h"
#include "OctetStr.h"
#include "SnmpSmi.h"

class SnmpTarget {
public:
    enum class Kind { Community, User };

    virtual ~SnmpTarget() = default;
    virtual Kind kind() const = 0;
    virtual std::unique_ptr<SnmpTarget> clone() const = 0;

    bool valid() const { return address_.valid(); }
    void set_address(const UdpAddress& address) { address_ = address; }
    bool get_address(GenAddress& address) const
    {
        address = GenAddress(address_);
        return address_.valid();
    }
    const UdpAddress& address() const { return address_; }

    void set_version(snmp_version version) { version_ = version; }
    snmp_version get_version() const { return version_; }
    // Retransmissions after the first send; negative counts as 0.
    void set_retry(int retries) { retries_ = retries < 0 ? 0 : retries; }
    int get_retry() const { return retries_; }
    // Time to wait for each reply, in hundredths of a second; values below
    // 1 count as 1.
    void set_timeout(unsigned long hundredths) { timeout_ = hundredths < 1 ? 1 : hundredths; }
    unsigned long get_timeout() const { return timeout_; }

protected:
    SnmpTarget() = default;
    explicit SnmpTarget(const UdpAddress& address) : address_(address) {}
    SnmpTarget(const SnmpTarget&) = default;
    SnmpTarget& operator=(const SnmpTarget&) = default;

private:
    UdpAddress address_;
    snmp_version version_ = version1;
    int retries_ = 1;
    unsigned long timeout_ = 100;
};

// SNMPv1 and SNMPv2c: get and get-next use the read community, set the
// write community.
class CTarget : public SnmpTarget {
public:
    CTarget() = default;
    explicit CTarget(const UdpAddress& address) : SnmpTarget(address) {}

    Kind kind() const override { return Kind::Community; }
    std::unique_ptr<SnmpTarget> clone() const override { return std::make_unique<CTarget>(*this); }

    void set_readcommunity(const OctetStr& community) { read_ = community; }
    void set_writecommunity(const OctetStr& community) { write_ = community; }
    const OctetStr& get_readcommunity() const { return read_; }
    const OctetStr& get_writecommunity() const { return write_; }

private:
    OctetStr read_;
    OctetStr write_;
};

// SNMPv3 with the user-based security model: the user's protocols and
// passwords are registered with usmAddUserName.
class UTarget : public SnmpTarget {
public:
    UTarget() { set_version(version3); }
    explicit UTarget(const UdpAddress& address) : SnmpTarget(address) { set_version(version3); }

    Kind kind() const override { return Kind::User; }
    std::unique_ptr<SnmpTarget> clone() const override { return std::make_unique<UTarget>(*this); }

    void set_security_model(int model) { model_ = model; }
    int get_security_model() const { return model_; }
    void set_security_name(const OctetStr& name) { name_ = name; }
    const OctetStr& get_security_name() const { return name_; }

private:
    int model_ = kSecurityModelUsm;
    OctetStr name_;
};
