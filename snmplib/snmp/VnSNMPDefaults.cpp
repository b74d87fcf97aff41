#include "VnSNMPDefaults.h"

VnSNMPDevice VnDefaultDevice;
VnSNMPScope VnDefaultScope;
VnSNMPSecurity VnDefaultSecurity;
std::int32_t VnDefaultTimeout = 0;

void VnWriteDefaultSettings()
{
    VnDefaultDevice = VnSNMPDevice{kVnDefaultAddress, kVnDefaultPort};
    VnDefaultScope = VnSNMPScope{};
    VnSNMPSecurity security;
    security.version = 0;
    security.readCommunity = kVnDefaultReadCommunity;
    security.writeCommunity = kVnDefaultWriteCommunity;
    security.securityModel = 1;
    security.securityLevel = 1;
    security.authProtocol = 1;
    security.privProtocol = 1;
    VnDefaultSecurity = security;
    VnDefaultTimeout = kVnDefaultTimeout;
}

void VnCopyDefaults(VnSNMPDevice& device, VnSNMPScope& scope, VnSNMPSecurity& security, int& timeout)
{
    device = VnDefaultDevice;
    scope = VnDefaultScope;
    security = VnDefaultSecurity;
    timeout = VnDefaultTimeout;
}
