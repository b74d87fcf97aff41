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

// ---- BRIDGE-MIB base and transparent bridging scalars
// Number of ports, learned entry discards, aging time.
extern const VnSNMPVarDesc Bridge8021dInformationTable[];

// ---- P-BRIDGE priorities; every table is indexed by dot1dBasePort
// (a column of the BRIDGE-MIB port table), then a priority where it has two.
extern const VnSNMPVarDesc DefaultUserPriorityTable[];       // key count 1
extern const VnSNMPVarDesc RegeneratedUserPriorityTable[];   // key count 2
extern const VnSNMPVarDesc TrafficClassTable[];              // key count 2
extern const VnSNMPVarDesc OutboundAccessPriorityTable[];    // key count 2

// ---- Q-BRIDGE unicast forwarding database, by FDB ID and MAC address
extern const VnOptionList FdbStatusList;  // 1 other, 2 invalid, 3 learned, 4 self, 5 mgmt
extern const VnSNMPVarDesc UnicastForwardingTable[];  // key count 2
