#pragma once
// Enterprise SSH (1.3.6.1.4.1.88406.12.6) and SSL (.12.7): descriptor tables
// and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns. See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

extern const VnOptionList SshSslDisabledEnabledList;  // 2 disabled, 3 enabled
extern const VnOptionList SshSslSessionRekeyingList;  // 0 never, 10 ten-min, 30 thirty-min, 60 sixty-min
extern const VnOptionList SshSslCertificateFileControlList;  // 1 other, 2 inactive, 3 start, 4 delete
extern const VnOptionList SshSslCertificateFileStatusList;  // 1 none, 2 rsa, 3 dsa
extern const VnSNMPVarDesc SshManagementTable[];
extern const VnSNMPVarDesc SshDiffieHellmanTable[];
extern const VnSNMPVarDesc SshEncryptionAlgorithmTable[];
extern const VnSNMPVarDesc SshAuthenticationMethodTable[];
extern const VnSNMPVarDesc SshHmacAlgorithmTable[];
extern const VnSNMPVarDesc SshPublicKeyAlgorithmTable[];
extern const VnSNMPVarDesc SslManagementTable[];
extern const VnSNMPVarDesc SslCertificateFileTable[];
