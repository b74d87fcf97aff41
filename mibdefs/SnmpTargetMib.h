#pragma once
// SNMP-TARGET-MIB, SNMP-NOTIFICATION-MIB and SNMP-COMMUNITY-MIB: descriptor
// tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitSnmpTargetMibOptionLists /
// FreeSnmpTargetMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"
