#pragma once
// BRIDGE-MIB, P-BRIDGE-MIB and Q-BRIDGE-MIB: descriptor tables and option
// lists.
// The option lists have static storage: built before main in the order they
// are defined, destroyed after it returns (no InitBridgeMibOptionLists /
// FreeBridgeMibOptionLists calls). See README.md.
#include "VnOptionList.h"
#include "VnSNMPVarList.h"

// ---- Q-BRIDGE static VLANs (the static VLAN dialog)
// dot1qVlanStaticTable: VLAN ID (index), name, egress, forbidden egress and
// untagged port lists, row status; key count 1.
extern const VnSNMPVarDesc VlanStaticTable[];
extern const VnOptionList VlanStaticStatusList;  // 1 Active, 4 CreateAndGo, 6 Destroy
// dot1qNextFreeLocalVlanIndex, one scalar.
extern const VnSNMPVarDesc VlanNextFreeTable[];
extern const VnOptionList VlanNextFreeList;      // 1 independent, 2 shared
