// Enterprise protocol VLAN: the protocol group table (.12.16.1.1.1).
#include "ProtocolVlanMib.h"

namespace {

const VnIntOption protocolTypeOptions[] = {
    {1, "dot1q-Vlan"},           {2, "protocol-IP"},          {3, "protocol-IPX803dot3"},
    {4, "protocol-IPX802dot2"},  {5, "protocol-IPXSnap"},     {6, "protocol-IPXEthernet2"},
    {7, "protocol-appleTalk"},   {8, "protocol-decLat"},      {9, "protocol-dexOther"},
    {10, "protocol-sna802dot2"}, {11, "protocol-snaEthernet2"}, {12, "protocol-netBios"},
    {13, "protocol-xns"},        {14, "protocol-vines"},      {15, "protocol-IPV6"},
    {16, "protocol-userDefined"}, {17, "protocol-rarp"},      {0, nullptr}};
const VnIntOption advertisementOptions[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VnIntOption encapOptions[] = {{1, "ethernet"}, {2, "llc"}, {3, "snap"}, {4, "all"}, {0, nullptr}};
const VnIntOption rowStatusOptions[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};

}  // namespace

const VnOptionList ProtocolVlanTypeList(protocolTypeOptions);
const VnOptionList ProtocolVlanAdvertList(advertisementOptions);
const VnOptionList ProtocolVlanEncapList(encapOptions);
const VnOptionList ProtocolVlanRowStatusList(rowStatusOptions);

constinit const VnSNMPVarDesc ProtocolVlanTable[] = {
    {"1.3.6.1.4.1.88406.12.16.1.1.1.1", "Index", VnSyntax::Integer, VnAccess::NotAccess},
    {"1.3.6.1.4.1.88406.12.16.1.1.1.2", "Name", VnSyntax::DisplayStr, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.16.1.1.1.3", "Protocol Type", VnSyntax::Integer, VnAccess::ReadWrite,
     &ProtocolVlanTypeList},
    {"1.3.6.1.4.1.88406.12.16.1.1.1.4", "Advertisement", VnSyntax::Integer, VnAccess::ReadWrite,
     &ProtocolVlanAdvertList},
    {"1.3.6.1.4.1.88406.12.16.1.1.1.5", "User Defined Protocol", VnSyntax::Integer, VnAccess::ReadWrite},
    {"1.3.6.1.4.1.88406.12.16.1.1.1.6", "Encap Type", VnSyntax::Integer, VnAccess::ReadWrite, &ProtocolVlanEncapList},
    {"1.3.6.1.4.1.88406.12.16.1.1.1.7", "Row Status", VnSyntax::Integer, VnAccess::ReadWrite,
     &ProtocolVlanRowStatusList},
    {},
};
