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

// ---- P-BRIDGE per-port GARP timers and capabilities; BridgeMibPorts.cpp
extern const VnSNMPVarDesc GarpPortTable[];          // key count 1 (bridge port)
extern const VnSNMPVarDesc PortCapabilitiesTable[];  // key count 1 (bridge port)

// ---- Q-BRIDGE unicast forwarding database, by FDB ID and MAC address
extern const VnOptionList FdbStatusList;  // 1 other, 2 invalid, 3 learned, 4 self, 5 mgmt
extern const VnSNMPVarDesc UnicastForwardingTable[];  // key count 2

// ---- Q-BRIDGE and P-BRIDGE objects of the 802.1Q and 802.1P dialogs;
// BridgeMibQ.cpp
extern const VnSNMPVarDesc VlanNumDeletesTable[];     // dot1qVlanNumDeletes, one scalar
// dot1qVlanCurrentTable: key count 2 (time mark, VLAN).
extern const VnSNMPVarDesc VlanCurrentTable[];
extern const VnOptionList VlanCurrentStatusList;      // 1 other, 2 permanent, 3 dynamicGvrp
// dot1qBase scalars: version, largest VLAN ID, VLANs supported and
// configured, GVRP status.
extern const VnSNMPVarDesc VlanGeneralInfoTable[];
extern const VnOptionList BridgeEnabledDisabledList;  // 1 enabled, 2 disabled
extern const VnOptionList BridgeTrueFalseList;        // 1 true, 2 false
// dot1qPortVlanTable: key count 1 (bridge port).
extern const VnSNMPVarDesc PortVlanTable[];
extern const VnOptionList AcceptableFrameTypesList;   // 1 admitAll, 2 admitOnlyVLANTagged
// dot1qStaticMulticastTable and dot1qStaticUnicastTable: key count 3 (FDB
// ID, MAC address, receive port).
extern const VnSNMPVarDesc StaticMulticastTable[];
extern const VnSNMPVarDesc StaticUnicastTable[];
extern const VnOptionList StaticFilterStatusList;     // 2 invalid, 3 permanent
// dot1qForwardAllTable and dot1qForwardUnregisteredTable: key count 1
// (VLAN); dot1qTpGroupTable: key count 2 (VLAN, group address).
extern const VnSNMPVarDesc ForwardAllTable[];
extern const VnSNMPVarDesc ForwardUnregisteredTable[];
extern const VnSNMPVarDesc TpGroupTable[];
// dot1dDeviceCapabilities and dot1dTrafficClassesEnabled, one scalar each.
extern const VnSNMPVarDesc DeviceCapabilitiesTable[];
extern const VnSNMPVarDesc TrafficClassesEnabledTable[];
