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
