#pragma once
// SNMPv3 users known to this process: what usmAddUserName registered,
// the keys made from their passwords, and Net-SNMP's own user cache.
#include <cstddef>
#include <string>
#include <vector>

#include "OctetStr.h"

struct UsmUser {
    int authProtocol = 1;  // 1 none, 2 HMAC-MD5, 3 HMAC-SHA
    int privProtocol = 1;  // 1 none, 2 DES
    std::string authPassword;
    std::string privPassword;

    friend bool operator==(const UsmUser&, const UsmUser&) = default;
};

// The registered user; a user never registered has no protocols.
UsmUser FindUsmUser(const std::string& securityName);

// The password-to-key result (Ku) for an authentication protocol, made
// once per (protocol, password) and then remembered. False when the
// library refuses the password (shorter than 8 characters).
bool UsmPasswordKey(int authProtocol, const std::string& password, std::vector<unsigned char>& key);

// Drops every entry for `securityName` from Net-SNMP's process-wide user
// cache, so that new sessions do not reuse keys of an old password.
void PurgeNetSnmpUser(const std::string& securityName);

// How many keys have been derived from passwords so far.
std::size_t UsmKeyDerivationCount();
