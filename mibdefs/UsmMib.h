#pragma once
// SNMP-USER-BASED-SM-MIB: descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitUsmMibOptionLists /
// FreeUsmMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// usmUserAuthProtocol and usmUserPrivProtocol: object identifiers compared
// whole, shown as None / MD5 / SHA and None / DES.
extern const VnOptionList UsmAuthProtocolList;
extern const VnOptionList UsmPrivProtocolList;

// ---- statistics and the user table; UsmMibUsers.cpp
extern const VnOptionList UsmRowStatusList;      // 1 active, 4 createAndGo, 6 destroy
extern const VnSNMPVarDesc UsmStatisticsTable[];  // .15.1.1.1-.6
extern const VnSNMPVarDesc UsmUserTable[];        // .15.1.2.2.1, keys: engine ID, user name
