// Q-BRIDGE static VLAN table and the next free local VLAN index.
#include "BridgeMib.h"

namespace {

const VnIntOption vlanStaticStatusOptions[] = {{1, "Active"}, {4, "CreateAndGo"}, {6, "Destroy"}, {0, nullptr}};
const VnIntOption vlanNextFreeOptions[] = {{1, "independent"}, {2, "shared"}, {0, nullptr}};

}  // namespace

const VnOptionList VlanStaticStatusList(vlanStaticStatusOptions);
const VnOptionList VlanNextFreeList(vlanNextFreeOptions);

// The VLAN ID has no object in the static table: it is the index the walk
// decodes from each row's instance.
constinit const VnSNMPVarDesc VlanStaticTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", VnSyntax::Gauge, VnAccess::NotAccess},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", VnSyntax::BitStr, VnAccess::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", VnSyntax::BitStr, VnAccess::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", VnSyntax::BitStr, VnAccess::ReadWrite},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", VnSyntax::Integer, VnAccess::ReadWrite, &VlanStaticStatusList},
    {},
};

constinit const VnSNMPVarDesc VlanNextFreeTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.4", "Next Free Local VLAN Index", VnSyntax::Integer, VnAccess::ReadOnly,
     &VlanNextFreeList},
    {},
};
