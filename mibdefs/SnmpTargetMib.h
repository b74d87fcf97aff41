#pragma once
// SNMP-TARGET-MIB, SNMP-NOTIFICATION-MIB and SNMP-COMMUNITY-MIB: descriptor
// tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitSnmpTargetMibOptionLists /
// FreeSnmpTargetMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// ---- snmpCommunityTable (SNMP-COMMUNITY-MIB); SnmpTargetMibCommunity.cpp
extern const VnOptionList CommunityStatusList;     // 1 active, 4 createAndGo, 6 destroy
extern const VnSNMPVarDesc CommunityStringTable[];  // key count 1, IMPLIED string index

// ---- the "SNMP V3" editors; SnmpTargetMibTargets.cpp
extern const VnOptionList TargetStorageTypeList;    // 1 other .. 5 readOnly
extern const VnOptionList TargetRowStatusList;      // 1 active, 4 createAndGo, 6 destroy
extern const VnOptionList TargetSecurityLevelList;  // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
extern const VnOptionList NotifyTypeList;           // 1 trap, 2 inform
extern const VnSNMPVarDesc TargetGeneralTable[];           // .12.1.1, .4, .5
extern const VnSNMPVarDesc TargetAddressTable[];           // .12.1.2.1, IMPLIED name
extern const VnSNMPVarDesc TargetParamsTable[];            // .12.1.3.1, IMPLIED name
extern const VnSNMPVarDesc NotifyTable[];                  // .13.1.1.1, IMPLIED name
extern const VnSNMPVarDesc CommunityTargetAddressTable[];  // .12.1.2.1 name, .18.1.2.1 MMS
