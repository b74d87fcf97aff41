#pragma once
// Transport addresses of agents: an IPv4 address and a UDP port.
#include <cstdint>
#include <string>

#include "SmiValues.h"

// Made from "10.1.2.3", "10.1.2.3/161", "10.1.2.3:161" or a host name
// (with the same port forms). A host name is resolved once, when the
// address is made; a name that does not resolve gives an invalid address.
class UdpAddress {
public:
    static constexpr std::uint16_t kDefaultPort = 161;

    UdpAddress() = default;
    explicit UdpAddress(const char* text);
    explicit UdpAddress(const std::string& text);

    bool valid() const { return ip_.valid(); }
    void set_port(std::uint16_t port) { port_ = port; }
    std::uint16_t get_port() const { return port_; }
    const IpAddress& ip() const { return ip_; }
    // "10.1.2.3/161"; the empty text when not valid.
    std::string get_printable() const;

    friend bool operator==(const UdpAddress& a, const UdpAddress& b)
    {
        return a.ip_ == b.ip_ && a.port_ == b.port_;
    }

private:
    IpAddress ip_;
    std::uint16_t port_ = kDefaultPort;
};

// The address kind a target hands back; only UDP is in use.
class GenAddress {
public:
    GenAddress() = default;
    GenAddress(const UdpAddress& address) : udp_(address) {}  // NOLINT
    explicit GenAddress(const char* text) : udp_(text) {}

    bool valid() const { return udp_.valid(); }
    std::string get_printable() const { return udp_.get_printable(); }
    const UdpAddress& udp() const { return udp_; }

private:
    UdpAddress udp_;
};

// Host-name resolution behind UdpAddress: dotted quads are taken as they
// stand; a text that is not a well-formed host name is refused without a
// look-up; answers are remembered for a minute.
bool ResolveIpv4(const std::string& host, IpAddress& address);
