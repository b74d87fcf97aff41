#include "UsmUsers.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/snmpusm.h>

#include <map>
#include <utility>

#include "NetSnmpLibrary.h"
#include "Snmp.h"
#include "SnmpSmi.h"

namespace {

std::size_t derivations = 0;

std::map<std::string, UsmUser>& Users()
{
    static std::map<std::string, UsmUser> users;
    return users;
}

std::map<std::pair<int, std::string>, std::vector<unsigned char>>& Keys()
{
    static std::map<std::pair<int, std::string>, std::vector<unsigned char>> keys;
    return keys;
}

}  // namespace

int usmAddUserName(const OctetStr& securityName, int authProtocol, int privProtocol,
                   const OctetStr& authPassword, const OctetStr& privPassword)
{
    Users()[securityName.str()] = UsmUser{authProtocol, privProtocol, authPassword.str(), privPassword.str()};
    if (authProtocol < kAuthProtocolNone || authProtocol > kAuthProtocolSha)
        return SnmpResult::UsmUnsupportedAuthProtocol;
    if (privProtocol != kPrivProtocolNone && privProtocol != kPrivProtocolDes)
        return SnmpResult::UsmUnsupportedPrivProtocol;
    return SnmpResult::UsmOk;
}

UsmUser FindUsmUser(const std::string& securityName)
{
    const auto found = Users().find(securityName);
    return found == Users().end() ? UsmUser{} : found->second;
}

bool UsmPasswordKey(int authProtocol, const std::string& password, std::vector<unsigned char>& key)
{
    const auto cacheKey = std::make_pair(authProtocol, password);
    if (const auto found = Keys().find(cacheKey); found != Keys().end()) {
        key = found->second;
        return true;
    }
    const oid* proto = authProtocol == kAuthProtocolSha ? usmHMACSHA1AuthProtocol : usmHMACMD5AuthProtocol;
    const std::size_t protoLength = authProtocol == kAuthProtocolSha ? OID_LENGTH(usmHMACSHA1AuthProtocol)
                                                                     : OID_LENGTH(usmHMACMD5AuthProtocol);
    EnsureNetSnmpLibrary();
    u_char buffer[USM_AUTH_KU_LEN];
    size_t length = sizeof buffer;
    std::vector<u_char> secret(password.begin(), password.end());
    if (generate_Ku(proto, static_cast<u_int>(protoLength), secret.data(), secret.size(), buffer, &length) !=
        SNMPERR_SUCCESS)
        return false;
    ++derivations;
    key.assign(buffer, buffer + length);
    Keys()[cacheKey] = key;
    return true;
}

void PurgeNetSnmpUser(const std::string& securityName)
{
    EnsureNetSnmpLibrary();
    bool removed = true;
    while (removed) {
        removed = false;
        for (usmUser* user = usm_get_userList(); user; user = user->next) {
            if (user->name && securityName == user->name) {
                usm_remove_user(user);
                usm_free_user(user);
                removed = true;
                break;
            }
        }
    }
}

std::size_t UsmKeyDerivationCount()
{
    return derivations;
}
