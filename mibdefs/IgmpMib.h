#pragma once
// Enterprise IGMP snooping (1.3.6.1.4.1.88406.12.18) and one scalar group
// (.12.32): descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitIgmpMibOptionLists /
// FreeIgmpMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// ---- the layer-3 IGMP and RIP timer editors; IgmpMibRouter.cpp
extern const VnOptionList IgmpRowStatusList;   // 1 active, 4 createAndGo, 6 destroy
extern const VnOptionList IgmpFilterModeList;  // 1 include, 2 exclude
extern const VnSNMPVarDesc RipTimerTable[];        // .12.32.3
extern const VnSNMPVarDesc IgmpInterfaceTable[];   // .12.18.1.4.1, key: ifIndex
extern const VnSNMPVarDesc IgmpCacheTable[];       // .12.18.1.6.1, keys: ifIndex, group
extern const VnSNMPVarDesc IgmpSourceListTable[];  // .12.18.1.10.1, keys: ifIndex, group, host
