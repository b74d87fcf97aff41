#pragma once
// The default target settings every new request copies: the agent, the
// SNMPv3 scope, the security settings and the time-out. Empty until
// StartSession writes the defaults; the command line and the settings
// file are applied over them afterwards.
#include <cstdint>
#include <string>

struct VnSNMPDevice {
    std::string address;     // IPv4 address or DNS name
    std::uint16_t port = 0;  // UDP port
};

struct VnSNMPScope {
    std::string contextEngineId;
    std::string contextName;
};

struct VnSNMPSecurity {
    std::uint8_t version = 0;       // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    std::string readCommunity;
    std::string writeCommunity;
    std::int32_t securityModel = 0;
    std::int32_t securityLevel = 0; // 1 none, 2 authentication, 3 authentication and privacy
    std::string securityName;
    std::string authPassword;
    std::string privPassword;
    std::int32_t authProtocol = 0;  // 1 none, 2 HMAC-MD5, 3 HMAC-SHA
    std::int32_t privProtocol = 0;  // 1 none, 2 DES
};

extern VnSNMPDevice VnDefaultDevice;
extern VnSNMPScope VnDefaultScope;
extern VnSNMPSecurity VnDefaultSecurity;
extern std::int32_t VnDefaultTimeout;  // hundredths of a second

// The values StartSession gives the defaults.
inline constexpr const char* kVnDefaultAddress = "127.0.0.1";
inline constexpr std::uint16_t kVnDefaultPort = 161;
inline constexpr const char* kVnDefaultReadCommunity = "qorvel";
inline constexpr const char* kVnDefaultWriteCommunity = "tamisko";
inline constexpr std::int32_t kVnDefaultTimeout = 100;

// Writes the values above (and the rest of the defaults) into the globals.
void VnWriteDefaultSettings();

// What VnSNMPRequest::LoadDefaults copies into a request.
void VnCopyDefaults(VnSNMPDevice& device, VnSNMPScope& scope, VnSNMPSecurity& security, int& timeout);
