#pragma once
// SNMP-VIEW-BASED-ACM-MIB: descriptor tables and option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitVacmMibOptionLists /
// FreeVacmMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"
