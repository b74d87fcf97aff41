#pragma once
// Enterprise authentication: mode, MAC-based 802.1X and RADIUS servers
// (1.3.6.1.4.1.88406.12.3), TACACS+ login methods and server groups (.12.5):
// descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns. See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

extern const VnOptionList AuthUserAuthProtocolList;  // 2 authProtocolLocal, 4 authProtocolRadiusEap
extern const VnOptionList AuthDeviceAuthModeList;  // 1 portBase, 2 MACBase, 3 none
extern const VnOptionList AuthPaeStateList;
extern const VnOptionList AuthBackendStateList;
extern const VnOptionList AuthPortStatusList;  // 1 authorized, 2 unauthorized
extern const VnOptionList AuthAuthenticMethodList;  // 1 remoteAuthServer, 2 localAuthServer
extern const VnOptionList AuthTerminateCauseList;
extern const VnOptionList AuthRadiusServerIndexList;
extern const VnOptionList AuthRowStatusList;  // 1 active, 4 createAndGo, 6 destroy
extern const VnOptionList AuthDisabledEnabledList;  // 2 disabled, 3 enabled
extern const VnOptionList AuthServerProtocolList;  // 1 tacacs, 2 xtacacs, 3 tacacs-plus, 4 radius, 5 none, 6 other
extern const VnSNMPVarDesc AuthenticationModeTable[];
extern const VnSNMPVarDesc MacAuthStateTable[];
extern const VnSNMPVarDesc MacAuthSessionTable[];
extern const VnSNMPVarDesc RadiusServerTable[];
extern const VnSNMPVarDesc TacacsControlTable[];
extern const VnSNMPVarDesc TacacsInformationTable[];
extern const VnSNMPVarDesc LoginInformationTable[];
extern const VnSNMPVarDesc AacServerGroupTable[];
