#pragma once
// Enterprise protocol VLAN (1.3.6.1.4.1.88406.12.16): descriptor tables and
// option lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitProtocolVlanOptionLists /
// FreeProtocolVlanOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// ---- Protocol VLAN groups (.12.16.1.1.1), by group 1-4094
extern const VnOptionList ProtocolVlanTypeList;       // 1 dot1q-Vlan .. 17 protocol-rarp
extern const VnOptionList ProtocolVlanAdvertList;     // 1 enabled, 2 disabled
extern const VnOptionList ProtocolVlanEncapList;      // 1 ethernet, 2 llc, 3 snap, 4 all
extern const VnOptionList ProtocolVlanRowStatusList;  // 1 active, 4 createAndGo, 6 destroy
extern const VnSNMPVarDesc ProtocolVlanTable[];       // key count 1
