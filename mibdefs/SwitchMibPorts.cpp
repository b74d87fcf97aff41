// Port trunks (.11.59.5.2.9.3), port mirroring (.11.59.5.2.10) and traffic
// segmentation (.11.59.5.2.14) of the enterprise switch MIB.
#include "SwitchMib.h"

namespace {

const VnIntOption trunkTypeOptions[] = {{2, "static"}, {3, "lacp"}, {0, nullptr}};
const VnIntOption trunkStateOptions[] = {{1, "enable"},        {2, "disable"}, {4, "createAndGo"},
                                         {5, "createAndWait"}, {6, "destroy"}, {0, nullptr}};
const VnIntOption mirrorStateOptions[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};

}  // namespace

const VnOptionList PortTrunkTypeList(trunkTypeOptions);
const VnOptionList PortTrunkStateList(trunkStateOptions);
const VnOptionList PortMirrorStateList(mirrorStateOptions);

constinit const VnSNMPVarDesc PortTrunkTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.9.3.1.1", "Index", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.9.3.1.2", "Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.9.3.1.3", "Master Port", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.9.3.1.4", "Member", VnSyntax::BitStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.9.3.1.5", "Flooding Port", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.9.3.1.6", "Trunk Type", VnSyntax::Integer, VnAccess::ReadWrite,
     &PortTrunkTypeList},
    {"1.3.6.1.4.1.88406.11.59.5.2.9.3.1.7", "Trunk State", VnSyntax::Integer, VnAccess::ReadWrite,
     &PortTrunkStateList},
    {},
};

constinit const VnSNMPVarDesc PortMirrorTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.10.1", "Logic Target Port", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.10.2", "Port Source Ingress", VnSyntax::OctetStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.10.3", "Port Source Egress", VnSyntax::OctetStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.11.59.5.2.10.4", "Port State", VnSyntax::Integer, VnAccess::ReadWrite,
     &PortMirrorStateList},
    {},
};

constinit const VnSNMPVarDesc TrafficSegmentationTable[] = {
    {"1.3.6.1.4.1.88406.11.59.5.2.14.1.1.1", "Traffic Seg Port", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.88406.11.59.5.2.14.1.1.2", "Traffic Seg Forward Ports", VnSyntax::OctetStr, VnAccess::ReadWrite},
    {},
};
