#pragma once
// VRRP-MIB: descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitVrrpMibOptionLists /
// FreeVrrpMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// ---- the VRRP generic editors; VrrpMibRouters.cpp
extern const VnOptionList VrrpEnabledList;      // 1 enabled, 2 disabled
extern const VnOptionList VrrpRouterStateList;  // 1 initialize, 2 backup, 3 master
extern const VnOptionList VrrpAdminStateList;   // 1 up, 2 down
extern const VnOptionList VrrpAuthTypeList;     // 1 noAuthentication .. 3 IPAuthenticationHeader
extern const VnOptionList VrrpTrueFalseList;    // 1 true, 2 false
extern const VnOptionList VrrpProtocolList;     // 1 IP, 2 bridge, 3 decnet, 4 other
extern const VnOptionList VrrpRowStatusList;    // 1 active, 4 createAndGo, 6 destroy
extern const VnSNMPVarDesc VrrpControlTable[];            // .1.1-.1.2
extern const VnSNMPVarDesc VrrpOperationTable[];          // .1.3.1, keys: ifIndex, VRID
extern const VnSNMPVarDesc VrrpAssociatedAddressTable[];  // .1.4.1, keys: ifIndex, VRID, IP address
extern const VnSNMPVarDesc VrrpErrorStatisticsTable[];    // .2.1-.2.3
extern const VnSNMPVarDesc VrrpRouterStatisticsTable[];   // .2.4.1, keys: ifIndex, VRID
