// Enterprise SSH (.12.6) and SSL (.12.7).
#include "SshSslMib.h"

namespace {

const VnIntOption sshSslDisabledEnabledOptions[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VnIntOption sshSslSessionRekeyingOptions[] = {
    {0, "never"}, {10, "ten-min"}, {30, "thirty-min"}, {60, "sixty-min"}, {0, nullptr}};
const VnIntOption sshSslCertificateFileControlOptions[] = {
    {1, "other"}, {2, "inactive"}, {3, "start"}, {4, "delete"}, {0, nullptr}};
const VnIntOption sshSslCertificateFileStatusOptions[] = {{1, "none"}, {2, "rsa"}, {3, "dsa"}, {0, nullptr}};

}  // namespace

const VnOptionList SshSslDisabledEnabledList(sshSslDisabledEnabledOptions);
const VnOptionList SshSslSessionRekeyingList(sshSslSessionRekeyingOptions);
const VnOptionList SshSslCertificateFileControlList(sshSslCertificateFileControlOptions);
const VnOptionList SshSslCertificateFileStatusList(sshSslCertificateFileStatusOptions);

// "SSH" > "SSH Management"
constinit const VnSNMPVarDesc SshManagementTable[] = {
    {"1.3.6.1.4.1.88406.12.6.1.1", "SSH Version", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.12.6.1.2", "SSH Administration", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslDisabledEnabledList},
    {"1.3.6.1.4.1.88406.12.6.1.3", "SSH Max Authentication Fail Attempts", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.6.1.4", "SSH Session Key Rekeying", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslSessionRekeyingList},
    {"1.3.6.1.4.1.88406.12.6.1.5", "SSH Max Session", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.6.1.6", "SSH Connection Timeout", VnSyntax::Integer, VnAccess::ReadWrite},
    {},
};

// "SSH" > "Diffie Hellman Algorithm"
constinit const VnSNMPVarDesc SshDiffieHellmanTable[] = {
    {"1.3.6.1.4.1.88406.12.6.3.4", "SSH Key Expand Administration", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslDisabledEnabledList},
    {},
};

// "SSH" > "Encryption Algorithm"
constinit const VnSNMPVarDesc SshEncryptionAlgorithmTable[] = {
    {"1.3.6.1.4.1.88406.12.6.3.1.1", "3DES Administration", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslDisabledEnabledList},
    {"1.3.6.1.4.1.88406.12.6.3.1.2", "Blowfish Administration", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslDisabledEnabledList},
    {"1.3.6.1.4.1.88406.12.6.3.1.3", "AES128 Administration", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslDisabledEnabledList},
    {"1.3.6.1.4.1.88406.12.6.3.1.4", "AES192 Administration", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslDisabledEnabledList},
    {"1.3.6.1.4.1.88406.12.6.3.1.5", "AES256 Administration", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslDisabledEnabledList},
    {"1.3.6.1.4.1.88406.12.6.3.1.6", "Arcfour Administration", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslDisabledEnabledList},
    {"1.3.6.1.4.1.88406.12.6.3.1.7", "CAST128 Administration", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslDisabledEnabledList},
    {"1.3.6.1.4.1.88406.12.6.3.1.8", "Twofish128 Administration", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslDisabledEnabledList},
    {"1.3.6.1.4.1.88406.12.6.3.1.9", "Twofish192 Administration", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslDisabledEnabledList},
    {"1.3.6.1.4.1.88406.12.6.3.1.10", "Twofish256 Administration", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslDisabledEnabledList},
    {},
};

// "SSH" > "Authentication Method"
constinit const VnSNMPVarDesc SshAuthenticationMethodTable[] = {
    {"1.3.6.1.4.1.88406.12.6.3.2.1", "Password Authentication Administration", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslDisabledEnabledList},
    {"1.3.6.1.4.1.88406.12.6.3.2.2", "Public Key Authentication Administration", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslDisabledEnabledList},
    {"1.3.6.1.4.1.88406.12.6.3.2.3", "Host Key Authentication Administration", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslDisabledEnabledList},
    {},
};

// "SSH" > "HMAC Algorithm"
constinit const VnSNMPVarDesc SshHmacAlgorithmTable[] = {
    {"1.3.6.1.4.1.88406.12.6.3.3.1", "HMAC-SHA1 Administration", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslDisabledEnabledList},
    {"1.3.6.1.4.1.88406.12.6.3.3.2", "HMAC-MD5 Administration", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslDisabledEnabledList},
    {},
};

// "SSH" > "Public Key Algorithm"
constinit const VnSNMPVarDesc SshPublicKeyAlgorithmTable[] = {
    {"1.3.6.1.4.1.88406.12.6.3.5.1", "RSA state", VnSyntax::Integer, VnAccess::ReadWrite, &SshSslDisabledEnabledList},
    {"1.3.6.1.4.1.88406.12.6.3.5.2", "DSA state", VnSyntax::Integer, VnAccess::ReadWrite, &SshSslDisabledEnabledList},
    {},
};

// "SSL" > "SSL Management"
constinit const VnSNMPVarDesc SslManagementTable[] = {
    {"1.3.6.1.4.1.88406.12.7.1.1", "Version SSL Administration", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslDisabledEnabledList},
    {"1.3.6.1.4.1.88406.12.7.1.2", "Cipher Suites", VnSyntax::BitStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.7.1.3", "Cache Timeout", VnSyntax::Gauge, VnAccess::ReadWrite},
    {},
};

// "SSL" > "Certificate File Information"
constinit const VnSNMPVarDesc SslCertificateFileTable[] = {
    {"1.3.6.1.4.1.88406.12.7.2.1", "Certificate File IP Address", VnSyntax::IpAddress, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.7.2.2", "Certificate File Path", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.7.2.3", "Certificate Key File Path", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.7.2.4", "Certificate File Control", VnSyntax::Integer, VnAccess::ReadWrite,
     &SshSslCertificateFileControlList},
    {"1.3.6.1.4.1.88406.12.7.2.5", "Certificate File Status", VnSyntax::Integer, VnAccess::ReadOnly,
     &SshSslCertificateFileStatusList},
    {},
};
