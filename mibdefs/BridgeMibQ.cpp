// Q-BRIDGE current VLANs, base scalars, port VLANs, static filtering and
// multicast forwarding tables; the P-BRIDGE capability and traffic-class
// scalars.
#include "BridgeMib.h"

namespace {

namespace S = VnSyntax;
namespace A = VnAccess;

const VnIntOption vlanCurrentStatusOptions[] = {{1, "other"}, {2, "permanent"}, {3, "dynamicGvrp"}, {0, nullptr}};
const VnIntOption enabledDisabledOptions[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VnIntOption trueFalseOptions[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VnIntOption acceptableFrameTypesOptions[] = {{1, "admitAll"}, {2, "admitOnlyVLANTagged"}, {0, nullptr}};
const VnIntOption staticFilterStatusOptions[] = {{2, "invalid"}, {3, "permanent"}, {0, nullptr}};

}  // namespace

const VnOptionList VlanCurrentStatusList(vlanCurrentStatusOptions);
const VnOptionList BridgeEnabledDisabledList(enabledDisabledOptions);
const VnOptionList BridgeTrueFalseList(trueFalseOptions);
const VnOptionList AcceptableFrameTypesList(acceptableFrameTypesOptions);
const VnOptionList StaticFilterStatusList(staticFilterStatusOptions);

constinit const VnSNMPVarDesc VlanNumDeletesTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.1", "VLAN Num Deletes", S::Counter, A::ReadOnly},
    {},
};

// Time mark and VLAN are the parts of each row's instance.
constinit const VnSNMPVarDesc VlanCurrentTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLAN Time Mark", S::TimeTicks, A::NotAccess},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN Index", S::Gauge, A::NotAccess},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "Fdb Id", S::Gauge, A::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "Current Egress Ports", S::OctetStr, A::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "Current Untagged Ports", S::OctetStr, A::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "VLAN Status", S::Integer, A::ReadOnly, &VlanCurrentStatusList},
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", "Creation Time", S::TimeTicks, A::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc VlanGeneralInfoTable[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "Vlan Version Number", S::Integer, A::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.2", "Max Vlan Id", S::Integer, A::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.3", "Max Supported Vlans", S::Gauge, A::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.4", "Current Num Of Vlans", S::Gauge, A::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRP Status", S::Integer, A::ReadWrite, &BridgeEnabledDisabledList},
    {},
};

// The bridge port is the row's instance.
constinit const VnSNMPVarDesc PortVlanTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", S::Integer, A::NotAccess},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "Port VLANID", S::Gauge, A::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "Acceptable Frame Types", S::Integer, A::ReadWrite, &AcceptableFrameTypesList},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "Ingress Filtering", S::Integer, A::ReadWrite, &BridgeTrueFalseList},
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", "GVRP Status", S::Integer, A::ReadWrite, &BridgeEnabledDisabledList},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", "GVRP Failed Registrations", S::Counter, A::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", "GVRP Last Pdu Origin", S::MacAddress, A::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc StaticMulticastTable[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", S::Integer, A::NotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.1", "Mac Address", S::MacAddress, A::NotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.2", "Receive Port", S::Integer, A::NotAccess},
    {"1.3.6.1.2.1.17.7.1.3.2.1.3", "Egress Ports", S::BitStr, A::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Status", S::Integer, A::ReadWrite, &StaticFilterStatusList},
    {},
};

constinit const VnSNMPVarDesc StaticUnicastTable[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", S::Integer, A::NotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.1", "Unicast Address", S::MacAddress, A::NotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.2", "Receive Port", S::Integer, A::NotAccess},
    {"1.3.6.1.2.1.17.7.1.3.1.1.3", "Ports Unicast Allowed To Go To", S::BitStr, A::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", S::Integer, A::ReadWrite, &StaticFilterStatusList},
    {},
};

constinit const VnSNMPVarDesc ForwardAllTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", S::Gauge, A::NotAccess},
    {"1.3.6.1.2.1.17.7.1.2.4.1.1", "All Ports", S::BitStr, A::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.4.1.2", "Static Ports", S::BitStr, A::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.2.4.1.3", "Forbidden Ports", S::BitStr, A::ReadWrite},
    {},
};

constinit const VnSNMPVarDesc ForwardUnregisteredTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", S::Gauge, A::NotAccess},
    {"1.3.6.1.2.1.17.7.1.2.5.1.1", "Unregistered Ports", S::OctetStr, A::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.5.1.2", "Unregistered Static Ports", S::OctetStr, A::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.2.5.1.3", "Unregistered Forbidden Ports", S::OctetStr, A::ReadWrite},
    {},
};

// The group address is the second part of the instance, after the VLAN;
// "GroupA ddress" is the column caption users know, misspelt as it is.
constinit const VnSNMPVarDesc TpGroupTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", S::Gauge, A::NotAccess},
    {"1.3.6.1.2.1.17.7.1.2.3.1.1", "GroupA ddress", S::MacAddress, A::NotAccess},
    {"1.3.6.1.2.1.17.7.1.2.3.1.2", "Egress Ports", S::OctetStr, A::ReadOnly},
    {"1.3.6.1.2.1.17.7.1.2.3.1.3", "GMRP Learnt Ports", S::OctetStr, A::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc DeviceCapabilitiesTable[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", S::BitStr, A::ReadOnly},
    {},
};

constinit const VnSNMPVarDesc TrafficClassesEnabledTable[] = {
    {"1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes Enabled", S::Integer, A::ReadWrite, &BridgeTrueFalseList},
    {},
};
