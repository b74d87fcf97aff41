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

// ---- 802.1X per-station counters (.12.3.6), index MAC + port; AuthMibDot1x.cpp
extern const VnSNMPVarDesc Dot1xDiagnosticsTable[];      // key count 2, 18 counters
extern const VnSNMPVarDesc Dot1xFrameStatisticsTable[];  // key count 2, 12 columns

// ---- Method lists, authentication servers and server-group members
// (.12.5.3, .12.5.4, .12.5.10, .12.5.12)
extern const VnOptionList AacEnableMethodTypeList;  // 1 tacacs .. 5 server-group, 7 local-enable, 8 none, 9 other
extern const VnOptionList AacLoginMethodTypeList;   // as above with 6 local in place of 7 local-enable
extern const VnOptionList AacServerAuthProtocolList;  // 1 tacacs, 2 xtacacs, 3 tacacs-plus, 4 radius
extern const VnOptionList AacMemberActionList;        // 1 add, 2 delete
extern const VnSNMPVarDesc EnableMethodListTable[];   // name (index), four type and group pairs, status
extern const VnSNMPVarDesc LoginMethodListTable[];
extern const VnSNMPVarDesc AacServerTable[];          // address, protocol (index), port, key, time-out, retry, status
extern const VnSNMPVarDesc AacServerGroupMemberTable[];  // group, address, protocol (index), action
