#pragma once
// SNMP-VIEW-BASED-ACM-MIB: descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitVacmMibOptionLists /
// FreeVacmMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// ---- groups, access and views; VacmMib.cpp
extern const VnOptionList VacmRowStatusList;      // 1 active, 4 createAndGo, 6 destroy
extern const VnOptionList VacmSecurityLevelList;  // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
extern const VnOptionList VacmViewTypeList;       // 1 included, 2 excluded
extern const VnSNMPVarDesc VacmSecurityGroupTable[];  // .16.1.2.1, keys: model, name
extern const VnSNMPVarDesc VacmAccessTable[];         // .16.1.4.1, keys: group, prefix, model, level
extern const VnSNMPVarDesc VacmViewTreeTable[];       // .16.1.5.2.1, keys: view name, subtree
